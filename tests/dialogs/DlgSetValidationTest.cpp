// OK on the function edit dialog: which slots are checked, in what order,
// with which messages, and where the focus and the shown tab end up.
#include <gtest/gtest.h>

#include "DlgSetDriver.h"

namespace {

const QString kRangeMessage = QStringLiteral("0.01 から 1 までの数値を入力してください。");

TEST(DlgSetValidation, AllHiddenSlotsCloseAtOnceWhateverTheyHold) {
    Slots s;
    for (CGraphDef& g : s.g) {
        g.m_strFormula = u"((";
        g.m_dTStart = 9;
        g.m_dTEnd = 1;
        g.m_dStep = 5;  // out of bounds, but not on the shown tab
    }
    s.g[0].m_dStep = 0.2;
    DlgSetDriver d(s.g);
    d.PressOK();
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(d.log.texts.empty());
    EXPECT_EQ(d.dlg.m_graphs[1].m_strFormula, u"((");
    EXPECT_EQ(d.dlg.m_graphs[2].m_dStep, 5.0);
}

struct StepCase {
    const char* typed;
    bool passes;
};

class ExplicitStepOnShownTab : public testing::TestWithParam<StepCase> {};

// The step bounds are inclusive. On the shown tab the reading of the edit
// complains first, then the slot's own check.
TEST_P(ExplicitStepOnShownTab, BoundsAreInclusive) {
    DlgSetDriver d;
    d.Click(IDC_SHOW);
    d.Type(IDC_STEP, QString::fromLatin1(GetParam().typed));
    d.PressOK();
    if (GetParam().passes) {
        EXPECT_TRUE(d.Closed());
        EXPECT_TRUE(d.log.texts.empty());
        EXPECT_DOUBLE_EQ(d.dlg.m_graphs[0].m_dStep, QString::fromLatin1(GetParam().typed).toDouble());
        return;
    }
    EXPECT_FALSE(d.Closed());
    ASSERT_EQ(d.log.texts.size(), 2u);
    EXPECT_EQ(d.log.texts[0], kRangeMessage);
    EXPECT_EQ(d.log.texts[1], QStringLiteral("グラフ1の関数式の間隔値(0.01-1.0)を正しく設定してください。"));
    EXPECT_EQ(d.FocusId(), IDC_STEP);
}

INSTANTIATE_TEST_SUITE_P(Steps, ExplicitStepOnShownTab,
                         testing::Values(StepCase{"0.01", true}, StepCase{"1.0", true}, StepCase{"0.009", false},
                                         StepCase{"1.01", false}));

TEST(DlgSetValidation, SurfaceWithEqualVStartAndEndFailsWith115OnTheVEnd) {
    DlgSetDriver d;
    d.Click(IDC_DIM_SPACE);
    d.Click(IDC_KIND_PARAMETER);
    d.Click(IDC_SHOW);
    d.Type(IDC_Z, QStringLiteral("u*v"));
    d.Type(IDC_T_START, QStringLiteral("0"));
    d.Type(IDC_T_END, QStringLiteral("1"));
    d.Type(IDC_V_START, QStringLiteral("2"));
    d.Type(IDC_V_END, QStringLiteral("2"));
    d.PressOK();
    EXPECT_FALSE(d.Closed());
    ASSERT_EQ(d.log.texts.size(), 1u);
    EXPECT_EQ(d.log.texts[0], QStringLiteral("グラフ1のvの値開始＜終了値のように設定してください。"));
    EXPECT_EQ(d.FocusId(), IDC_V_END);
}

// Each check of a kind, failing alone in slot 3 while tab 1 is shown: the
// message, the focus, and whether the tab switches to slot 3.
struct SlotFailure {
    const char* name;
    int dimension;
    int kind;
    void (*spoil)(CGraphDef& g);
    const char* message;
    int focus;
    bool engineFirst;  // a formula: the engine has spoken before the dialog
    bool showsSlot3;   // the tab switches to slot 3
};

const SlotFailure kFailures[] = {
    {"step", 0, 0, [](CGraphDef& g) { g.m_dStep = 1.5; }, "グラフ3の関数式の間隔値(0.01-1.0)を正しく設定してください。",
     IDC_STEP, false, true},
    {"formula", 0, 0, [](CGraphDef& g) { g.m_strFormula = u"x+"; }, "グラフ3の関数表示式に文法エラーがあります。",
     IDC_FORMULA, true, false},
    {"surfaceUsesY", 1, 0, [](CGraphDef& g) { g.m_strFormula = u"x*q"; }, "グラフ3の関数表示式に文法エラーがあります。",
     IDC_FORMULA, true, false},
    {"tOrder", 0, 1, [](CGraphDef& g) { g.m_dTStart = 7; }, "グラフ3のtの値開始＜終了値のように設定してください。",
     IDC_T_END, false, true},
    {"tStep", 0, 1, [](CGraphDef& g) { g.m_dTStep = 0; }, "グラフ3のtの間隔値(0.01-1.0)を正しく設定してください。",
     IDC_T_STEP, false, true},
    {"curveX", 0, 1, [](CGraphDef& g) { g.m_strX = u"cos(u)"; },
     "グラフ3のxのためのパラメータ変数式に文法エラーがあります。", IDC_X, true, true},
    {"curveY", 0, 1, [](CGraphDef& g) { g.m_strY = u"sin("; },
     "グラフ3のyのためのパラメータ変数式に文法エラーがあります。", IDC_Y, true, true},
    {"uOrder", 1, 1, [](CGraphDef& g) { g.m_dTEnd = -1; }, "グラフ3のuの値開始＜終了値のように設定してください。",
     IDC_T_END, false, true},
    {"vOrder", 1, 1, [](CGraphDef& g) { g.m_dVEnd = 0; }, "グラフ3のvの値開始＜終了値のように設定してください。",
     IDC_V_END, false, true},
    {"uStep", 1, 1, [](CGraphDef& g) { g.m_dTStep = 2; }, "グラフ3のuの間隔値(0.01-1.0)を正しく設定してください。",
     IDC_T_STEP, false, true},
    {"vStep", 1, 1, [](CGraphDef& g) { g.m_dVStep = 0.001; }, "グラフ3のvの間隔値(0.01-1.0)を正しく設定してください。",
     IDC_V_STEP, false, true},
    {"surfaceX", 1, 1, [](CGraphDef& g) { g.m_strX = u"t"; },
     "グラフ3のxのためのパラメータ変数式に文法エラーがあります。", IDC_X, true, true},
    {"surfaceY", 1, 1, [](CGraphDef& g) { g.m_strY = u"u*"; },
     "グラフ3のyのためのパラメータ変数式に文法エラーがあります。", IDC_Y, true, true},
    {"surfaceZ", 1, 1, [](CGraphDef& g) { g.m_strZ = u""; },
     "グラフ3のzのためのパラメータ変数式に文法エラーがあります。", IDC_Z, true, true},
};

class FailureInSlot3 : public testing::TestWithParam<SlotFailure> {};

TEST_P(FailureInSlot3, MessageFocusAndTab) {
    const SlotFailure& f = GetParam();
    Slots s;
    s.g[0].m_strFormula = u"x*2";  // slot 1, hidden: its text must stay on show
    s.g[2].m_bShow = 1;
    s.g[2].m_nKind = f.kind;
    if (f.dimension == 1) {
        s.g[2].m_strX = u"u*cos(v)";
        s.g[2].m_strY = u"u*sin(v)";
        s.g[2].m_strZ = u"u";
    }
    s.g[2].m_dVStart = 0.125;  // tells slot 3's values from slot 1's
    f.spoil(s.g[2]);
    DlgSetDriver d(s.g, f.dimension);
    d.PressOK();
    EXPECT_FALSE(d.Closed());
    ASSERT_EQ(d.log.texts.size(), f.engineFirst ? 2u : 1u);
    if (f.engineFirst) {
        EXPECT_TRUE(d.log.texts[0].startsWith(QStringLiteral("engine: "))) << d.log.texts[0].toStdString();
    }
    EXPECT_EQ(d.log.texts.back(), QString::fromUtf8(f.message));
    EXPECT_EQ(d.FocusId(), f.focus);
    if (f.showsSlot3) {
        EXPECT_EQ(d.Tabs()->currentIndex(), 2);
        EXPECT_EQ(d.Text(IDC_V_START), QStringLiteral("0.125"));
    } else {
        // A formula error leaves the tab alone: the edit shows slot 1.
        EXPECT_EQ(d.Tabs()->currentIndex(), 0);
        EXPECT_EQ(d.Text(IDC_FORMULA), QStringLiteral("x*2"));
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, FailureInSlot3, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<SlotFailure>& info) { return std::string(info.param.name); });

// With slot 1 of the same kind the formula edit is usable on tab 1, so the
// tab stays and the edit shows slot 1's formula.
TEST(DlgSetValidation, FormulaErrorOfAnotherSlotOfTheSameKindKeepsTheTab) {
    Slots s;
    s.g[0].m_nKind = 1;
    s.g[0].m_strX = u"t*2";
    s.g[2].m_nKind = 1;
    s.g[2].m_bShow = 1;
    s.g[2].m_strX = u"t+";
    DlgSetDriver d(s.g);
    d.PressOK();
    ASSERT_EQ(d.log.texts.size(), 2u);
    EXPECT_EQ(d.log.texts[1], QStringLiteral("グラフ3のxのためのパラメータ変数式に文法エラーがあります。"));
    EXPECT_EQ(d.Tabs()->currentIndex(), 0);
    EXPECT_EQ(d.FocusId(), IDC_X);
    EXPECT_EQ(d.Text(IDC_X), QStringLiteral("t*2"));
}

// The order within a kind: the ranges and steps before the formulas,
// so a slot with everything wrong gets the first message of its list only.
TEST(DlgSetValidation, FirstFailedCheckOfASlotIsTheOnlyOne) {
    Slots s;
    s.g[0].m_bShow = 1;
    s.g[0].m_nKind = 1;
    s.g[0].m_strX = u"((";
    s.g[0].m_dTStep = 3;
    s.g[0].m_dVStart = 5;
    DlgSetDriver d(s.g, 1);
    d.log.texts.clear();
    d.PressOK();
    // The shown tab's t step reads out of bounds first.
    ASSERT_EQ(d.log.texts.size(), 2u);
    EXPECT_EQ(d.log.texts[0], kRangeMessage);
    EXPECT_EQ(d.log.texts[1], QStringLiteral("グラフ1のvの値開始＜終了値のように設定してください。"));
}

TEST(DlgSetValidation, BadFormulaShowsTheEngineMessageThenTheDialogs) {
    DlgSetDriver d;
    d.Click(IDC_SHOW);
    d.Type(IDC_FORMULA, QStringLiteral("sin(x"));
    d.PressOK();
    ASSERT_EQ(d.log.texts.size(), 2u);
    EXPECT_TRUE(d.log.texts[0].startsWith(QStringLiteral("engine: ")));
    EXPECT_TRUE(d.log.texts[0].contains(QStringLiteral("右括弧「)」がありません。"))) << d.log.texts[0].toStdString();
    EXPECT_EQ(d.log.texts[1], QStringLiteral("グラフ1の関数表示式に文法エラーがあります。"));
    EXPECT_EQ(d.FocusId(), IDC_FORMULA);
    // Corrected, the same OK closes.
    d.Type(IDC_FORMULA, QStringLiteral("sin(x)"));
    d.PressOK();
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dlg.m_graphs[0].m_strFormula, u"sin(x)");
}

// The explicit formula compiles with the dialog's range: x starts at -R, so
// a formula that fails only for negative x fails with every range.
TEST(DlgSetValidation, PlaneFunctionRejectsY) {
    Slots s;
    s.g[1].m_bShow = 1;
    s.g[1].m_strFormula = u"x*y";
    DlgSetDriver plane(s.g, 0);
    plane.PressOK();
    EXPECT_FALSE(plane.Closed());
    ASSERT_EQ(plane.log.texts.size(), 2u);
    EXPECT_EQ(plane.log.texts[1], QStringLiteral("グラフ2の関数表示式に文法エラーがあります。"));

    DlgSetDriver space(s.g, 1);
    space.PressOK();
    EXPECT_TRUE(space.Closed());
}

// The edit that does not read is reported once, not once more by the final
// reading, and the dialog stays open with the focus on it.
TEST(DlgSetValidation, TextThatIsNoNumberKeepsTheDialogOpenWithOneMessage) {
    DlgSetDriver d;
    d.Type(IDC_STEP, QStringLiteral("0,5"));
    d.PressOK();
    EXPECT_FALSE(d.Closed());
    EXPECT_EQ(d.log.texts, std::vector<QString>{QStringLiteral("数値を入力してください。")});
    EXPECT_EQ(d.FocusId(), IDC_STEP);
}

TEST(DlgSetValidation, EnterOnAnEditPressesOK) {
    DlgSetDriver d;
    d.Type(IDC_FORMULA, QStringLiteral("x"));
    QTest::keyClick(d.Edit(IDC_FORMULA), Qt::Key_Return);
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
}

}  // namespace
