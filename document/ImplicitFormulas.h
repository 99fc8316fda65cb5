#pragma once
// The two sides of an implicit graph's equation, compiled once and evaluated
// together: the value F - G at a point, whose zeros are the graph.

#include <limits>
#include <memory>
#include <string_view>

#include "document/Dimension.h"
#include "expr/GraphExpress.h"

class ImplicitFormulas {
public:
    // The formula of an implicit slot: x and y in the plane, x, y and z in space.
    ImplicitFormulas(std::u16string_view formula, Dimension dimension);
    ~ImplicitFormulas();

    // False when a side does not compile (its message is reported) or the
    // formula holds a second top-level '='.
    bool Compile();

    // F - G at (x, y, z); NaN where either side has no number.
    double At(double x, double y, double z) {
        Place(*m_left, x, y, z);
        double f = 0.0;
        if (!m_left->EvaluateNumber(f)) {
            return kNoValue;
        }
        if (!m_right) {
            return f - m_dConstantRight;
        }
        Place(*m_right, x, y, z);
        double g = 0.0;
        return m_right->EvaluateNumber(g) ? f - g : kNoValue;
    }

private:
    static constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
    static void Place(CImplicitExpress& side, double x, double y, double z) {
        side.m_x = x;
        side.m_y = y;
        side.m_z = z;
    }

    std::unique_ptr<CImplicitExpress> m_left;
    std::unique_ptr<CImplicitExpress> m_right;  // null for a bare F or a G without variables
    double m_dConstantRight = 0.0;              // G when it names no variable: taken once
    bool m_bSecondEquals = false;
    bool m_bConstantRight = false;
};
