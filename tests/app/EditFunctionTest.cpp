// The edit command (Ctrl+M) on a document, with the modal dialog answered by
// clicks and key presses as a user would.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "FakeSeams.h"
#include "app/AppDocument.h"
#include "dialogs/DlgSet.h"

namespace {

// Runs `act` on the edit dialog once it is up and waiting.
void WhenDialogOpens(std::function<void(CDlgSet&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dlg = qobject_cast<CDlgSet*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        act(*dlg);
        if (dlg->isVisible()) {
            dlg->reject();  // a failed step must not leave the test waiting
        }
    });
}

void Type(CDlgSet& dlg, int id, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(dlg.Item(id));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void Click(CDlgSet& dlg, int id) {
    QWidget* w = dlg.Item(id);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
}

QTabBar* Tabs(const CDlgSet& dlg) { return static_cast<QTabBar*>(dlg.Item(IDC_TAB)); }

void ClickTab(CDlgSet& dlg, int tab) {
    QTest::mouseClick(Tabs(dlg), Qt::LeftButton, {}, Tabs(dlg)->tabRect(tab).center());
}

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(EditFunction, NewUserDrawsSinX) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    PaintCounter view;
    view.show();
    doc.AddView(&view);
    QApplication::processEvents();
    const int paintsBefore = view.paints;

    WhenDialogOpens([](CDlgSet& dlg) {
        Type(dlg, IDC_FORMULA, QStringLiteral("sin(x)"));
        Click(dlg, IDC_SHOW);
        Click(dlg, IDC_OK);
    });
    doc.OnEditFunction();
    const CGraphDef& g = doc.Model().m_graphs[0];
    EXPECT_EQ(g.m_strFormula, u"sin(x)");
    EXPECT_EQ(g.m_bShow, 1);
    EXPECT_GT(g.m_nPoints, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompts.messages.isEmpty());
    QTest::qWait(20);
    EXPECT_GT(view.paints, paintsBefore);
    doc.RemoveView(&view);
}

TEST(EditFunction, ConfirmingWithoutChangesMarksModifiedAndResamples) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    doc.Model().m_graphs[2].m_bShow = 1;  // shown, never sampled
    WhenDialogOpens([](CDlgSet& dlg) { Click(dlg, IDC_OK); });
    doc.OnEditFunction();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(doc.Model().m_graphs[2].m_nPoints, 0);
    EXPECT_EQ(doc.Model().m_nRange, 10);
}

TEST(EditFunction, CancelAfterTabChangesLeavesTheDocumentUnchanged) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    WhenDialogOpens([](CDlgSet& dlg) {
        Type(dlg, IDC_FORMULA, QStringLiteral("x*x*x"));
        Click(dlg, IDC_SHOW);
        ClickTab(dlg, 1);
        Click(dlg, IDC_DIM_SPACE);
        ClickTab(dlg, 2);
        EXPECT_EQ(dlg.m_graphs[0].m_strFormula, u"x*x*x");  // the dialog's copy took it
        EXPECT_EQ(Tabs(dlg)->currentIndex(), 2);
        Click(dlg, IDC_CANCEL);
    });
    doc.OnEditFunction();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Model().m_nDimension, 0);
    EXPECT_EQ(doc.Model().m_graphs[0].m_strFormula, u"x*x");
    EXPECT_EQ(doc.Model().m_graphs[0].m_bShow, 0);
    EXPECT_EQ(doc.Model().m_graphs[0].m_nPoints, 0);
}

TEST(EditFunction, DialogMessagesReachTheUserThroughThePrompts) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    WhenDialogOpens([](CDlgSet& dlg) {
        Click(dlg, IDC_SHOW);
        Type(dlg, IDC_STEP, QStringLiteral("2"));
        Click(dlg, IDC_OK);
        EXPECT_TRUE(dlg.isVisible());
        Click(dlg, IDC_CANCEL);
    });
    doc.OnEditFunction();
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("0.01 から 1 までの数値を入力してください。"));
    EXPECT_EQ(prompts.messages[1], QStringLiteral("グラフ1の関数式の間隔値(0.01-1.0)を正しく設定してください。"));
    EXPECT_FALSE(doc.IsModified());
}

// Cancel in the progress of a long sampling: the document stays as it was,
// and the dialog comes back on the tab and with the fields the user left.
TEST(EditFunction, ACancelledSamplingBringsTheDialogBackAsTheUserLeftIt) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    int dialogsSeen = 0;
    bool cancelled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<QProgressDialog*>(modal); progress && !cancelled) {
            cancelled = true;
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        }
        auto* dlg = qobject_cast<CDlgSet*>(modal);
        if (!dlg || !dlg->isVisible()) return;
        if (++dialogsSeen == 1) {
            Click(*dlg, IDC_DIM_SPACE);
            ClickTab(*dlg, 1);
            Click(*dlg, IDC_SHOW);
            Type(*dlg, IDC_FORMULA, QStringLiteral("sin(x)*cos(y)"));
            Type(*dlg, IDC_STEP, QStringLiteral("0.01"));  // 4 million samples
            Click(*dlg, IDC_OK);
        } else {
            EXPECT_EQ(Tabs(*dlg)->currentIndex(), 1);
            EXPECT_EQ(static_cast<QLineEdit*>(dlg->Item(IDC_FORMULA))->text(), "sin(x)*cos(y)");
            EXPECT_EQ(static_cast<QLineEdit*>(dlg->Item(IDC_STEP))->text(), "0.01");
            Click(*dlg, IDC_CANCEL);
        }
    });
    poll.start(10);
    doc.OnEditFunction(0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dialogsSeen, 2);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Model().m_nDimension, 0);
    EXPECT_EQ(doc.Model().m_graphs[1].m_strFormula, u"x*x");
}

}  // namespace
