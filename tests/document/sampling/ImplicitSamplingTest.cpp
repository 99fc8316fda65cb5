#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <new>
#include <numbers>
#include <vector>

#include "document/CurvilinearscopeDoc.h"
#include "document/ImplicitEquation.h"
#include "document/WindowSampling.h"
#include "document/sampling/SampleTicker.h"
#include "document/sampling/ContourTracer.h"
#include "document/sampling/ImplicitSampling.h"

namespace {

using Field = std::function<double(double, double)>;
using Curve = std::function<std::vector<std::pair<double, double>>()>;

// Points of a true curve from its parameter, spaced far below a pixel.
Curve Traced(std::function<std::pair<double, double>(double)> at, double from, double to) {
    return [=] {
        std::vector<std::pair<double, double>> points;
        constexpr int kPoints = 50000;
        for (int k = 0; k <= kPoints; ++k) points.push_back(at(from + (to - from) * k / kPoints));
        return points;
    };
}

struct ImplicitCase {
    const char16_t* formula;
    int32_t range;
    Field f;       // the same F - G, computed here
    Curve curve;   // points of the true curve
    double poleX;  // no vertex may lie this close to x = 0 (0: no pole)
};

const double kPi = std::numbers::pi;

std::vector<ImplicitCase> Cases() {
    return {
        {u"x*x+y*y = 25", 10, [](double x, double y) { return x * x + y * y - 25; },
         Traced([](double t) { return std::pair{5 * std::cos(t), 5 * std::sin(t)}; }, 0, 2 * kPi), 0},
        {u"(x*x+y*y)^2 = 50*(x*x-y*y)", 10,
         [](double x, double y) { return std::pow(x * x + y * y, 2) - 50 * (x * x - y * y); },
         Traced(
             [](double t) {  // r^2 = 50 cos 2t on the two lobes
                 const double lobe = t < 1 ? t * kPi / 2 - kPi / 4 : (t - 1) * kPi / 2 + 3 * kPi / 4;
                 const double r = std::sqrt(std::max(0.0, 50 * std::cos(2 * lobe)));
                 return std::pair{r * std::cos(lobe), r * std::sin(lobe)};
             },
             0, 2),
         0},
        {u"x^3+y^3 = 9*x*y", 10, [](double x, double y) { return x * x * x + y * y * y - 9 * x * y; },
         Traced([](double t) { return std::pair{9 * t / (1 + t * t * t), 9 * t * t / (1 + t * t * t)}; }, -0.7, 60),
         0},
        {u"y - 1/x = 0", 10, [](double x, double y) { return y - 1 / x; },
         Traced([](double t) { return std::pair{t, 1 / t}; }, 0.1, 10), 0.09},
        {u"y - 1/(x-0.003)", 10, [](double x, double y) { return y - 1 / (x - 0.003); },
         Traced([](double t) { return std::pair{t, 1 / (t - 0.003)}; }, -10, -0.1), 0.09},
        {u"SIN(x) = COS(y)", 20, [](double x, double y) { return std::sin(x) - std::cos(y); },
         Traced([](double t) { return std::pair{t, kPi / 2 - t + 4 * kPi}; }, -20, 20), 0},
    };
}

// Whether F changes sign (or vanishes) in the disc of radius r around p:
// the true curve then passes within r of p.
bool CurveWithin(const Field& f, double x, double y, double r) {
    constexpr int kAround = 32;
    bool negative = f(x, y) < 0, positive = f(x, y) >= 0;
    for (int k = 0; k < kAround; ++k) {
        const double a = 2 * kPi * k / kAround;
        for (double d : {r / 2, r}) {
            const double v = f(x + d * std::cos(a), y + d * std::sin(a));
            negative |= v < 0;
            positive |= v >= 0;
        }
    }
    return negative && positive;
}

double SegmentDistance(const SamplePoint& s, double x, double y) {
    const double dx = s.x - s.fromX, dy = s.y - s.fromY;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((x - s.fromX) * dx + (y - s.fromY) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(s.fromX + t * dx - x, s.fromY + t * dy - y);
}

TEST(SampleImplicit, CurvesLieWithinHalfAPixelAndLeaveNoGapOfTwo) {
    for (const ImplicitCase& c : Cases()) {
        SCOPED_TRACE(std::string(c.formula, c.formula + std::char_traits<char16_t>::length(c.formula)));
        CCurvilinearscopeDoc doc;
        doc.m_nRange = c.range;
        CGraphDef& g = doc.m_graphs[0];
        g.m_nKind = GK_IMPLICIT;
        g.m_bShow = 1;
        g.m_strFormula = c.formula;
        doc.Sample2D();
        ASSERT_GT(g.m_nPoints, 100);
        const double pixel = 2.0 * c.range / kPlanePicturePixels;
        // Segments by the pixel their end lies in, for the gap search.
        std::map<std::pair<long, long>, std::vector<int32_t>> near;
        int far = 0, alongPole = 0;
        for (int32_t k = 0; k < g.m_nPoints; ++k) {
            const SamplePoint& p = g.m_pPoints[k];
            far += !CurveWithin(c.f, p.x, p.y, pixel / 2);
            alongPole += std::fabs(p.x) < c.poleX;
            near[{std::lround(p.x / pixel), std::lround(p.y / pixel)}].push_back(k);
        }
        EXPECT_EQ(far, 0);
        EXPECT_EQ(alongPole, 0);
        int gaps = 0;
        for (auto [x, y] : c.curve()) {
            if (std::fabs(x) > c.range - 2 * pixel || std::fabs(y) > c.range - 2 * pixel) continue;
            double nearest = HUGE_VAL;
            const long i = std::lround(x / pixel), j = std::lround(y / pixel);
            for (long di = -2; di <= 2; ++di)
                for (long dj = -2; dj <= 2; ++dj)
                    if (auto it = near.find({i + di, j + dj}); it != near.end())
                        for (int32_t k : it->second) nearest = std::min(nearest, SegmentDistance(g.m_pPoints[k], x, y));
            gaps += nearest > pixel;  // in a gap of two pixels no point is further than one
        }
        EXPECT_EQ(gaps, 0);
    }
}

TEST(SampleImplicit, SphereIsRingsOfItsRadiusOnTheStepGrid) {
    CCurvilinearscopeDoc doc;
    doc.m_nDimension = DIM_SPACE;
    CGraphDef& g = doc.m_graphs[1];
    g.m_nKind = GK_IMPLICIT;
    g.m_bShow = 1;
    g.m_strFormula = u"x*x+y*y+z*z = 64";
    doc.Sample3D();
    ASSERT_GT(g.m_nPoints, 1000);
    const double halfPixel = 10.0 / kSpacePicturePixels;
    int rings = 0, rows = 0;
    for (double y = -10; y <= 10; y += 0.2) rows += y * y < 64;
    for (int32_t k = 0; k < g.m_nPoints; ++k) {
        const SamplePoint& p = g.m_pPoints[k];
        EXPECT_EQ(p.graphNumber, 2);
        EXPECT_EQ(p.fromY, p.y);  // a ring stays in its row
        EXPECT_NEAR(std::hypot(p.x, p.z), std::sqrt(64 - p.y * p.y), halfPixel) << k;
        rings += p.fromX == p.x && p.fromZ == p.z;
    }
    // A closed ring for each row with |y| < 8; the equator passes through
    // lattice points where F is 0 and may break there, its ends touching.
    EXPECT_GE(rings, rows);
    EXPECT_LE(rings, rows + 1);
}

TEST(SampleImplicit, EquationSplitsAtItsOneTopLevelEquals) {
    struct Split {
        const char16_t* formula;
        const char16_t* left;
        const char16_t* right;
        int32_t equals;
    } table[] = {
        {u"x*x+y*y = 25", u"x*x+y*y ", u" 25", 1},
        {u"x*x+y*y-25", u"x*x+y*y-25", u"", 0},
        {u"(x=1) + y <= 2", u"(x=1) + y <= 2", u"", 0},
        {u"x >= y", u"x >= y", u"", 0},
        {u"x <> \"=\" = [a=b]", u"x <> \"=\" ", u" [a=b]", 1},
        {u"x = y = 1", u"x ", u" y = 1", 2},
        {u"x = #1999/01/01#", u"x ", u" #1999/01/01#", 1},
        {u"\"a=b\" = x", u"\"a=b\" ", u" x", 1},
        {u"x = \"abc", u"x = \"abc", u"", 0},  // kept whole: the text does not end
        {u"x = (y = 1)", u"x ", u" (y = 1)", 1},
    };
    for (const Split& s : table) {
        const ImplicitEquation e = SplitImplicitEquation(s.formula);
        EXPECT_EQ(e.left, s.left);
        EXPECT_EQ(e.right, s.right);
        EXPECT_EQ(e.equals, s.equals);
    }
    // A second '=' is refused: nothing is sampled.
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0].m_nKind = GK_IMPLICIT;
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_strFormula = u"x = y = 1";
    doc.Sample2D();
    EXPECT_EQ(doc.m_graphs[0].m_nPoints, 0);
}

// A shown polar slot of r = formula, t from 0 to 2 pi by 0.01.
void ShowPolar(CGraphDef& g, const char16_t* formula) {
    g.m_nKind = GK_POLAR;
    g.m_bShow = 1;
    g.m_strFormula = formula;
    g.m_dTStart = 0;
    g.m_dTEnd = 2 * kPi;
    g.m_dTStep = 0.01;
}

// A zoomed window narrower than the step: a start grid all the same, so a
// small circle inside one step is found, within half the window's pixel.
TEST(SampleImplicit, ZoomedWindowKeepsHalfAPixel) {
    CGraphDef g;
    g.m_nKind = GK_IMPLICIT;
    g.m_bShow = 1;
    g.m_strFormula = u"x*x+y*y = 0.0004";
    g.m_dStep = 0.5;
    const SampleWindow window{-0.15, 0.15, -0.15, 0.15, 0.3 / 1000};
    SampleTicker ticker(nullptr, 1);
    ASSERT_TRUE(SampleImplicitCurve(g, window, ticker));
    ASSERT_GT(g.m_nPoints, 100);
    for (int32_t k = 0; k < g.m_nPoints; ++k) {
        EXPECT_NEAR(std::hypot(g.m_pPoints[k].x, g.m_pPoints[k].y), 0.02, window.pixel / 2);
    }
    // A zoomed view resamples the same circle for its window, and the
    // polar r = 0.02 too.
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0] = g;
    ShowPolar(doc.m_graphs[1], u"0.02");
    const auto zoomed =
        SamplePlaneWindow(MakeWindowRequest(doc, {window.xmin, window.xmax, window.ymin, window.ymax}, 1000, 1000));
    ASSERT_TRUE(zoomed && zoomed->sampled[0] && zoomed->sampled[1]);
    for (const std::vector<SamplePoint>& points : {zoomed->points[0], zoomed->points[1]}) {
        ASSERT_GT(points.size(), 100u);
        for (const SamplePoint& p : points) EXPECT_NEAR(std::hypot(p.x, p.y), 0.02, window.pixel / 2);
    }
}

// Past its limit a tracing stops as an allocation that does not fit would,
// never growing on; the slot is then left empty by the sampler.
TEST(SampleImplicit, SegmentsPastTheLimitAreRefusedAsOutOfMemory) {
    struct Circle : ContourField {
        double At(double a, double b) override { return a * a + b * b - 25; }
    } circle;
    SampleTicker ticker(nullptr, 1);
    std::vector<ContourSegment> segments;
    EXPECT_THROW(TraceContour(circle, DocumentWindow(10, kPlanePicturePixels), 0.2, ticker, segments, 100),
                 std::bad_alloc);
    EXPECT_EQ(segments.size(), 100u);
    // Rows of start cells beyond what a slot may hold: refused before any.
    CCurvilinearscopeDoc doc;
    doc.m_nDimension = DIM_SPACE;
    CGraphDef& g = doc.m_graphs[0];
    g.m_nKind = GK_IMPLICIT;
    g.m_bShow = 1;
    g.m_dStep = 1e-9;
    g.m_pPoints = PointArray::Allocate(1);
    g.m_nPoints = 1;
    EXPECT_THROW(doc.Sample3D(), std::bad_alloc);
    EXPECT_FALSE(g.m_pPoints);
    EXPECT_EQ(g.m_nPoints, 0);
}

TEST(SamplePolar, RoseFollowsRadiusTimesTheAngle) {
    CCurvilinearscopeDoc doc;
    CGraphDef& g = doc.m_graphs[0];
    ShowPolar(g, u"5*COS(3*t)");
    doc.Sample2D();
    ASSERT_EQ(g.m_nPoints, 629);  // the parametric capacity trunc((2 pi + 0.01) / 0.01)
    double t = 0;
    for (int32_t k = 0; k < g.m_nPoints; ++k, t += 0.01) {
        const SamplePoint& p = g.m_pPoints[k];
        EXPECT_DOUBLE_EQ(p.x, 5 * std::cos(3 * t) * std::cos(t));
        EXPECT_DOUBLE_EQ(p.y, 5 * std::cos(3 * t) * std::sin(t));
        EXPECT_EQ(p.fromX, g.m_pPoints[std::max(k - 1, 0)].x);
    }
    doc.Sample3D();  // no polar graphs in space: left alone
    EXPECT_EQ(g.m_nPoints, 629);
}

}  // namespace
