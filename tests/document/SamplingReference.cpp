#include "SamplingReference.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "expr/Express.h"
#include "expr/ExpressPlatform.h"
#include "expr/GraphExpress.h"

namespace {

bool Number(const CExpress& e, double& v) {
    ExpressValue r;
    e.EvaluateStepByStep(r);
    if (r.nType == EV_INTEGER) {
        v = r.nValue;
        return true;
    }
    if (r.nType == EV_NUMBER) {
        v = r.dValue;
        return true;
    }
    return false;
}

SamplePoint Record(const std::vector<SamplePoint>& p, bool newPiece, double x, double y, double z, int32_t n) {
    SamplePoint s{x, y, z, x, y, z, n};
    if (!newPiece && !p.empty()) {
        s.fromX = p.back().x;
        s.fromY = p.back().y;
        s.fromZ = p.back().z;
    }
    return s;
}

// Steps 2 and 3 of the explicit kinds: false when the sample is skipped.
bool LeftSideAndRange(double& v, int32_t L, double threshold, double R) {
    if (L == 1) {
        if (v < threshold || std::isnan(v)) return false;
        v = std::pow(std::max(v, 0.0), 0.5);
    } else if (L != 0) {
        return false;
    }
    return !(v > R || v < -R);
}

void Mirror(ReferenceSampling& out, bool space) {
    std::vector<SamplePoint>& p = out.points;
    const size_t n = p.size();
    for (std::vector<double>* where : {&out.along, &out.row}) {
        const std::vector<double> half = *where;
        where->insert(where->end(), half.begin(), half.end());
    }
    for (size_t k = 0; k < n; ++k) {
        SamplePoint m = p[k];
        if (space) {
            m.fromZ = m.fromZ * -1.0;
            m.z = m.z * -1.0;
        } else {
            m.fromY = -m.fromY;
            m.y = -m.y;
        }
        p.push_back(m);
    }
}

}  // namespace

ReferenceSampling ReferencePlane(const CGraphDef& g, int32_t range) {
    ReferenceSampling out;
    auto& p = out.points;
    const double R = range;
    if (g.m_nKind == 0) {
        const double h = g.m_dStep;
        const int32_t L = g.m_nLeftSide;
        out.capacity = static_cast<int64_t>(std::trunc((R + 1 + h) * 2 / h)) * (L == 1 ? 2 : 1);
        const int64_t half = out.capacity / (L == 1 ? 2 : 1);
        CFunctionExpress f(g.m_strFormula, 0, range);
        f.Compile();
        bool newPiece = true;
        for (double x = -R; x <= R; x += h) {
            f.m_x = x;
            double v;
            if (!Number(f, v) || !LeftSideAndRange(v, L, -0.01, R)) {
                newPiece = true;
                continue;
            }
            p.push_back(Record(p, newPiece, x, v, 0.0, 0));
            out.along.push_back(x);
            newPiece = false;
            if (static_cast<int64_t>(p.size()) == half) break;
        }
        if (L == 1) Mirror(out, false);
    } else if (g.m_nKind == 1) {
        out.capacity = static_cast<int64_t>(std::trunc((g.m_dTEnd + g.m_dTStep - g.m_dTStart) / g.m_dTStep));
        CParameterExpress2d fx(g.m_strX), fy(g.m_strY);
        fx.Compile();
        fy.Compile();
        for (double t = g.m_dTStart; t <= g.m_dTEnd + g.m_dTStep; t += g.m_dTStep) {
            fx.m_t = fy.m_t = t;
            double x, y;
            if (!Number(fx, x) || !Number(fy, y)) continue;
            p.push_back(Record(p, false, x, y, 0.0, 0));
            out.along.push_back(t);
            if (static_cast<int64_t>(p.size()) == out.capacity) break;
        }
    }
    return out;
}

ReferenceSampling ReferenceSpace(const CGraphDef& g, int32_t range, int32_t number) {
    ReferenceSampling out;
    auto& p = out.points;
    const double R = range;
    if (g.m_nKind == 0) {
        const double h = g.m_dStep;
        const int32_t L = g.m_nLeftSide;
        const double side = (R + 1 + h) * 2 / h;
        out.capacity = static_cast<int64_t>(std::trunc(side * side)) * (L == 1 ? 2 : 1);
        const int64_t half = out.capacity / (L == 1 ? 2 : 1);
        CFunctionExpress f(g.m_strFormula, 1, range);
        f.Compile();
        bool stop = false;
        for (double y = -R; y <= R && !stop; y += h) {
            bool newPiece = true;
            for (double x = -R; x <= R; x += h) {
                f.m_x = x;
                f.m_y = y;
                double v;
                if (!Number(f, v) || !LeftSideAndRange(v, L, -0.02, R)) {
                    newPiece = true;
                    continue;
                }
                p.push_back(Record(p, newPiece, x, y, v, number));
                out.along.push_back(x);
                out.row.push_back(y);
                newPiece = false;
                if (static_cast<int64_t>(p.size()) == half) {
                    stop = true;
                    break;
                }
            }
        }
        if (L == 1) Mirror(out, true);
    } else if (g.m_nKind == 1) {
        const double cells =
            (g.m_dTEnd + g.m_dTStep - g.m_dTStart) / g.m_dTStep * (g.m_dVEnd + g.m_dVStep - g.m_dVStart) / g.m_dVStep;
        out.capacity = static_cast<int64_t>(std::trunc(cells)) + 100;
        CParameterExpress3d fx(g.m_strX), fy(g.m_strY), fz(g.m_strZ);
        fx.Compile();
        fy.Compile();
        fz.Compile();
        bool stop = false;
        for (double v = g.m_dVStart; v <= g.m_dVEnd + g.m_dVStep && !stop; v += g.m_dVStep) {
            bool rowStart = true;
            for (double u = g.m_dTStart; u <= g.m_dTEnd + g.m_dTStep; u += g.m_dTStep) {
                fx.m_u = fy.m_u = fz.m_u = u;
                fx.m_v = fy.m_v = fz.m_v = v;
                double x, y, z;
                if (!Number(fx, x) || !Number(fy, y) || !Number(fz, z)) continue;
                p.push_back(Record(p, rowStart, x, y, z, number));
                out.along.push_back(u);
                out.row.push_back(v);
                rowStart = false;
                if (static_cast<int64_t>(p.size()) == out.capacity) {
                    stop = true;
                    break;
                }
            }
        }
    }
    return out;
}

namespace {
// Formulas that do not compile in these tests would otherwise print the
// engine's message on standard error.
const bool kQuietEngine = [] {
    ExpressPlatform platform;
    platform.showMessage = [](std::u16string_view) {};
    SetExpressPlatform(std::move(platform));
    return true;
}();
}  // namespace
