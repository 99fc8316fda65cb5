#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numbers>
#include <vector>

#include "analysis/PointsOfInterest.h"
#include "document/CurvilinearscopeDoc.h"

namespace {
long g_allocations = 0;  // blocks this program has asked for
}  // namespace

void* operator new(size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {  // std::stable_sort's buffer
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

constexpr double kPi = std::numbers::pi;

// The points of a plane document of range R whose slots show the formulas
// (y = f(x), or y*y = f(x) when `squared`).
std::vector<PointOfInterest> Points(int32_t range, std::initializer_list<const char16_t*> formulas,
                                    bool squared = false) {
    CCurvilinearscopeDoc doc;
    int k = 0;
    for (const char16_t* formula : formulas) {
        CGraphDef& g = doc.m_graphs[k++];
        g.m_bShow = 1;
        g.m_strFormula = formula;
        g.m_nLeftSide = squared ? LS_SQUARED : LS_PLAIN;
    }
    return FindPointsOfInterest(doc.m_graphs, range, RangeWindow(range));
}

// The x of a root is the double where the function is 0 or changes sign
// towards a neighbour: the expected value itself or a neighbouring double.
bool SameOrNeighbour(double x, double expected) { return x == expected || std::nextafter(expected, x) == x; }

}  // namespace

// Every kind of point of one graph, wherever the scan's samples fall: the
// roots to the last bit, extrema to 1e-7 and their values to full precision,
// nothing at a pole, nothing at the window's ends.
TEST(PointsOfInterest, RootsExtremaAndTheYAxisOfOneGraph) {
    struct Expected {
        PointKind kind;
        double x, y;
    };
    const double root3 = 1.7320508075688772;
    struct Case {
        int32_t range;
        const char16_t* formula;
        bool squared;
        std::vector<Expected> points;  // sorted by kind, then x
    } cases[] = {
        {5,
         u"x^3-3*x",
         false,
         {{PointKind::Root, -root3, 0},
          {PointKind::Root, 0, 0},
          {PointKind::Root, root3, 0},
          {PointKind::Minimum, 1, -2},
          {PointKind::Maximum, -1, 2},
          {PointKind::YIntercept, 0, 0}}},
        {5,
         u"TAN(x)",
         false,
         {{PointKind::Root, -kPi, 0},
          {PointKind::Root, 0, 0},
          {PointKind::Root, kPi, 0},
          {PointKind::YIntercept, 0, 0}}},
        {5,
         u"5*SIN(x)",
         false,
         {{PointKind::Root, -kPi, 0},
          {PointKind::Root, 0, 0},
          {PointKind::Root, kPi, 0},
          {PointKind::Minimum, -kPi / 2, -5},
          {PointKind::Minimum, 3 * kPi / 2, -5},
          {PointKind::Maximum, -3 * kPi / 2, 5},
          {PointKind::Maximum, kPi / 2, 5},
          {PointKind::YIntercept, 0, 0}}},
        // A sample lands on the pole (x = 0.5): a change of sign across it is
        // no root either.
        {5, u"1/(x-0.5)", false, {{PointKind::YIntercept, 0, -2}}},
        // A jump across 0 between samples is no root, and its steps no extrema.
        {3, u"ABS(x-0.1)/(x-0.1)", false, {{PointKind::YIntercept, 0, -1}}},
        {3,
         u"-(x-0.3)^2+1",
         false,
         {{PointKind::Root, -0.7, 0},
          {PointKind::Root, 1.3, 0},
          {PointKind::Maximum, 0.3, 1},
          {PointKind::YIntercept, 0, 0.91}}},
        // A circle: it meets y = 0 at ±2; its halves peak at (0, ±2), where
        // they cross the y axis too.
        {5,
         u"4-x*x",
         true,
         {{PointKind::Root, -2, 0},
          {PointKind::Root, 2, 0},
          {PointKind::Minimum, 0, -2},
          {PointKind::Maximum, 0, 2},
          {PointKind::YIntercept, 0, -2},
          {PointKind::YIntercept, 0, 2}}},
        // A constant has no root, extremum or intersection, only its value at 0.
        {5, u"0", false, {{PointKind::YIntercept, 0, 0}}},
    };
    for (const Case& c : cases) {
        const std::vector<PointOfInterest> points = Points(c.range, {c.formula}, c.squared);
        const std::string name(c.formula, c.formula + std::char_traits<char16_t>::length(c.formula));
        ASSERT_EQ(points.size(), c.points.size()) << name;
        for (size_t k = 0; k < points.size(); ++k) {
            const PointOfInterest& p = points[k];
            const Expected& e = c.points[k];
            EXPECT_EQ(p.kind, e.kind) << name << " #" << k;
            EXPECT_EQ(p.slot, 1) << name;
            if (p.kind == PointKind::Root) {
                EXPECT_TRUE(SameOrNeighbour(p.x, e.x) || std::fabs(p.x - e.x) < 1e-15) << name << " " << p.x;
            } else {
                EXPECT_NEAR(p.x, e.x, 1e-7 * std::max(1.0, std::fabs(e.x))) << name << " #" << k;
            }
            const bool extremum = p.kind == PointKind::Minimum || p.kind == PointKind::Maximum;
            if (extremum) {
                EXPECT_EQ(p.y, e.y) << name << " #" << k;  // the extreme value itself, not one a rounding off
            } else {
                EXPECT_NEAR(p.y, e.y, 1e-14) << name << " #" << k;
            }
        }
    }
}

// Only what the window shows: no extremum at its ends or beyond, no point
// above or below it.
TEST(PointsOfInterest, TheWindowBoundsThePoints) {
    struct Case {
        AnalysisWindow window;
        std::vector<PointKind> kinds;
    } cases[] = {
        {{-1, 3, -5, 5}, {PointKind::Root, PointKind::Root, PointKind::Minimum, PointKind::YIntercept}},
        {{-1.5, 0.999, -5, 5}, {PointKind::Root, PointKind::Maximum, PointKind::YIntercept}},
        {{-5, 5, -1, 1}, {PointKind::Root, PointKind::Root, PointKind::Root, PointKind::YIntercept}},
        {{0.5, 5, -5, 5}, {PointKind::Root, PointKind::Minimum}},
        {{5, -5, -5, 5}, {}},
        // Samples half a pixel and a third of a pixel off the points: each still once.
        {{-5.005, 4.995, -5, 5},
         {PointKind::Root, PointKind::Root, PointKind::Root, PointKind::Minimum, PointKind::Maximum,
          PointKind::YIntercept}},
        {{-4.99666, 5.00333, -5, 5},
         {PointKind::Root, PointKind::Root, PointKind::Root, PointKind::Minimum, PointKind::Maximum,
          PointKind::YIntercept}},
    };
    CGraphDef graphs[1];
    graphs[0].m_bShow = 1;
    graphs[0].m_strFormula = u"x^3-3*x";
    for (const Case& c : cases) {
        std::vector<PointKind> kinds;
        for (const PointOfInterest& p : FindPointsOfInterest(graphs, 5, c.window)) kinds.push_back(p.kind);
        EXPECT_EQ(kinds, c.kinds) << c.window.xMin << ".." << c.window.xMax;
    }
}

// Each crossing of two graphs once, none missed, both graphs equal there to
// the last bits; graphs that coincide have no single intersection.
TEST(PointsOfInterest, IntersectionsOfEachPairOfGraphs) {
    const auto f = [](double x) { return x * x / 4 - 6; };
    const auto g = [](double x) { return 5 * std::sin(x); };
    int crossings = 0;  // counted by a scan a thousand times finer
    constexpr int kFine = 1000000;
    for (int i = 0; i < kFine; ++i) {
        const double a = -10 + 20.0 * i / kFine, b = -10 + 20.0 * (i + 1) / kFine;
        crossings += (f(a) - g(a) > 0) != (f(b) - g(b) > 0);
    }
    std::vector<PointOfInterest> ofOneAndTwo;
    int ofThreeAndTwo = 0;
    for (const PointOfInterest& p : Points(10, {u"x*x/4-6", u"5*SIN(x)", u"x*x/4-6"})) {
        if (p.kind != PointKind::Intersection) continue;
        EXPECT_NE(p.slot * 10 + p.otherSlot, 13) << p.x;  // slots 1 and 3 coincide everywhere
        if (p.slot == 1 && p.otherSlot == 2) ofOneAndTwo.push_back(p);
        ofThreeAndTwo += p.slot == 2 && p.otherSlot == 3;
    }
    EXPECT_EQ(ofOneAndTwo.size(), size_t(crossings));
    EXPECT_EQ(ofThreeAndTwo, crossings);  // slot 3 meets slot 2 where slot 1 does
    for (const PointOfInterest& p : ofOneAndTwo) {
        const double scale = std::max({1.0, std::fabs(f(p.x)), std::fabs(g(p.x))});
        EXPECT_LE(std::fabs(f(p.x) - g(p.x)), 1e-12 * scale) << p.x;
        EXPECT_EQ(p.y, f(p.x)) << p.x;
    }
}

// The scan evaluates the formulas without allocating: a window of eight
// times the pixels asks for no more blocks.
TEST(PointsOfInterest, EvaluatingAllocatesNothing) {
    CGraphDef graphs[3];
    const char16_t* formulas[] = {u"x^3-3*x", u"TAN(x)", u"5*SIN(x)"};
    for (int k = 0; k < 3; ++k) {
        graphs[k].m_bShow = 1;
        graphs[k].m_strFormula = formulas[k];
    }
    long blocks[2] = {};
    size_t found[2] = {};
    for (int fine : {0, 1}) {
        const long before = g_allocations;
        found[fine] = FindPointsOfInterest(graphs, 5, {-5, 5, -5, 5, fine ? 8 * kScanPixels : kScanPixels}).size();
        blocks[fine] = g_allocations - before;
    }
    EXPECT_EQ(found[0], found[1]);  // the same points, so the same list to grow
    EXPECT_EQ(blocks[0], blocks[1]);
}
