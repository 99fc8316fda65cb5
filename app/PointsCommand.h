#pragma once
// The --points command: the points of interest of a plane picture, a
// document file's or the command line's graphs', in its range or in the
// window --view gives, as text for standard output. Needs no window.

#include <QString>
#include <optional>
#include <string>

#include "document/WindowSampling.h"

class CCurvilinearscopeDoc;

struct PointsOutcome {
    int exitCode = 0;  // 0 done, 1 the file could not be read, 2 a space picture or a wrong --view
    std::string text;  // the points, one line each (PointListText.h)
    QString error;     // what to tell the user when exitCode is not 0
};

// The points of a document file.
PointsOutcome RunPointsCommand(const QString& documentPath, const std::optional<PlaneBounds>& view);

// The points of a document already made; `name` names it in messages.
PointsOutcome DocumentPoints(const CCurvilinearscopeDoc& model, const QString& name,
                             const std::optional<PlaneBounds>& view);
