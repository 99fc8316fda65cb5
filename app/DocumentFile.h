#pragma once
// Reading and writing a document file, with the failures turned into the
// texts the user sees. No message boxes here: callers decide where a failure
// is shown (a message box in the window, standard error on the command line).

#include <QString>

class CCurvilinearscopeDoc;

struct DocumentFileResult {
    bool ok = true;
    QString message;  // what to tell the user when !ok
};

// Loads path into a freshly constructed model. An empty file loads nothing and
// leaves the model as a new document.
DocumentFileResult LoadDocumentFile(const QString& path, CCurvilinearscopeDoc& model);
// Writes the model to path atomically: the old file stays whole until the new
// one is complete.
DocumentFileResult SaveDocumentFile(const QString& path, CCurvilinearscopeDoc& model);

// The message for a failed load by the archive's cause.
QString LoadFailureMessage(int archiveCause);
