#include "document/sampling/ContourTracer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <new>

#include "document/sampling/SampleTicker.h"

namespace {

// Start cells per side at most: a finer start grid than this is no use to
// any picture, and it bounds the lattice below.
constexpr int64_t kMaxStartCells = int64_t{1} << 14;
// And at least: a zoomed window narrower than a few steps still starts from
// a grid, so a small closed curve inside it is not lost between corners.
constexpr int64_t kMinStartCells = 8;
// Halvings of a start cell at most, and the finest lattice's side: edge
// names pack lattice places of this many bits.
constexpr int kMaxDepth = 14;
constexpr int kLatticeBits = 28;
constexpr int64_t kMaxLatticeSide = int64_t{1} << kLatticeBits;
// A start grid whose cells fit the window within this share of a cell is
// taken as exact, so a step that divides the window makes no sliver cell.
constexpr double kGridSlack = 1e-9;

// How small F at an interpolated point must be against the edge's corner
// nearer zero: far below it at a root, even one beside a node, where F
// bends most within a leaf.
constexpr double kRootShare = 0.5;

bool Negative(double v) { return v < 0.0; }

// Corner values of a cell: (a0, b0), (a1, b0), (a0, b1), (a1, b1).
struct Corners {
    double v00, v10, v01, v11;
};

// One edge of a leaf that the curve crosses: its lattice name and the point.
struct Crossing {
    uint64_t edge;
    double a, b;
    double smallerEnd;  // the smaller |F| of the edge's two corners
};

class Tracer {
public:
    Tracer(ContourField& field, const SampleWindow& window, double step, SampleTicker& ticker,
           std::vector<ContourSegment>& segments, size_t maxSegments)
        : m_field(field), m_ticker(ticker), m_segments(segments), m_maxSegments(maxSegments) {
        m_columns = StartCells(window.xmax - window.xmin, step);
        m_rows = StartCells(window.ymax - window.ymin, step);
        const double finest = window.pixel / 2;  // every vertex within half a pixel of the curve
        const double cell =
            std::max((window.xmax - window.xmin) / double(m_columns), (window.ymax - window.ymin) / double(m_rows));
        while (m_depth < kMaxDepth && cell / double(int64_t{1} << m_depth) > finest &&
               (std::max(m_columns, m_rows) << (m_depth + 1)) <= kMaxLatticeSide) {
            ++m_depth;
        }
        const double side = double(int64_t{1} << m_depth);
        m_a0 = window.xmin;
        m_b0 = window.ymin;
        m_unitA = (window.xmax - window.xmin) / double(m_columns) / side;
        m_unitB = (window.ymax - window.ymin) / double(m_rows) / side;
    }

    bool Run() {
        if (!(m_unitA > 0) || !(m_unitB > 0)) {
            return true;  // an empty or reversed window has no curve
        }
        const int64_t cell = int64_t{1} << m_depth;
        std::vector<double> lower(size_t(m_columns) + 1), upper(size_t(m_columns) + 1);
        for (int64_t i = 0; i <= m_columns; ++i) lower[size_t(i)] = Value(i * cell, 0);
        for (int64_t j = 0; j < m_rows && !m_bCancelled; ++j) {
            for (int64_t i = 0; i <= m_columns; ++i) upper[size_t(i)] = Value(i * cell, (j + 1) * cell);
            for (int64_t i = 0; i < m_columns && !m_bCancelled; ++i) {
                const size_t k = size_t(i);
                Cell(i * cell, j * cell, cell, {lower[k], lower[k + 1], upper[k], upper[k + 1]});
            }
            std::swap(lower, upper);
        }
        return !m_bCancelled;
    }

private:
    static int64_t StartCells(double width, double step) {
        const double cells = std::ceil(width / step * (1 - kGridSlack));
        return cells >= kMinStartCells ? std::min<int64_t>(int64_t(cells), kMaxStartCells) : kMinStartCells;
    }

    double A(int64_t i) const { return m_a0 + double(i) * m_unitA; }
    double B(int64_t j) const { return m_b0 + double(j) * m_unitB; }

    double Evaluate(double a, double b) {
        if (!m_ticker.Tick()) {
            m_bCancelled = true;
        }
        return m_field.At(a, b);
    }
    double Value(int64_t i, int64_t j) { return Evaluate(A(i), B(j)); }

    // Divides a cell that may hold the curve, or takes it as a leaf.
    void Cell(int64_t i, int64_t j, int64_t size, const Corners& c) {
        const double values[] = {c.v00, c.v10, c.v01, c.v11};
        int valued = 0, negative = 0;
        for (double v : values) {
            valued += !std::isnan(v);
            negative += Negative(v);
        }
        const bool someWithoutValue = valued > 0 && valued < 4;
        const bool signChanges = negative > 0 && negative < valued;
        if (!someWithoutValue && !signChanges) {
            return;
        }
        if (size > 1 && m_nRefined < kMaxRefinedCells) {
            m_nRefined += 4;
            const int64_t h = size / 2;
            const double bottom = Value(i + h, j), left = Value(i, j + h), centre = Value(i + h, j + h);
            const double right = Value(i + size, j + h), top = Value(i + h, j + size);
            Cell(i, j, h, {c.v00, bottom, left, centre});
            Cell(i + h, j, h, {bottom, c.v10, centre, right});
            Cell(i, j + h, h, {left, centre, c.v01, top});
            Cell(i + h, j + h, h, {centre, right, top, c.v11});
            return;
        }
        if (valued == 4) {
            Leaf(i, j, size, c);
        }
    }

    // The lattice name of an edge from (i, j), along a (horizontal) or b.
    static uint64_t EdgeName(bool alongA, int64_t i, int64_t j, int64_t size) {
        const uint64_t level = uint64_t(std::countr_zero(uint64_t(size)));
        return uint64_t(alongA) << 63 | level << (2 * kLatticeBits) | uint64_t(i) << kLatticeBits | uint64_t(j);
    }

    // A crossing on a lattice point itself, where F is 0: every leaf around
    // the point names it alike, whatever edge it found it on.
    static uint64_t PointName(int64_t i, int64_t j) {
        return uint64_t{1} << 62 | uint64_t(i) << kLatticeBits | uint64_t(j);
    }

    // Where F crosses zero on the edge from lattice point p to q, p below q.
    Crossing Cross(bool alongA, int64_t i, int64_t j, int64_t size, double vp, double vq) {
        const int64_t qi = alongA ? i + size : i, qj = alongA ? j : j + size;
        const double t = vp / (vp - vq);
        const uint64_t name = t == 0.0 ? PointName(i, j) : t == 1.0 ? PointName(qi, qj) : EdgeName(alongA, i, j, size);
        return {name, A(i) + t * (A(qi) - A(i)), B(j) + t * (B(qj) - B(j)), std::min(std::fabs(vp), std::fabs(vq))};
    }

    // Marching squares on a leaf whose four corners have values.
    void Leaf(int64_t i, int64_t j, int64_t size, const Corners& c) {
        Crossing found[4];
        int n = 0;
        // Edges in turn around the cell: bottom, right, top, left.
        if (Negative(c.v00) != Negative(c.v10)) found[n++] = Cross(true, i, j, size, c.v00, c.v10);
        if (Negative(c.v10) != Negative(c.v11)) found[n++] = Cross(false, i + size, j, size, c.v10, c.v11);
        if (Negative(c.v01) != Negative(c.v11)) found[n++] = Cross(true, i, j + size, size, c.v01, c.v11);
        if (Negative(c.v00) != Negative(c.v01)) found[n++] = Cross(false, i, j, size, c.v00, c.v01);
        if (n < 2 || !CrossingsAreRoots(found, n)) {
            return;
        }
        if (n == 2) {
            Emit(found[0], found[1]);
            return;
        }
        // A saddle: the centre says which opposite corners are joined. When
        // it has the sign of (a0, b0), the corners (a1, b0) and (a0, b1) are
        // cut off each by itself; otherwise (a0, b0) and (a1, b1) are.
        const double half = double(size) / 2;
        const double centre = Evaluate(m_a0 + (double(i) + half) * m_unitA, m_b0 + (double(j) + half) * m_unitB);
        if (Negative(centre) == Negative(c.v00)) {
            Emit(found[0], found[1]);
            Emit(found[2], found[3]);
        } else {
            Emit(found[0], found[3]);
            Emit(found[1], found[2]);
        }
    }

    // A sign change that is a pole, not a root: F at the interpolated point
    // is then at least as large as at the edge's corner nearer zero, as F
    // grows towards the pole from both sides; at a root it is far smaller
    // (0 when the root is a corner itself).
    bool CrossingsAreRoots(const Crossing* found, int n) {
        for (int k = 0; k < n; ++k) {
            const double v = std::fabs(Evaluate(found[k].a, found[k].b));
            if (!(v < kRootShare * found[k].smallerEnd || v == 0.0)) {
                return false;  // also for a point without a value
            }
        }
        return true;
    }

    void Emit(const Crossing& from, const Crossing& to) {
        if (from.edge == to.edge) {
            return;  // both on the one corner where F is 0: no length
        }
        if (m_segments.size() >= m_maxSegments) {
            throw std::bad_alloc();
        }
        m_segments.push_back({from.edge, to.edge, from.a, from.b, to.a, to.b});
    }

    ContourField& m_field;
    SampleTicker& m_ticker;
    std::vector<ContourSegment>& m_segments;
    const size_t m_maxSegments;
    int64_t m_columns = 1, m_rows = 1;
    int m_depth = 0;
    double m_a0 = 0, m_b0 = 0, m_unitA = 0, m_unitB = 0;
    int64_t m_nRefined = 0;
    bool m_bCancelled = false;
};

}  // namespace

bool TraceContour(ContourField& field, const SampleWindow& window, double step, SampleTicker& ticker,
                  std::vector<ContourSegment>& segments, size_t maxSegments) {
    return Tracer(field, window, step, ticker, segments, maxSegments).Run();
}
