#include "document/SampleRow.h"

#include <algorithm>
#include <cmath>

#include "document/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

// A squared left side takes the root of values down to these as the root of
// 0, so that a sample just past the rim, where the value dips a little below
// 0, still closes the curve or the surface.
constexpr double kPlaneSquaredThreshold = -0.01;
constexpr double kSpaceSquaredThreshold = -0.02;

// The left side's rule and the range test applied to the value v; false when
// the sample is skipped (and a new piece begins). A squared left side takes
// the root as the power 0.5 of max(v, 0); a NaN passes the range test of a
// plain left side and is kept. A left side other than plain or squared
// stores nothing.
inline bool ExplicitValue(double& v, int32_t leftSide, double threshold, double range) {
    if (leftSide == LS_SQUARED) {
        if (v < threshold || std::isnan(v)) {
            return false;
        }
        v = std::pow(std::max(v, 0.0), 0.5);
    } else if (leftSide != LS_PLAIN) {
        return false;
    }
    return !(v > range || v < -range);
}

// Stores the sample (x, y, z) at index i: from the previous record's end, or
// from itself when it begins a new piece (as the first of a row always does).
inline void StoreRecord(SamplePoint* out, int32_t i, bool newPiece, double x, double y, double z, int32_t number) {
    SamplePoint& point = out[i];
    point.x = x;
    point.y = y;
    point.z = z;
    point.graphNumber = number;
    if (newPiece) {
        point.fromX = x;
        point.fromY = y;
        point.fromZ = z;
    } else {
        point.fromX = out[i - 1].x;
        point.fromY = out[i - 1].y;
        point.fromZ = out[i - 1].z;
    }
}

// Counts nothing, for a row whose samples its caller counts in bulk.
struct Uncounted {
    static bool Tick() { return true; }
};

template <Dimension kDimension, class Ticker>
RowSampled ExplicitRow(CFunctionExpress& f, const ExplicitRows& rows, double y, SamplePoint* out, int32_t room,
                       Ticker& ticker) {
    constexpr bool kPlane = kDimension == DIM_PLANE;
    constexpr double threshold = kPlane ? kPlaneSquaredThreshold : kSpaceSquaredThreshold;
    const double r = rows.range;
    const double h = rows.step;
    const int32_t leftSide = rows.leftSide;
    const int32_t number = rows.number;
    if constexpr (!kPlane) {
        f.m_y = y;
    }
    int32_t n = 0;
    bool newPiece = true;
    for (double x = -r; x <= r && n < room; x += h) {
        if (!ticker.Tick()) {
            return {n, false};
        }
        f.m_x = x;
        double v;
        if (!f.EvaluateNumber(v) || !ExplicitValue(v, leftSide, threshold, r)) {
            newPiece = true;
            continue;
        }
        if constexpr (kPlane) {
            StoreRecord(out, n, newPiece, x, v, 0.0, number);  // z unused; 0 keeps files reproducible
        } else {
            StoreRecord(out, n, newPiece, x, y, v, number);
        }
        ++n;
        newPiece = false;
    }
    return {n, true};
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

template <class Formulas>
RowSampled ParametricRow(Formulas& f, const ParametricRows& rows, double v, SamplePoint* out, int32_t room,
                         SampleTicker& ticker) {
    const double last = rows.last;
    const double step = rows.step;
    const int32_t number = rows.number;
    int32_t n = 0;
    for (double u = rows.start; u <= last && n < room; u += step) {
        if (!ticker.Tick()) {
            return {n, false};
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
        StoreRecord(out, n, n == 0, x, y, z, number);
        ++n;
    }
    return {n, true};
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
