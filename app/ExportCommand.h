#pragma once
// The --export command: the picture of a document file written as PNG, SVG
// or PDF, with no window. Needs a QGuiApplication (offscreen will do).

#include <QString>

struct CCommandLineInfo;

// Returns the exit code: 0 on success, 1 with a message in errorText.
int RunExportCommand(const CCommandLineInfo& info, QString& errorText);
