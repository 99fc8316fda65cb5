// The operator functions on trial values: every type rule and error.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>

#include "expr/ExprTestSupport.h"
#include "expr/ExpressCompare.h"
#include "expr/ExpressOperators.h"

namespace {

using Binary = void (*)(const ExpressValue&, const ExpressValue&, ExpressValue&);

ExpressValue I(int32_t n) { return IntegerValue(n); }
ExpressValue N(double d) { return NumberValue(d); }
ExpressValue B(bool b) { return BooleanValue(b); }
ExpressValue T(std::u16string_view s) { return TextValue(s); }
ExpressValue D(double d) { return DateValue(d); }

// The error code the operation throws, 0 when it does not.
int ErrorOf(Binary f, const ExpressValue& l, const ExpressValue& r, ExpressValue* out = nullptr) {
    ExpressValue result;
    try {
        f(l, r, result);
    } catch (const CExpressException& e) {
        return e.m_nError;
    }
    if (out) *out = result;
    return 0;
}

ExpressValue Apply(Binary f, const ExpressValue& l, const ExpressValue& r) {
    ExpressValue result;
    ClearValue(result);
    f(l, r, result);
    return result;
}

void ExpectValue(const ExpressValue& v, int type, double value) {
    ASSERT_EQ(v.nType, type);
    if (type == EV_INTEGER || type == EV_BOOLEAN)
        EXPECT_EQ(v.nValue, static_cast<int32_t>(value));
    else
        EXPECT_DOUBLE_EQ(v.dValue, value);
}

bool Truth(Binary f, const ExpressValue& l, const ExpressValue& r) {
    const ExpressValue v = Apply(f, l, r);
    EXPECT_EQ(v.nType, EV_BOOLEAN);
    return v.nValue != 0;
}

}  // namespace

TEST(ExpressOperators, ArithmeticResultTypes) {
    struct Case {
        const char* what;
        Binary f;
        ExpressValue l, r;
        int type;
        double value;
    };
    const Case cases[] = {
        {"1.5+2.25", ValueAdd, N(1.5), N(2.25), EV_NUMBER, 3.75},
        {"2+3", ValueAdd, I(2), I(3), EV_INTEGER, 5},
        {"2+0.5", ValueAdd, I(2), N(0.5), EV_NUMBER, 2.5},
        {"0.5+2", ValueAdd, N(0.5), I(2), EV_NUMBER, 2.5},
        {"max+1 wraps", ValueAdd, I(INT_MAX), I(1), EV_INTEGER, INT_MIN},
        {"2-3", ValueSubtract, I(2), I(3), EV_INTEGER, -1},
        {"min-1 wraps", ValueSubtract, I(INT_MIN), I(1), EV_INTEGER, INT_MAX},
        {"2.5-1", ValueSubtract, N(2.5), I(1), EV_NUMBER, 1.5},
        {"6*7", ValueMultiply, I(6), I(7), EV_INTEGER, 42},
        {"6*0.5", ValueMultiply, I(6), N(0.5), EV_NUMBER, 3},
        {"65536*65536 wraps", ValueMultiply, I(65536), I(65536), EV_INTEGER, 0},
        {"2^3", ValuePower, I(2), I(3), EV_INTEGER, 8},
        {"2^-1", ValuePower, I(2), I(-1), EV_INTEGER, 0},
        {"-3^3", ValuePower, I(-3), I(3), EV_INTEGER, -27},
        {"2^40 stays a number", ValuePower, I(2), I(40), EV_NUMBER, 1099511627776.0},
        {"0^-1 stays a number", ValuePower, I(0), I(-1), EV_NUMBER, HUGE_VAL},
        {"2.0^-2", ValuePower, N(2.0), I(-2), EV_NUMBER, 0.25},
        {"1.5^3 by squaring", ValuePower, N(1.5), I(3), EV_NUMBER, 3.375},
        {"4^0.5", ValuePower, I(4), N(0.5), EV_NUMBER, 2},
        {"2.0^0.5", ValuePower, N(2.0), N(0.5), EV_NUMBER, std::sqrt(2.0)},
        {"7/2", ValueDivide, I(7), I(2), EV_NUMBER, 3.5},
        {"6/3", ValueDivide, I(6), I(3), EV_INTEGER, 2},
        {"-4/2", ValueDivide, I(-4), I(2), EV_NUMBER, -2},
        {"4/-2", ValueDivide, I(4), I(-2), EV_INTEGER, -2},
        {"min/-1", ValueDivide, I(INT_MIN), I(-1), EV_NUMBER, 2147483648.0},
        {"5/0", ValueDivide, I(5), I(0), EV_INTEGER, INT_MAX},
        {"-5/0", ValueDivide, I(-5), I(0), EV_INTEGER, INT_MIN},
        {"0/0", ValueDivide, I(0), I(0), EV_INTEGER, 0},
        {"2.5/0 by sign", ValueDivide, N(2.5), I(0), EV_INTEGER, INT_MAX},
        {"-2.5/0 by sign", ValueDivide, N(-2.5), I(0), EV_INTEGER, INT_MIN},
        {"0.0/0", ValueDivide, N(0.0), I(0), EV_INTEGER, 0},
        {"0.0/0.0", ValueDivide, N(0.0), N(0.0), EV_NUMBER, 0},
        {"1/0.0 plain", ValueDivide, I(1), N(0.0), EV_NUMBER, HUGE_VAL},
        {"3/1.5", ValueDivide, I(3), N(1.5), EV_NUMBER, 2},
        {"3.0/2", ValueDivide, N(3.0), I(2), EV_NUMBER, 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectValue(Apply(c.f, c.l, c.r), c.type, c.value);
    }
}

TEST(ExpressOperators, NumberDivisionAddsTheSmallestNormalToTheDivisor) {
    const ExpressValue v = Apply(ValueDivide, N(1.0), N(0.0));
    EXPECT_EQ(v.dValue, 1.0 / 2.2250738585072014e-308);
    EXPECT_EQ(Apply(ValueDivide, N(-1e300), N(0.0)).dValue, -HUGE_VAL);
    EXPECT_EQ(Apply(ValueDivide, N(1.0), N(3.0)).dValue, 1.0 / (3.0 + DIVISOR_OFFSET));
}

TEST(ExpressOperators, DatesMoveByDays) {
    ExpectValue(Apply(ValueAdd, D(40374.0), N(1.5)), EV_DATE, 40375.5);
    ExpectValue(Apply(ValueAdd, D(40374.0), I(2)), EV_DATE, 40376.0);
    ExpectValue(Apply(ValueSubtract, D(0.25), I(1)), EV_DATE, -1.25);
    ExpectValue(Apply(ValueSubtract, D(-1.25), N(1.0)), EV_DATE, -2.25);
    ExpectValue(Apply(ValueAdd, D(-1.25), N(1.0)), EV_DATE, 0.25);
}

TEST(ExpressOperators, TextsJoinUpTo63Units) {
    EXPECT_EQ(Text(Apply(ValueAdd, T(u"ab"), T(u"cd"))), u"abcd");
    EXPECT_EQ(Text(Apply(ValueAdd, T(u""), T(u""))), u"");
    const ExpressValue joined = Apply(ValueAdd, T(std::u16string(31, u'a')), T(std::u16string(32, u'b')));
    EXPECT_EQ(Text(joined).size(), 63u);
    EXPECT_EQ(ErrorOf(ValueAdd, T(std::u16string(32, u'a')), T(std::u16string(32, u'b'))), 11);
}

TEST(ExpressOperators, ResultMayBeAnOperand) {
    ExpressValue v = T(u"ab");
    ValueAdd(v, T(u"cd"), v);
    EXPECT_EQ(Text(v), u"abcd");
    ExpressValue w = T(u"xy");
    ValueAdd(T(u"0"), w, w);
    EXPECT_EQ(Text(w), u"0xy");
    ExpressValue p = N(3.0);
    ValuePower(p, I(2));
    ExpectValue(p, EV_NUMBER, 9.0);
}

TEST(ExpressOperators, TypeErrors) {
    struct Case {
        const char* what;
        Binary f;
        ExpressValue l, r;
        int error;
    };
    const Case cases[] = {
        {"1+\"a\"", ValueAdd, I(1), T(u"a"), 18},
        {"TRUE+TRUE", ValueAdd, B(true), B(true), 18},
        {"1+date", ValueAdd, I(1), D(3), 18},
        {"date+date", ValueAdd, D(1), D(3), 18},
        {"\"a\"-\"b\"", ValueSubtract, T(u"a"), T(u"b"), 19},
        {"date-date", ValueSubtract, D(3), D(1), 19},
        {"date/2", ValueDivide, D(3), I(2), 20},
        {"\"a\"/0", ValueDivide, T(u"a"), I(0), 20},
        {"TRUE/0", ValueDivide, B(true), I(0), 20},
        {"TRUE/1.0", ValueDivide, B(true), N(1), 20},
        {"2*TRUE", ValueMultiply, I(2), B(true), 21},
        {"date*2", ValueMultiply, D(2), I(2), 21},
        {"\"a\"^2", ValuePower, T(u"a"), I(2), 22},
        {"date^2", ValuePower, D(2), N(2), 22},
        {"TRUE OR 1", ValueOr, B(true), I(1), 32},
        {"TRUE AND 1", ValueAnd, B(true), I(1), 31},
        {"1 = \"1\"", ValueEqual, I(1), T(u"1"), 29},
        {"date = 1", ValueEqual, D(1), N(1), 29},
        {"TRUE > FALSE", ValueGreater, B(true), B(false), 29},
        {"TRUE >= FALSE", ValueGreaterEqual, B(true), B(false), 29},
        {"TRUE < FALSE", ValueLess, B(true), B(false), 29},
        {"TRUE <= FALSE", ValueLessEqual, B(true), B(false), 29},
        {"1 <> \"1\"", ValueNotEqual, I(1), T(u"1"), 29},
        {"1 LIKE \"1\"", ValueLike, I(1), T(u"1"), 30},
        {"\"1\" LIKE 1", ValueLike, T(u"1"), I(1), 30},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.f, c.l, c.r), c.error) << c.what;
}

TEST(ExpressOperators, UnaryOperations) {
    ExpressValue v = N(2.5);
    ValueNegate(v);
    ExpectValue(v, EV_NUMBER, -2.5);
    v = I(INT_MIN);
    ValueNegate(v);
    ExpectValue(v, EV_INTEGER, INT_MIN);
    v = T(u"a");
    EXPECT_THROW(ValueNegate(v), CExpressException);

    ExpressValue r;
    ValueNot(B(true), r);
    ExpectValue(r, EV_BOOLEAN, 0);
    ValueNot(BooleanValue(false), r);
    ExpectValue(r, EV_BOOLEAN, 1);
    try {
        ValueNot(I(5), r);
        FAIL();
    } catch (const CExpressException& e) {
        EXPECT_EQ(e.m_nError, 33);
    }
}

TEST(ExpressOperators, FunctionsTestTheirOperand) {
    using Unary = void (*)(const ExpressValue&, ExpressValue&);
    const struct {
        Unary f;
        double (*lib)(double);
        int error;
    } functions[] = {{ValueSin, std::sin, 23},   {ValueCos, std::cos, 24},     {ValueTan, std::tan, 25},
                     {ValueAtan, std::atan, 26}, {ValueLn, std::log, 27},      {ValueLog, std::log10, 28},
                     {ValueSqrt, std::sqrt, 36}, {ValueAbs, std::fabs, 37},    {ValueExp, std::exp, 38},
                     {ValueAsin, std::asin, 39}, {ValueAcos, std::acos, 40},   {ValueSinh, std::sinh, 41},
                     {ValueCosh, std::cosh, 42}, {ValueTanh, std::tanh, 43},   {ValueFloor, std::floor, 44},
                     {ValueCeil, std::ceil, 45}, {ValueRound, std::round, 46}, {ValueSign, SignOf, 47}};
    // Ordinary values, the domains' edges and what lies beyond them: the
    // library's own bits, NaN and infinities included.
    const double inputs[] = {2.0,      0.5,       -0.5,         0.0,   -0.0,   1.0,    -1.0,  1.0000000000000002,
                             -3.0,     1e-310,    709.78,       710.0, -745.2, -746.0, 1e300, -1e300,
                             HUGE_VAL, -HUGE_VAL, std::nan(""), 2.5,   -2.5,   1.5,    -1.5,  0.49999999999999994};
    for (const auto& fn : functions) {
        ExpressValue r;
        fn.f(I(1), r);
        ExpectValue(r, EV_NUMBER, fn.lib(1.0));
        for (double in : inputs) {
            fn.f(N(in), r);
            ASSERT_EQ(r.nType, EV_NUMBER);
            const double expected = fn.lib(in);
            EXPECT_TRUE(std::isnan(expected) ? std::isnan(r.dValue)
                                             : std::memcmp(&r.dValue, &expected, sizeof expected) == 0)
                << "code " << fn.error << " at " << in;
        }
        fn.f(I(-7), r);  // widened: the number's result, NaN included
        const double widened = fn.lib(-7.0);
        EXPECT_TRUE(std::isnan(widened) ? std::isnan(r.dValue) : r.dValue == widened) << fn.error;
        for (const ExpressValue& bad : {B(true), T(u"1"), D(1)}) {
            try {
                fn.f(bad, r);
                ADD_FAILURE() << "no error " << fn.error;
            } catch (const CExpressException& e) {
                EXPECT_EQ(e.m_nError, fn.error);
            }
        }
    }
    ExpressValue r;
    ValueLn(N(-1), r);
    EXPECT_TRUE(std::isnan(r.dValue));
    ValueLog(I(0), r);
    EXPECT_EQ(r.dValue, -HUGE_VAL);
    // The newer functions' domain errors, as LN's: a NaN or an infinity.
    ValueSqrt(I(-1), r);
    EXPECT_TRUE(std::isnan(r.dValue));
    ValueAsin(N(1.5), r);
    EXPECT_TRUE(std::isnan(r.dValue));
    ValueAcos(I(-2), r);
    EXPECT_TRUE(std::isnan(r.dValue));
    ValueExp(I(1000), r);
    EXPECT_EQ(r.dValue, HUGE_VAL);
    ValueAbs(I(INT_MIN), r);
    EXPECT_EQ(r.dValue, 2147483648.0);  // widened first, so no integer overflow
}

TEST(ExpressOperators, EqualityHasATolerance) {
    EXPECT_TRUE(Truth(ValueEqual, N(1.0), N(1.009)));
    EXPECT_FALSE(Truth(ValueEqual, N(1.0), N(1.01)));
    EXPECT_TRUE(Truth(ValueEqual, I(1), N(1.005)));
    EXPECT_FALSE(Truth(ValueEqual, N(NAN), N(NAN)));
    EXPECT_TRUE(Truth(ValueEqual, I(7), I(7)));
    EXPECT_FALSE(Truth(ValueEqual, D(1.0), D(1.001)));  // dates: exact
    ExpressValue five = B(true);
    five.nValue = 5;  // any nonzero reads as true
    EXPECT_TRUE(Truth(ValueEqual, B(true), five));
    EXPECT_FALSE(Truth(ValueEqual, B(true), B(false)));
    EXPECT_FALSE(Truth(ValueEqual, T(u"abc"), T(u"ABC")));
    EXPECT_TRUE(Truth(ValueEqual, T(u"abc"), T(u"abc")));
}

TEST(ExpressOperators, OrderingAndItsDerivedComparisons) {
    EXPECT_TRUE(Truth(ValueGreater, N(1.0), N(0.999)));
    EXPECT_TRUE(Truth(ValueGreater, T(u"abc"), T(u"ab")));
    EXPECT_FALSE(Truth(ValueGreater, T(u"B"), T(u"a")));
    EXPECT_FALSE(Truth(ValueGreater, T(u"ab"), T(u"ab")));
    EXPECT_TRUE(Truth(ValueGreater, T(u"\xFF00"), T(u"a")));  // unsigned code units
    EXPECT_TRUE(Truth(ValueGreater, D(2), D(1)));
    // "=" tolerates, ">" does not: both >= hold, < and <> do not.
    EXPECT_TRUE(Truth(ValueGreaterEqual, N(1.0), N(1.005)));
    EXPECT_TRUE(Truth(ValueGreaterEqual, N(1.005), N(1.0)));
    EXPECT_FALSE(Truth(ValueLess, N(1.0), N(1.005)));
    EXPECT_FALSE(Truth(ValueNotEqual, N(1.0), N(1.005)));
    EXPECT_TRUE(Truth(ValueLessEqual, N(1.0), N(1.005)));
    EXPECT_TRUE(Truth(ValueLess, I(1), I(2)));
    EXPECT_TRUE(Truth(ValueLess, T(u"a"), T(u"b")));
    EXPECT_TRUE(Truth(ValueNotEqual, B(true), B(false)));
}

TEST(ExpressOperators, LikeScansOnceWithoutBacktracking) {
    struct Case {
        std::u16string_view text, pattern;
        bool match;
    };
    const Case cases[] = {
        {u"abc", u"a?c", true},  {u"abc", u"a*", true},     {u"abc", u"*c", true},  {u"abc", u"abc*", false},
        {u"", u"", true},        {u"", u"*", false},        {u"abc", u"", false},   {u"a1c", u"a#c", true},
        {u"abc", u"a#c", false}, {u"abcbd", u"*b?", false}, {u"xyz", u"*#", true},  {u"abc", u"ABC", false},
        {u"abc", u"a*?", true},  {u"abc", u"*x", false},    {u"abc", u"b*", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Truth(ValueLike, T(c.text), T(c.pattern)), c.match)
            << Narrow(c.text) << " LIKE " << Narrow(c.pattern);
}
