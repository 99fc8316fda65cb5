#pragma once
// One row of a sampling, stored into place: the row's records go to out[0]
// onwards, the first of them beginning a new piece, at most `room` of them.
// A plane graph is one row; a space graph is a row for each y (explicit) or
// each v (parametric), each row beginning a new piece, so a caller may
// sample the rows one after another or each into a place of its own.

#include <cstdint>
#include <memory>

#include "document/Dimension.h"
#include "document/GraphDef.h"
#include "document/Continuity.h"
#include "document/sampling/RowAxis.h"

class CFunctionExpress;
class CParameterExpress2d;
class CParameterExpress3d;
class SampleTicker;

// How a row evaluates a formula that has the number-only program: a batch of
// samples at a time, with what is fixed along the row computed once (the
// sampling's way), or one sample after another (for comparison). Both store
// the same records; a formula without that program is always evaluated one
// sample after another.
enum class RowEvaluation {
    Batched,
    PerSample,
};

// Whether a row asks about the intervals that look like jumps and begins a
// new piece after each jump it finds (JumpWatch.h), as every sampling does,
// or joins every pair of neighbouring samples (for comparison).
enum class JumpTest {
    On,
    Off,
};

struct RowSampled {
    int32_t stored;  // records written to out[0..stored)
    bool finished;   // false when the ticker asked to cancel
};

// What every row of an explicit graph shares: x runs over the spans by
// `step` (the document's own from -range while x <= range), and a value
// outside them is left out. Plane records are (x, f(x), 0) with slot number
// 0, space records (x, y, f(x, y)) with the slot's number. A jump smaller
// than `pixel` is not looked for: one pixel of the picture sampled for.
struct ExplicitRows {
    // The spans of a row: x from `first` while x <= `last`, values kept
    // from `low` to `high`. The document's own are its range.
    struct Spans {
        double first, last, low, high;
    };
    static constexpr Spans RangeSpans(int32_t range) {
        const double r = range;
        return {-r, r, -r, r};
    }

    ExplicitRows(Dimension dimension, int32_t range, double step, int32_t leftSide, int32_t number,
                 RowEvaluation evaluation = RowEvaluation::Batched, JumpTest jumps = JumpTest::On)
        : ExplicitRows(dimension, range, step, leftSide, number, evaluation, jumps, RangeSpans(range),
                       DocumentPixel(range)) {}
    // The rows of a window other than the document's: its spans, and one
    // pixel of the window in the units of the values.
    ExplicitRows(Dimension dimension, int32_t range, double step, int32_t leftSide, int32_t number,
                 RowEvaluation evaluation, JumpTest jumps, const Spans& spans, double pixel)
        : dimension(dimension),
          range(range),
          step(step),
          leftSide(leftSide),
          number(number),
          evaluation(evaluation),
          jumps(jumps),
          pixel(pixel),
          spans(spans),
          xs(spans.first, spans.last, step) {}

    Dimension dimension;
    int32_t range;
    double step;
    int32_t leftSide;
    int32_t number;
    RowEvaluation evaluation;
    JumpTest jumps;
    double pixel;
    Spans spans;
    RowAxis xs;  // x along every row
};

// Samples the compiled formula f along the row at y (unused in the plane),
// with the left side's rule and the range test; a sample the curve jumps to
// begins a new piece.
RowSampled SampleExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                             SampleTicker& ticker);
// The same, uncounted and never cancelled, for a row sampled on a thread of
// its own while its caller counts the rows in bulk.
RowSampled SampleExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room);

// What every row of a parametric graph shares: u (t in the plane) runs from
// `start` by `step` while u <= last. Records carry the slot's number in
// space, 0 in the plane. A jump smaller than `pixel` (in the coordinates of
// the points) is not looked for.
struct ParametricRows {
    ParametricRows(double start, double last, double step, int32_t number, double pixel,
                   RowEvaluation evaluation = RowEvaluation::Batched, JumpTest jumps = JumpTest::On)
        : start(start),
          last(last),
          step(step),
          number(number),
          pixel(pixel),
          evaluation(evaluation),
          jumps(jumps),
          us(start, last, step) {}

    double start;
    double last;
    double step;
    int32_t number;
    double pixel;
    RowEvaluation evaluation;
    JumpTest jumps;
    RowAxis us;  // u (t) along every row
};

// The coordinate formulas of a plane parametric curve, x(t) and y(t).
struct CurveFormulas {
    explicit CurveFormulas(const CGraphDef& graph);
    ~CurveFormulas();
    bool Compile();  // each in turn, stopping at the first that fails

    std::unique_ptr<CParameterExpress2d> x, y;
};

// The coordinate formulas of a parametric surface, x(u, v), y(u, v), z(u, v).
struct SurfaceFormulas {
    explicit SurfaceFormulas(const CGraphDef& graph);
    ~SurfaceFormulas();
    bool Compile();

    std::unique_ptr<CParameterExpress3d> x, y, z;
};

// Samples the compiled formulas along the row at v (the curve has none). A
// sample whose formulas have no value is skipped without breaking the
// piece, a sample the curve jumps to begins a new one; when u no longer
// moves the row ends there.
RowSampled SampleParametricRow(CurveFormulas& f, const ParametricRows& rows, SamplePoint* out, int32_t room,
                               SampleTicker& ticker);
RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                               SampleTicker& ticker);
// The same, uncounted and never cancelled, for a row sampled on a thread of
// its own while its caller counts the rows in bulk.
RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out,
                               int32_t room);
