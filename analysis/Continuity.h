#pragma once
// The one place the points of interest ask whether a curve is continuous
// between two neighbouring samples of the scan, so that a sign change across
// a pole or a jump is taken for a break, never for a root or an extremum.
// The answer is the document library's continuity test (document/Continuity.h),
// the same every sampling loop asks.

#include "analysis/RealFunction.h"

// Whether f is continuous between the samples (a, fa) and (b, fb), both
// with values, a < b. `pixel` is the height of one pixel in f's units: a
// change smaller than that is continuous whatever lies between.
bool ContinuousBetween(CRealFunction f, double a, double fa, double b, double fb, double pixel);
