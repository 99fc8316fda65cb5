#include "document/sampling/JumpSuspicion.h"

#include <algorithm>
#include <cmath>

namespace {

// A change this many times both neighbours' is suspicious by itself.
constexpr double kLargeChange = 2.0;

template <int N>
double Size(const double* d) {
    double size = std::fabs(d[0]);
    for (int c = 1; c < N; ++c) {
        size = std::max(size, std::fabs(d[c]));
    }
    return size;
}

// An interval is suspicious when its change is more than a pixel and is
// large beside its neighbours', or turns against a neighbour's slope
// without following the trend the neighbours set (the turn of a smooth
// curve follows it), or when the curve may leave the span inside.
template <int N>
bool Suspicious(const Neighbourhood<N>& n, double pixel, const ValueSpan& span) {
    const double size = Size<N>(n.change);
    if (!(size > pixel)) {
        return false;  // too small to see, or not a number
    }
    const double neighbours = std::max(n.hasBefore ? Size<N>(n.before) : 0.0, n.hasAfter ? Size<N>(n.after) : 0.0);
    if (size > kLargeChange * neighbours) {
        return true;
    }
    if (N == 1 && (std::max(n.a.c[0], n.b.c[0]) + size > span.high || std::min(n.a.c[0], n.b.c[0]) - size < span.low)) {
        return true;
    }
    int c = 0;  // the coordinate that changes most
    for (int k = 1; k < N; ++k) {
        if (std::fabs(n.change[k]) > std::fabs(n.change[c])) c = k;
    }
    const double change = n.change[c];
    const bool turnsBefore = n.hasBefore && change * n.before[c] < 0.0;
    const bool turnsAfter = n.hasAfter && change * n.after[c] < 0.0;
    if (!turnsBefore && !turnsAfter) {
        return false;
    }
    const double trend =
        n.hasBefore && n.hasAfter ? 0.5 * (n.before[c] + n.after[c]) : (n.hasBefore ? n.before[c] : n.after[c]);
    return std::fabs(change - trend) > pixel;
}

}  // namespace

template <int N>
bool JumpsInside(const Neighbourhood<N>& n, CurveProbe& probe, double pixel, const ValueSpan& span) {
    return Suspicious(n, pixel, span) && JumpsBetween(probe, n.sA, n.a, n.sB, n.b, pixel);
}

template bool JumpsInside<1>(const Neighbourhood<1>&, CurveProbe&, double, const ValueSpan&);
template bool JumpsInside<2>(const Neighbourhood<2>&, CurveProbe&, double, const ValueSpan&);
template bool JumpsInside<3>(const Neighbourhood<3>&, CurveProbe&, double, const ValueSpan&);
