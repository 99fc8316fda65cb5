// The edit command around the dialog: loading the dialog from a document and
// applying an accepted dialog, with sampling that may be cancelled.
#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "DlgSetDriver.h"
#include "dialogs/FunctionEdit.h"
#include "dialogs/RangeChoice.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

void ExpectSameRecords(const CGraphDef& a, const CGraphDef& b) {
    ASSERT_EQ(a.m_nPoints, b.m_nPoints);
    ASSERT_GT(a.m_nPoints, 0);
    for (int32_t i = 0; i < a.m_nPoints; ++i) {
        const SamplePoint& p = a.m_pPoints[i];
        const SamplePoint& q = b.m_pPoints[i];
        ASSERT_TRUE(p.fromX == q.fromX && p.fromY == q.fromY && p.fromZ == q.fromZ && p.x == q.x && p.y == q.y &&
                    p.z == q.z && p.graphNumber == q.graphNumber)
            << "record " << i;
    }
}

// A model as a new document, with slot 1 shown: `formula` in `dimension`.
void MakeModel(CCurvilinearscopeDoc& model, int dimension, int range, const char16_t* formula) {
    model.OnNewDocument();
    model.m_nDimension = dimension;
    model.m_nRange = range;
    model.m_dAngle = 0.7;
    model.m_graphs[0].m_bShow = 1;
    model.m_graphs[0].m_strFormula = formula;
}

TEST(FunctionEdit, DialogStartsFromTheDocument) {
    CCurvilinearscopeDoc model;
    MakeModel(model, 1, 20, u"x+y");
    model.Sample3D();
    DlgSetDriver d(model);
    EXPECT_TRUE(static_cast<QAbstractButton*>(d.dlg.Item(IDC_DIM_SPACE))->isChecked());
    EXPECT_EQ(d.List(IDC_RANGE)->currentText(), QStringLiteral("-20,+20"));
    EXPECT_EQ(d.Text(IDC_FORMULA), QStringLiteral("x+y"));
    EXPECT_TRUE(static_cast<QAbstractButton*>(d.dlg.Item(IDC_SHOW))->isChecked());
    EXPECT_EQ(d.dlg.m_graphs[0].m_pPoints, nullptr);
}

// Confirming without a change resamples: the records are those of sampling
// the document in place, and a hidden slot keeps the records it had.
TEST(FunctionEdit, ConfirmingWithoutChangesResamplesShownSlotsOnly) {
    for (int dimension : {0, 1}) {
        CCurvilinearscopeDoc model;
        MakeModel(model, dimension, 10, dimension ? u"sin(x)*cos(y)" : u"sin(x)");
        model.m_graphs[1].m_bShow = 1;
        dimension ? model.Sample3D() : model.Sample2D();
        model.m_graphs[1].m_bShow = 0;  // hidden after having been shown
        const SamplePoint* hiddenPoints = model.m_graphs[1].m_pPoints.get();
        const int32_t hiddenCount = model.m_graphs[1].m_nPoints;
        model.m_graphs[0].m_pPoints.reset();  // shown, sampling must rebuild it
        model.m_graphs[0].m_nPoints = 0;

        CCurvilinearscopeDoc reference;
        MakeModel(reference, dimension, 10, dimension ? u"sin(x)*cos(y)" : u"sin(x)");
        dimension ? reference.Sample3D() : reference.Sample2D();

        DlgSetDriver d(model);
        d.PressOK();
        ASSERT_TRUE(d.Closed());
        ASSERT_TRUE(ApplyDlgSet(d.dlg, model, &d.dlg));
        ExpectSameRecords(model.m_graphs[0], reference.m_graphs[0]);
        EXPECT_EQ(model.m_graphs[1].m_pPoints.get(), hiddenPoints);
        EXPECT_EQ(model.m_graphs[1].m_nPoints, hiddenCount);
        EXPECT_EQ(model.m_dAngle, dimension ? 0.0 : 0.7);  // the space picture turns back
    }
}

TEST(FunctionEdit, AppliesDimensionRangeAndDefinitions) {
    CCurvilinearscopeDoc model;
    MakeModel(model, 0, 10, u"x");
    Slots s;
    s.g[2].m_bShow = 1;
    s.g[2].m_nKind = 1;
    s.g[2].m_strX = u"u";
    s.g[2].m_strY = u"v";
    s.g[2].m_strZ = u"u*v";
    DlgSetDriver d(s.g, 1, 0);
    d.PressOK();
    ASSERT_TRUE(d.Closed());
    ASSERT_TRUE(ApplyDlgSet(d.dlg, model, nullptr));
    EXPECT_EQ(model.m_nDimension, 1);
    EXPECT_EQ(model.m_nRange, 5);
    EXPECT_EQ(model.m_graphs[0].m_bShow, 0);
    EXPECT_EQ(model.m_graphs[2].m_strZ, u"u*v");
    EXPECT_GT(model.m_graphs[2].m_nPoints, 0);
    EXPECT_EQ(model.m_graphs[2].m_pPoints[0].graphNumber, 3);
}

// Cancel in the progress dialog of a long sampling: the document keeps its
// definitions and its records, down to the arrays.
TEST(FunctionEdit, CancelledSamplingLeavesTheDocumentAsItWas) {
    CCurvilinearscopeDoc model;
    MakeModel(model, 1, 20, u"x*y");
    model.m_graphs[0].m_dStep = 1.0;
    model.Sample3D();
    model.m_dAngle = 0.3;
    const SamplePoint* points = model.m_graphs[0].m_pPoints.get();
    const int32_t count = model.m_graphs[0].m_nPoints;

    DlgSetDriver d(model);
    d.Type(IDC_FORMULA, QStringLiteral("sin(x)*cos(y)"));
    d.Type(IDC_STEP, QStringLiteral("0.01"));
    d.ChooseItem(IDC_RANGE, 1);
    d.PressOK();
    ASSERT_TRUE(d.Closed());

    bool clicked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (progress && !clicked) {
            clicked = true;
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        }
    });
    poll.start(10);
    EXPECT_FALSE(ApplyDlgSet(d.dlg, model, nullptr, 0));
    EXPECT_TRUE(clicked);
    EXPECT_EQ(model.m_nRange, 20);
    EXPECT_EQ(model.m_graphs[0].m_strFormula, u"x*y");
    EXPECT_EQ(model.m_graphs[0].m_dStep, 1.0);
    EXPECT_EQ(model.m_graphs[0].m_pPoints.get(), points);
    EXPECT_EQ(model.m_graphs[0].m_nPoints, count);
    EXPECT_EQ(model.m_dAngle, 0.3);
}

}  // namespace
