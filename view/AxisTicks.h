#pragma once
// The grid of a zoomed or panned plane picture: a step of 1, 2 or 5 × 10^n
// for each axis, chosen so that the grid lines stay apart and their labels
// never overlap, and the labels' text with as many decimals as the step
// needs.

#include <string>

struct AxisTicks {
    double step = 1.0;
    int decimals = 0;  // of every label
    long long first = 0, last = 0;  // the grid lines are k × step for k in first..last
};

// How far apart the grid lines and labels of one axis must be, in logical
// units of the picture square.
struct TickSpacing {
    double leastSpacing;  // between two grid lines
    double charWidth;     // of a label's character, along the axis; 0 when labels lie across it
    double labelGap;      // between two labels
    double labelHeight;   // across: a label's height, when labels are stacked along the axis
};

// The ticks of the span lo..hi drawn `logicalPerUnit` logical units per
// world unit: the smallest step whose lines and labels keep `spacing`.
AxisTicks ChooseTicks(double lo, double hi, double logicalPerUnit, const TickSpacing& spacing);

// The label of k × step: "-0.25", "1.5", "40" ...
std::u16string TickLabel(long long k, const AxisTicks& ticks);
