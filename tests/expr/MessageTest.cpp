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
    {44, u"FLOOR(TRUE)", u""},
    {45, u"ceil(\"1\")", u""},
    {46, u"x+Round(x>1)", u""},
    {47, u"SIGN(#2010-07-15#)", u""},
};

const ExpressLanguage LANGUAGES[] = {ExpressLanguage::Japanese, ExpressLanguage::Chinese, ExpressLanguage::English};

const char16_t* ExpectedText(const ExpectedMessage& m, ExpressLanguage language) {
    switch (language) {
    case ExpressLanguage::Chinese: return m.chinese;
    case ExpressLanguage::English: return m.english;
    case ExpressLanguage::Japanese: break;
    }
    return m.japanese;
}

std::u16string Expected(const Trigger& t, ExpressLanguage language) {
    std::u16string text;
    if (!t.context.empty()) text = std::u16string(t.context) + u" <-???\r\n";
    return text + ExpectedText(EXPECTED_MESSAGES[t.code], language);
}

}  // namespace

TEST(ExpressMessages, EveryRaisedCodeShowsItsTextInEveryLanguage) {
    for (ExpressLanguage language : LANGUAGES) {
        for (const Trigger& t : TRIGGERS) {
            MessageCapture capture(language);
            CFunctionExpress e(t.formula, 0, 10);
            EXPECT_EQ(e.Compile(), 0) << t.code;
            ASSERT_EQ(capture.shown.size(), 1u) << t.code;
            EXPECT_EQ(capture.shown[0], Expected(t, language)) << "code " << t.code << " language " << int(language);
        }
    }
}

TEST(ExpressMessages, TableHoldsEveryCodeInEveryLanguage) {
    for (const ExpectedMessage& m : EXPECTED_MESSAGES) {
        for (ExpressLanguage language : LANGUAGES) {
            EXPECT_FALSE(ExpressMessage(m.code, language).empty()) << m.code << " language " << int(language);
            EXPECT_EQ(ExpressMessage(m.code, language), ExpectedText(m, language)) << m.code;
        }
    }
}

TEST(ExpressMessages, KnownTexts) {
    EXPECT_EQ(ExpressMessage(3, ExpressLanguage::Chinese), u"<*>或</>的右面没有数或式子。");
    EXPECT_EQ(ExpressMessage(3, ExpressLanguage::Japanese), u"「*」あるいは「/」の後に、オペランドがありません。");
    EXPECT_EQ(ExpressMessage(13, ExpressLanguage::Japanese), u"文字列の右「\"」がありません。");
    EXPECT_EQ(ExpressMessage(18, ExpressLanguage::English), u"Found an operand that cannot be added.");
}

TEST(ExpressMessages, UnknownCodesShowTheUnexpectedErrorText) {
    for (ExpressLanguage language : LANGUAGES) {
        for (int code : {48, -1, 117, 1000}) {
            MessageCapture capture(language);
            EXPECT_EQ(CExpressException(u"ctx", code).ReportError(), 0);
            ASSERT_EQ(capture.shown.size(), 1u);
            EXPECT_EQ(capture.shown[0], language == ExpressLanguage::English ? u"An unexpected error has occurred."
                                                                             : u"予期できないエラーが発生しました。");
        }
    }
}

TEST(ExpressMessages, CodesNeverRaisedStillHaveTheirTexts) {
    MessageCapture capture(ExpressLanguage::Chinese);
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
