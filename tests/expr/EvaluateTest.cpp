// Evaluation: results, swallowed errors, and the number-only program giving
// the same bits as the step-by-step rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "expr/ExprTestSupport.h"

namespace {

// Identical bits; a NaN matches any NaN, since the compiler may order the
// operands of a commutative operation either way and so pick either NaN's
// sign and payload.
bool SameBits(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Hand-made forms run with the variables of a plain object: none.
const CExpressVariables& NoVariables() {
    static const CExpress none(u"");
    return none;
}

ExpressValue Result(const CExpressProgram& form) {
    ExpressValue v;
    form.Evaluate(NoVariables(), v);
    return v;
}

}  // namespace

TEST(ExpressEvaluate, EmptyFormGivesAClearedValue) {
    CExpress e(u"1");
    ExpressValue v = NumberValue(5);
    v.szText[0] = u'z';
    e.Evaluate(v);
    EXPECT_EQ(v.nType, EV_NONE);
    EXPECT_EQ(v.szText[0], 0);
}

TEST(ExpressEvaluate, Results) {
    struct Case {
        std::u16string_view formula;
        double x;
        int type;
        double value;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {u"x*x", -3, EV_NUMBER, 9},
        {u"SIN(x)", 0, EV_NUMBER, 0},
        {u"LN(x)", -1, EV_NUMBER, nan},
        {u"LOG(x)", 0, EV_NUMBER, -HUGE_VAL},
        {u"7", 0, EV_NUMBER, 7},  // integer constants run as numbers
        {u"7/2", 0, EV_NUMBER, 3.5},
        {u"6/3", 0, EV_NUMBER, 6.0 / (3.0 + 2.2250738585072014e-308)},
        {u"x/0", 5, EV_NUMBER, HUGE_VAL},
        {u"x/0", 0, EV_NUMBER, 0},
        {u"2^-1", 0, EV_NUMBER, 0.5},  // numbers at run time: no truncation
        {u"-x^2+1", 3, EV_NUMBER, -8},
        {u"x > 1 AND x < 2 OR x = 5", 5.005, EV_BOOLEAN, 1},
        {u"x > 1 AND x < 2 OR x = 5", 3, EV_BOOLEAN, 0},
        {u"NOT x > 1", 0, EV_BOOLEAN, 1},
        {u"x = 1", 1.009, EV_BOOLEAN, 1},
        {u"x = 1", 1.01, EV_BOOLEAN, 0},
        {u"#2010-07-15# + x", 1.5, EV_DATE, 40375.5},
        {u"#06:00# - x", 1, EV_DATE, -1.25},
        {u"pi", 0, EV_NUMBER, 3.141592653589793},
        {u"SQRT(x)", -1, EV_NUMBER, nan},
        {u"abs(x)", -3, EV_NUMBER, 3},
        {u"exp(x)", 1000, EV_NUMBER, HUGE_VAL},
        {u"asin(x)", 2, EV_NUMBER, nan},
        {u"acos(x)", -1, EV_NUMBER, 3.141592653589793},
        {u"sqrt(abs(x))", -16, EV_NUMBER, 4},
        {u"floor(-7)+ceil(7)", 0, EV_NUMBER, 0},
        {u"round(x)", -2.5, EV_NUMBER, -3},
        {u"sign(round(x))", 0.49, EV_NUMBER, 0},
        {u"SIGN(x)*Floor(x)", -0.5, EV_NUMBER, 1},
    };
    for (const Case& c : cases) {
        CFunctionExpress e(c.formula, 0, 10);
        ASSERT_EQ(CompileError(e), 0) << Narrow(c.formula);
        e.m_x = c.x;
        const ExpressValue v = Result(e);
        ASSERT_EQ(v.nType, c.type) << Narrow(c.formula);
        if (c.type == EV_BOOLEAN)
            EXPECT_EQ(v.nValue, static_cast<int>(c.value)) << Narrow(c.formula);
        else if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(v.dValue)) << Narrow(c.formula);
        else
            EXPECT_DOUBLE_EQ(v.dValue, c.value) << Narrow(c.formula);
    }
}

TEST(ExpressEvaluate, TextResultsAreReturnedAsText) {
    CExpress e(u"\"abc\"");
    ASSERT_EQ(CompileError(e), 0);
    const ExpressValue v = Result(e);
    EXPECT_EQ(v.nType, EV_TEXT);
    EXPECT_EQ(Text(v), u"abc");
    double d = 42;
    EXPECT_FALSE(e.EvaluateNumber(d));
    CExpress like(u"\"a1c\" LIKE \"a#c\"");
    ASSERT_EQ(CompileError(like), 0);
    EXPECT_EQ(Result(like).nValue, 1);
}

TEST(ExpressEvaluate, AnOperatorErrorLeavesItsRightOperandOnTop) {
    // A form the compiler would refuse, built by hand: 1 + "b".
    CExpressProgram e;
    e.m_code[0].nKind = IK_CONSTANT;
    e.m_code[0].value = NumberValue(1);
    e.m_code[1].nKind = IK_CONSTANT;
    e.m_code[1].value = TextValue(u"b");
    e.m_code[2].nKind = IK_OPERATOR;
    e.m_code[2].nOperator = OP_ADD;
    e.m_nCodeCount = 3;
    const ExpressValue v = Result(e);
    EXPECT_EQ(v.nType, EV_TEXT);
    EXPECT_EQ(Text(v), u"b");
}

TEST(ExpressEvaluate, AFailedLookupOnAnEmptyStackGivesAClearedValue) {
    CFunctionExpress e(u"q+1", 0, 10);
    EXPECT_EQ(CompileError(e), 16);
    ASSERT_EQ(e.Program().m_nCodeCount, 1);  // the variable was emitted before the lookup failed
    const ExpressValue v = Result(e);
    EXPECT_EQ(v.nType, EV_NONE);
}

TEST(ExpressEvaluate, MalformedFormsNeverLeaveTheStack) {
    CExpressProgram underflow;
    underflow.m_code[0].nKind = IK_OPERATOR;
    underflow.m_code[0].nOperator = OP_ADD;
    underflow.m_nCodeCount = 1;
    EXPECT_EQ(Result(underflow).nType, EV_NONE);

    CExpressProgram overflow;
    for (int i = 0; i < 100; ++i) {
        overflow.m_code[i].nKind = IK_CONSTANT;
        overflow.m_code[i].value = NumberValue(i);
    }
    overflow.m_nCodeCount = 100;
    EXPECT_EQ(Result(overflow).nType, EV_NONE);

    CExpressProgram unknown;
    unknown.m_code[0].nKind = IK_CONSTANT;
    unknown.m_code[0].value = NumberValue(2);
    unknown.m_code[1].nKind = IK_OPERATOR;
    unknown.m_code[1].nOperator = 99;  // ignored
    unknown.m_code[2].nKind = 7;       // ignored
    unknown.m_nCodeCount = 3;
    EXPECT_EQ(Result(unknown).dValue, 2);

    CExpressProgram huge;
    huge.m_nCodeCount = 1 << 30;
    EXPECT_EQ(Result(huge).nType, EV_NONE);
}

TEST(ExpressEvaluate, ConstantFormulasFoldToTheSameValue) {
    for (std::u16string_view f : {u"2*3+1", u"sin(1)/3", u"-(2^0.5)", u"10/3-1/3", u"ln(2)*log(5)+atan(1)-tan(0.3)",
                                  u"sqrt(2)+abs(-1.5)*exp(0.5)-asin(0.3)/acos(-0.2)+sinh(1)*cosh(2)-tanh(0.7)",
                                  u"floor(-2.5)*ceil(0.5)+round(-0.5)-sign(-3)"}) {
        CExpress e(f);
        ASSERT_EQ(CompileError(e), 0) << Narrow(f);
        ASSERT_TRUE(e.HasFastPath());
        ExpressValue fast, slow;
        e.Evaluate(fast);
        e.EvaluateStepByStep(slow);
        EXPECT_TRUE(SameBits(fast.dValue, slow.dValue)) << Narrow(f);
    }
}

// Every number-only formula is run both ways over a sweep of inputs that
// includes zeros of both signs, tiny, huge, infinite and NaN values, one
// sample at a time and in whole batches of rows along x and along y.
TEST(ExpressEvaluate, NumberOnlyProgramMatchesTheStepByStepRules) {
    const std::u16string_view formulas[] = {
        u"x*x",
        u"5*cos(x)",
        u"sin(x)*cos(y)",
        u"x^3-3*x*y^2",
        u"ln(x)+log(x)",
        u"sin(x*y)/(x*x+y*y+1)",
        u"((x+1)*(x-1)+(y+2)*(y-2))/(x*x+y*y+0.5)+sin(x)*cos(y)-atan(x*y)",
        u"x",
        u"-x",
        u"-(-x)",
        u"0-x",
        u"-x^2+1",
        u"x/0",
        u"0/x",
        u"x/y",
        u"1/(x-y)",
        u"x^y",
        u"2^-x",
        u"x^-2",
        u"tan(x)-atan(y)",
        u"-(x+y)*-(x-y)",
        u"x*2*3*pi",
        u"2*3*x",
        u"e^x",
        u"x^0.5",
        u"(x)",
        u"x+1.5-y/4.25",
        u"ln(-x)",
        u"sin(cos(tan(atan(ln(log(x*x+1))))))",
        u"xray*yak+x",
        // one- and two-step programs have runners of their own
        u"sin(x)*2",
        u"(x+y)^2",
        u"-sin(x)",
        u"atan(x/y)",
        u"x-cos(y)",
        u"tan(x)/y",
        u"log(x)",
        u"2-x",
        // rows: fixed parts before, between and after varying ones, results that do not vary
        u"y",
        u"2",
        u"cos(y)*y+x",
        u"sin(x)*cos(y)+cos(y)*2",
        u"(y*y+1)*(x*x)-y^x",
        u"x*(y*(y*(y*x)))",
        // the functions beyond the classic six, alone, in pairs and mixed
        u"sqrt(x*x+y*y)",
        u"sqrt(abs(x))",
        u"abs(x)-y",
        u"exp(-(x*x+y*y)/10)*cos(x)",
        u"asin(x/10)+acos(y/10)",
        u"asin(x)*acos(y)",
        u"sinh(x)-cosh(y)*tanh(x*y)",
        u"tanh(y)",
        u"exp(y)*sqrt(y)+x",
        u"sqrt(2)*exp(1)+abs(-3)*x",
        // the rounding functions and the sign
        u"floor(x)+ceil(y)",
        u"round(x*y)-sign(x)",
        u"sign(y)*round(2.5)",
        u"floor(sign(x)*ceil(x/y))",
    };
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
    const double inputs[] = {0.0,   -0.0,   1.0, -1.0, 0.5, -2.75, 3.0,   1e-310, -1e-308,
                             1e300, -1e300, inf, -inf, nan, 10.0,  -10.0, 0.01,   7.125};
    for (std::u16string_view f : formulas) {
        CFunctionExpress e(f, 1, 10);
        ASSERT_EQ(CompileError(e), 0) << Narrow(f);
        ASSERT_TRUE(e.HasFastPath()) << Narrow(f);
        for (double x : inputs) {
            for (double y : inputs) {
                e.m_x = x;
                e.m_y = y;
                ExpressValue fast, slow;
                e.Evaluate(fast);
                e.EvaluateStepByStep(slow);
                double number = 0;
                ASSERT_TRUE(e.EvaluateNumber(number));
                ASSERT_EQ(fast.nType, EV_NUMBER);
                ASSERT_EQ(slow.nType, EV_NUMBER);
                ASSERT_TRUE(SameBits(fast.dValue, slow.dValue)) << Narrow(f) << " x=" << x << " y=" << y;
                ASSERT_TRUE(SameBits(number, slow.dValue)) << Narrow(f);
            }
        }
        for (double* varying : {&e.m_x, &e.m_y}) {
            double* fixed = varying == &e.m_x ? &e.m_y : &e.m_x;
            CExpressRowProgram* rows = e.RowProgram(varying);
            ASSERT_NE(rows, nullptr);
            constexpr int kCount = CExpressRowProgram::kBatch;
            for (int i = 0; i < kCount; ++i) rows->Input()[i] = inputs[size_t(i) % std::size(inputs)];
            for (double row : inputs) {
                *fixed = row;
                rows->BeginRow();
                const double* results = rows->Run(kCount);
                for (int i = 0; i < kCount; ++i) {
                    *varying = rows->Input()[i];
                    ExpressValue slow;
                    e.EvaluateStepByStep(slow);
                    ASSERT_TRUE(SameBits(results[i], slow.dValue))
                        << Narrow(f) << " along " << (varying == &e.m_x ? "x" : "y") << " at " << *varying << ", row "
                        << row;
                }
            }
        }
    }
}

// Each function beyond the classic six gives the library's bits at ordinary
// values, at the edges of its domain and beyond them, whichever way it runs.
TEST(ExpressEvaluate, NewerFunctionsGiveTheLibraryBitsEveryWay) {
    const struct {
        std::u16string_view formula;
        double (*lib)(double);
    } functions[] = {{u"sqrt(x)", std::sqrt}, {u"abs(x)", std::fabs},    {u"exp(x)", std::exp},
                     {u"asin(x)", std::asin}, {u"acos(x)", std::acos},   {u"sinh(x)", std::sinh},
                     {u"cosh(x)", std::cosh}, {u"tanh(x)", std::tanh},   {u"floor(x)", std::floor},
                     {u"ceil(x)", std::ceil}, {u"round(x)", std::round}, {u"sign(x)", SignOf}};
    const double inputs[] = {0.0,
                             -0.0,
                             0.25,
                             -0.25,
                             1.0,
                             -1.0,
                             1.0000000000000002,
                             -1.0000000000000002,
                             2.0,
                             -9.5,
                             0.5,
                             -0.5,
                             2.5,
                             -2.5,
                             0.49999999999999994,
                             -4503599627370497.0,
                             709.5,
                             710.5,
                             -745.5,
                             1e-310,
                             1e300,
                             -1e300,
                             HUGE_VAL,
                             -HUGE_VAL,
                             std::numeric_limits<double>::quiet_NaN()};
    constexpr int kCount = static_cast<int>(std::size(inputs));
    for (const auto& fn : functions) {
        CFunctionExpress e(fn.formula, 0, 10);
        ASSERT_EQ(CompileError(e), 0) << Narrow(fn.formula);
        ASSERT_TRUE(e.HasFastPath()) << Narrow(fn.formula);
        CExpressRowProgram* rows = e.RowProgram(&e.m_x);
        ASSERT_NE(rows, nullptr);
        std::copy(std::begin(inputs), std::end(inputs), rows->Input());
        rows->BeginRow();
        const double* batch = rows->Run(kCount);
        for (int i = 0; i < kCount; ++i) {
            e.m_x = inputs[i];
            ExpressValue fast, slow;
            e.Evaluate(fast);
            e.EvaluateStepByStep(slow);
            const double expected = fn.lib(inputs[i]);
            EXPECT_TRUE(SameBits(slow.dValue, expected)) << Narrow(fn.formula) << " at " << inputs[i];
            EXPECT_TRUE(SameBits(fast.dValue, expected)) << Narrow(fn.formula) << " at " << inputs[i];
            EXPECT_TRUE(SameBits(batch[i], expected)) << Narrow(fn.formula) << " at " << inputs[i];
        }
    }
}

TEST(ExpressEvaluate, FormsWithOtherTypesTakeTheStepByStepPath) {
    for (std::u16string_view f : {u"x > 1", u"\"a\"", u"#2010-07-15# + x", u"NOT x > 1 OR TRUE"}) {
        CFunctionExpress e(f, 0, 10);
        ASSERT_EQ(CompileError(e), 0) << Narrow(f);
        EXPECT_FALSE(e.HasFastPath()) << Narrow(f);
    }
    CParameterExpress3d uv(u"u*v");
    ASSERT_EQ(CompileError(uv), 0);
    EXPECT_TRUE(uv.HasFastPath());
}

TEST(ExpressEvaluate, EvaluateNumberReadsIntegersAndNumbersOnly) {
    CExpress date(u"#2010-07-15#");
    ASSERT_EQ(CompileError(date), 0);
    double d = 0;
    EXPECT_FALSE(date.EvaluateNumber(d));

    // An integer left on the stack of a hand-made form is read as its value.
    CExpressProgram integer;
    integer.m_code[0].nKind = IK_CONSTANT;
    integer.m_code[0].value = IntegerValue(-7);
    integer.m_nCodeCount = 1;
    EXPECT_TRUE(integer.EvaluateNumber(NoVariables(), d));
    EXPECT_EQ(d, -7.0);
}
