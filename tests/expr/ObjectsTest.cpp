// The graph expression classes and their variables.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "expr/ExprTestSupport.h"

TEST(ExpressObjects, VariablesOfEachClass) {
    struct Case {
        const char* what;
        std::function<CExpress*(std::u16string_view)> make;
        std::u16string_view formula;
        int error;
        std::u16string_view context;
    };
    auto plane = [](std::u16string_view f) { return new CFunctionExpress(f, 0, 10); };
    auto space = [](std::u16string_view f) { return new CFunctionExpress(f, 1, 10); };
    auto odd = [](std::u16string_view f) { return new CFunctionExpress(f, 2, 10); };
    auto curve = [](std::u16string_view f) { return new CParameterExpress2d(f); };
    auto surface = [](std::u16string_view f) { return new CParameterExpress3d(f); };
    auto base = [](std::u16string_view f) { return new CExpress(f); };
    const Case cases[] = {
        {"plane x*x", plane, u"x*x", 0, u""},
        {"plane x*y", plane, u"x*y", 16, u"y"},
        {"plane xray", plane, u"xray+X", 0, u""},
        {"plane sq", plane, u"sq", 16, u"sq"},
        {"plane sqrtx", plane, u"sqrtx+1", 16, u"sqrtx"},
        {"plane absolute", plane, u"absolute", 16, u"absolute"},
        {"plane expo", plane, u"2*expo", 16, u"expo"},
        {"plane xabs", plane, u"xabs*sqrt(x)", 0, u""},
        {"curve tanhx", curve, u"tanhx*tanh(t)", 0, u""},
        {"plane floorx", plane, u"floorx", 16, u"floorx"},
        {"plane signal", plane, u"signal+1", 16, u"signal"},
        {"plane xfloor", plane, u"xfloor*floor(x)", 0, u""},
        {"space x*Y", space, u"x*Y", 0, u""},
        {"useY 2", odd, u"x*y", 16, u"y"},
        {"space z", space, u"z", 16, u"z"},
        {"space [yes we can]", space, u"[yes we can]", 0, u""},
        {"curve 5*cos(t)", curve, u"5*cos(t)", 0, u""},
        {"curve 5*cos(s)", curve, u"5*cos(s)", 16, u"s"},
        {"curve time", curve, u"time", 0, u""},
        {"curve x", curve, u"x", 16, u"x"},
        {"surface u+v", surface, u"u+V", 0, u""},
        {"surface x", surface, u"x", 16, u"x"},
        {"surface long name", surface, u"[wrong name]", 16, u"wrong name"},
        {"base 1+2", base, u"1+2", 0, u""},
        {"base a", base, u"a", 16, u""},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CExpress> e(c.make(c.formula));
        std::u16string context;
        EXPECT_EQ(CompileError(*e, &context), c.error) << c.what;
        EXPECT_EQ(context, c.context) << c.what;
    }
}

TEST(ExpressObjects, ConstructorValues) {
    CFunctionExpress f(u"x", 0, 10);
    ASSERT_EQ(f.Compile(), 1);
    EXPECT_EQ(Result(f).dValue, -10.0);
    CFunctionExpress g(u"y", 1, 5);
    ASSERT_EQ(g.Compile(), 1);
    EXPECT_EQ(Result(g).dValue, -5.0);
    CParameterExpress3d uv(u"u+v");
    ASSERT_EQ(uv.Compile(), 1);
    EXPECT_EQ(Result(uv).dValue, 0.0);
}

TEST(ExpressObjects, StoredVariablesAreReadAtEveryEvaluation) {
    CParameterExpress2d t(u"time*2");
    ASSERT_EQ(t.Compile(), 1);
    for (double v : {0.5, -3.0, 100.0}) {
        t.m_t = v;
        double d = 0;
        ASSERT_TRUE(t.EvaluateNumber(d));
        EXPECT_EQ(d, v * 2);
    }
    CParameterExpress3d s(u"u-v");
    ASSERT_EQ(s.Compile(), 1);
    s.m_u = 3;
    s.m_v = 5;
    EXPECT_EQ(Result(s).dValue, -2.0);
}

TEST(ExpressObjects, CompileTimeValuesDecideTypeErrorsOnly) {
    // At x = -10 the division is by a number: the form compiles whatever
    // x is later.
    CFunctionExpress e(u"1/(x+10)", 0, 10);
    ASSERT_EQ(e.Compile(), 1);
    e.m_x = -10;
    EXPECT_EQ(Result(e).dValue, 1.0 / 2.2250738585072014e-308);
}
