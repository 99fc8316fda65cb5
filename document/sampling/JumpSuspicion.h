#pragma once
// Which intervals between neighbouring samples are worth asking about
// (Continuity.h): the rules every sampling loop applies, through
// JumpWatch.h (parametric rows) or ExplicitRowScan.h (explicit rows), to
// an interval whose quick look found it departing from its neighbours.

#include <limits>

#include "document/Continuity.h"

// The span of a curve that keeps every value.
constexpr ValueSpan kNoSpan{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};

// The neighbourhood of an interval a..b that the quick look found worth a
// closer one: its ends, its change and those of the intervals beside it.
// Copies, so that nothing of the watch's own is seen outside the loop and
// the loop may keep it in registers.
template <int N>
struct Neighbourhood {
    double sA, sB;
    CurvePoint a, b;
    double change[N];  // b - a
    double before[N];
    double after[N];
    bool hasBefore;  // false at the beginning of a piece
    bool hasAfter;   // false at its end
};

// The closer look, out of the sampling's loops: whether the interval is
// suspicious, and then whether the curve jumps inside. An interval is
// suspicious when its change is more than a pixel and is large beside its
// neighbours', or turns against a neighbour's slope without following the
// trend the neighbours set (the turn of a smooth curve follows it), or,
// with one coordinate and a `span`, when the curve may leave the span
// inside.
template <int N>
[[gnu::noinline]] bool JumpsInside(const Neighbourhood<N>& n, CurveProbe& probe, double pixel, const ValueSpan& span);
