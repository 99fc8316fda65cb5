#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>

#include "SamplingReference.h"
#include "SanitizerBuild.h"
#include "document/Continuity.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"
#include "document/WindowSampling.h"
#include "document/sampling/SampleCapacity.h"

namespace {

// A document whose slot 1 alone is shown, with the given formula.
struct OneSlot {
    CCurvilinearscopeDoc doc;
    CGraphDef& g = doc.m_graphs[0];
    OneSlot(int32_t range, const char16_t* formula, double step = 0.2, int32_t leftSide = 0) {
        doc.m_nRange = range;
        g.m_bShow = 1;
        g.m_strFormula = formula;
        g.m_dStep = step;
        g.m_nLeftSide = leftSide;
    }
    const SamplePoint& operator[](int k) const { return g.m_pPoints[k]; }
};

TEST(SampleCapacity, ComesOutOfTheDoubleQuotientTruncated) {
    CGraphDef def;
    EXPECT_EQ(PlaneExplicitCapacity(10, 0.2, 0), 111);  // 111.99999999999999
    EXPECT_EQ(PlaneExplicitCapacity(10, 0.2, 1), 222);
    EXPECT_EQ(SpaceExplicitCapacity(10, 0.2, 0), 12543);
    EXPECT_EQ(SpaceExplicitCapacity(20, 0.01, 0), 17656804);
    EXPECT_EQ(PlaneParametricCapacity(def), 64);
    EXPECT_EQ(SpaceParametricCapacity(def), 1179);
}

TEST(SampleCapacity, NeverWrapsAndNeverGoesNegative) {
    for (double step : {0.0, 1e-9, -0.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(PlaneExplicitCapacity(10, step, 0), std::bad_alloc) << step;
        EXPECT_THROW(SpaceExplicitCapacity(10, step, 1), std::bad_alloc) << step;
    }
    EXPECT_GT(SpaceExplicitCapacity(20, 0.001, 0), 1700000000);  // fits; doubled it does not
    EXPECT_THROW(SpaceExplicitCapacity(20, 0.001, 1), std::bad_alloc);
    EXPECT_THROW(SpaceExplicitCapacity(20, 0.0009, 0), std::bad_alloc);
    EXPECT_EQ(PlaneExplicitCapacity(10, -0.2, 0), 0);
    CGraphDef reversed;
    reversed.m_dTStart = 10;
    reversed.m_dTEnd = 0;
    EXPECT_EQ(PlaneParametricCapacity(reversed), 0);
    EXPECT_EQ(CheckedCapacity(2147483647.0), 2147483647);
    EXPECT_THROW(CheckedCapacity(2147483648.0), std::bad_alloc);
}

TEST(Sample2D, ExplicitLineWalksTheAccumulatedX) {
    OneSlot s(10, u"x");
    s.doc.Sample2D();
    ASSERT_EQ(s.g.m_nPoints, 101);
    EXPECT_EQ(s[0].x, -10.0);
    EXPECT_EQ(s[100].x, 9.999999999999995);
    EXPECT_EQ(s[0].fromX, s[0].x);
    EXPECT_EQ(s[1].fromX, s[0].x);
    EXPECT_EQ(s[100].fromY, s[99].y);
}

TEST(Sample2D, RangeFiveStopsAtTheFiftiethSample) {
    OneSlot s(5, u"x");
    s.doc.Sample2D();
    ASSERT_EQ(s.g.m_nPoints, 50);
    EXPECT_EQ(s[49].x, 4.800000000000004);
}

TEST(Sample2D, ParabolaKeepsTheRunAroundZero) {
    OneSlot s(10, u"x*x");
    s.doc.Sample2D();
    ASSERT_GT(s.g.m_nPoints, 10);
    EXPECT_EQ(s[0].fromX, s[0].x);  // the first record begins a piece
    for (int k = 0; k < s.g.m_nPoints; ++k) {
        EXPECT_LE(s[k].y, 10.0);
        EXPECT_LE(std::fabs(s[k].x), 3.2);
        if (k > 0) {
            EXPECT_EQ(s[k].fromX, s[k - 1].x);
        }
    }
}

TEST(Sample2D, SquaredLeftSideMirrorsTheUpperBranch) {
    OneSlot s(10, u"x", 0.2, 1);
    s.g.m_strFormula = u"x+0.005";  // -0.005 at x = -0.01..: becomes 0
    s.doc.Sample2D();
    const int n = s.g.m_nPoints;
    ASSERT_EQ(n % 2, 0);
    const int half = n / 2;
    for (int k = 0; k < half; ++k) {
        EXPECT_GE(s[k].x + 0.005, -0.01);
        EXPECT_GE(s[k].y, 0.0);
        EXPECT_EQ(s[half + k].x, s[k].x);
        EXPECT_EQ(s[half + k].fromX, s[k].fromX);
        EXPECT_EQ(s[half + k].y, -s[k].y);
        EXPECT_EQ(s[half + k].fromY, -s[k].fromY);
    }
    // y*y = x from x = 0 (accumulated near 0) to 10, while sqrt(x) <= 10.
    EXPECT_EQ(s[half - 1].y, std::pow(s[half - 1].x + 0.005, 0.5));
}

TEST(Sample2D, SquaredThresholdTurnsSmallNegativesIntoZero) {
    struct Case {
        const char16_t* formula;
        int32_t dimension;
        bool stored;
    };
    const Case cases[] = {
        {u"-0.005", 0, true},
        {u"-0.015", 0, false},
        {u"-0.015", 1, true},
        {u"-0.025", 1, false},
    };
    for (const Case& c : cases) {
        OneSlot s(10, c.formula, 0.5, 1);
        s.doc.m_nDimension = c.dimension;
        c.dimension ? s.doc.Sample3D() : s.doc.Sample2D();
        EXPECT_EQ(s.g.m_nPoints > 0, c.stored) << c.dimension;
        if (s.g.m_nPoints > 0) {
            EXPECT_EQ(c.dimension ? s[0].z : s[0].y, 0.0);
        }
    }
}

TEST(Sample2D, NaNIsStoredAndInfinityDropped) {
    OneSlot s(10, u"LN(x)", 0.5);
    s.doc.Sample2D();
    // x = -10, -9.5, ..., 0 exactly (ln 0 = -inf, dropped), ..., 10.
    int nan = 0;
    for (int k = 0; k < s.g.m_nPoints; ++k) {
        if (std::isnan(s[k].y)) {
            ++nan;
            EXPECT_LT(s[k].x, 0.0);
        }
        EXPECT_NE(s[k].x, 0.0);
    }
    EXPECT_EQ(nan, 20);
    EXPECT_EQ(s.g.m_nPoints, 40);
}

// Whether a pole or a jump of a formula lies in (a, b] on the row at `row`.
using JumpIn = bool (*)(double a, double b, double row);

// A pole or jump at p + k * period for every integer k.
bool Crosses(double a, double b, double p, double period) {
    return std::floor((a - p) / period) != std::floor((b - p) / period);
}
bool AtZero(double a, double b, double) { return a < 0.0 && 0.0 <= b; }

// How the pieces of a slot meet the jumps of its formula, walking the
// records along x: `joined` continuing records drawn across a jump, and
// `unexplained` pieces begun where neither a jump lies nor a sample was left
// out (the next x is more than a step on).
struct PieceCount {
    int pieces = 0;
    int joined = 0;
    int unexplained = 0;
};

PieceCount CountPieces(const SamplePoint* points, int32_t n, double step, JumpIn jumpIn, bool space = false) {
    PieceCount count;
    for (int k = 0; k < n; ++k) {
        const SamplePoint& p = points[k];
        const double row = space ? p.y : 0.0;
        const bool begins = p.fromX == p.x && p.fromY == p.y && p.fromZ == p.z;
        if (!begins) {
            count.joined += jumpIn(p.fromX, p.x, row);
            continue;
        }
        ++count.pieces;
        const SamplePoint* before = k > 0 ? &points[k - 1] : nullptr;
        if (before && (!space || before->y == p.y) && p.x - before->x < 1.5 * step && !jumpIn(before->x, p.x, row)) {
            ++count.unexplained;
        }
    }
    return count;
}
PieceCount CountPieces(const CGraphDef& g, double step, JumpIn jumpIn, bool space = false) {
    return CountPieces(&g.m_pPoints[0], g.m_nPoints, step, jumpIn, space);
}

// A zoomed window about the origin, sampled for 180 pixels: the same
// continuity test at one of its pixels.
constexpr PlaneBounds kZoomed{-1.3, 2.7, -3.0, 3.0};
constexpr int kZoomedSide = 180;

TEST(Sample2D, CurvesBreakAtPolesAndJumpsAndNowhereElse) {
    struct Case {
        const char16_t* formula;
        int32_t range;
        JumpIn jumpIn;
        int pieces;  // 0: as the jumps and the range make them
    };
    const Case cases[] = {
        {u"TAN(2*x)", 10, [](double a, double b, double) { return Crosses(a, b, M_PI / 4, M_PI / 2); }, 0},
        {u"TAN(x)", 20, [](double a, double b, double) { return Crosses(a, b, M_PI / 2, M_PI); }, 0},
        {u"1/SIN(x)", 20, [](double a, double b, double) { return Crosses(a, b, 0.0, M_PI); }, 0},
        {u"1/(x-0.1)", 20, [](double a, double b, double) { return a < 0.1 && 0.1 <= b; }, 0},
        {u"5*ABS(x)/x", 10, AtZero, 2},
        {u"FLOOR(x)", 5, [](double a, double b, double) { return Crosses(a, b, 0.0, 1.0); }, 10},
        {u"CEIL(x)", 5, [](double a, double b, double) { return std::ceil(a) != std::ceil(b); }, 11},
        {u"ROUND(x)", 5, [](double a, double b, double) { return Crosses(a, b, 0.5, 1.0); }, 11},
        {u"3*SIGN(x)", 5, AtZero, 2},
        {u"10*TANH(50*x)", 10, [](double, double, double) { return false; }, 1},
        {u"x*x/4-6", 10, [](double, double, double) { return false; }, 1},
        {u"5*SIN(x)", 10, [](double, double, double) { return false; }, 1},
        {u"9*SIN(7*x)", 10, [](double, double, double) { return false; }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        OneSlot s(c.range, c.formula);
        s.doc.Sample2D();
        const PieceCount count = CountPieces(s.g, 0.2, c.jumpIn);
        EXPECT_EQ(count.joined, 0) << "segments across a pole or jump";
        EXPECT_EQ(count.unexplained, 0) << "pieces broken where the curve is continuous";
        if (c.pieces > 0) {
            EXPECT_EQ(count.pieces, c.pieces);
        }
        const std::optional<WindowRecords> window =
            SamplePlaneWindow(MakeWindowRequest(s.doc, kZoomed, kZoomedSide, kZoomedSide));
        ASSERT_TRUE(window && window->sampled[0]);
        const std::vector<SamplePoint>& points = window->points[0];
        const PieceCount zoomed =
            CountPieces(points.data(), static_cast<int32_t>(points.size()), kZoomed.Width() / kZoomedSide, c.jumpIn);
        EXPECT_EQ(zoomed.joined, 0) << "window: segments across a pole or jump";
        EXPECT_EQ(zoomed.unexplained, 0) << "window: pieces broken where the curve is continuous";
    }
}

TEST(Sample2D, ParametricCurveBreaksAtItsPole) {
    OneSlot s(10, u"");
    s.g.m_nKind = GK_PARAMETRIC;
    s.g.m_strX = u"t";
    s.g.m_strY = u"TAN(t)";
    s.g.m_dTStart = 0;
    s.g.m_dTEnd = 3;
    s.g.m_dTStep = 0.1;
    s.doc.Sample2D();
    const PieceCount count =
        CountPieces(s.g, 0.1, [](double a, double b, double) { return a < M_PI / 2 && M_PI / 2 <= b; });
    EXPECT_EQ(count.joined, 0);
    EXPECT_EQ(count.unexplained, 0);
    EXPECT_EQ(count.pieces, 2);
    const PlaneBounds window{1.4, 1.8, -30.0, 30.0};  // about the pole, where the curve is refined
    const std::optional<WindowRecords> zoomed = SamplePlaneWindow(MakeWindowRequest(s.doc, window, 180, 180));
    ASSERT_TRUE(zoomed && zoomed->sampled[0]);
    const std::vector<SamplePoint>& points = zoomed->points[0];
    const PieceCount inWindow = CountPieces(points.data(), static_cast<int32_t>(points.size()), 0.1,
                                            [](double a, double b, double) { return a < M_PI / 2 && M_PI / 2 <= b; });
    EXPECT_EQ(inWindow.joined, 0);
    EXPECT_EQ(inWindow.unexplained, 0);
}

TEST(Sample3D, SurfaceRowsBreakWhereTheyMeetAPole) {
    OneSlot s(10, u"TAN(x*y/4)");
    s.doc.m_nDimension = DIM_SPACE;
    s.doc.Sample3D();
    const PieceCount count = CountPieces(
        s.g, 0.2,
        [](double a, double b, double y) { return y != 0.0 && Crosses(a * y / 4, b * y / 4, M_PI / 2, M_PI); }, true);
    EXPECT_EQ(count.joined, 0);
    EXPECT_EQ(count.unexplained, 0);
}

// The evaluations the plain loops make for the shown slots of a document.
double LoopEvaluations(const CCurvilinearscopeDoc& doc) {
    auto count = [](double start, double last, double step) {
        double n = 0;
        for (double s = start; s <= last && step > 0; s += step) ++n;
        return n;
    };
    double total = 0;
    const double r = doc.m_nRange;
    for (const CGraphDef& g : doc.m_graphs) {
        if (!g.m_bShow) continue;
        const bool space = doc.m_nDimension == DIM_SPACE;
        if (g.m_nKind == GK_EXPLICIT) {
            const double side = count(-r, r, g.m_dStep);
            total += space ? side * side : side;
        } else {
            const double row = count(g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep);
            total += space ? row * count(g.m_dVStart, g.m_dVEnd + g.m_dVStep, g.m_dVStep) : row;
        }
    }
    return total;
}

// The fuzzer's seed formulas, each as the kind of formula its first byte
// chooses (a parametric one as y(t) or z(u, v) beside x = t or u, y = v),
// and the example documents: the jump test costs at most a tenth more
// evaluations than the plain loops make, all of them together.
TEST(Sampling, JumpTestCostsFewEvaluations) {
    std::vector<std::unique_ptr<CCurvilinearscopeDoc>> docs;
    const std::filesystem::path source(CRV_SOURCE_DIR);
    for (const auto& entry : std::filesystem::directory_iterator(source / "fuzz/seeds/expr")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.empty() || (bytes[0] & 0x80)) continue;
        const std::u16string formula(bytes.begin() + 1, bytes.end());
        const int kind = static_cast<unsigned char>(bytes[0]) % 5;
        auto& doc = *docs.emplace_back(std::make_unique<CCurvilinearscopeDoc>());
        CGraphDef& g = doc.m_graphs[0];
        g.m_bShow = 1;
        doc.m_nDimension = kind == 2 || kind == 4 ? DIM_SPACE : DIM_PLANE;
        g.m_nKind = kind >= 3 ? GK_PARAMETRIC : GK_EXPLICIT;
        g.m_strFormula = formula;
        g.m_strX = kind == 3 ? u"t" : u"u";
        g.m_strY = kind == 3 ? formula : u"v";
        g.m_strZ = formula;
    }
    for (const auto& entry : std::filesystem::directory_iterator(source / "examples")) {
        auto& doc = *docs.emplace_back(std::make_unique<CCurvilinearscopeDoc>());
        OpenDocumentFile(entry.path(), doc);
    }
    ASSERT_GT(docs.size(), 20u);
    double plain = 0;
    const int64_t before = ContinuityEvaluations();
    for (auto& doc : docs) {
        plain += LoopEvaluations(*doc);
        doc->m_nDimension == DIM_SPACE ? doc->Sample3D() : doc->Sample2D();
    }
    const double more = static_cast<double>(ContinuityEvaluations() - before);
    std::printf("jump test: %.0f evaluations beside the loops' %.0f (%.1f %% more)\n", more, plain,
                100.0 * more / plain);
    EXPECT_LE(more, 0.1 * plain);
}

TEST(Sample2D, TextFormulaStoresNothingButHasAnArray) {
    OneSlot s(10, u"\"abc\"");
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 0);
    EXPECT_TRUE(s.g.m_pPoints);
}

TEST(Sample2D, DefaultCircleStopsAtItsCapacity) {
    OneSlot s(10, u"x");
    s.g.m_nKind = 1;
    s.doc.Sample2D();
    ASSERT_EQ(s.g.m_nPoints, 64);
    EXPECT_EQ(s[0].fromX, s[0].x);
    EXPECT_DOUBLE_EQ(s[0].x, 5.0);
    EXPECT_EQ(s[63].fromY, s[62].y);
}

TEST(Sampling, HiddenSlotsKeepTheirArraysAndCounts) {
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0].m_bShow = 1;
    CGraphDef& hidden = doc.m_graphs[1];
    hidden.m_nPoints = 77;  // stale on purpose
    hidden.m_pPoints = PointArray::Allocate(3);
    SamplePoint* array = hidden.m_pPoints.get();
    doc.Sample2D();
    doc.Sample3D();
    EXPECT_EQ(hidden.m_pPoints.get(), array);
    EXPECT_EQ(hidden.m_nPoints, 77);
    EXPECT_FALSE(doc.m_graphs[2].m_pPoints);
}

// A resampling, in place or into a copy that takes the old one's place (as
// the edit dialog does), gets memory already in place: no page to fault in.
TEST(Sampling, ResamplingAtTheSameStepGetsMemoryAlreadyInPlace) {
    if (kAddressSanitizer) GTEST_SKIP() << "blocks come from malloc under AddressSanitizer";
    OneSlot s(10, u"sin(x)*cos(y)", 0.05);  // 401 x 401 records, 9 MB
    s.doc.m_nDimension = DIM_SPACE;
    s.doc.Sample3D();
    const SamplePoint* first = s.g.m_pPoints.get();
    s.g.m_strFormula = u"x*y";
    s.doc.Sample3D();
    EXPECT_EQ(s.g.m_pPoints.get(), first);

    OneSlot copy(10, u"x+y", 0.05);
    copy.doc.m_nDimension = DIM_SPACE;
    copy.doc.Sample3D();
    const SamplePoint* second = copy.g.m_pPoints.get();
    s.g.m_pPoints = std::move(copy.g.m_pPoints);  // the old records go
    OneSlot again(10, u"x-y", 0.05);
    again.doc.m_nDimension = DIM_SPACE;
    again.doc.Sample3D();
    EXPECT_EQ(again.g.m_pPoints.get(), first);
    EXPECT_EQ(s.g.m_pPoints.get(), second);
}

TEST(Sample3D, DefaultParametricSurfaceStoresRowsAlongU) {
    CCurvilinearscopeDoc doc;
    CGraphDef& g = doc.m_graphs[2];
    g.m_bShow = 1;
    g.m_nKind = 1;
    g.m_strX = u"u";
    g.m_strY = u"v";
    g.m_strZ = u"u*v";
    doc.m_dAngle = 2.0;
    doc.Sample3D();
    EXPECT_EQ(doc.m_dAngle, 0.0);
    ASSERT_EQ(g.m_nPoints, 65 * 17);
    for (int k = 0; k < g.m_nPoints; ++k) {
        const SamplePoint& p = g.m_pPoints[k];
        EXPECT_EQ(p.graphNumber, 3);
        if (k % 65 == 0) {
            EXPECT_EQ(p.fromX, p.x);
            EXPECT_EQ(p.fromY, p.y);
        } else {
            EXPECT_EQ(p.fromX, g.m_pPoints[k - 1].x);
        }
    }
}

TEST(Sample3D, ExplicitSurfaceBreaksAtEveryRowAndMirrors) {
    OneSlot s(5, u"x*y/10", 0.5, 1);
    s.doc.Sample3D();
    const int n = s.g.m_nPoints;
    ASSERT_GT(n, 0);
    for (int k = 0; k < n / 2; ++k) {
        EXPECT_EQ(s[n / 2 + k].z, -s[k].z);
        if (k > 0 && s[k].y != s[k - 1].y) {
            EXPECT_EQ(s[k].fromX, s[k].x);
        }
    }
}

TEST(Sample3D, SurfaceOfSqrtAndAbsStandsOnEverySample) {
    OneSlot s(5, u"SQRT(ABS(x*y))", 0.5);
    constexpr int kSide = 21;  // -5 to 5 in steps of 0.5
    s.doc.Sample3D();
    ASSERT_EQ(s.g.m_nPoints, kSide * kSide);  // every value lies within the range: no gaps
    for (int k = 0; k < s.g.m_nPoints; ++k) {
        EXPECT_EQ(s[k].z, std::sqrt(std::fabs(s[k].x * s[k].y))) << k;
        EXPECT_GE(s[k].z, 0.0);
        if (k % kSide == 0) {
            EXPECT_EQ(s[k].fromX, s[k].x);  // a row begins its own piece
        }
    }
    EXPECT_EQ(s[0].z, 5.0);                                // the corner (-5, -5)
    EXPECT_EQ(s[kSide * (kSide / 2) + kSide / 2].z, 0.0);  // the centre
}

TEST(Sampling, OddLeftSidesAndKindsAreHarmless) {
    for (int32_t left : {-1, 2, INT32_MIN, INT32_MAX}) {
        OneSlot s(10, u"x", 0.2, left);
        s.doc.Sample2D();
        EXPECT_EQ(s.g.m_nPoints, 0);
        s.doc.Sample3D();
        EXPECT_EQ(s.g.m_nPoints, 0);
    }
    OneSlot s(10, u"x");
    s.g.m_nKind = 2;
    s.g.m_nPoints = 5;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 5);  // left alone
}

TEST(Sampling, CapacityTooLargeLeavesTheSlotEmptyAndTheOthersSampled) {
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[1].m_bShow = 1;
    doc.m_graphs[1].m_dStep = 1e-9;
    doc.m_graphs[1].m_nPoints = 3;
    doc.m_graphs[1].m_pPoints = PointArray::Allocate(3);
    doc.m_graphs[2].m_bShow = 1;
    EXPECT_THROW(doc.Sample2D(), std::bad_alloc);
    EXPECT_GT(doc.m_graphs[0].m_nPoints, 0);
    EXPECT_FALSE(doc.m_graphs[1].m_pPoints);
    EXPECT_EQ(doc.m_graphs[1].m_nPoints, 0);
    EXPECT_FALSE(doc.m_graphs[2].m_pPoints);  // not reached
}

TEST(Sampling, ZeroCapacityNeverTakesASample) {
    // (end + step - start) / step = 0.5: capacity 0, yet t = 0 passes the test.
    OneSlot s(10, u"x");
    s.g.m_nKind = 1;
    s.g.m_dTStart = 0;
    s.g.m_dTEnd = -0.05;
    s.g.m_dTStep = 0.1;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 0);
    // Reversed and backwards ranges sample nothing, and end.
    s.g.m_dTStep = -0.1;
    s.g.m_dTEnd = 6;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 0);
    s.g.m_nKind = 0;
    s.g.m_dStep = -0.2;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 0);
}

TEST(Sampling, StepsThatAreNotPositiveSampleNothingAndEnd) {
    // Found by fuzzing: y*y = x with a huge negative step has capacity 4,
    // and x walks off towards minus infinity with every sample skipped.
    OneSlot plane(10, u"x", -3.6537540933273417e+46, 1);
    EXPECT_EQ(PlaneExplicitCapacity(10, plane.g.m_dStep, 1), 4);
    plane.doc.Sample2D();
    EXPECT_EQ(plane.g.m_nPoints, 0);
    EXPECT_TRUE(plane.g.m_pPoints);
    plane.g.m_nLeftSide = 0;
    plane.g.m_strFormula = u"0";  // would store records far outside the range
    plane.doc.Sample2D();
    EXPECT_EQ(plane.g.m_nPoints, 0);
    plane.doc.Sample3D();
    EXPECT_EQ(plane.g.m_nPoints, 0);
    // A parametric surface's capacity has 100 added: a backwards u loop with
    // a text coordinate would otherwise never end.
    OneSlot surface(10, u"x");
    surface.g.m_nKind = 1;
    surface.g.m_strX = u"\"a\"";
    surface.g.m_dTStep = -0.1;
    surface.g.m_dTEnd = 0.1;  // (end + step - start) = 0
    EXPECT_EQ(SpaceParametricCapacity(surface.g), 100);
    surface.doc.Sample3D();
    EXPECT_EQ(surface.g.m_nPoints, 0);
}

TEST(Sampling, ParameterThatStopsMovingEnds) {
    // t + 1 == t at 1e20: the literal loop would evaluate the text forever.
    OneSlot s(10, u"x");
    s.g.m_nKind = 1;
    s.g.m_strX = u"\"a\"";
    s.g.m_dTStart = 1e20;
    s.g.m_dTEnd = 1e20 + 16384;
    s.g.m_dTStep = 1;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 0);
    s.doc.m_nDimension = 1;
    s.g.m_dVStart = 1e20;
    s.g.m_dVEnd = 1e20 + 16384;
    s.g.m_dVStep = 1;
    s.g.m_dTStart = 0;
    s.g.m_dTEnd = 1;
    s.doc.Sample3D();
    EXPECT_EQ(s.g.m_nPoints, 0);
    // When the stuck sample does store, it repeats up to the capacity as the
    // loop says.
    s.doc.m_nDimension = 0;
    s.g.m_strX = u"t";
    s.g.m_dTStart = 1e20;
    s.g.m_dTEnd = 1e20 + 16384;
    s.doc.Sample2D();
    EXPECT_EQ(s.g.m_nPoints, 16384);
}

}  // namespace
