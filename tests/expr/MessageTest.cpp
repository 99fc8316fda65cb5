// What the user sees for every error: the exact text in both languages and
// the context rules.

#include <gtest/gtest.h>

#include "expr/ExpectedMessages.h"
#include "expr/ExprTestSupport.h"

namespace {

struct Trigger {
    int code;
    std::u16string_view formula;
    std::u16string_view context;  // what the message begins with, if anything
};

// One formula per code the engine raises; y is unknown to a plane function.
const Trigger TRIGGERS[] = {
    {1, u"3x", u""},
    {2, u"x$y", u""},
    {3, u"2*", u""},
    {4, u"x>1 AND", u""},
    {5, u"+", u""},
    {6, u"x>1 OR", u""},
    {7, u"SIN x", u""},
    {8, u"(x", u""},
    {9, u"", u""},
    {10, u"#2010-02-30#", u""},
    {11, u"[aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa]", u""},
    {12, u"2 x", u"2 x"},
    {13, u"\"abc", u""},
    {14, u"#2010-07-15", u""},
    {15, u"[abc", u""},
    {16, u"x*y", u"y"},
    {18, u"1+TRUE", u""},
    {19, u"1-TRUE", u""},
    {20, u"#2010-07-15#/2", u""},
    {21, u"2*TRUE", u""},
    {22, u"#2010-07-15#^2", u""},
    {23, u"SIN(TRUE)", u""},
    {24, u"COS(TRUE)", u""},
    {25, u"TAN(TRUE)", u""},
    {26, u"ATAN(TRUE)", u""},
    {27, u"LN(TRUE)", u""},
    {28, u"LOG(TRUE)", u""},
    {29, u"1=\"1\"", u""},
    {30, u"1 LIKE 1", u""},
    {31, u"TRUE AND 1", u""},
    {32, u"TRUE OR 1", u""},
    {33, u"NOT 5", u""},
    {34, u"1+\"a\"", u""},
    {35, u"-TRUE", u""},
    {36, u"sqrt(\"a\")", u""},
    {37, u"ABS(TRUE)", u""},
    {38, u"Exp(#2010-07-15#)", u""},
    {39, u"ASIN(1=1)", u""},
    {40, u"acos(\"1\")", u""},
    {41, u"SINH(TRUE)", u""},
    {42, u"x+COSH(x>1)", u""},
    {43, u"TANH(\"x\" LIKE \"*\")", u""},
};

std::u16string Expected(const Trigger& t, bool chinese) {
    const ExpectedMessage& m = EXPECTED_MESSAGES[t.code];
    std::u16string text;
    if (!t.context.empty()) text = std::u16string(t.context) + u" <-???\r\n";
    return text + (chinese ? m.chinese : m.japanese);
}

}  // namespace

TEST(ExpressMessages, EveryRaisedCodeShowsItsTextInBothLanguages) {
    for (bool chinese : {false, true}) {
        for (const Trigger& t : TRIGGERS) {
            MessageCapture capture(chinese);
            CFunctionExpress e(t.formula, 0, 10);
            EXPECT_EQ(e.Compile(), 0) << t.code;
            ASSERT_EQ(capture.shown.size(), 1u) << t.code;
            EXPECT_EQ(capture.shown[0], Expected(t, chinese)) << "code " << t.code << (chinese ? " zh" : " ja");
        }
    }
}

TEST(ExpressMessages, TableHoldsEveryCodeInBothLanguages) {
    for (const ExpectedMessage& m : EXPECTED_MESSAGES) {
        EXPECT_EQ(ExpressMessage(m.code, false), m.japanese) << m.code;
        EXPECT_EQ(ExpressMessage(m.code, true), m.chinese) << m.code;
    }
}

TEST(ExpressMessages, KnownTexts) {
    EXPECT_EQ(ExpressMessage(3, true), u"<*>或</>的右面没有数或式子。");
    EXPECT_EQ(ExpressMessage(3, false), u"「*」あるいは「/」の後に、オペランドがありません。");
    EXPECT_EQ(ExpressMessage(13, false), u"文字列の右「\"」がありません。");
}

TEST(ExpressMessages, UnknownCodesShowTheUnexpectedErrorText) {
    for (bool chinese : {false, true}) {
        for (int code : {44, -1, 117, 1000}) {
            MessageCapture capture(chinese);
            EXPECT_EQ(CExpressException(u"ctx", code).ReportError(), 0);
            ASSERT_EQ(capture.shown.size(), 1u);
            EXPECT_EQ(capture.shown[0], u"予期できないエラーが発生しました。");
        }
    }
}

TEST(ExpressMessages, CodesNeverRaisedStillHaveTheirTexts) {
    MessageCapture capture(true);
    CExpressException(nullptr, 17).ReportError();
    CExpressException(u"", 0).ReportError();
    ASSERT_EQ(capture.shown.size(), 2u);
    EXPECT_EQ(capture.shown[0], u"分母为零。");
    EXPECT_EQ(capture.shown[1], u"没有语法错误。");
}

TEST(ExpressMessages, BaseObjectNamesNoVariable) {
    MessageCapture capture;
    CExpress e(u"a");
    EXPECT_EQ(e.Compile(), 0);
    ASSERT_EQ(capture.shown.size(), 1u);
    EXPECT_EQ(capture.shown[0], EXPECTED_MESSAGES[16].japanese);
}

TEST(ExpressMessages, EmptyBracketedNameHasNoContext) {
    MessageCapture capture;
    CFunctionExpress e(u"[]", 1, 10);
    EXPECT_EQ(e.Compile(), 0);
    ASSERT_EQ(capture.shown.size(), 1u);
    EXPECT_EQ(capture.shown[0], EXPECTED_MESSAGES[16].japanese);
}

TEST(ExpressMessages, DefaultShowsOnStandardError) {
    SetExpressPlatform(ExpressPlatform());
    testing::internal::CaptureStderr();
    CExpressException(u"q", 16).ReportError();
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, "q <-???\r\n変数の値を取得することができません。\n");
}
