// Printing, print preview, printer set-up and export of the active picture.
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/AppDocument.h"
#include "app/CurvilinearscopeApp.h"
#include "app/DocumentFileReport.h"
#include "app/MainFrame.h"
#include "app/Seams.h"
#include "view/CurvilinearscopeView.h"
#include "view/Picture3D.h"
#include "view/PictureExport.h"
#include "view/PicturePrint.h"

namespace {
QString Text(const char* source) { return QCoreApplication::translate("Print", source); }
}  // namespace

QPrinter& CCurvilinearscopeApp::Printer() {
    // One printer for the program's life, so the set-up chosen once holds
    // for every later print.
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void CCurvilinearscopeApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), m_pMainFrame.get());
    dialog.exec();
}

void CCurvilinearscopeApp::OnFilePrint(CCurvilinearscopeView* view) {
    if (!view) return;
    QPrintDialog dialog(&Printer(), m_pMainFrame.get());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!view->PrintPage(Printer())) Prompts().Message(m_pMainFrame.get(), Text("印刷できませんでした。"));
    ForgetBusyPrinter();
}

void CCurvilinearscopeApp::OnFilePrintPreview(CCurvilinearscopeView* view) {
    if (!view) return;
    {
        QPrintPreviewDialog preview(&Printer(), m_pMainFrame.get());
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, view,
                         [view](QPrinter* printer) { view->PrintPage(*printer); });
        preview.resize(m_pMainFrame->size() * 0.9);
        preview.exec();
    }
    ForgetBusyPrinter();
}

void CCurvilinearscopeApp::ForgetBusyPrinter() {
    // A printer whose job ran out of memory while it was being finished
    // stays busy with it for good: the next print gets a new printer (with
    // Qt's default set-up) rather than none.
    if (m_pPrinter && m_pPrinter->paintingActive()) m_pPrinter.reset();
}

void CCurvilinearscopeApp::OnFileExport(CCurvilinearscopeView* view) {
    if (!view || !view->GetDocument()) return;
    // Named after the document: its file name with the picture's extension.
    QString suggested = QStringLiteral("picture.png");
    for (CAppDocument* document : m_documents)
        if (&document->Model() == view->GetDocument())
            suggested = QFileInfo(document->GetTitle()).completeBaseName() + QStringLiteral(".png");
    const QString path = Prompts().ExportFileName(m_pMainFrame.get(), suggested);
    if (path.isEmpty()) return;
    const QString error = ExportPicture(*view->GetDocument(), path, kExportDefaultSize);
    if (!error.isEmpty()) Prompts().Message(m_pMainFrame.get(), error);
}

bool CCurvilinearscopeApp::PrintFile(const QString& path) {
    LoadPictureFonts();  // before a big document takes the memory
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(path, model);
    if (!report.ok) {
        Prompts().Message(nullptr, report.message);
        return false;
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Prompts().Message(nullptr, Text("プリンタがインストールされていません。"));
        return false;
    }
    CPicture3D picture3D;
    switch (PrintPicture(Printer(), model, picture3D)) {
    case PrintOutcome::Printed: return true;
    case PrintOutcome::CannotPrint: Prompts().Message(nullptr, Text("印刷できませんでした。")); return false;
    case PrintOutcome::OutOfMemory:
        // The page went out without what did not fit; the text is the one a
        // file too big to open gets.
        Prompts().Message(nullptr, FileFailureMessage(OutOfMemoryText(), path));
        return false;
    }
    return false;
}
