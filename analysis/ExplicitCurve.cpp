#include "analysis/ExplicitCurve.h"

#include <cmath>
#include <limits>

#include "expr/GraphExpress.h"

namespace {
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kPlaneFunction = 0;  // CFunctionExpress's useY for y = f(x)
}  // namespace

ExplicitFormula::ExplicitFormula(std::u16string_view formula, int32_t range)
    : m_expression(std::make_unique<CFunctionExpress>(formula, kPlaneFunction, range)) {}

ExplicitFormula::~ExplicitFormula() = default;
ExplicitFormula::ExplicitFormula(ExplicitFormula&&) noexcept = default;
ExplicitFormula& ExplicitFormula::operator=(ExplicitFormula&&) noexcept = default;

bool ExplicitFormula::Compile() { return m_expression->Compile() == 1; }

double ExplicitFormula::operator()(double x) const {
    m_expression->m_x = x;
    double v = 0.0;
    if (!m_expression->EvaluateNumber(v) || !std::isfinite(v)) return kNoValue;
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
