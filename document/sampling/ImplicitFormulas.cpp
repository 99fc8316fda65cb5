#include "document/sampling/ImplicitFormulas.h"

#include "document/sampling/ImplicitEquation.h"

ImplicitFormulas::ImplicitFormulas(std::u16string_view formula, Dimension dimension) {
    const ImplicitEquation equation = SplitImplicitEquation(formula);
    const int useZ = dimension == DIM_SPACE ? 1 : 0;
    m_left = std::make_unique<CImplicitExpress>(equation.left, useZ);
    if (equation.equals >= 1) {
        m_right = std::make_unique<CImplicitExpress>(equation.right, useZ);
    }
    m_bSecondEquals = equation.equals > 1;
}

ImplicitFormulas::~ImplicitFormulas() = default;

bool ImplicitFormulas::Compile() {
    if (m_bSecondEquals || !m_left->Compile()) {
        return false;
    }
    return !m_right || m_right->Compile();
}
