#pragma once
// The --points command: the points of interest of a document file's plane
// picture in its range, as text for standard output. Needs no window.

#include <QString>
#include <string>

struct PointsOutcome {
    int exitCode = 0;  // 0 done, 1 the file could not be read, 2 a space picture
    std::string text;  // the points, one line each (PointListText.h)
    QString error;     // what to tell the user when exitCode is not 0
};

PointsOutcome RunPointsCommand(const QString& documentPath);
