// Compiled forms and the parser's errors.

#include <gtest/gtest.h>

#include <cstdio>

#include "expr/ExprTestSupport.h"

namespace {

// The compiled form in words: constants as numbers ("5.0" stays a number
// after the integer pass, shown as %g), variables by name, operators by
// their symbol.
std::string Form(const CExpress& e) {
    static const char* const ops[] = {"?",    "neg",  "+",    "-",    "*",     "^",    "/",     "sin", "cos",
                                      "tan",  "atan", "ln",   "log",  "not",   "or",   "and",   "=",   ">",
                                      ">=",   "<",    "<=",   "<>",   "like",  "sqrt", "abs",   "exp", "asin",
                                      "acos", "sinh", "cosh", "tanh", "floor", "ceil", "round", "sign"};
    const CExpressProgram& program = e.Program();
    std::string out;
    for (int i = 0; i < program.m_nCodeCount; ++i) {
        const ExpressCode& c = program.m_code[i];
        if (!out.empty()) out += ' ';
        if (c.nKind == IK_VARIABLE) {
            out += Narrow(c.szName);
        } else if (c.nKind == IK_OPERATOR) {
            out += c.nOperator >= 1 && c.nOperator <= OP_SIGN ? ops[c.nOperator] : "?";
        } else if (c.value.nType == EV_NUMBER) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%g", c.value.dValue);
            out += buffer;
        } else if (c.value.nType == EV_TEXT) {
            out += '"' + Narrow(c.value.szText) + '"';
        } else {
            out += "const" + std::to_string(c.value.nType);
        }
    }
    return out;
}

}  // namespace

TEST(ExpressParser, CompiledForms) {
    struct Case {
        std::u16string_view formula;
        const char* form;
    };
    const Case cases[] = {
        {u"x*x", "x x *"},
        {u"-x^2+1", "x 2 ^ neg 1 +"},
        {u"2^-1", "2 1 neg ^"},
        {u"-2^2", "2 2 ^ neg"},
        {u"1--2", "1 2 neg -"},
        {u"2^3^2", "2 3 ^ 2 ^"},
        {u"x > 1 AND x < 2 OR x = 5", "x 1 > x 2 < and x 5 = or"},
        {u"1 = 2 = 3", "1 2 ="},
        {u"TRUE + 1", "const3"},
        {u"x $ y", "x"},
        {u"NOT NOT 5", "5"},
        {u"NOT x > 1", "x 1 > not"},
        {u"NOT x > 1 AND NOT x < -5", "x 1 > not x 5 neg < not and"},
        {u"1+2*3-4/x", "1 2 3 * + 4 x / -"},
        {u"-x*-2", "x 2 neg * neg"},
        {u"+x", "x"},
        {u"sin(x)*cos(x)", "x sin x cos *"},
        {u"log(ln(atan(tan(x))))", "x tan atan ln log"},
        {u"sqrt(x*x+1)", "x x * 1 + sqrt"},
        {u"-ABS(x)^2", "x abs 2 ^ neg"},
        {u"exp(-(x*x)/10)*cos(x)", "x x * 10 / neg exp x cos *"},
        {u"tanh(cosh(sinh(acos(asin(x)))))", "x asin acos sinh cosh tanh"},
        {u"sign(round(ceil(floor(x))))", "x floor ceil round sign"},
        {u"(x+1)*(x-1)", "x 1 + x 1 - *"},
        {u"2**3", "2 3 ^"},
        {u"\"ab\" LIKE \"a*\"", "\"ab\" \"a*\" like"},
        {u"x <> 1", "x 1 <>"},
        {u"x >= 1", "x 1 >="},
        {u"x <= 1", "x 1 <="},
    };
    for (const Case& c : cases) {
        CFunctionExpress e(c.formula, 0, 10);
        EXPECT_EQ(CompileError(e), 0) << Narrow(c.formula);
        EXPECT_EQ(Form(e), c.form) << Narrow(c.formula);
    }
}

TEST(ExpressParser, FormsOfTheGraphClasses) {
    CParameterExpress2d t(u"5*cos(t)");
    ASSERT_EQ(t.Compile(), 1);
    ASSERT_EQ(t.Program().m_nCodeCount, 4);
    EXPECT_EQ(t.Program().m_code[0].nKind, IK_CONSTANT);
    EXPECT_EQ(t.Program().m_code[0].value.nType, EV_NUMBER);  // the integer 5 widened
    EXPECT_EQ(t.Program().m_code[0].value.dValue, 5.0);
    EXPECT_EQ(t.Program().m_code[1].nKind, IK_VARIABLE);
    EXPECT_EQ(std::u16string(t.Program().m_code[1].szName), u"t");
    EXPECT_EQ(t.Program().m_code[2].nKind, IK_OPERATOR);
    EXPECT_EQ(t.Program().m_code[2].nOperator, OP_COS);
    EXPECT_EQ(t.Program().m_code[3].nOperator, OP_MUL);
}

TEST(ExpressParser, RecompilingStartsAfresh) {
    CFunctionExpress e(u"x+1", 0, 10);
    ASSERT_EQ(CompileError(e), 0);
    ASSERT_EQ(CompileError(e), 0);
    EXPECT_EQ(Form(e), "x 1 +");
}

TEST(ExpressParser, Errors) {
    struct Case {
        std::u16string_view formula;
        int error;
    };
    const Case cases[] = {
        {u"", 9},
        {u"   ", 9},
        {u"+", 5},
        {u"-", 5},
        {u"2*", 3},
        {u"2/", 3},
        {u"2^", 3},
        {u"2*)", 3},
        {u"2^)", 3},
        {u"2/+", 5},
        {u"x AND", 4},
        {u"x OR", 6},
        {u"NOT", 5},
        {u"x > 1 AND NOT", 5},
        {u"SIN x", 7},
        {u"SIN", 7},
        {u"SIN(x", 8},
        {u"(x", 8},
        {u"((x)", 8},
        {u"SIN()", 9},
        {u"SQRT x", 7},
        {u"tanh", 7},
        {u"FLOOR x", 7},
        {u"ceil(x", 8},
        {u"round()", 9},
        {u"x sign(y)", 12},
        {u"abs(x", 8},
        {u"EXP()", 9},
        {u"x sqrt(y)", 12},
        {u"sq(x)", 16},
        {u"sqrtx", 16},
        {u"()", 9},
        {u"--2", 9},
        {u"1---2", 9},
        {u"x >", 9},
        {u")", 9},
        {u"+)", 9},
        {u"1+)", 9},
        {u"2 x", 12},
        {u"1)", 12},
        {u"(1))", 12},
        {u"(1)(2)", 12},
        {u"x SIN(y)", 12},
        {u"3 4", 12},
        {u"1.2.3", 12},
        {u"a", 16},
        {u"NOT 5", 33},
        {u"NOT x", 33},
        {u"NOT NOT NOT 1", 33},
        {u"1 + \"a\"", 34},
        {u"1 - \"a\"", 34},
        {u"-TRUE", 35},
        {u"1 + -\"a\"", 35},
        {u"1 - +TRUE", 35},
        {u"-\"a\"", 35},
        // The sign factor +1 meets the operand before the operator does.
        {u"2 * \"a\"", 21},
        {u"2 / \"a\"", 21},
        {u"2 ^ \"a\"", 21},
        {u"1 OR TRUE", 32},
        {u"\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"", 11},
    };
    for (const Case& c : cases) {
        CFunctionExpress e(c.formula, 1, 10);
        EXPECT_EQ(CompileError(e), c.error) << Narrow(c.formula);
    }
}

TEST(ExpressParser, UnexpectedTokenContextIsTheFormulaUpToIt) {
    struct Case {
        std::u16string_view formula, context;
    };
    const Case cases[] = {
        {u"2 x", u"2 x"},        {u"2 x + 1", u"2 x"},           {u"1) + 2", u"1)"},        {u"(1)(2)", u"(1)("},
        {u"x SIN(y)", u"x SIN"}, {u"1 \"abc\" 2", u"1 \"abc\""}, {u"x Acos(y)", u"x Acos"},
    };
    for (const Case& c : cases) {
        CFunctionExpress e(c.formula, 1, 10);
        std::u16string context;
        EXPECT_EQ(CompileError(e, &context), 12) << Narrow(c.formula);
        EXPECT_EQ(context, c.context) << Narrow(c.formula);
    }
}

TEST(ExpressParser, OtherErrorsCarryNoContext) {
    for (std::u16string_view f : {u"2*", u"NOT 5", u"3x", u"SIN x", u"a"}) {
        CExpress e(f);
        std::u16string context = u"unset";
        EXPECT_NE(CompileError(e, &context), 0);
        EXPECT_EQ(context, u"") << Narrow(f);
    }
}

TEST(ExpressParser, CompileReportsAndReturnsZero) {
    MessageCapture capture;
    CExpress bad(u"2*");
    EXPECT_EQ(bad.Compile(), 0);
    ASSERT_EQ(capture.shown.size(), 1u);
    CExpress good(u"1+2");
    EXPECT_EQ(good.Compile(), 1);
    EXPECT_EQ(capture.shown.size(), 1u);
}
