#include "analysis/Refinement.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

// Enough for toms748 to close a bracket of one pixel to neighbouring
// doubles many times over; bisection finishes whatever it leaves.
constexpr std::uintmax_t kRootIterations = 100;
// Brent's method finds a minimum's x to about the square root of the
// precision of the values: half the digits of a double.
constexpr int kMinimumBits = std::numeric_limits<double>::digits / 2;
constexpr std::uintmax_t kMinimumIterations = 200;

// Brent's method stops within about twice this (relative to max(1, |x|))
// of the minimum; the grid that refines it samples that far on either side.
constexpr double kMinimumTolerance = 2.0 / (1LL << kMinimumBits);
constexpr double kPolishReach = 2 * kMinimumTolerance;
constexpr int kPolishSamples = 64;

bool Neighbours(double a, double b) { return std::nextafter(a, b) == b || a == b; }

// Of a sign change's two ends, the one where |f| is smaller; on a tie the
// one nearer 0, so that roots symmetric about 0 come out symmetric.
double Nearer(double a, double fa, double b, double fb) {
    if (std::fabs(fa) != std::fabs(fb)) return std::fabs(fa) < std::fabs(fb) ? a : b;
    return std::fabs(a) <= std::fabs(b) ? a : b;
}

double PolishGrid(double from, double to, int k) { return from + (to - from) * k / kPolishSamples; }

// The last double from `inside` (f there the least value) towards
// `outside` (f there above it) where f still takes the least value.
double EdgeOfLeast(CRealFunction f, double least, double inside, double outside) {
    while (!Neighbours(inside, outside)) {
        const double m = inside + (outside - inside) / 2;
        (f(m) <= least ? inside : outside) = m;
    }
    return inside;
}

bool OppositeSigns(double fa, double fb) { return (fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0); }

// Halves the bracket [a, b] of a sign change until its ends are neighbouring
// doubles; its end with the smaller |f|, or an x where f is 0.
std::optional<double> Bisect(CRealFunction f, double a, double fa, double b, double fb) {
    while (!Neighbours(a, b)) {
        const double m = a + (b - a) / 2;
        const double fm = f(m);
        if (std::isnan(fm)) return std::nullopt;
        if (fm == 0.0) return m;
        if (OppositeSigns(fa, fm)) {
            b = m;
            fb = fm;
        } else {
            a = m;
            fa = fm;
        }
    }
    return Nearer(a, fa, b, fb);
}

// Where f's least value near the x that Brent's method found lies: f sampled
// densely across the method's uncertainty, then the ends of the run of
// doubles that take the least value found by halving, and their middle. The
// value there is then the least the doubles give, not one a rounding above.
double PolishMinimum(CRealFunction f, double x, double a, double b) {
    const double reach = kPolishReach * std::max(1.0, std::fabs(x));
    const double from = std::max(a, x - reach), to = std::min(b, x + reach);
    double least = f(x);
    int first = -1, last = -1;  // the grid's run of the least value
    for (int k = 0; k <= kPolishSamples; ++k) {
        const double v = f(PolishGrid(from, to, k));
        if (v < least) {
            least = v;
            first = last = k;
        } else if (v == least && (first < 0 || last == k - 1)) {
            if (first < 0) first = k;
            last = k;
        }
    }
    if (first < 0) return x;
    const double left =
        first == 0 ? from : EdgeOfLeast(f, least, PolishGrid(from, to, first), PolishGrid(from, to, first - 1));
    const double right =
        last == kPolishSamples ? to : EdgeOfLeast(f, least, PolishGrid(from, to, last), PolishGrid(from, to, last + 1));
    const double middle = left + (right - left) / 2;
    return f(middle) <= least ? middle : PolishGrid(from, to, first);
}

}  // namespace

std::optional<double> RefineRoot(CRealFunction f, double a, double fa, double b, double fb) {
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    if (!OppositeSigns(fa, fb)) return std::nullopt;
    std::uintmax_t iterations = kRootIterations;
    try {
        const auto [lo, hi] = boost::math::tools::toms748_solve(
            f, a, b, fa, fb, [](double x, double y) { return Neighbours(x, y); }, iterations);
        const double flo = f(lo);
        const double fhi = f(hi);
        if (flo == 0.0) return lo;
        if (fhi == 0.0) return hi;
        if (OppositeSigns(flo, fhi)) return Bisect(f, lo, flo, hi, fhi);
    } catch (const std::exception&) {
        // A value without a number on the way confuses the solver: halve
        // the whole bracket instead.
    }
    return Bisect(f, a, fa, b, fb);
}

std::optional<double> RefineMinimum(CRealFunction f, double a, double b) {
    std::uintmax_t iterations = kMinimumIterations;
    try {
        const auto [x, fx] = boost::math::tools::brent_find_minima(f, a, b, kMinimumBits, iterations);
        if (fx < f(a) && fx < f(b)) return PolishMinimum(f, x, a, b);
    } catch (const std::exception&) {
        // The solver gave up: no minimum is reported rather than a wrong one.
    }
    return std::nullopt;
}
