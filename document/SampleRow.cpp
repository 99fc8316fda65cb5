#include "document/SampleRow.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/SampleTicker.h"
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

// The records of one explicit row as its samples come: the left side's rule,
// the range test, and where a piece begins.
template <Dimension kDimension>
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
        constexpr double threshold = kPlane ? kPlaneSquaredThreshold : kSpaceSquaredThreshold;
        if (!valued || !ExplicitValue(v, m_leftSide, threshold, m_low, m_high)) {
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

private:
    const double m_y;
    const double m_low;
    const double m_high;
    const int32_t m_leftSide;
    const int32_t m_room;
    RecordWriter m_writer;
    bool m_newPiece = true;
};

template <Dimension kDimension, class Ticker>
RowSampled ExplicitRowPerSample(CFunctionExpress& f, const ExplicitRows& rows, ExplicitRecords<kDimension>& records,
                                Ticker& ticker) {
    for (double x = rows.spans.first; x <= rows.spans.last && records.HasRoom(); x += rows.step) {
        if (!ticker.Tick()) {
            return {records.Stored(), false};
        }
        f.m_x = x;
        double v = 0.0;
        const bool valued = f.EvaluateNumber(v);
        records.Take(x, v, valued);
    }
    return {records.Stored(), true};
}

// The same samples with x a batch at a time: a number-only formula always
// has a number.
template <Dimension kDimension, class Ticker>
RowSampled ExplicitRowBatched(CExpressRowProgram& program, const ExplicitRows& rows,
                              ExplicitRecords<kDimension>& records, Ticker& ticker) {
    program.BeginRow();
    RowAxis::Position at = rows.xs.Begin();
    while (records.HasRoom()) {
        double* xs = program.Input();
        const int count = rows.xs.Next(at, xs, kBatch);
        if (count == 0) {
            break;
        }
        const double* values = program.Run(count);
        const bool finished = TakeBatch(
            ticker, count, [&records] { return records.HasRoom(); },
            [&records, xs, values](int i) { records.Take(xs[i], values[i], true); });
        if (!finished) {
            return {records.Stored(), false};
        }
    }
    return {records.Stored(), true};
}

template <Dimension kDimension, class Ticker>
RowSampled ExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                       Ticker& ticker) {
    if constexpr (kDimension != DIM_PLANE) {
        f.m_y = y;
    }
    ExplicitRecords<kDimension> records(rows, y, out, room);
    CExpressRowProgram* program = rows.evaluation == RowEvaluation::Batched ? f.RowProgram(&f.m_x) : nullptr;
    return program ? ExplicitRowBatched(*program, rows, records, ticker)
                   : ExplicitRowPerSample(f, rows, records, ticker);
}

bool Evaluate(CurveFormulas& f, double t, double, double& x, double& y, double& z) {
    f.x->m_t = t;
    f.y->m_t = t;
    z = 0.0;
    return f.x->EvaluateNumber(x) && f.y->EvaluateNumber(y);
}

bool Evaluate(SurfaceFormulas& f, double u, double v, double& x, double& y, double& z) {
    f.x->m_u = f.y->m_u = f.z->m_u = u;
    f.x->m_v = f.y->m_v = f.z->m_v = v;
    return f.x->EvaluateNumber(x) && f.y->EvaluateNumber(y) && f.z->EvaluateNumber(z);
}

template <class Formulas, class Ticker>
RowSampled ParametricRowPerSample(Formulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                                  Ticker& ticker) {
    const double last = rows.last;
    const double step = rows.step;
    RecordWriter writer(out, rows.number);
    for (double u = rows.start; u <= last && writer.Count() < room; u += step) {
        if (!ticker.Tick()) {
            return {writer.Count(), false};
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
        writer.Store(writer.Count() == 0, x, y, z);
    }
    return {writer.Count(), true};
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

bool BeginRows(SurfaceFormulas& f, double v, CoordinatePrograms& programs) {
    programs[0] = f.x->RowProgram(&f.x->m_u);
    programs[1] = f.y->RowProgram(&f.y->m_u);
    programs[2] = f.z->RowProgram(&f.z->m_u);
    f.x->m_v = f.y->m_v = f.z->m_v = v;
    return programs[0] && programs[1] && programs[2];
}

// The same samples with u a batch at a time: number-only formulas always
// have numbers, so every sample is stored.
template <class Ticker>
RowSampled ParametricRowBatched(const CoordinatePrograms& programs, const ParametricRows& rows, SamplePoint* out,
                                int32_t room, Ticker& ticker) {
    static constexpr double kNoZ[kBatch] = {};
    for (CExpressRowProgram* program : programs) {
        if (program) {
            program->BeginRow();
        }
    }
    RecordWriter writer(out, rows.number);
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
            [&writer, &coordinates](int i) {
                writer.Store(writer.Count() == 0, coordinates[0][i], coordinates[1][i], coordinates[2][i]);
            });
        if (!finished) {
            return {writer.Count(), false};
        }
    }
    return {writer.Count(), true};
}

template <class Formulas, class Ticker>
RowSampled ParametricRow(Formulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                         Ticker& ticker) {
    CoordinatePrograms programs;
    if (rows.evaluation == RowEvaluation::Batched && BeginRows(f, v, programs)) {
        return ParametricRowBatched(programs, rows, out, room, ticker);
    }
    return ParametricRowPerSample(f, rows, v, out, room, ticker);
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

SurfaceFormulas::SurfaceFormulas(const CGraphDef& graph)
    : x(std::make_unique<CParameterExpress3d>(graph.m_strX)),
      y(std::make_unique<CParameterExpress3d>(graph.m_strY)),
      z(std::make_unique<CParameterExpress3d>(graph.m_strZ)) {}

SurfaceFormulas::~SurfaceFormulas() = default;

bool SurfaceFormulas::Compile() { return x->Compile() && y->Compile() && z->Compile(); }

RowSampled SampleParametricRow(CurveFormulas& f, const ParametricRows& rows, SamplePoint* out, int32_t room,
                               SampleTicker& ticker) {
    return ParametricRow(f, rows, 0.0, out, room, ticker);
}

RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                               SampleTicker& ticker) {
    return ParametricRow(f, rows, v, out, room, ticker);
}

RowSampled SampleParametricRow(SurfaceFormulas& f, const ParametricRows& rows, double v, SamplePoint* out,
                               int32_t room) {
    Uncounted uncounted;
    return ParametricRow(f, rows, v, out, room, uncounted);
}
