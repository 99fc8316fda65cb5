#pragma once
// Exporting a document's picture as PNG, SVG or PDF: the --export command,
// which needs no window (a QGuiApplication on the offscreen platform will
// do), and the window's export command.

#include <QString>

class CAppDocument;
struct CCommandLineInfo;
class QWidget;

// Returns the exit code: 0 on success, 1 with a message in errorText, 2
// when the document's picture is not what the options are for (--view,
// --zoom, --tilt), with a message naming the option.
int RunExportCommand(const CCommandLineInfo& info, QString& errorText);

// Asks for the picture file, suggesting the document's name with ".png",
// and writes the document's picture there; a failure is shown in a message
// owned by parent.
void ExportDocumentPicture(CAppDocument& document, QWidget* parent);
