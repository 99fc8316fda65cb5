#pragma once
// Opening and saving a document file with every failure turned into the text
// the user sees. No message boxes here: the window shows the text in a
// message box, the command line writes it to standard error.

#include <QString>

class CCurvilinearscopeDoc;

struct FileReport {
    bool ok = true;
    QString message;  // what to tell the user when !ok
};

// Loads path into a freshly constructed model (an empty file loads nothing).
FileReport OpenDocumentReport(const QString& path, CCurvilinearscopeDoc& model);
// Saves atomically: the old file stays whole until the new one is complete.
FileReport SaveDocumentReport(const QString& path, CCurvilinearscopeDoc& model);

// A file message as the user sees it: the message, then on the next line the
// file's name and, when the system gave one, its reason ("Permission denied").
QString FileFailureMessage(const QString& message, const QString& path, const QString& reason = QString());

// "Out of memory." (in English; each interface language has its own): a
// file too big to open says so, and so does a picture that could not be
// made whole.
QString OutOfMemoryText();

// The message of a failed load by the archive's cause, in the interface's
// language: the version message for a foreign file, "Unexpected file
// format." (in English) for a damaged one, "Failed to open document."
// otherwise.
QString LoadFailureMessage(int archiveCause);
