#include "document/sampling/SampleRow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "document/sampling/ExplicitRowScan.h"
#include "document/sampling/JumpWatch.h"
#include "document/sampling/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

// A squared left side takes the root of values down to these as the root of
// 0, so that a sample just past the rim, where the value dips a little below
// 0, still closes the curve or the surface.
constexpr double kPlaneSquaredThreshold = -0.01;
constexpr double kSpaceSquaredThreshold = -0.02;

// The left side's rule and the range test (low..high) applied to the value v; false when
// the sample is skipped (and a new piece begins). A squared left side takes
// the root as the power 0.5 of max(v, 0); a NaN passes the range test of a
// plain left side and is kept. A left side other than plain or squared
// stores nothing.
inline bool ExplicitValue(double& v, int32_t leftSide, double threshold, double low, double high) {
    if (leftSide == LS_SQUARED) {
        if (v < threshold || std::isnan(v)) {
            return false;
        }
        v = std::pow(std::max(v, 0.0), 0.5);
    } else if (leftSide != LS_PLAIN) {
        return false;
    }
    return !(v > high || v < low);
}

// Writes a row's records one after another, each from the end of the one
// before, or from itself when it begins a new piece (as the first of a row
// always does). The end is kept at hand rather than read back from the
// record just written, which would wait for that record's memory.
class RecordWriter {
public:
    RecordWriter(SamplePoint* out, int32_t number) : m_out(out), m_number(number) {}

    void Store(bool newPiece, double x, double y, double z) {
        if (newPiece) {
            m_fromX = x;
            m_fromY = y;
            m_fromZ = z;
        }
        SamplePoint& point = m_out[m_count++];
        point.fromX = m_fromX;
        point.fromY = m_fromY;
        point.fromZ = m_fromZ;
        point.x = x;
        point.y = y;
        point.z = z;
        point.graphNumber = m_number;
        m_fromX = x;
        m_fromY = y;
        m_fromZ = z;
    }
    int32_t Count() const { return m_count; }

private:
    SamplePoint* const m_out;
    const int32_t m_number;
    int32_t m_count = 0;
    double m_fromX = 0.0;
    double m_fromY = 0.0;
    double m_fromZ = 0.0;
};

// Counts nothing, for a row whose samples its caller counts in bulk.
struct Uncounted {
    static bool Tick() { return true; }
    static int32_t Quiet() { return std::numeric_limits<int32_t>::max(); }
    static void Skip(int32_t) {}
};

constexpr int kBatch = CExpressRowProgram::kBatch;

// Takes the samples 0 .. count-1 of a batch while the row has room, each
// counted as a Tick of the ticker, as one sample after another would: the
// stretches that reach no report are counted at once. False when the ticker
// asked to cancel, before the sample it was asked for is taken.
template <class Ticker, class Room, class Take>
bool TakeBatch(Ticker& ticker, int count, Room room, Take take) {
    int i = 0;
    while (i < count) {
        const int stretch = static_cast<int>(std::min<int32_t>(count - i, ticker.Quiet()));
        const int start = i;
        for (; i < start + stretch && room(); ++i) {
            take(i);
        }
        ticker.Skip(i - start);
        if (i == count || !room()) {
            return true;
        }
        if (!ticker.Tick()) {
            return false;
        }
        take(i++);
    }
    return true;
}

template <Dimension kDimension>
constexpr double kSquaredThreshold = kDimension == DIM_PLANE ? kPlaneSquaredThreshold : kSpaceSquaredThreshold;

// An explicit row's curve between its samples: f at any x of the row,
// through the same compiled formula, with the same rules as a sample.
template <Dimension kDimension>
class ExplicitProbe final : public CurveProbe {
public:
    ExplicitProbe(CFunctionExpress& f, const ExplicitRows& rows)
        : m_f(f), m_low(rows.spans.low), m_high(rows.spans.high), m_leftSide(rows.leftSide) {}

    bool At(double x, CurvePoint& point) override {
        m_f.m_x = x;
        double v = 0.0;
        if (!m_f.EvaluateNumber(v) || std::isnan(v) ||
            !ExplicitValue(v, m_leftSide, kSquaredThreshold<kDimension>, m_low, m_high)) {
            return false;
        }
        point = {{v, 0.0, 0.0}};
        return true;
    }

private:
    CFunctionExpress& m_f;
    const double m_low;
    const double m_high;
    const int32_t m_leftSide;
};

// The rows sampled for comparison without the jump test.
struct NoJumpWatch {
    NoJumpWatch(SamplePoint*, CurveProbe&, double) {}
    void Stored(bool, double, const CurvePoint&) {}
    void End() {}
};
struct NoRowScan {
    void Stored(int32_t, const double*, int32_t) {}
    void End(int32_t) {}
};

// The records of one explicit row as its samples come: the left side's rule,
// the range test, and where a piece begins. kPlain: the left side is known
// to be plain, so the loop does not ask for each sample.
template <Dimension kDimension, bool kPlain>
class ExplicitRecords {
public:
    static constexpr bool kPlane = kDimension == DIM_PLANE;

    ExplicitRecords(const ExplicitRows& rows, double y, SamplePoint* out, int32_t room)
        : m_y(y),
          m_low(rows.spans.low),
          m_high(rows.spans.high),
          m_leftSide(rows.leftSide),
          m_room(room),
          m_writer(out, rows.number) {}

    // The sample f(x) = v; `valued` is false when it has no number.
    void Take(double x, double v, bool valued) {
        const bool kept = kPlain ? !(v > m_high || v < m_low)
                                 : ExplicitValue(v, m_leftSide, kSquaredThreshold<kDimension>, m_low, m_high);
        if (!valued || !kept) {
            m_newPiece = true;
            return;
        }
        if constexpr (kPlane) {
            m_writer.Store(m_newPiece, x, v, 0.0);  // z unused; 0 keeps files reproducible
        } else {
            m_writer.Store(m_newPiece, x, m_y, v);
        }
        m_newPiece = false;
    }
    bool HasRoom() const { return m_writer.Count() < m_room; }
    int32_t Stored() const { return m_writer.Count(); }
    // Whether the values stored are those evaluated, unchanged.
    static constexpr bool kStoresValues = kPlain;

private:
    const double m_y;
    const double m_low;
    const double m_high;
    const int32_t m_leftSide;
    const int32_t m_room;
    RecordWriter m_writer;
    bool m_newPiece = true;
};

// The records are taken by value, so that nothing outside the loop sees
// them and the loop may keep them in registers; the scan looks at them
// for jumps once they are stored (it is told of the last at the row's end).
template <class Records, class Scan, class Ticker>
RowSampled ExplicitRowPerSample(CFunctionExpress& f, const ExplicitRows& rows, Records records, Scan& scan,
                                Ticker& ticker) {
    bool finished = true;
    for (double x = rows.spans.first; x <= rows.spans.last && records.HasRoom(); x += rows.step) {
        if (!ticker.Tick()) {
            finished = false;
            break;
        }
        f.m_x = x;
        double v = 0.0;
        const bool valued = f.EvaluateNumber(v);
        records.Take(x, v, valued);
    }
    scan.End(records.Stored());
    return {records.Stored(), finished};
}

// The same samples with x a batch at a time: a number-only formula always
// has a number. Each batch's records are scanned while they are at hand.
template <class Records, class Scan, class Ticker>
RowSampled ExplicitRowBatched(CExpressRowProgram& program, const ExplicitRows& rows, Records records, Scan& scan,
                              Ticker& ticker) {
    program.BeginRow();
    RowAxis::Position at = rows.xs.Begin();
    bool finished = true;
    while (finished && records.HasRoom()) {
        double* xs = program.Input();
        const int count = rows.xs.Next(at, xs, kBatch);
        if (count == 0) {
            break;
        }
        const double* values = program.Run(count);
        const int32_t before = records.Stored();
        finished = TakeBatch(
            ticker, count, [&records] { return records.HasRoom(); },
            [&records, xs, values](int i) { records.Take(xs[i], values[i], true); });
        const bool whole = Records::kStoresValues && records.Stored() - before == count;
        scan.Stored(records.Stored(), whole ? values : nullptr, count);
    }
    scan.End(records.Stored());
    return {records.Stored(), finished};
}

template <Dimension kDimension, class Scan, class Ticker>
RowSampled ExplicitRowScanned(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                              Scan& scan, Ticker& ticker) {
    CExpressRowProgram* program = rows.evaluation == RowEvaluation::Batched ? f.RowProgram(&f.m_x) : nullptr;
    if (rows.leftSide == LS_PLAIN) {
        const ExplicitRecords<kDimension, true> records(rows, y, out, room);
        return program ? ExplicitRowBatched(*program, rows, records, scan, ticker)
                       : ExplicitRowPerSample(f, rows, records, scan, ticker);
    }
    const ExplicitRecords<kDimension, false> records(rows, y, out, room);
    return program ? ExplicitRowBatched(*program, rows, records, scan, ticker)
                   : ExplicitRowPerSample(f, rows, records, scan, ticker);
}

template <Dimension kDimension, class Ticker>
RowSampled ExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                       Ticker& ticker) {
    if constexpr (kDimension != DIM_PLANE) {
        f.m_y = y;
    }
    if (rows.jumps == JumpTest::Off) {
        NoRowScan none;
        return ExplicitRowScanned<kDimension>(f, rows, y, out, room, none, ticker);
    }
    ExplicitProbe<kDimension> probe(f, rows);
    ExplicitRowScan scan(out, kDimension == DIM_PLANE ? &SamplePoint::y : &SamplePoint::z, probe, rows.pixel,
                         {rows.spans.low, rows.spans.high});
    return ExplicitRowScanned<kDimension>(f, rows, y, out, room, scan, ticker);
}

bool Evaluate(CurveFormulas& f, double t, double, double& x, double& y, double& z) {
    f.x->m_t = t;
    f.y->m_t = t;
    z = 0.0;
    return f.x->EvaluateNumber(x) && f.y->EvaluateNumber(y);
}

bool Evaluate(PolarFormulas& f, double t, double, double& x, double& y, double& z) {
    f.r->m_t = t;
    double radius = 0.0;
    if (!f.r->EvaluateNumber(radius)) {
        return false;
    }
    x = radius * std::cos(t);
    y = radius * std::sin(t);
    z = 0.0;
    return true;
}

bool Evaluate(SurfaceFormulas& f, double u, double v, double& x, double& y, double& z) {
    f.x->m_u = f.y->m_u = f.z->m_u = u;
    f.x->m_v = f.y->m_v = f.z->m_v = v;
    return f.x->EvaluateNumber(x) && f.y->EvaluateNumber(y) && f.z->EvaluateNumber(z);
}

// A parametric row's curve between its samples: the coordinate formulas at
// any u of the row.
template <class Formulas>
class ParametricProbe final : public CurveProbe {
public:
    ParametricProbe(Formulas& f, double v) : m_f(f), m_v(v) {}

    bool At(double u, CurvePoint& point) override { return Evaluate(m_f, u, m_v, point.c[0], point.c[1], point.c[2]); }

private:
    Formulas& m_f;
    const double m_v;
};

// The records of one parametric row, each watched for a jump from the one
// before.
template <class Watch>
class ParametricRecords {
public:
    ParametricRecords(SamplePoint* out, const ParametricRows& rows, CurveProbe& probe)
        : m_writer(out, rows.number), m_watch(out, probe, rows.pixel) {}

    void Store(double u, double x, double y, double z) {
        const bool begins = m_writer.Count() == 0;
        m_writer.Store(begins, x, y, z);
        m_watch.Stored(begins, u, {{x, y, z}});
    }
    int32_t Count() const { return m_writer.Count(); }
    RowSampled End(bool finished) {
        m_watch.End();
        return {m_writer.Count(), finished};
    }

private:
    RecordWriter m_writer;
    Watch m_watch;
};

template <class Formulas, class Records, class Ticker>
RowSampled ParametricRowPerSample(Formulas& f, const ParametricRows& rows, double v, Records writer, int32_t room,
                                  Ticker& ticker) {
    const double last = rows.last;
    const double step = rows.step;
    for (double u = rows.start; u <= last && writer.Count() < room; u += step) {
        if (!ticker.Tick()) {
            return writer.End(false);
        }
        double x;
        double y;
        double z;
        if (!Evaluate(f, u, v, x, y, z)) {
            if (u + step == u) {
                break;  // u no longer moves: this sample would fail forever
            }
            continue;
        }
        writer.Store(u, x, y, z);
    }
    return writer.End(true);
}

// The row programs of the coordinate formulas along t or u, with v set for
// the row and what is fixed along it computed; false when one of the
// formulas has none.
using CoordinatePrograms = CExpressRowProgram* [3];

bool BeginRows(CurveFormulas& f, double, CoordinatePrograms& programs) {
    programs[0] = f.x->RowProgram(&f.x->m_t);
    programs[1] = f.y->RowProgram(&f.y->m_t);
    programs[2] = nullptr;  // z is 0 on a curve
    return programs[0] && programs[1];
}

// The radius's row program would give r, not the point: a polar curve is
// sampled one sample after another.
bool BeginRows(PolarFormulas&, double, CoordinatePrograms&) { return false; }

bool BeginRows(SurfaceFormulas& f, double v, CoordinatePrograms& programs) {
    programs[0] = f.x->RowProgram(&f.x->m_u);
    programs[1] = f.y->RowProgram(&f.y->m_u);
    programs[2] = f.z->RowProgram(&f.z->m_u);
    f.x->m_v = f.y->m_v = f.z->m_v = v;
    return programs[0] && programs[1] && programs[2];
}

// The same samples with u a batch at a time: number-only formulas always
// have numbers, so every sample is stored.
template <class Records, class Ticker>
RowSampled ParametricRowBatched(const CoordinatePrograms& programs, const ParametricRows& rows, Records writer,
                                int32_t room, Ticker& ticker) {
    static constexpr double kNoZ[kBatch] = {};
    for (CExpressRowProgram* program : programs) {
        if (program) {
            program->BeginRow();
        }
    }
    RowAxis::Position at = rows.us.Begin();
    while (writer.Count() < room) {
        double* us = programs[0]->Input();
        const int count = rows.us.Next(at, us, kBatch);
        if (count == 0) {
            break;
        }
        const double* coordinates[3] = {kNoZ, kNoZ, kNoZ};
        for (int k = 0; k < 3; ++k) {
            if (!programs[k]) {
                continue;
            }
            if (k > 0) {
                std::copy_n(us, count, programs[k]->Input());
            }
            coordinates[k] = programs[k]->Run(count);
        }
        const bool finished = TakeBatch(
            ticker, count, [&writer, room] { return writer.Count() < room; },
            [&writer, &coordinates, us](int i) {
                writer.Store(us[i], coordinates[0][i], coordinates[1][i], coordinates[2][i]);
            });
        if (!finished) {
            return writer.End(false);
        }
    }
    return writer.End(true);
}

template <class Formulas, class Watch, class Ticker>
RowSampled ParametricRowWatched(Formulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                                Ticker& ticker) {
    ParametricProbe<Formulas> probe(f, v);
    const ParametricRecords<Watch> records(out, rows, probe);
    CoordinatePrograms programs;
    if (rows.evaluation == RowEvaluation::Batched && BeginRows(f, v, programs)) {
        return ParametricRowBatched(programs, rows, records, room, ticker);
    }
    return ParametricRowPerSample(f, rows, v, records, room, ticker);
}

// Only the coordinates a kind has count for a change.
template <class Formulas>
constexpr int kCoordinates = std::is_same_v<Formulas, SurfaceFormulas> ? 3 : 2;

template <class Formulas, class Ticker>
RowSampled ParametricRow(Formulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                         Ticker& ticker) {
    return rows.jumps == JumpTest::On
               ? ParametricRowWatched<Formulas, JumpWatch<kCoordinates<Formulas>>>(f, rows, v, out, room, ticker)
               : ParametricRowWatched<Formulas, NoJumpWatch>(f, rows, v, out, room, ticker);
}

template <class Formulas>
bool CurveSlot(CGraphDef& graph, Formulas& f, SamplePoint* out, int32_t capacity, double pixel, SampleTicker& ticker) {
    if (!(graph.m_dTStep > 0) || !f.Compile()) {
        return true;
    }
    const ParametricRows rows{graph.m_dTStart, graph.m_dTEnd + graph.m_dTStep, graph.m_dTStep, 0, pixel};
    const RowSampled row = ParametricRow(f, rows, 0.0, out, capacity, ticker);  // the curve is one row
    graph.m_nPoints = row.stored;
    return row.finished;
}

}  // namespace

RowSampled SampleExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                             SampleTicker& ticker) {
    return rows.dimension == DIM_PLANE ? ExplicitRow<DIM_PLANE>(f, rows, y, out, room, ticker)
                                       : ExplicitRow<DIM_SPACE>(f, rows, y, out, room, ticker);
}

RowSampled SampleExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room) {
    Uncounted uncounted;
    return rows.dimension == DIM_PLANE ? ExplicitRow<DIM_PLANE>(f, rows, y, out, room, uncounted)
                                       : ExplicitRow<DIM_SPACE>(f, rows, y, out, room, uncounted);
}

CurveFormulas::CurveFormulas(const CGraphDef& graph)
    : x(std::make_unique<CParameterExpress2d>(graph.m_strX)), y(std::make_unique<CParameterExpress2d>(graph.m_strY)) {}

CurveFormulas::~CurveFormulas() = default;

bool CurveFormulas::Compile() { return x->Compile() && y->Compile(); }

PolarFormulas::PolarFormulas(const CGraphDef& graph)
    : r(std::make_unique<CParameterExpress2d>(graph.m_strFormula)) {}

PolarFormulas::~PolarFormulas() = default;

bool PolarFormulas::Compile() { return r->Compile(); }

SurfaceFormulas::SurfaceFormulas(const CGraphDef& graph)
    : x(std::make_unique<CParameterExpress3d>(graph.m_strX)),
      y(std::make_unique<CParameterExpress3d>(graph.m_strY)),
      z(std::make_unique<CParameterExpress3d>(graph.m_strZ)) {}

SurfaceFormulas::~SurfaceFormulas() = default;

bool SurfaceFormulas::Compile() { return x->Compile() && y->Compile() && z->Compile(); }

RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                               SampleTicker& ticker) {
    return ParametricRow(f, rows, v, out, room, ticker);
}

RowSampled SampleParametricRow(CurveFormulas& f, const ParametricRows& rows, SamplePoint* out, int32_t room,
                               SampleTicker& ticker) {
    return ParametricRow(f, rows, 0.0, out, room, ticker);
}

RowSampled SampleParametricRow(PolarFormulas& f, const ParametricRows& rows, SamplePoint* out, int32_t room,
                               SampleTicker& ticker) {
    return ParametricRow(f, rows, 0.0, out, room, ticker);
}

bool SampleCurveSlot(CGraphDef& graph, CurveFormulas& f, SamplePoint* out, int32_t capacity, double pixel,
                     SampleTicker& ticker) {
    return CurveSlot(graph, f, out, capacity, pixel, ticker);
}

bool SampleCurveSlot(CGraphDef& graph, PolarFormulas& f, SamplePoint* out, int32_t capacity, double pixel,
                     SampleTicker& ticker) {
    return CurveSlot(graph, f, out, capacity, pixel, ticker);
}

RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out,
                               int32_t room) {
    Uncounted uncounted;
    return ParametricRow(f, rows, v, out, room, uncounted);
}
