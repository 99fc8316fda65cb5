#pragma once
// One point of interest of the explicit plane graphs: what kind it is,
// which slots it belongs to, and where it is.

#include <string_view>

// In the order the points are listed: kind first, then x.
enum class PointKind {
    Root,
    Minimum,
    Maximum,
    Intersection,
    YIntercept,
};

struct PointOfInterest {
    PointKind kind;
    int slot;       // 1..3
    int otherSlot;  // the second graph of an intersection (greater than slot); 0 otherwise
    double x;
    double y;
};

// The kind as the command line and copied lists write it: "root",
// "minimum", "maximum", "intersection" or "y-intercept".
std::string_view PointKindName(PointKind kind);
