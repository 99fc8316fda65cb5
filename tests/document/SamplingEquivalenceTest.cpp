// The document's sampling loops against the literal transcription, and the
// progress variants against the plain ones: the records must be identical
// bit for bit.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "SamplingReference.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

// Whether the formulas have a pole or a jump from a to b (x, t or u) on the
// row at `row` (y or v), either end included and a little beyond: a sample
// may lie on a pole (a quotient by 0 gives the engine's largest number), or
// as near to it as the accumulated sums make it, where the curve is as good
// as infinite.
using JumpIn = bool (*)(double a, double b, double row);

constexpr double kOnThePole = 1e-9;
bool Near(double a, double b, double pole) { return a - kOnThePole <= pole && pole <= b + kOnThePole; }
bool AtZero(double a, double b, double) { return Near(a, b, 0.0); }
bool AtZeroOrRow(double a, double b, double row) { return Near(a, b, 0.0) || Near(a, b, row); }

struct Definition {
    int32_t dimension, range, kind, leftSide;
    const char16_t* formula;  // explicit kinds; the x formula of parametric ones
    const char16_t* y;
    const char16_t* z;
    double step, tStart, tEnd, tStep, vStart, vEnd, vStep;
    // The jumps where the sampling may begin a piece that the literal loops
    // join; none when null.
    JumpIn jumpIn = nullptr;
};

const Definition kDefinitions[] = {
    {0, 10, 0, 0, u"x*x", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},
    {0, 5, 0, 0, u"x", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},
    {0, 20, 0, 1, u"x", u"", u"", 0.1, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 1, u"10-x*x", u"", u"", 0.3, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 0, u"LN(x)", u"", u"", 0.05, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 0, u"1/x", u"", u"", 0.25, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 0, u"tan(x)", u"", u"", 0.07, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 0, u"x^3/7", u"", u"", 0.013, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 0, u"3", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},  // an integer result
    {0, 10, 0, 0, u"x > 0", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},
    {0, 10, 0, 2, u"x", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},
    {0, 10, 1, 0, u"5*cos(t)", u"5*sin(t)", u"", 0, 0, 6.361725123519331, 0.1, 0, 0, 0},
    {0, 10, 1, 0, u"t", u"LN(t)", u"", 0, -3, 3, 0.01, 0, 0, 0},
    {0, 10, 1, 0, u"t*t", u"1/t", u"", 0, -2, 2, 0.5, 0, 0, 0, AtZero},
    {0, 10, 1, 0, u"t", u"t", u"", 0, 5, -5, -0.3, 0, 0, 0},
    {1, 10, 0, 0, u"x*x+y*y", u"", u"", 0.2, 0, 0, 0, 0, 0, 0},
    {1, 5, 0, 0, u"sin(x)*cos(y)", u"", u"", 0.1, 0, 0, 0, 0, 0, 0},
    {1, 20, 0, 1, u"25-x*x-y*y", u"", u"", 0.5, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 1, u"x*y", u"", u"", 0.3, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 0, u"LN(x*y)", u"", u"", 0.4, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 0, u"SQRT(ABS(x*y))", u"", u"", 0.4, 0, 0, 0, 0, 0, 0},
    {1, 5, 0, 0, u"sqrt(9-x*x-y*y)", u"", u"", 0.1, 0, 0, 0, 0, 0, 0},  // NaN outside the disc
    // Grids big enough to be sampled a row per thread: rows with gaps, a
    // mirrored half, values out of range, and a formula that is not
    // number-only.
    {1, 10, 0, 0, u"LN(x*y)", u"", u"", 0.05, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 1, u"25-x*x-y*y", u"", u"", 0.05, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 0, u"exp(-(x*x+y*y)/10)*cos(x)+asin(y/10)-tanh(x)", u"", u"", 0.05, 0, 0, 0, 0, 0, 0},
    {1, 5, 0, 0, u"1/(x*y)", u"", u"", 0.02, 0, 0, 0, 0, 0, 0},
    {1, 10, 0, 0, u"x > y", u"", u"", 0.05, 0, 0, 0, 0, 0, 0},
    {1, 10, 1, 0, u"u", u"v", u"u*v", 0, 0, 6.361725123519331, 0.1, 0, 3.141592653589793, 0.2},
    {1, 10, 1, 0, u"cos(u)*sin(v)", u"sin(u)*sin(v)", u"cos(v)", 0, 0, 6.3, 0.05, 0, 3.2, 0.05},
    {1, 10, 1, 0, u"u", u"LN(v)", u"1/u", 0, -1, 1, 0.25, -1, 1, 0.25, AtZero},
    {1, 10, 1, 0, u"u", u"v", u"u > v", 0, 0, 1, 0.1, 0, 1, 0.1},
    // Parametric grids big enough to be sampled a row per thread, and one
    // whose third formula is not number-only (every sample skipped).
    {1, 10, 1, 0, u"cos(u)*sin(v)*5", u"sin(u)*sin(v)*5", u"cos(v)*5", 0, 0, 6.3, 0.01, 0, 3.2, 0.02},
    {1, 10, 1, 0, u"u*v", u"LN(u)", u"1/(u-v)", 0, -3, 3, 0.013, -1, 1, 0.0071, AtZeroOrRow},
    {1, 10, 1, 0, u"u", u"v", u"u > v", 0, 0, 3, 0.01, 0, 3, 0.01},
};

CCurvilinearscopeDoc* MakeDocument(const Definition& d) {
    auto* doc = new CCurvilinearscopeDoc;
    doc->m_nDimension = d.dimension;
    doc->m_nRange = d.range;
    for (int slot = 0; slot < 3; ++slot) {
        CGraphDef& g = doc->m_graphs[slot];
        g.m_bShow = slot != 1;  // the middle slot stays hidden
        g.m_nKind = d.kind;
        g.m_nLeftSide = d.leftSide;
        g.m_strFormula = d.formula;
        g.m_strX = d.formula;
        g.m_strY = d.y;
        g.m_strZ = d.z;
        g.m_dStep = d.step;
        if (d.kind == 1) {
            g.m_dTStart = d.tStart, g.m_dTEnd = d.tEnd, g.m_dTStep = d.tStep;
            g.m_dVStart = d.vStart, g.m_dVEnd = d.vEnd, g.m_dVStep = d.vStep;
        }
    }
    return doc;
}

bool BeginsAPiece(const SamplePoint& p) { return p.fromX == p.x && p.fromY == p.y && p.fromZ == p.z; }

// Six doubles compared as bits (NaN included), then the slot number. Where
// the sampling found a jump (a piece begins where the literal loop joins),
// the start differs and the definition must name that jump.
void ExpectSameRecords(const CGraphDef& g, const std::vector<SamplePoint>& expected, int index,
                       const ReferenceSampling* reference = nullptr, JumpIn jumpIn = nullptr) {
    ASSERT_EQ(g.m_nPoints, static_cast<int32_t>(expected.size())) << "definition " << index;
    for (size_t k = 0; k < expected.size(); ++k) {
        const SamplePoint& got = g.m_pPoints[k];
        if (std::memcmp(&got, &expected[k], 6 * sizeof(double)) != 0 && jumpIn && BeginsAPiece(got) && k > 0) {
            const double row = reference->row.empty() ? 0.0 : reference->row[k];
            EXPECT_TRUE(jumpIn(reference->along[k - 1], reference->along[k], row))
                << "definition " << index << " record " << k << ": a piece begins where no jump lies";
            ASSERT_EQ(0, std::memcmp(&got.x, &expected[k].x, 3 * sizeof(double))) << index << " record " << k;
        } else {
            ASSERT_EQ(0, std::memcmp(&got, &expected[k], 6 * sizeof(double)))
                << "definition " << index << " record " << k;
        }
        ASSERT_EQ(got.graphNumber, expected[k].graphNumber);
    }
}

// The first records of a cancelled sampling are those of the whole one.
void ExpectSameFirstRecords(const CGraphDef& partial, const CGraphDef& whole) {
    const SamplePoint* first = whole.m_pPoints.get();
    ExpectSameRecords(partial, std::vector<SamplePoint>(first, first + partial.m_nPoints), -1);
}

TEST(SamplingEquivalence, RecordsAreThoseOfTheLiteralLoops) {
    int index = 0;
    for (const Definition& d : kDefinitions) {
        std::unique_ptr<CCurvilinearscopeDoc> doc(MakeDocument(d));
        d.dimension ? doc->Sample3D() : doc->Sample2D();
        for (int slot : {0, 2}) {
            const CGraphDef& g = doc->m_graphs[slot];
            ReferenceSampling ref = d.dimension ? ReferenceSpace(g, d.range, slot + 1) : ReferencePlane(g, d.range);
            if (ref.capacity < 1) {
                // The literal loop would write past an empty array here.
                EXPECT_EQ(g.m_nPoints, 0) << index;
                continue;
            }
            ExpectSameRecords(g, ref.points, index, &ref, d.jumpIn);
            EXPECT_LE(g.m_nPoints, ref.capacity);
        }
        EXPECT_FALSE(doc->m_graphs[1].m_pPoints);
        ++index;
    }
}

TEST(SamplingEquivalence, ProgressVariantGivesTheSameRecords) {
    int index = 0;
    for (const Definition& d : kDefinitions) {
        std::unique_ptr<CCurvilinearscopeDoc> plain(MakeDocument(d));
        std::unique_ptr<CCurvilinearscopeDoc> watched(MakeDocument(d));
        d.dimension ? plain->Sample3D() : plain->Sample2D();
        std::vector<double> fractions;
        auto progress = [&](double f) {
            fractions.push_back(f);
            return true;
        };
        EXPECT_TRUE(d.dimension ? watched->Sample3D(progress) : watched->Sample2D(progress));
        for (int slot : {0, 2}) {
            const CGraphDef& g = plain->m_graphs[slot];
            std::vector<SamplePoint> records(g.m_pPoints.get(), g.m_pPoints.get() + g.m_nPoints);
            ExpectSameRecords(watched->m_graphs[slot], records, index);
        }
        for (size_t k = 0; k < fractions.size(); ++k) {
            EXPECT_GE(fractions[k], k ? fractions[k - 1] : 0.0);
            EXPECT_LE(fractions[k], 1.0);
        }
        ++index;
    }
}

TEST(SamplingProgress, IsToldRarelyAndCanCancel) {
    // 201 x 201 = 40401 evaluations per slot, two shown slots.
    Definition d{1, 10, 0, 0, u"sin(x)*cos(y)", u"", u"", 0.1, 0, 0, 0, 0, 0, 0};
    std::unique_ptr<CCurvilinearscopeDoc> doc(MakeDocument(d));
    std::vector<double> fractions;
    EXPECT_TRUE(doc->Sample3D([&](double f) {
        fractions.push_back(f);
        return true;
    }));
    // After each slot and once at 65536 evaluations.
    ASSERT_EQ(fractions.size(), 3u);
    EXPECT_NEAR(fractions[0], 40401.0 / 80802, 0.01);
    EXPECT_NEAR(fractions[1], 65536.0 / 80802, 0.01);
    EXPECT_NEAR(fractions[2], 1.0, 0.01);
    const int32_t full = doc->m_graphs[2].m_nPoints;

    // Cancelled in the middle of slot 3: slot 1 done, slot 3 partial.
    std::unique_ptr<CCurvilinearscopeDoc> cancelled(MakeDocument(d));
    cancelled->m_graphs[2].m_nPoints = 0;
    int calls = 0;
    EXPECT_FALSE(cancelled->Sample3D([&](double) { return ++calls < 2; }));
    EXPECT_EQ(cancelled->m_graphs[0].m_nPoints, doc->m_graphs[0].m_nPoints);
    const CGraphDef& partial = cancelled->m_graphs[2];
    EXPECT_GT(partial.m_nPoints, 0);
    EXPECT_LT(partial.m_nPoints, full);
    ExpectSameFirstRecords(partial, doc->m_graphs[2]);
    // Cancelled before slot 3: it is untouched.
    std::unique_ptr<CCurvilinearscopeDoc> early(MakeDocument(d));
    early->m_graphs[2].m_nPoints = 42;
    EXPECT_FALSE(early->Sample3D([](double) { return false; }));
    EXPECT_EQ(early->m_graphs[2].m_nPoints, 42);
    EXPECT_FALSE(early->m_graphs[2].m_pPoints);
}

TEST(SamplingProgress, BigGridCancelledKeepsWholeRowsInOrder) {
    Definition d{1, 10, 0, 0, u"sin(x)*cos(y)", u"", u"", 0.02, 0, 0, 0, 0, 0, 0};
    std::unique_ptr<CCurvilinearscopeDoc> doc(MakeDocument(d));
    doc->Sample3D();
    std::unique_ptr<CCurvilinearscopeDoc> cancelled(MakeDocument(d));
    int calls = 0;
    EXPECT_FALSE(cancelled->Sample3D([&](double) { return ++calls < 3; }));
    const CGraphDef& partial = cancelled->m_graphs[0];
    EXPECT_GT(partial.m_nPoints, 0);
    EXPECT_LT(partial.m_nPoints, doc->m_graphs[0].m_nPoints);
    EXPECT_EQ(partial.m_nPoints % 1001, 0) << "rows of 1001 samples, whole";
    ExpectSameFirstRecords(partial, doc->m_graphs[0]);

    // A parametric grid of 632 x 322 samples.
    Definition p{1, 10, 1, 0, u"cos(u)*sin(v)", u"sin(u)*sin(v)", u"cos(v)", 0, 0, 6.3, 0.01, 0, 3.2, 0.01};
    std::unique_ptr<CCurvilinearscopeDoc> sphere(MakeDocument(p));
    sphere->Sample3D();
    std::unique_ptr<CCurvilinearscopeDoc> stopped(MakeDocument(p));
    calls = 0;
    EXPECT_FALSE(stopped->Sample3D([&](double) { return ++calls < 2; }));
    const CGraphDef& rows = stopped->m_graphs[0];
    EXPECT_GT(rows.m_nPoints, 0);
    EXPECT_LT(rows.m_nPoints, sphere->m_graphs[0].m_nPoints);
    EXPECT_EQ(rows.m_nPoints % 632, 0) << "rows of 632 samples, whole";
    ExpectSameFirstRecords(rows, sphere->m_graphs[0]);
}

}  // namespace
