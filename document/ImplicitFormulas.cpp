#include "document/ImplicitFormulas.h"

#include "document/ImplicitEquation.h"

ImplicitFormulas::ImplicitFormulas(std::u16string_view formula, Dimension dimension) {
    const ImplicitEquation equation = SplitImplicitEquation(formula);
    const int useZ = dimension == DIM_SPACE ? 1 : 0;
    m_left = std::make_unique<CImplicitExpress>(equation.left, useZ);
    if (equation.equals >= 1) {
        m_right = std::make_unique<CImplicitExpress>(equation.right, useZ);
    }
    m_bSecondEquals = equation.equals > 1;
    m_bConstantRight = m_right && !FormulaNamesVariable(equation.right, 0);
}

ImplicitFormulas::~ImplicitFormulas() = default;

bool ImplicitFormulas::Compile() {
    if (m_bSecondEquals || !m_left->Compile()) {
        return false;
    }
    if (!m_right) {
        return true;
    }
    if (!m_right->Compile()) {
        return false;
    }
    // "= 64": a side without variables is the same number at every point.
    // Without a number it leaves no point with a value.
    if (m_bConstantRight) {
        if (!m_right->EvaluateNumber(m_dConstantRight)) {
            m_dConstantRight = std::numeric_limits<double>::quiet_NaN();
        }
        m_right.reset();
    }
    return true;
}
