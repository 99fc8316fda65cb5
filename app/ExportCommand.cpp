#include "app/ExportCommand.h"

#include <QFileInfo>

#include "app/AppDocument.h"
#include "app/CommandLine.h"
#include "app/DocumentFileReport.h"
#include "app/Seams.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/PictureExport.h"

int RunExportCommand(const CCommandLineInfo& info, QString& errorText) {
    const QString& source = info.files.value(0);
    LoadPictureFonts();  // before a big document takes the memory
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(source, model);
    if (!report.ok) {
        errorText = report.message;  // names the file already
        return 1;
    }
    const QString mistake = PictureOptionsMistake(info, model, source);
    if (!mistake.isEmpty()) {
        errorText = mistake;
        return kExitOptionMistake;
    }
    const QString error =
        ExportPicture(model, info.exportPath, info.exportSize, info.exportAngle, info.view, info.spaceWindow);
    if (!error.isEmpty()) {
        errorText = error;
        return 1;
    }
    return 0;
}

void ExportDocumentPicture(CAppDocument& document, QWidget* parent) {
    const QString suggested = QFileInfo(document.GetTitle()).completeBaseName() + QStringLiteral(".png");
    const QString path = Prompts().ExportFileName(parent, suggested);
    if (path.isEmpty()) return;
    const QString error = ExportPicture(document.Model(), path, kExportDefaultSize);
    if (!error.isEmpty()) Prompts().Message(parent, error);
}
