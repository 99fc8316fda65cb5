#pragma once
// Points of interest as text, one line a point, tab-separated: the kind
// ("root", "minimum", "maximum", "intersection", "y-intercept"), the slot
// numbers ("1", or "1,2" for an intersection), x and y with 17 significant
// digits and '.' for the decimal point whatever the locale. The command
// line prints it; a copied list is the same text.

#include <span>
#include <string>

#include "analysis/PointOfInterest.h"

std::string PointListText(std::span<const PointOfInterest> points);
