#pragma once
// Refines the brackets the scan finds, with Boost.Math's solvers: a root to
// full double precision, an extremum to the precision the function allows.

#include <optional>

#include "analysis/RealFunction.h"

// A root of f between a and b, where fa = f(a) and fb = f(b) have values of
// opposite signs: an x where f is 0, or where its sign changes between x
// and a neighbouring double (the one of the two with the smaller |f|).
// Nothing when f has no value somewhere on the way.
std::optional<double> RefineRoot(CRealFunction f, double a, double fa, double b, double fb);

// The x of the least value of f between a and b, within 1e-7 × max(1, |x|)
// where the function allows. Nothing when the least value found is no less
// than f at both ends (no minimum inside).
std::optional<double> RefineMinimum(CRealFunction f, double a, double b);
