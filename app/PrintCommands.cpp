#include "app/PrintCommands.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/DocumentFileReport.h"
#include "app/Seams.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/CurvilinearscopeView.h"
#include "view/Picture3D.h"
#include "view/PictureExport.h"
#include "view/PicturePrint.h"

namespace {
// The preview covers most of the window it belongs to.
constexpr double kPreviewShareOfWindow = 0.9;
}  // namespace

CPrintCommands::CPrintCommands(QWidget* parent) : m_pParent(parent) {}

CPrintCommands::~CPrintCommands() = default;

QPrinter& CPrintCommands::Printer() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void CPrintCommands::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), m_pParent);
    dialog.exec();
}

void CPrintCommands::OnFilePrint(CCurvilinearscopeView* view) {
    if (!view) return;
    QPrintDialog dialog(&Printer(), m_pParent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!view->PrintPage(Printer()))
        Prompts().Message(m_pParent, QCoreApplication::translate("Print", "印刷できませんでした。"));
    ForgetBusyPrinter();
}

void CPrintCommands::OnFilePrintPreview(CCurvilinearscopeView* view) {
    if (!view) return;
    {
        QPrintPreviewDialog preview(&Printer(), m_pParent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, view,
                         [view](QPrinter* printer) { view->PrintPage(*printer); });
        if (m_pParent) preview.resize(m_pParent->size() * kPreviewShareOfWindow);
        preview.exec();
    }
    ForgetBusyPrinter();
}

void CPrintCommands::ForgetBusyPrinter() {
    // A printer whose job ran out of memory while it was being finished
    // stays busy with it for good: the next print gets a new printer (with
    // Qt's default set-up) rather than none.
    if (m_pPrinter && m_pPrinter->paintingActive()) m_pPrinter.reset();
}

bool CPrintCommands::PrintFile(const QString& path) {
    LoadPictureFonts();  // before a big document takes the memory
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(path, model);
    if (!report.ok) {
        Prompts().Message(m_pParent, report.message);
        return false;
    }
    return PrintModel(model, path);
}

bool CPrintCommands::PrintModel(CCurvilinearscopeDoc& model, const QString& path) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Prompts().Message(m_pParent, QCoreApplication::translate("Print", "プリンタがインストールされていません。"));
        return false;
    }
    CPicture3D picture3D;
    switch (PrintPicture(Printer(), model, picture3D)) {
    case PrintOutcome::Printed: return true;
    case PrintOutcome::CannotPrint:
        Prompts().Message(m_pParent, QCoreApplication::translate("Print", "印刷できませんでした。"));
        return false;
    case PrintOutcome::OutOfMemory:
        // The page went out without what did not fit; the text is the one a
        // file too big to open gets.
        Prompts().Message(m_pParent, FileFailureMessage(OutOfMemoryText(), path));
        return false;
    }
    return false;
}
