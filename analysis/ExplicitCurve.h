#pragma once
// The explicit plane graph of one slot as functions of x for the points of
// interest: y = f(x) itself, or for y*y = f(x) its upper half +sqrt(f), its
// lower half -sqrt(f), and f alone, whose roots are where the halves meet.
// Each evaluation runs the formula's compiled program (the number-only
// program where the formula has one) and allocates nothing.

#include <cstdint>
#include <memory>
#include <string_view>

class CFunctionExpress;

// A slot's formula, compiled once.
class CExplicitFormula {
public:
    // `range` is the document's R, which the engine's graph objects start from.
    CExplicitFormula(std::u16string_view formula, int32_t range);
    ~CExplicitFormula();
    CExplicitFormula(CExplicitFormula&&) noexcept;
    CExplicitFormula& operator=(CExplicitFormula&&) noexcept;

    // False when the formula does not compile; the engine has then said why.
    bool Compile();
    // f(x), or NaN where it has no finite number.
    double operator()(double x) const;

private:
    std::unique_ptr<CFunctionExpress> m_pExpression;
};

enum class CurvePart {
    Plain,      // y = f(x)
    UpperHalf,  // y = +sqrt(f(x)) of y*y = f(x)
    LowerHalf,  // y = -sqrt(f(x))
    Radicand,   // f(x) of y*y = f(x): its roots are the curve's
};

// One part of a slot's graph; NaN where the part has no value (a half where
// f is negative).
struct ExplicitCurve {
    const CExplicitFormula* formula;
    CurvePart part;
    int slot;  // 1..3

    double operator()(double x) const;
};
