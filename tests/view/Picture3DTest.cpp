// The space picture on the recording surface: axes, letters, depth order,
// shading and the records it must leave out.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "document/CurvilinearscopeDoc.h"
#include "view/DepthOrder.h"
#include "view/PenTable3D.h"
#include "view/Picture3D.h"
#include "view/RecordingSurface.h"
#include "view/Rotation3D.h"
#include "view/SpaceWindow.h"
#include "view/ThinnedRecords.h"

namespace {

using Op = CRecordingSurface::Op;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Point {
    int x, y;
    friend bool operator==(const Point&, const Point&) = default;
};

std::vector<CRecordingSurface::Record> DrawLines(int range, double angle, const std::vector<SamplePoint>& graph = {},
                                                 CRecordingSurface* out = nullptr, const CSpaceWindow& window = {},
                                                 int stride = 1) {
    CRecordingSurface local;
    CRecordingSurface& dc = out ? *out : local;
    Scene3D scene;
    scene.range = range;
    scene.angle = angle;
    scene.window = window;
    scene.stride = stride;
    if (!graph.empty()) {
        scene.points[0] = graph.data();
        scene.counts[0] = graph.size();
    }
    CPicture3D picture;
    picture.DrawScene(dc, scene);
    return dc.Of(Op::Line);
}

bool HasStart(const std::vector<CRecordingSurface::Record>& lines, Point p) {
    return std::any_of(lines.begin(), lines.end(), [&](const auto& l) { return l.x1 == p.x && l.y1 == p.y; });
}
bool HasEnd(const std::vector<CRecordingSurface::Record>& lines, Point p) {
    return std::any_of(lines.begin(), lines.end(), [&](const auto& l) { return l.x2 == p.x && l.y2 == p.y; });
}

SamplePoint Segment(double x, double y, double z, int graph = 1) { return {x, y, z, x, y, z + 0.5, graph}; }

}  // namespace

TEST(Picture3D, AxisEndsAtAngleZero) {
    struct Case {
        int range;
        Point from, to;
    } cases[] = {
        {10, {-777, 550}, {813, -574}},  // x axis
        {10, {-777, -549}, {813, 575}},  // y axis
        {10, {0, -777}, {0, 813}},       // z axis
        {5, {-848, 600}, {919, -649}},   // x axis, range factor 2
        {20, {-742, 525}, {760, -537}},  // x axis, range factor 0.5
    };
    for (const Case& c : cases) {
        const auto lines = DrawLines(c.range, 0.0);
        EXPECT_TRUE(HasStart(lines, c.from)) << "R=" << c.range << " from " << c.from.x << "," << c.from.y;
        EXPECT_TRUE(HasEnd(lines, c.to)) << "R=" << c.range << " to " << c.to.x << "," << c.to.y;
    }
}

TEST(Picture3D, RecordCountIsAxesPlusShownRecords) {
    for (int range : {5, 10, 20}) {
        EXPECT_EQ(DrawLines(range, 0.0).size(), size_t(12 * range + 15)) << range;
        EXPECT_EQ(DrawLines(range, 0.0, {Segment(1, 1, 1)}).size(), size_t(12 * range + 16)) << range;
    }
}

TEST(Picture3D, LettersStandAtTheTurnedAnchors) {
    CRecordingSurface dc;
    dc.m_textColor = {9, 9, 9};
    DrawLines(10, 0.0, {}, &dc);
    const auto texts = dc.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    const struct {
        const char16_t* text;
        Point at;
    } expected[] = {{u"x", {848, -621}}, {u"y", {848, 578}}, {u"z", {21, 833}}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_EQ((Point{texts[i].x1, texts[i].y1}), expected[i].at) << i;
        EXPECT_EQ(texts[i].font, (SurfaceFont{100, 400}));
        EXPECT_EQ(texts[i].textColor, (SurfaceColor{0, 0, 0}));
    }
    EXPECT_EQ(dc.m_textColor, (SurfaceColor{9, 9, 9})) << "text colour restored";
    EXPECT_EQ(dc.m_font, SurfaceFont{}) << "font restored";
}

TEST(Picture3D, ShadingFollowsRankFarthestPalestNearestStrongest) {
    // At angle 0 depth grows with y - x and falls with z: the first record
    // lies behind everything, the second in front of everything.
    const std::vector<SamplePoint> graph = {Segment(-20, 20, -20, 2), Segment(20, -20, 20, 1)};
    const auto lines = DrawLines(10, 0.0, graph);
    ASSERT_EQ(lines.size(), size_t(12 * 10 + 17));
    EXPECT_EQ(lines.front().pen, (SurfacePen{1, {127, 255, 127}})) << "level 0 of the green family";
    EXPECT_EQ(lines.back().pen, (SurfacePen{16, {255, 0, 0}})) << "level 255 of the red family";
    for (size_t i = 1; i < lines.size(); ++i) ASSERT_LE(lines[i - 1].pen.width, lines[i].pen.width) << i;
}

TEST(Picture3D, EachRecordGetsTheLevelOfItsRank) {
    const auto lines = DrawLines(5, 0.0);  // 75 axis records
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        const int level = i * 256 / n;
        ASSERT_EQ(lines[i].pen, CPenTable3D::Shared().Pen(0, level)) << i;
    }
}

TEST(Picture3D, PenTableColoursAndWidths) {
    const struct {
        int family, level;
        SurfacePen pen;
    } cases[] = {
        {0, 0, {1, {127, 127, 127}}},  {0, 255, {16, {0, 0, 0}}},    {1, 0, {1, {255, 127, 127}}},
        {1, 16, {2, {255, 119, 119}}}, {2, 128, {9, {63, 255, 63}}}, {2, 15, {1, {120, 255, 120}}},
        {3, 255, {16, {0, 0, 255}}},   {3, 254, {16, {0, 0, 255}}},  {3, 253, {16, {1, 1, 255}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPenTable3D::Shared().Pen(c.family, c.level), c.pen) << c.family << "/" << c.level;
}

TEST(Picture3D, PreviousPenIsSelectedAgain) {
    CRecordingSurface dc;
    dc.m_pen = {3, {1, 2, 3}};
    DrawLines(10, 0.3, {Segment(0, 0, 0)}, &dc);
    EXPECT_EQ(dc.m_pen, (SurfacePen{3, {1, 2, 3}}));
}

TEST(Picture3D, NothingIsClippedToTheSquare) {
    // At 0.8 the x axis lies almost across the picture and runs past its edge.
    const auto lines = DrawLines(10, 0.8);
    int right = 0;
    for (const auto& l : lines) right = std::max({right, l.x1, l.x2});
    EXPECT_GT(right, 1140);
    EXPECT_LT(right, 1160);
}

TEST(Picture3D, AnglesAreTiltAndTurn) {
    // Whatever the document's angle, the scene is tilted by π/4 (the z axis
    // ends at the same height) and turned about z by the angle less π/4.
    const struct {
        double angle;
        Point xEnd, yEnd;
    } cases[] = {
        {0.5, {1103, -228}, {323, 780}},
        {2.0, {401, 762}, {-1077, 283}},
        {-1.0, {-244, -794}, {1123, -173}},
    };
    for (const auto& c : cases) {
        const auto lines = DrawLines(10, c.angle);
        EXPECT_TRUE(HasEnd(lines, c.xEnd)) << c.angle;
        EXPECT_TRUE(HasEnd(lines, c.yEnd)) << c.angle;
        EXPECT_TRUE(HasEnd(lines, {0, 813})) << c.angle;
    }
}

TEST(Picture3D, TheWindowScalesAboutTheCentreAndTiltsBetweenSideAndAbove) {
    // The z axis's top end: π/4 and scale 1 is the document's own picture;
    // zoomed in, the axis is cut where it leaves the square.
    const struct {
        double scale, tilt;
        Point zEnd;
    } cases[] = {
        {1.0, CSpaceWindow::HomeTilt(), {0, 813}},
        {1.0, 0.0, {0, 1150}},                         // from the side: upright, whole
        {0.5, CSpaceWindow::HomeTilt(), {0, 406}},     // about the centre
        {2.0, CSpaceWindow::HomeTilt(), {0, 1000}},    // cut at the edge
        {1.0, CSpaceWindow::kMaxTilt, {0, 0}},         // from above: towards the viewer
    };
    for (const auto& c : cases) {
        CSpaceWindow window;
        window.Set(c.scale, c.tilt);
        const auto lines = DrawLines(10, 0.0, {}, nullptr, window);
        int top = 0;
        for (const auto& l : lines)
            if (l.x1 == 0 && l.x2 == 0) top = std::max({top, l.y1, l.y2});
        EXPECT_EQ(top, c.zEnd.y) << c.scale << " " << c.tilt;
    }
}

TEST(Picture3D, ZoomedInEveryLineAndLetterStaysInTheSquare) {
    CSpaceWindow window;
    window.ZoomBy(8.0);
    CRecordingSurface dc;
    const std::vector<SamplePoint> graph = {Segment(-0.1, 0, 0), {-1e6, 0, 0, 1e6, 0, 0, 1}};  // one far past every edge
    const auto lines = DrawLines(10, 0.3, graph, &dc, window);
    ASSERT_FALSE(lines.empty());
    for (const auto& l : lines)
        for (int v : {l.x1, l.y1, l.x2, l.y2}) ASSERT_LE(std::abs(v), 1000);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& l) { return std::abs(l.x2) == 1000; }))
        << "the long segment reaches the edge";
    EXPECT_LT(lines.size(), size_t(12 * 10 + 17)) << "axis pieces wholly outside are left out";
    EXPECT_TRUE(dc.Of(Op::TextOut).empty()) << "the letters lie beyond the edge";
}

TEST(Picture3D, AThinnedFrameDrawsEveryKthRowAndAllAxes) {
    // A surface of 40 rows of 5 connected segments, and a curve of 100.
    std::vector<SamplePoint> surface, curve;
    for (int row = 0; row < 40; ++row)
        for (int i = 0; i < 5; ++i) surface.push_back({i * 0.1, row * 0.1, 0, (i + 1) * 0.1, row * 0.1, 0, 1});
    for (int i = 0; i < 100; ++i) curve.push_back({i * 0.1, 0, 1, (i + 1) * 0.1, 0, 1, 2});
    const size_t axes = 12 * 10 + 15;
    EXPECT_EQ(DrawLines(10, 0.0, surface, nullptr, {}, 4).size(), axes + 10 * 5);
    EXPECT_EQ(DrawLines(10, 0.0, curve, nullptr, {}, 4).size(), axes + 25);
    EXPECT_EQ(DrawLines(10, 0.0, surface, nullptr, {}, 1).size(), axes + 200);
    EXPECT_EQ(DrawLines(10, 0.0, surface, nullptr, {}, 20).size(), axes + 8 * 2) << "8 rows stay, every 4th record";

    // Records sampled anew into the same place are rows found anew.
    CThinnedRecords thinned;
    std::vector<RecordRun> runs;
    thinned.Select(0, surface.data(), uint32_t(surface.size()), 4, 0, runs);
    EXPECT_EQ(runs.size(), 10u);
    for (size_t k = 0; k < surface.size(); ++k) surface[k] = curve[k % curve.size()];
    surface[100].fromX = 77;  // two rows now
    runs.clear();
    thinned.Select(0, surface.data(), uint32_t(surface.size()), 4, 0, runs);
    EXPECT_EQ(runs.size(), size_t(surface.size() + 3) / 4) << "few rows: every 4th record";
}

TEST(Picture3D, RecordsThatCannotBeDrawnAreLeftOut) {
    const SamplePoint bad[] = {
        {kNaN, 0, 0, 1, 1, 1, 1},  {0, 0, 0, 1, kInf, 1, 1},
        {0, 0, -kInf, 1, 1, 1, 2}, {0, 0, 0, 1, 1, kNaN, 3},
        {0, 0, 0, 1, 1, 1e300, 1}, {0, 0, 0, 1, 1, 1, 4},
        {0, 0, 0, 1, 1, 1, -1},    {0, 0, 0, 1, 1, 1, std::numeric_limits<int32_t>::min()},
    };
    for (const SamplePoint& r : bad) {
        EXPECT_FALSE(IsDrawableRecord(r));
        // Between two good records, so the ranks around it would show a gap.
        const auto lines = DrawLines(10, 0.0, {Segment(1, 1, 1), r, Segment(2, 2, 2, 3)});
        EXPECT_EQ(lines.size(), size_t(12 * 10 + 15 + 2));
        EXPECT_EQ(lines.back().pen.width, 16) << "levels still span the full range";
    }
    EXPECT_TRUE(IsDrawableRecord({-1e6, 0, 0, 1e6, 0, 0, 0}));
}

TEST(Picture3D, ManyRecordsKeepTheirOrderWhenSomeAreLeftOut) {
    // Enough records for the keys and turns to be made in parts: every
    // fifth cannot be drawn, and the rest come out far to near, each once.
    std::vector<SamplePoint> graph;
    for (int k = 0; k < 100000; ++k) {
        SamplePoint r = Segment(0, k * 1e-4, k * 1e-5, 1 + k % 3);
        if (k % 5 == 4) r.z = kNaN;
        graph.push_back(r);
    }
    const auto lines = DrawLines(10, 0.0, graph);
    ASSERT_EQ(lines.size(), size_t(12 * 10 + 15 + 80000));
    // At angle 0 a record lies farther and further right as k grows, so the
    // records (the coloured lines; the axes are grey) go right to left.
    int previousX = std::numeric_limits<int>::max(), records = 0;
    for (const auto& l : lines) {
        const SurfaceColor c = l.pen.color;
        if (c.r == c.g && c.g == c.b) continue;
        ++records;
        EXPECT_LE(l.x1, previousX);
        previousX = l.x1;
    }
    EXPECT_EQ(records, 80000);
}

TEST(Picture3D, AngleThatIsNotANumberDrawsUnturned) {
    CRecordingSurface nan, zero;
    DrawLines(10, kNaN, {Segment(1, 2, 3)}, &nan);
    DrawLines(10, 0.0, {Segment(1, 2, 3)}, &zero);
    ASSERT_EQ(nan.m_records.size(), zero.m_records.size());
    for (size_t i = 0; i < nan.m_records.size(); ++i) {
        EXPECT_EQ(nan.m_records[i].x1, zero.m_records[i].x1);
        EXPECT_EQ(nan.m_records[i].y2, zero.m_records[i].y2);
    }
}

TEST(Picture3D, RangeNoDialogOffersDrawsAxesOfTen) {
    for (int range : {0, -5, 1001, std::numeric_limits<int32_t>::max()})
        EXPECT_EQ(DrawLines(range, 0.0).size(), size_t(12 * 10 + 15)) << range;
}

TEST(Rotation3D, UnitVectorsAtAngleZero) {
    const CRotation3D rotation(std::atan(1.0), 0.0, -std::atan(1.0));
    const struct {
        double in[3], out[3];
    } cases[] = {
        {{1, 0, 0}, {0.70710678, -0.5, -0.5}},
        {{0, 1, 0}, {0.70710678, 0.5, 0.5}},
        {{0, 0, 1}, {0, -0.70710678, 0.70710678}},
    };
    for (const auto& c : cases) {
        const RotatedPoint p = rotation.Rotate(c.in[0], c.in[1], c.in[2]);
        EXPECT_NEAR(p.x, c.out[0], 1e-8);
        EXPECT_NEAR(p.y, c.out[1], 1e-8);
        EXPECT_NEAR(p.z, c.out[2], 1e-8);
        EXPECT_DOUBLE_EQ(rotation.Depth(c.in[0], c.in[1], c.in[2]), p.y);
    }
}

TEST(DepthOrder, RecordsAreDrawnFarthestFirstWhateverTheirDepths) {
    // On the y axis at angle 0 a record's depth is half its y, and its start
    // is drawn at x = 70.7 y: the farther, the further right. Equal depths,
    // both zeros and the tiniest depth take their place like any other;
    // depths that are no numbers or too big are left out.
    const double depths[] = {kNaN, 1.0,    -1.0,   kInf,  -kInf, 0.0,    -0.0, kNaN,
                             1.0,  1e-300, 3.4e38, 1e300, 7.25,  -2.5e5, 2.5e5};
    std::vector<SamplePoint> graph;
    std::vector<int> expected;
    for (double d : depths) {
        graph.push_back({0, d, 0, 0, d - 1, 0, 1});
        if (std::fabs(d) <= 1e6) expected.push_back(static_cast<int>(d * std::sqrt(0.5) * 100 + 0.1));
    }
    graph.push_back({0, 2.0, 0, 0, kNaN, 0, 1});  // one end not a number
    std::vector<int> drawn;
    for (const auto& l : DrawLines(10, 0.0, graph))
        if (l.pen.color.r == 255 && l.pen.color.g != 255) drawn.push_back(l.x1);  // the red records, not the axes
    EXPECT_TRUE(std::is_sorted(drawn.rbegin(), drawn.rend())) << "farthest (rightmost) first";
    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(drawn, expected);
}

TEST(DepthOrder, KeysSortFarthestFirstTiesByIndex) {
    std::vector<uint64_t> keys = {DepthSortKey(-3.0, 0), DepthSortKey(5.0, 1),  DepthSortKey(0.5, 2),
                                  DepthSortKey(5.0, 3),  DepthSortKey(kNaN, 4), DepthSortKey(-0.25, 5)};
    SortFarthestFirst(keys);
    std::vector<uint32_t> order;
    for (uint64_t k : keys) order.push_back(DepthSortIndex(k));
    EXPECT_EQ(order, (std::vector<uint32_t>{4, 1, 3, 2, 5, 0}));
    EXPECT_TRUE(std::isnan(RecordDepth(kNaN, 1.0)));
    EXPECT_EQ(RecordDepth(-2.0, 1.5), 1.5);
}

TEST(DepthOrder, LongListsSortAsTheStandardSortDoes) {
    // Long lists go through buckets sorted at the same time; the order must
    // be the plain ascending one: lumps of equal depths, a wide spread of
    // magnitudes and signs, and the keys of depths that are not numbers.
    std::mt19937_64 random(11);
    std::normal_distribution<double> spread(0.0, 4.0);
    const double odd[] = {kNaN, kInf, -kInf, 0.0, -0.0, 1e-30, -1e30, 7.25};
    for (size_t n : {size_t(70000), size_t(300000)}) {
        std::vector<uint64_t> keys;
        for (uint32_t i = 0; i < n; ++i) {
            const uint64_t pick = random() % 100;
            const double depth = pick < 5 ? odd[pick % 8] : pick < 30 ? std::round(spread(random)) : spread(random);
            keys.push_back(DepthSortKey(depth, static_cast<uint32_t>(random())));
        }
        std::vector<uint64_t> expected = keys;
        std::sort(expected.begin(), expected.end());
        SortFarthestFirst(keys);
        EXPECT_EQ(keys, expected) << n << " keys";
    }
}

TEST(Picture3D, DocumentShowsOnlyShownSlotsWithPoints) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_nDimension = 1;
    doc.m_dAngle = 0.0;
    auto give = [](CGraphDef& g, int n, int show, int number) {
        g.m_pPoints = PointArray::Allocate(size_t(n));
        for (int i = 0; i < n; ++i) g.m_pPoints[i] = Segment(i, 0, 0, number);
        g.m_nPoints = n;
        g.m_bShow = show;
    };
    give(doc.m_graphs[0], 3, 1, 1);
    give(doc.m_graphs[1], 5, 0, 2);  // hidden: keeps its records, draws none
    give(doc.m_graphs[2], 2, 1, 3);
    doc.m_graphs[2].m_nPoints = -4;  // a count that cannot be walked
    CRecordingSurface dc;
    CPicture3D picture;
    picture.Draw(dc, doc);
    const auto lines = dc.Of(Op::Line);
    EXPECT_EQ(lines.size(), size_t(12 * 10 + 15 + 3));
    for (const auto& l : lines) EXPECT_NE(l.pen.color.g, 255) << "no line of the hidden green slot";
}
