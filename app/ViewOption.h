#pragma once
// The command line's --view XMIN,XMAX,YMIN,YMAX: the part of the plane a
// plane picture shows when exported or printed, as a zoomed window would.
//   view   = number "," number "," number "," number
//   number = a finite decimal number (C locale: a point, no thousands)

#include <QString>
#include <optional>

#include "document/WindowSampling.h"

class CCurvilinearscopeDoc;

// Nothing unless the text is four finite numbers with XMIN < XMAX and
// YMIN < YMAX.
std::optional<PlaneBounds> ParseViewOption(const QString& text);

// The message (naming --view) for a window that does not suit the
// document: a space picture, or a side outside the zoom limits of the
// document's range. Empty when it suits.
QString ViewOptionMismatch(const PlaneBounds& window, const CCurvilinearscopeDoc& doc);

// The message for a text that ParseViewOption refuses.
QString ViewOptionMistake();
