// The controls of the function edit dialog: what they show for a slot, what
// is enabled, the tab changes and the keyboard order.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "DlgSetDriver.h"
#include "dialogs/RangeChoice.h"

namespace {

QString Title(const DlgSetDriver& d) { return static_cast<QGroupBox*>(d.dlg.Item(IDC_PARAM_GROUP))->title(); }
QString Label(const DlgSetDriver& d, int id) { return static_cast<QLabel*>(d.dlg.Item(id))->text(); }

TEST(DlgSetControls, NewSlotShowsTheDefaults) {
    DlgSetDriver d;
    EXPECT_EQ(d.dlg.windowTitle(), QStringLiteral("関数編集"));
    ASSERT_EQ(d.Tabs()->count(), 3);
    EXPECT_EQ(d.Tabs()->tabText(2), QStringLiteral("グラフ3"));
    EXPECT_EQ(d.Tabs()->currentIndex(), 0);
    EXPECT_TRUE(static_cast<QRadioButton*>(d.dlg.Item(IDC_DIM_PLANE))->isChecked());
    EXPECT_TRUE(static_cast<QRadioButton*>(d.dlg.Item(IDC_KIND_FUNCTION))->isChecked());
    EXPECT_EQ(d.Text(IDC_FORMULA), QStringLiteral("x*x"));
    EXPECT_EQ(d.Text(IDC_X), QStringLiteral("5*cos(t)"));
    EXPECT_EQ(d.Text(IDC_STEP), QStringLiteral("0.2"));
    // 15 significant digits, as the number was computed.
    EXPECT_EQ(d.Text(IDC_T_END), QStringLiteral("6.36172512351933"));
    EXPECT_EQ(d.Text(IDC_V_END), QStringLiteral("3.14159265358979"));
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QStringLiteral("y"));
    EXPECT_EQ(d.List(IDC_RANGE)->currentText(), QStringLiteral("-10,+10"));
    EXPECT_EQ(d.FocusId(), IDC_DIM_PLANE);
}

// Enabling follows the stored kind of the shown slot and the dimension.
struct EnableCase {
    int dimension;
    int kind;
    bool formula, curve, surface;
    const char* title;
    const char* tLabel;
    const char* leftItem;
};

class Enabling : public testing::TestWithParam<EnableCase> {};

TEST_P(Enabling, FollowsKindAndDimension) {
    const EnableCase& c = GetParam();
    Slots s;
    s.g[0].m_nKind = c.kind;
    s.g[0].m_nLeftSide = 1;
    DlgSetDriver d(s.g, c.dimension);
    for (int id : {IDC_FORMULA, IDC_LEFT_SIDE, IDC_STEP}) {
        EXPECT_EQ(d.Enabled(id), c.formula) << id;
    }
    for (int id : {IDC_X, IDC_Y, IDC_T_START, IDC_T_END, IDC_T_STEP, IDC_T_LABEL}) {
        EXPECT_EQ(d.Enabled(id), c.curve) << id;
    }
    for (int id : {IDC_Z, IDC_V_START, IDC_V_END, IDC_V_STEP, IDC_V_LABEL}) {
        EXPECT_EQ(d.Enabled(id), c.surface) << id;
    }
    EXPECT_EQ(Title(d), QString::fromUtf8(c.title));
    EXPECT_EQ(Label(d, IDC_T_LABEL), QString::fromUtf8(c.tLabel));
    EXPECT_EQ(Label(d, IDC_V_LABEL), QStringLiteral("v ="));
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QString::fromUtf8(c.leftItem));
}

const char kPlaneTitle[] = "パラメータ変数式 x=f(t), y=g(t), z=k(t)";
const char kSpaceTitle[] = "パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)";

INSTANTIATE_TEST_SUITE_P(Kinds, Enabling,
                         testing::Values(EnableCase{0, 0, true, false, false, kPlaneTitle, "t =", "y*y"},
                                         EnableCase{0, 1, false, true, false, kPlaneTitle, "t =", "y*y"},
                                         EnableCase{1, 0, true, false, false, kSpaceTitle, "u =", "z*z"},
                                         EnableCase{1, 1, false, true, true, kSpaceTitle, "u =", "z*z"}));

TEST(DlgSetControls, KindClickStoresTheSlotAndReenables) {
    DlgSetDriver d;
    d.Type(IDC_FORMULA, QStringLiteral("x*3"));
    d.Click(IDC_KIND_PARAMETER);
    EXPECT_EQ(d.dlg.m_graphs[0].m_nKind, 1);
    EXPECT_EQ(d.dlg.m_graphs[0].m_strFormula, u"x*3");
    EXPECT_FALSE(d.Enabled(IDC_FORMULA));
    EXPECT_TRUE(d.Enabled(IDC_X));
    EXPECT_FALSE(d.Enabled(IDC_Z));
    d.Click(IDC_DIM_SPACE);
    EXPECT_EQ(d.dlg.m_nDimension, 1);
    EXPECT_TRUE(d.Enabled(IDC_Z));
}

TEST(DlgSetControls, SwitchingTheDimensionKeepsTheLeftSideIndex) {
    Slots s;
    s.g[0].m_nLeftSide = 1;
    DlgSetDriver d(s.g);
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QStringLiteral("y*y"));
    d.Click(IDC_DIM_SPACE);
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QStringLiteral("z*z"));
    d.ClickTab(1);
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QStringLiteral("z"));
    d.ChooseItem(IDC_LEFT_SIDE, 1);
    d.Click(IDC_DIM_PLANE);
    EXPECT_EQ(d.List(IDC_LEFT_SIDE)->currentText(), QStringLiteral("y*y"));
    EXPECT_EQ(d.dlg.m_graphs[1].m_nLeftSide, 1);
}

TEST(DlgSetControls, TabChangeStoresTheOldSlotAndLoadsTheNew) {
    Slots s;
    s.g[1].m_strFormula = u"x+2";
    s.g[1].m_bShow = 1;
    DlgSetDriver d(s.g);
    d.Type(IDC_FORMULA, QStringLiteral("sin(x)"));
    d.Click(IDC_SHOW);
    d.Click(IDC_KIND_PARAMETER);
    d.Type(IDC_T_START, QStringLiteral("0.25"));
    d.ClickTab(1);
    EXPECT_EQ(d.Text(IDC_FORMULA), QStringLiteral("x+2"));
    EXPECT_TRUE(static_cast<QAbstractButton*>(d.dlg.Item(IDC_SHOW))->isChecked());
    EXPECT_TRUE(d.Enabled(IDC_FORMULA));
    EXPECT_EQ(d.Text(IDC_T_START), QStringLiteral("0"));
    d.ClickTab(0);
    EXPECT_EQ(d.Text(IDC_FORMULA), QStringLiteral("sin(x)"));
    EXPECT_EQ(d.Text(IDC_T_START), QStringLiteral("0.25"));
    EXPECT_FALSE(d.Enabled(IDC_FORMULA));
    EXPECT_EQ(d.dlg.m_graphs[0].m_bShow, 1);
    EXPECT_TRUE(d.log.texts.empty());
}

// A text that is no number is reported once, when the slot is stored; the
// number keeps its value and everything else typed on the tab is kept.
TEST(DlgSetControls, TextThatIsNoNumberIsReportedAndLosesNothingElse) {
    Slots s;
    s.g[0].m_nKind = 1;
    DlgSetDriver d(s.g, 1);
    d.Type(IDC_T_START, QStringLiteral("1..5"));
    d.Type(IDC_V_END, QStringLiteral("2.5"));
    d.ChooseItem(IDC_RANGE, 2);
    d.ClickTab(1);
    ASSERT_EQ(d.log.texts.size(), 1u);
    EXPECT_EQ(d.log.texts[0], QStringLiteral("数値を入力してください。"));
    const CGraphDef& g = d.dlg.m_graphs[0];
    EXPECT_EQ(g.m_dTStart, 0.0);
    EXPECT_EQ(g.m_dVEnd, 2.5);
    EXPECT_EQ(d.dlg.m_nRangeChoice, 2);
}

struct NumberCase {
    const char* typed;
    bool number;
    double value;
};

class NumberReading : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, AcceptsWholeNumbersOnly) {
    Slots s;
    s.g[0].m_nKind = 1;
    DlgSetDriver d(s.g);
    d.Type(IDC_T_START, QString::fromUtf8(GetParam().typed));
    d.dlg.m_graphs[0].m_dTStart = -99;  // stored again by OK
    d.PressOK();                        // the slot is hidden: OK only reads the controls
    const bool read = d.Closed();
    EXPECT_EQ(read, GetParam().number);
    if (GetParam().number) {
        EXPECT_DOUBLE_EQ(d.dlg.m_graphs[0].m_dTStart, GetParam().value);
    } else {
        EXPECT_EQ(d.log.texts.at(0), QStringLiteral("数値を入力してください。"));
        EXPECT_EQ(d.FocusId(), IDC_T_START);
        EXPECT_EQ(d.Edit(IDC_T_START)->selectedText(), d.Text(IDC_T_START));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberReading,
                         testing::Values(NumberCase{"1.5", true, 1.5}, NumberCase{"  -2e-3 ", true, -0.002},
                                         NumberCase{"+4", true, 4}, NumberCase{".5", true, 0.5},
                                         NumberCase{"", false, 0}, NumberCase{"1.5x", false, 0},
                                         NumberCase{"1,5", false, 0}, NumberCase{"inf", false, 0},
                                         NumberCase{"nan", false, 0}, NumberCase{"1e999", false, 0},
                                         NumberCase{"+-1", false, 0}, NumberCase{"１", false, 0}));

TEST(DlgSetControls, RangeListMapsToTheDocumentRange) {
    Slots s;
    DlgSetDriver d(s.g, 0, RangeChoiceFromRange(20));
    EXPECT_EQ(d.List(IDC_RANGE)->currentText(), QStringLiteral("-20,+20"));
    d.ChooseItem(IDC_RANGE, 0);
    d.PressOK();
    ASSERT_TRUE(d.Closed());
    EXPECT_EQ(RangeFromChoice(d.dlg.m_nRangeChoice), 5);
    EXPECT_EQ(RangeChoiceFromRange(5), 0);
    EXPECT_EQ(RangeFromChoice(RangeChoiceFromRange(10)), 10);
}

// A range no item stands for (from a damaged file) shows as the nearest item
// instead of an empty list that would read back as a negative range.
TEST(DlgSetControls, RangeOutsideTheListShowsTheNearestItem) {
    Slots s;
    DlgSetDriver d(s.g, 0, RangeChoiceFromRange(300));
    EXPECT_EQ(d.List(IDC_RANGE)->currentText(), QStringLiteral("-20,+20"));
    d.PressOK();
    EXPECT_EQ(RangeFromChoice(d.dlg.m_nRangeChoice), 20);
}

// The keyboard order is the template's: dimension, tabs, kind, show, the
// explicit row, the parametric rows, the buttons, and the range list last.
TEST(DlgSetControls, TabKeyFollowsTheTemplateOrder) {
    Slots s;
    s.g[0].m_nKind = 1;
    DlgSetDriver d(s.g, 1);
    d.dlg.Item(IDC_DIM_SPACE)->setFocus();
    std::vector<int> order;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(d.FocusId());
    }
    const std::vector<int> expected = {IDC_TAB,     IDC_KIND_PARAMETER, IDC_SHOW,   IDC_X,        IDC_Y,     IDC_Z,
                                       IDC_T_START, IDC_T_END,          IDC_T_STEP, IDC_V_START,  IDC_V_END, IDC_V_STEP,
                                       IDC_OK,      IDC_CANCEL,         IDC_RANGE,  IDC_DIM_SPACE};
    EXPECT_EQ(order, expected);
}

}  // namespace
