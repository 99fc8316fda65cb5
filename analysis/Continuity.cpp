#include "analysis/Continuity.h"

#include <cmath>

#include "document/Continuity.h"

namespace {

// An explicit curve as the document's continuity test walks it: its height
// alone is the point, so the change it weighs is the change of y.
class CExplicitProbe final : public CurveProbe {
public:
    explicit CExplicitProbe(CRealFunction f) : m_f(f) {}

    bool At(double x, CurvePoint& point) override {
        point = {{m_f(x), 0.0, 0.0}};
        return !std::isnan(point.c[0]);
    }

private:
    CRealFunction m_f;
};

}  // namespace

bool ContinuousBetween(CRealFunction f, double a, double fa, double b, double fb, double pixel) {
    CExplicitProbe probe(f);
    return !JumpsBetween(probe, a, {{fa, 0.0, 0.0}}, b, {{fb, 0.0, 0.0}}, pixel);
}
