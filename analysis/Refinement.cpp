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

bool Neighbours(double a, double b) { return std::nextafter(a, b) == b || a == b; }

bool OppositeSigns(double fa, double fb) { return (fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0); }

// Halves the bracket [a, b] of a sign change until its ends are neighbouring
// doubles; its end with the smaller |f|, or an x where f is 0.
std::optional<double> Bisect(RealFunction f, double a, double fa, double b, double fb) {
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
    return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

}  // namespace

std::optional<double> RefineRoot(RealFunction f, double a, double fa, double b, double fb) {
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

std::optional<double> RefineMinimum(RealFunction f, double a, double b) {
    std::uintmax_t iterations = kMinimumIterations;
    try {
        const auto [x, fx] = boost::math::tools::brent_find_minima(f, a, b, kMinimumBits, iterations);
        if (fx < f(a) && fx < f(b)) return x;
    } catch (const std::exception&) {
        // The solver gave up: no minimum is reported rather than a wrong one.
    }
    return std::nullopt;
}
