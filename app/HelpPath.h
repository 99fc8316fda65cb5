#pragma once
// Where the help command looks for the help file: "crv.chm" in the folder of
// the running program.

#include <QString>

// The folder is everything before the last '/' of the program's path; a path
// without any '/' gives the empty folder, so the result is "/crv.chm".
QString HelpPathFor(const QString& executablePath);
