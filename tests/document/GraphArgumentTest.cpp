#include <gtest/gtest.h>

#include <cmath>

#include "document/GraphArgument.h"

namespace {

struct ArgumentCase {
    const char16_t* argument;
    Dimension dimension;
    GraphArgumentError error;
    int32_t kind = 0;
    int32_t leftSide = 0;
    const char16_t* formula = u"";  // m_strFormula, or m_strX for a parametric graph
    double step = 0, tStart = 0, tEnd = 0, tStep = 0;
};

const double kNewTEnd = 8.1 * std::atan(1.0);
const double kTurn = 8 * std::atan(1.0);
constexpr auto P = DIM_PLANE;
constexpr auto S = DIM_SPACE;
constexpr auto OK = GraphArgumentError::None;

const ArgumentCase kArguments[] = {
    {u"y = x*x/4", P, OK, GK_EXPLICIT, LS_PLAIN, u"x*x/4", 0.2, 0, kNewTEnd, 0.1},
    {u"y*y = x; step 0.05", P, OK, GK_EXPLICIT, LS_SQUARED, u"x", 0.05, 0, kNewTEnd, 0.1},
    {u"sin(x)", P, OK, GK_EXPLICIT, LS_PLAIN, u"sin(x)", 0.2, 0, kNewTEnd, 0.1},
    {u"x*x+y*y-25", P, OK, GK_IMPLICIT, LS_PLAIN, u"x*x+y*y-25", 0.2, 0, kNewTEnd, 0.1},
    {u"x*x+y*y = 25", P, OK, GK_IMPLICIT, LS_PLAIN, u"x*x+y*y = 25", 0.2, 0, kNewTEnd, 0.1},
    {u"y = x*y + 1", P, OK, GK_IMPLICIT, LS_PLAIN, u"y = x*y + 1", 0.2, 0, kNewTEnd, 0.1},
    {u"r = 5*COS(3*t)", P, OK, GK_POLAR, LS_PLAIN, u"5*COS(3*t)", 0.2, 0, kTurn, 0.01},
    {u"r = t; t 0..20 step 0.05", P, OK, GK_POLAR, LS_PLAIN, u"t", 0.2, 0, 20, 0.05},
    {u"x = 7*cos(t); y = 4*sin(t); t -1..2", P, OK, GK_PARAMETRIC, LS_PLAIN, u"7*cos(t)", 0.2, -1, 2, 0.1},
    {u"z = x*y/10", S, OK, GK_EXPLICIT, LS_PLAIN, u"x*y/10", 0.2, 0, kNewTEnd, 0.1},
    {u"x*x+y*y+z*z = 64; step 0.5", S, OK, GK_IMPLICIT, LS_PLAIN, u"x*x+y*y+z*z = 64", 0.5, 0, kNewTEnd, 0.1},
    {u"x = u; y = v; z = u*v; u 0..1 step 0.1; v 0..2", S, OK, GK_PARAMETRIC, LS_PLAIN, u"u", 0.2, 0, 1, 0.1},
    {u"r = t", S, OK, GK_IMPLICIT, LS_PLAIN, u"r = t", 0.2, 0, kNewTEnd, 0.1},  // no polar graphs in space
    {u"\"a;b\" = x", P, OK, GK_IMPLICIT, LS_PLAIN, u"\"a;b\" = x", 0.2, 0, kNewTEnd, 0.1},
    {u"", P, GraphArgumentError::NoFormula},
    {u"step 0.1", P, GraphArgumentError::NoFormula},
    {u"x = y = 1", P, GraphArgumentError::TwoEquals},
    {u"y = x; step fine", P, GraphArgumentError::BadClause},
    {u"y = x; w 0..1", P, GraphArgumentError::BadClause},
    {u"x = t; z = t", P, GraphArgumentError::BadParametric},
    {u"x = u; y = v", S, GraphArgumentError::BadParametric},
};

TEST(GraphArgument, KindFormulaAndClauses) {
    for (const ArgumentCase& c : kArguments) {
        SCOPED_TRACE(std::string(c.argument, c.argument + std::char_traits<char16_t>::length(c.argument)));
        const GraphArgument argument = ParseGraphArgument(c.argument, c.dimension);
        ASSERT_EQ(argument.error, c.error);
        if (c.error != OK) continue;
        const CGraphDef& g = argument.graph;
        EXPECT_EQ(g.m_bShow, 1);
        EXPECT_EQ(g.m_nKind, c.kind);
        EXPECT_EQ(g.m_nLeftSide, c.leftSide);
        EXPECT_EQ(c.kind == GK_PARAMETRIC ? g.m_strX : g.m_strFormula, c.formula);
        EXPECT_EQ(g.m_dStep, c.step);
        EXPECT_EQ(g.m_dTStart, c.tStart);
        EXPECT_EQ(g.m_dTEnd, c.tEnd);
        EXPECT_EQ(g.m_dTStep, c.tStep);
    }
}

}  // namespace
