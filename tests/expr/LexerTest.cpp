// The lexer, driven token by token.

#include <gtest/gtest.h>

#include <vector>

#include "expr/ExprTestSupport.h"
#include "expr/ExpressLexer.h"

namespace {

struct Token {
    int kind;
    ExpressValue value;
    std::u16string name;
};

// Tokens up to and including TK_END (bounded, so a lexer that never ends
// fails instead of hanging).
std::vector<Token> Tokens(std::u16string_view formula) {
    CExpressLexer e(formula);
    std::vector<Token> out;
    for (int i = 0; i < 100; ++i) {
        e.NextToken();
        out.push_back({e.m_nToken, e.m_tokenValue, e.m_strTokenName});
        if (e.m_nToken == TK_END) break;
    }
    return out;
}

std::vector<int> Kinds(std::u16string_view formula) {
    std::vector<int> kinds;
    for (const Token& t : Tokens(formula)) kinds.push_back(t.kind);
    return kinds;
}

int LexError(std::u16string_view formula) {
    try {
        Tokens(formula);
    } catch (const CExpressException& e) {
        return e.m_nError;
    }
    return 0;
}

}  // namespace

TEST(ExpressLexer, TokenKinds) {
    struct Case {
        std::u16string_view formula;
        std::vector<int> kinds;
    };
    const Case cases[] = {
        {u"", {TK_END}},
        {u"   ", {TK_END}},
        {u"x $y", {TK_VARIABLE, TK_END}},
        {u"1 +\t2", {TK_VALUE, TK_PLUS, TK_END}},
        {u"(\t2", {TK_LPAREN, TK_END}},
        {u"2**3", {TK_VALUE, TK_POWER, TK_VALUE, TK_END}},
        {u"2^3", {TK_VALUE, TK_POWER, TK_VALUE, TK_END}},
        {u"2**", {TK_VALUE, TK_MUL, TK_MUL, TK_END}},
        {u"<>", {TK_NE, TK_END}},
        {u"><", {TK_GT, TK_LT, TK_END}},
        {u">=", {TK_GE, TK_END}},
        {u"=>", {TK_EQ, TK_GT, TK_END}},
        {u"==", {TK_EQ, TK_EQ, TK_END}},
        {u"=<", {TK_EQ, TK_LT, TK_END}},
        {u"<=", {TK_LE, TK_END}},
        {u"3 x", {TK_VALUE, TK_VARIABLE, TK_END}},
        {u"sin Sin SIN cos tan atan ln log", {TK_SIN, TK_SIN, TK_SIN, TK_COS, TK_TAN, TK_ATAN, TK_LN, TK_LOG, TK_END}},
        {u"not Or and Like", {TK_NOT, TK_OR, TK_AND, TK_LIKE, TK_END}},
        {u"sqrt Abs EXP asin ACOS sinh Cosh tanh",
         {TK_SQRT, TK_ABS, TK_EXP, TK_ASIN, TK_ACOS, TK_SINH, TK_COSH, TK_TANH, TK_END}},
        {u"floor Ceil ROUND sign", {TK_FLOOR, TK_CEIL, TK_ROUND, TK_SIGN, TK_END}},
        // Only whole words are keywords: these stay names.
        {u"sqrtx absolute expo sq asinh e2 Tanh_ sin2",
         {TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE,
          TK_END}},
        {u"floorx signal xfloor ceiling round2",
         {TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_END}},
        {u"Sinus x1 _t T_2", {TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_VARIABLE, TK_END}},
        {u"a-b/c*d", {TK_VARIABLE, TK_MINUS, TK_VARIABLE, TK_DIV, TK_VARIABLE, TK_MUL, TK_VARIABLE, TK_END}},
        {u"1.2.3", {TK_VALUE, TK_VALUE, TK_END}},
    };
    for (const Case& c : cases) EXPECT_EQ(Kinds(c.formula), c.kinds) << Narrow(c.formula);
}

TEST(ExpressLexer, NumberLiterals) {
    struct Case {
        std::u16string_view formula;
        int type;
        double value;
    };
    const Case cases[] = {
        {u"12", EV_INTEGER, 12},
        {u"12.0", EV_NUMBER, 12},
        {u"12.", EV_NUMBER, 12},
        {u".5", EV_NUMBER, 0.5},
        {u"1.25", EV_NUMBER, 1.25},
        {u"0.25", EV_NUMBER, 0.25},
        {u"007", EV_INTEGER, 7},
        {u"0", EV_INTEGER, 0},
        {u"2147483647", EV_INTEGER, 2147483647},
        {u"2147483648", EV_NUMBER, 2147483648.0},
        {u"99999999999999999999", EV_NUMBER, 1e20},
        {u"4294967296.5", EV_NUMBER, 4294967296.5},
    };
    for (const Case& c : cases) {
        const Token t = Tokens(c.formula).front();
        ASSERT_EQ(t.kind, TK_VALUE) << Narrow(c.formula);
        ASSERT_EQ(t.value.nType, c.type) << Narrow(c.formula);
        if (c.type == EV_INTEGER)
            EXPECT_EQ(t.value.nValue, static_cast<int32_t>(c.value));
        else
            EXPECT_DOUBLE_EQ(t.value.dValue, c.value) << Narrow(c.formula);
    }
    const std::vector<Token> tokens = Tokens(u"1.2.3");
    EXPECT_EQ(tokens[0].value.nType, EV_NONE);  // the second point ends the number without a value
    EXPECT_DOUBLE_EQ(tokens[1].value.dValue, 0.3);
}

TEST(ExpressLexer, Keywords) {
    EXPECT_EQ(Tokens(u"pi")[0].value.dValue, 3.141592653589793);
    EXPECT_EQ(Tokens(u"E")[0].value.dValue, 2.718281828459045);
    EXPECT_EQ(Tokens(u"e")[0].value.dValue, 2.718281828459045);
    for (std::u16string_view word : {u"TRUE", u"yes", u"True"}) {
        const Token t = Tokens(word)[0];
        EXPECT_EQ(t.value.nType, EV_BOOLEAN);
        EXPECT_EQ(t.value.nValue, 1);
    }
    for (std::u16string_view word : {u"FALSE", u"no"}) {
        const Token t = Tokens(word)[0];
        EXPECT_EQ(t.value.nType, EV_BOOLEAN);
        EXPECT_EQ(t.value.nValue, 0);
    }
    EXPECT_EQ(Tokens(u"Sinus")[0].name, u"Sinus");  // names keep their case
}

TEST(ExpressLexer, StringsAndNames) {
    EXPECT_EQ(Text(Tokens(u"\"a\"\"b\"")[0].value), u"a\"b");
    const std::vector<Token> split = Tokens(u"\"a\"b");
    EXPECT_EQ(Text(split[0].value), u"a");
    EXPECT_EQ(split[1].kind, TK_VARIABLE);
    EXPECT_EQ(Text(Tokens(u"\"\"")[0].value), u"");
    EXPECT_EQ(Tokens(u"[my var]")[0].name, u"my var");
    EXPECT_EQ(Tokens(u"[]")[0].name, u"");
    EXPECT_EQ(Tokens(u"[a+b(c]")[0].name, u"a+b(c");
    const std::u16string longest = u"\"" + std::u16string(63, u'q') + u"\"";
    EXPECT_EQ(Text(Tokens(longest)[0].value).size(), 63u);
}

TEST(ExpressLexer, Dates) {
    const Token t = Tokens(u"#2010-07-15#")[0];
    EXPECT_EQ(t.value.nType, EV_DATE);
    EXPECT_EQ(t.value.dValue, 40374.0);
    EXPECT_EQ(Tokens(u"#06:00#")[0].value.dValue, 0.25);
    EXPECT_EQ(Kinds(u"#2000/01/01# + 1"), (std::vector<int>{TK_VALUE, TK_PLUS, TK_VALUE, TK_END}));
}

TEST(ExpressLexer, Errors) {
    struct Case {
        std::u16string_view formula;
        int error;
    };
    const Case cases[] = {
        {u"3x", 1},   {u"3(", 1},     {u"2\t", 1},       {u"1,5", 1},           {u"1#", 1},
        {u"1_", 1},   {u"x$y", 2},    {u"x.y", 2},       {u"x.5", 2},           {u"x#", 2},
        {u"x[1]", 2}, {u"a,b", 2},    {u"x\t", 2},       {u"#2010-13-01#", 10}, {u"#tomorrow#", 10},
        {u"##", 10},  {u"\"abc", 13}, {u"\"ab\"\"", 13}, {u"#2010-07-15", 14},  {u"[abc", 15},
    };
    for (const Case& c : cases) EXPECT_EQ(LexError(c.formula), c.error) << Narrow(c.formula);
}

TEST(ExpressLexer, TooLongTextsAndNamesAreRefused) {
    EXPECT_EQ(LexError(u"\"" + std::u16string(64, u'q') + u"\""), 11);
    EXPECT_EQ(LexError(std::u16string(64, u'x')), 11);
    EXPECT_EQ(LexError(u"[" + std::u16string(64, u'x') + u"]"), 11);
    EXPECT_EQ(LexError(std::u16string(63, u'x')), 0);
}

TEST(ExpressLexer, ParenthesisDepth) {
    CExpressLexer e(u"(()");
    e.NextToken();
    e.NextToken();
    EXPECT_EQ(e.m_nParenDepth, 2);
    e.NextToken();
    EXPECT_EQ(e.m_nParenDepth, 1);
    CExpressLexer closing(u")");
    closing.NextToken();
    EXPECT_EQ(closing.m_nParenDepth, -1);
}
