// The fixed capacities: 1000 instructions, 64 pending values, nesting. A
// formula beyond them is refused with code 12 and the whole formula.

#include <gtest/gtest.h>

#include "expr/ExprTestSupport.h"
#include "expr/ExpressParser.h"

namespace {

std::u16string Repeat(std::u16string_view s, int n) {
    std::u16string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// "1+1+...": 2n-1 instructions, at most 2 pending.
std::u16string Sum(int terms) { return u"1" + Repeat(u"+1", terms - 1); }

// "1+(1+(1+...))": every level keeps its left operand pending.
std::u16string Nested(int depth) { return Repeat(u"1+(", depth) + u"1" + Repeat(u")", depth); }

}  // namespace

TEST(ExpressCapacity, ThousandInstructions) {
    CExpress fits(Sum(500));  // 999 instructions
    EXPECT_EQ(CompileError(fits), 0);
    EXPECT_EQ(fits.Program().m_nCodeCount, 999);

    const std::u16string tooLong = Sum(501);  // 1001
    CExpress refused(tooLong);
    std::u16string context;
    EXPECT_EQ(CompileError(refused, &context), 12);
    EXPECT_EQ(context, tooLong);
    EXPECT_EQ(refused.Program().m_nCodeCount, 1000);
}

TEST(ExpressCapacity, SixtyFourPendingValues) {
    CExpress fits(Nested(63));  // 64 values pending at the innermost 1
    ASSERT_EQ(CompileError(fits), 0);
    ExpressValue v;
    fits.EvaluateStepByStep(v);
    EXPECT_EQ(v.dValue, 64.0);
    EXPECT_EQ(Result(fits).dValue, 64.0);

    const std::u16string deep = Nested(64);
    CExpress refused(deep);
    std::u16string context;
    EXPECT_EQ(CompileError(refused, &context), 12);
    EXPECT_EQ(context, deep);
}

TEST(ExpressCapacity, DeepNestingIsRefusedBeforeItExhaustsTheCallStack) {
    CExpress fits(Repeat(u"(", EXPRESS_NEST_MAX) + u"1" + Repeat(u")", EXPRESS_NEST_MAX));
    EXPECT_EQ(CompileError(fits), 0);
    for (int depth : {EXPRESS_NEST_MAX + 1, 100000}) {
        CExpress parens(Repeat(u"(", depth) + u"1" + Repeat(u")", depth));
        EXPECT_EQ(CompileError(parens), 12);
        CExpress functions(Repeat(u"sin(", depth) + u"1" + Repeat(u")", depth));
        EXPECT_EQ(CompileError(functions), 12);
    }
}

TEST(ExpressCapacity, LongFormulasOfManyShortTokensCompile) {
    // Spaces, NOTs and a long tail that is never examined cost nothing.
    CExpress e(Repeat(u" ", 100000) + Repeat(u"NOT ", 10000) + u"TRUE" + u" $" + Repeat(u"x", 100000));
    EXPECT_EQ(CompileError(e), 0);
    EXPECT_EQ(Result(e).nValue, 1);
}
