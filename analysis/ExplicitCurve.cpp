#include "analysis/ExplicitCurve.h"

#include <cmath>
#include <limits>

#include "expr/GraphExpress.h"

namespace {
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kPlaneFunction = 0;  // CFunctionExpress's useY for y = f(x)
}  // namespace

CExplicitFormula::CExplicitFormula(std::u16string_view formula, int32_t range)
    : m_pExpression(std::make_unique<CFunctionExpress>(formula, kPlaneFunction, range)) {}

CExplicitFormula::~CExplicitFormula() = default;
CExplicitFormula::CExplicitFormula(CExplicitFormula&&) noexcept = default;
CExplicitFormula& CExplicitFormula::operator=(CExplicitFormula&&) noexcept = default;

bool CExplicitFormula::Compile() { return m_pExpression->Compile() == 1; }

double CExplicitFormula::operator()(double x) const {
    m_pExpression->m_x = x;
    double v = 0.0;
    if (!m_pExpression->EvaluateNumber(v) || !std::isfinite(v)) return kNoValue;
    return v;
}

double ExplicitCurve::operator()(double x) const {
    const double v = (*formula)(x);
    switch (part) {
    case CurvePart::Plain:
    case CurvePart::Radicand: return v;
    case CurvePart::UpperHalf: return v >= 0.0 ? std::sqrt(v) : kNoValue;
    case CurvePart::LowerHalf: return v >= 0.0 ? -std::sqrt(v) : kNoValue;
    }
    return kNoValue;
}
