#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestDocuments.h"
#include "document/WindowSampling.h"
#include "view/AxisTicks.h"
#include "view/Picture2D.h"
#include "view/Picture2DWindow.h"
#include "view/RecordingSurface.h"

using Op = CRecordingSurface::Op;

namespace {

std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

struct Grid {
    std::vector<int> vertical;         // x of each vertical line, in drawing order
    std::vector<std::string> xLabels;  // texts under the x axis
    std::vector<CRecordingSurface::Record> labels;
};

Grid DrawGrid(int range) {
    CCurvilinearscopeDoc doc;
    doc.m_nRange = range;
    CRecordingSurface dc;
    DrawAxes2D(dc, doc, false);
    Grid g;
    for (const auto& line : dc.Of(Op::Line))
        if (line.x1 == line.x2) g.vertical.push_back(line.x1);
    g.labels = dc.Of(Op::DrawText);
    for (size_t i = 0; i < g.labels.size(); i += 2) g.xLabels.push_back(Narrow(g.labels[i].text));
    return g;
}

std::vector<int> Steps(int from, int to, int by) {
    std::vector<int> v;
    for (int i = from; i <= to; i += by) v.push_back(i);
    return v;
}

std::vector<std::string> Texts(int from, int to, int by) {
    std::vector<std::string> v;
    for (int i = from; i <= to; i += by)
        if (i != 0) v.push_back(std::to_string(i));
    return v;
}

}  // namespace

TEST(DrawAxes2D, GridPositionsAndLabelsFollowTheRange) {
    // Negative positions are cut toward zero: trunc(-899.9) = -899.
    auto cut = [](std::vector<int> v) {
        for (int& p : v) p += p < 0;
        return v;
    };
    std::vector<int> every100 = cut(Steps(-1000, 1000, 100));
    std::vector<int> every200 = cut(Steps(-1000, 1000, 200));
    struct Case {
        int range;
        std::vector<int> lines;
        std::vector<std::string> labels;
    } cases[] = {
        {5, every200, Texts(-5, 5, 1)},
        {10, every100, Texts(-10, 10, 1)},
        {20, every100, Texts(-20, 20, 2)},
        {7, every100, Texts(-10, 10, 1)},  // a range only a file can hold: drawn as 10
    };
    for (const Case& c : cases) {
        Grid g = DrawGrid(c.range);
        EXPECT_EQ(g.vertical, c.lines) << "R=" << c.range;
        EXPECT_EQ(g.xLabels, c.labels) << "R=" << c.range;
    }
}

TEST(DrawAxes2D, LinesSpanTheSquareAndOnlyTheAxesUseTheDarkPen) {
    CCurvilinearscopeDoc doc;
    CRecordingSurface dc;
    DrawAxes2D(dc, doc, false);
    auto lines = dc.Of(Op::Line);
    ASSERT_EQ(lines.size(), 42u);
    for (const auto& l : lines) {
        bool vertical = l.x1 == l.x2;
        int pos = vertical ? l.x1 : l.y1;
        EXPECT_EQ(vertical ? l.y1 : l.x1, -999);
        EXPECT_EQ(vertical ? l.y2 : l.x2, 1000);
        SurfaceColor expected = pos == 0 ? SurfaceColor{16, 16, 16} : SurfaceColor{192, 192, 192};
        EXPECT_EQ(l.pen, (SurfacePen{1, expected})) << pos;
    }
}

TEST(DrawAxes2D, PrintedGridIsDarker) {
    CCurvilinearscopeDoc doc;
    CRecordingSurface dc;
    DrawAxes2D(dc, doc, true);
    std::set<int> greys;
    for (const auto& l : dc.Of(Op::Line)) greys.insert(l.pen.color.r);
    EXPECT_EQ(greys, (std::set<int>{16, 144}));
}

TEST(DrawAxes2D, LabelBoxesSitUnderAndBesideTheAxes) {
    Grid g = DrawGrid(10);
    ASSERT_EQ(g.labels.size(), 40u);
    // e = 3: under the x axis and right of the y axis.
    const auto& under = g.labels[2 * 12];
    EXPECT_EQ(Narrow(under.text), "3");
    EXPECT_EQ((std::vector<int>{under.x1, under.y1, under.x2, under.y2}), (std::vector<int>{260, -19, 340, -79}));
    EXPECT_EQ(under.format, unsigned(TF_SINGLELINE | TF_CENTER | TF_VCENTER));
    const auto& beside = g.labels[2 * 12 + 1];
    EXPECT_EQ((std::vector<int>{beside.x1, beside.y1, beside.x2, beside.y2}), (std::vector<int>{30, 330, 120, 260}));
    EXPECT_EQ(beside.format, unsigned(TF_SINGLELINE | TF_VCENTER));
    // e = -10: the edges are cut toward zero.
    const auto& first = g.labels[0];
    EXPECT_EQ((std::vector<int>{first.x1, first.x2}), (std::vector<int>{-1039, -959}));
    for (const auto& l : g.labels) {
        EXPECT_EQ(l.bkMode, SurfaceBkMode::Transparent);
        EXPECT_EQ(l.font, (SurfaceFont{50, 400}));
        EXPECT_EQ(l.textColor, (SurfaceColor{0, 0, 0}));
    }
}

TEST(DrawAxes2D, RestoresEverythingItChanged) {
    CCurvilinearscopeDoc doc;
    CRecordingSurface dc;
    dc.m_pen = {3, {1, 2, 3}};
    dc.m_font = {33, 700};
    dc.m_textColor = {9, 9, 9};
    DrawAxes2D(dc, doc, false);
    EXPECT_EQ(dc.m_pen, (SurfacePen{3, {1, 2, 3}}));
    EXPECT_EQ(dc.m_font, (SurfaceFont{33, 700}));
    EXPECT_EQ(dc.m_textColor, (SurfaceColor{9, 9, 9}));
    EXPECT_EQ(dc.m_bkMode, SurfaceBkMode::Opaque);
}

TEST(DrawAxes2D, LabelsKeepTheCurrentFontWhenTheLabelFontCannotBeMade) {
    CCurvilinearscopeDoc doc;
    CRecordingSurface dc;
    dc.m_font = {33, 400};
    dc.m_refusedFontHeights = {50};
    DrawAxes2D(dc, doc, false);
    EXPECT_TRUE(dc.Of(Op::Font).empty());
    auto labels = dc.Of(Op::DrawText);
    ASSERT_EQ(labels.size(), 40u);
    EXPECT_EQ(labels[0].font, (SurfaceFont{33, 400}));
    EXPECT_EQ(dc.Of(Op::Line).size(), 42u);
}

TEST(DrawGraphs2D, SegmentsOutsideTheSquareOrNotANumberAreLeftOutWhole) {
    struct Case {
        const char* name;
        int range;
        Segment segment;
        bool drawn;
    } cases[] = {
        {"inside", 10, {1, 2, 3, 4}, true},
        {"end exactly at 10", 10, {0, 0, 10, 10}, true},
        {"start exactly at -10", 10, {-10, -10, 0, 0}, true},
        {"end at 10.5", 10, {0, 0, 10.5, 0}, false},
        {"start below -10", 10, {0, -10.01, 0, 0}, false},
        {"NaN x", 10, {kNaN, 0, 1, 1}, false},
        {"NaN y", 10, {0, 0, 1, kNaN}, false},
        {"R=5 scales by 2: 5 is the edge", 5, {0, 0, 5, 5}, true},
        {"R=5: 5.5 is outside", 5, {0, 0, 5.5, 0}, false},
        {"R=20: 20 is the edge", 20, {0, 0, 20, -20}, true},
        {"R=20: 10.5 is inside", 20, {0, 0, 10.5, 0}, true},
    };
    for (const Case& c : cases) {
        CCurvilinearscopeDoc doc;
        doc.m_nRange = c.range;
        SetSegments(doc, 1, {c.segment});
        CRecordingSurface dc;
        DrawGraphs2D(dc, doc);
        EXPECT_EQ(dc.Of(Op::Line).size(), c.drawn ? 1u : 0u) << c.name;
    }
}

TEST(DrawGraphs2D, SegmentsLandOnLogicalUnitsInSlotColoursWithWidePens) {
    CCurvilinearscopeDoc doc;
    SetSegments(doc, 1, {{-10, -10, 10, 10}});
    SetSegments(doc, 3, {{0.5, -0.5, 2.25, 0}});
    CRecordingSurface dc;
    DrawGraphs2D(dc, doc);
    auto lines = dc.Of(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((std::vector<int>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::vector<int>{-999, -999, 1000, 1000}));
    EXPECT_EQ(lines[0].pen, (SurfacePen{10, {255, 0, 0}}));
    EXPECT_EQ((std::vector<int>{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
              (std::vector<int>{50, -49, 225, 0}));
    EXPECT_EQ(lines[1].pen, (SurfacePen{10, {0, 0, 255}}));
    EXPECT_EQ(dc.m_pen, SurfacePen{});
}

TEST(DrawGraphs2D, HiddenSlotsAndMissingArraysDrawNothing) {
    CCurvilinearscopeDoc doc;
    SetSegments(doc, 1, {{0, 0, 1, 1}});
    doc.m_graphs[0].m_bShow = 0;
    doc.m_graphs[1].m_bShow = 1;
    doc.m_graphs[1].m_nPoints = 5;  // a count without an array, as after loading a hidden slot
    CRecordingSurface dc;
    DrawGraphs2D(dc, doc);
    EXPECT_TRUE(dc.Of(Op::Line).empty());
}

namespace {
// A zoomed window's drawing: the logical coordinates of each curve line.
std::vector<CRecordingSurface::Record> WindowLines(const CCurvilinearscopeDoc& doc, const PlaneBounds& window,
                                                   const WindowRecords* records = nullptr) {
    CRecordingSurface dc;
    DrawGraphs2DWindow(dc, doc, window, records);
    return dc.Of(Op::Line);
}
}  // namespace

TEST(DrawGraphs2DWindow, SegmentsLeavingTheSquareAreCutAtItsEdge) {
    const PlaneBounds window{-5, 5, -5, 5};
    struct Case {
        const char* name;
        Segment segment;
        std::vector<int> drawn;  // x1, y1, x2, y2 in logical units; empty: left out
    } cases[] = {
        {"inside", {1, 2, 3, 4}, {200, 400, 600, 800}},
        {"out through the corner", {0, 0, 8, 8}, {0, 0, 1000, 1000}},
        {"across, both ends outside", {-8, -1, 8, 1}, {-999, -124, 1000, 125}},
        {"in from the top", {2, 9, 2, 4}, {400, 1000, 400, 800}},
        {"wholly outside", {6, 0, 9, 3}, {}},
        {"an infinite end", {0, 0, 1, std::numeric_limits<double>::infinity()}, {}},
        {"not a number", {kNaN, 0, 1, 1}, {}},
    };
    for (const Case& c : cases) {
        CCurvilinearscopeDoc doc;
        SetSegments(doc, 1, {c.segment});
        const auto lines = WindowLines(doc, window);
        std::vector<int> drawn;
        for (const auto& l : lines) drawn = {l.x1, l.y1, l.x2, l.y2};
        EXPECT_EQ(drawn, c.drawn) << c.name;
    }
}

// One sample per pixel column for the window: 5*sin(x) zoomed to a sliver of
// one hump is drawn within half a pixel of the true curve everywhere, ends
// and middles of its segments alike. The stored records (a sample every 0.2)
// would stray by several pixels.
TEST(DrawGraphs2DWindow, AZoomedSineIsDrawnFromItsOwnSamplesWithinHalfAPixel) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_strFormula = u"5*sin(x)";
    doc.Sample2D();
    const PlaneBounds window{1.2, 1.9, 4.6, 5.05};  // the curve comes in left and goes out right
    constexpr int kSide = 180;  // the square of a 200-pixel picture
    const std::optional<WindowRecords> records = SamplePlaneWindow(MakeWindowRequest(doc, window, kSide, kSide));
    ASSERT_TRUE(records && records->sampled[0]);
    // A formula that no longer compiles keeps its stored records in view.
    doc.m_graphs[1].m_bShow = 1;
    doc.m_graphs[1].m_strFormula = u"5*";
    EXPECT_FALSE(SamplePlaneWindow(MakeWindowRequest(doc, window, kSide, kSide))->sampled[1]);
    doc.m_graphs[1].m_bShow = 0;
    const auto lines = WindowLines(doc, window, &*records);
    ASSERT_GE(lines.size(), size_t(kSide));  // a pixel's column apiece
    const double logicalPerPixel = 2000.0 / kSide;
    double worst = 0;
    bool reachesLeft = false, reachesRight = false;
    for (const auto& l : lines) {
        for (double t : {0.0, 0.5, 1.0}) {
            const double lx = l.x1 + t * (l.x2 - l.x1), ly = l.y1 + t * (l.y2 - l.y1);
            const double x = (window.xMin + window.xMax) / 2 + lx / 2000.0 * window.Width();
            const double trueY = (5 * std::sin(x) - (window.yMin + window.yMax) / 2) / window.Height() * 2000.0;
            // In logical units: the distance is taken across the curve.
            const double slope = 5 * std::cos(x) * window.Width() / window.Height();
            worst = std::max(worst, std::abs(ly - trueY) / std::sqrt(1 + slope * slope) / logicalPerPixel);
        }
        reachesLeft |= std::min(l.x1, l.x2) == -999;  // -10 scaled, cut toward zero
        reachesRight |= std::max(l.x1, l.x2) == 1000;
    }
    EXPECT_LT(worst, 0.5) << "pixels off the curve";
    EXPECT_TRUE(reachesLeft && reachesRight) << "the curve reaches both sides of the frame";
}

// 1, 2 or 5 × 10^n, each label clear of the next.
TEST(ChooseTicks, StepsOfOneTwoFiveWhoseLabelsNeverOverlap) {
    const TickSpacing spacing{100, 28, 16, 50};
    struct Case {
        double lo, hi;
        double step;
        int decimals;
    } cases[] = {
        {-10, 10, 1, 0},       {0, 3.2, 0.2, 1},  {-100, 100, 20, 0},
        {1.5, 1.51, 0.001, 3}, {-200, 0, 20, 0},  {1234.5, 1234.50002, 0.000005, 6},
    };
    for (const Case& c : cases) {
        const double logicalPerUnit = 2000 / (c.hi - c.lo);
        const AxisTicks ticks = ChooseTicks(c.lo, c.hi, logicalPerUnit, spacing);
        EXPECT_NEAR(ticks.step, c.step, c.step * 1e-9) << c.lo << ".." << c.hi;
        EXPECT_EQ(ticks.decimals, c.decimals) << c.lo << ".." << c.hi;
        for (long long k = ticks.first; k <= ticks.last; ++k)
            EXPECT_LE(TickLabel(k, ticks).size() * spacing.charWidth + spacing.labelGap, ticks.step * logicalPerUnit)
                << Narrow(TickLabel(k, ticks));
    }
}
