#pragma once
// Where the help command finds the manual: help/<language>/index.html in the
// program's folder (the build tree and a portable copy), then the installed
// data folder ../share/curvilinearscope/help/<language>/index.html beside it.

#include <QString>
#include <QStringList>

// The folder is everything before the last '/' of the program's path; a path
// without any '/' gives the empty folder.
QString ProgramFolderOf(const QString& executablePath);

// The manual's language for an interface language: the manual is written in
// Japanese, Chinese and English ("ja", "zh", "en"); any other opens the
// English one.
QString ManualLanguageFor(const QString& interfaceLanguage);

// The places the manual's start page may be, in the order they are tried.
QStringList ManualCandidates(const QString& programFolder, const QString& manualLanguage);

// The first candidate that is a file, or an empty text when none is.
QString FindManual(const QString& programFolder, const QString& manualLanguage);

// What the user reads when no candidate exists: every place looked at.
QString ManualMissingMessage(const QStringList& candidates);

// What the user reads when no program opened the manual: its file, to open
// by hand.
QString ManualNotOpenedMessage(const QString& manual);
