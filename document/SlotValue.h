#pragma once
// The value of one plane graph at one x, for readers that need more than the
// stored records give: the trace marker shows a graph's value exactly at its
// own x rather than at the nearest sample.

#include <optional>

class CCurvilinearscopeDoc;

// y = f(x) of plane slot `slot` (0..2) at `x`. Nothing unless the slot is an
// explicit graph of a plane picture shown with records: its formula compiled
// when it was sampled, so no compile message can come from here. Nothing
// either where f has no value (not a number, infinite, or below zero for
// y*y = f(x), whose non-negative root is returned).
std::optional<double> EvaluateSlotAt(const CCurvilinearscopeDoc& doc, int slot, double x);

// The t at which plane parametric slot `slot` comes nearest (x, y): the
// nearest of the sampling's steps of t, refined between its neighbours, so
// that a point the sampling stored gives its own t. Nothing unless the slot
// is a parametric curve shown with records, nor for a curve of more than
// kMostParameterSteps steps or without a value near the point.
inline constexpr double kMostParameterSteps = 1e6;
std::optional<double> ParameterNear(const CCurvilinearscopeDoc& doc, int slot, double x, double y);
