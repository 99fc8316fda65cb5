#include "app/PrintCommands.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <new>

#include "app/CommandLine.h"
#include "app/DocumentFileReport.h"
#include "app/Seams.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/CurvilinearscopeView.h"
#include "view/Picture3D.h"
#include "view/PictureExport.h"
#include "view/PictureGeometry.h"
#include "view/PicturePrint.h"

namespace {

// The exit codes of a print from the command line.
constexpr int kPrinted = 0;
constexpr int kNotPrinted = 1;
// A plane window's samples for the printed square, made here and now;
// nothing without a window.
std::optional<WindowRecords> SamplesForPage(const CCurvilinearscopeDoc& doc, const std::optional<PlaneBounds>& window,
                                            const QPrinter& printer) {
    if (!window) return std::nullopt;
    const int side = PictureSide(printer.width(), printer.height());
    return SamplePlaneWindow(MakeWindowRequest(doc, *window, side, side));
}

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

int CPrintCommands::PrintFile(const CCommandLineInfo& info) {
    const QString path = info.files.value(0);
    LoadPictureFonts();  // before a big document takes the memory
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(path, model);
    if (!report.ok) {
        Prompts().Message(m_pParent, report.message);
        return kNotPrinted;
    }
    return PrintModel(model, info, path);
}

int CPrintCommands::PrintModel(CCurvilinearscopeDoc& model, const CCommandLineInfo& info, const QString& path) {
    const QString mistake = PictureOptionsMistake(info, model, path);
    if (!mistake.isEmpty()) {
        std::fputs(("curvilinearscope: " + mistake + '\n').toLocal8Bit().constData(), stderr);
        return kExitOptionMistake;
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Prompts().Message(m_pParent, QCoreApplication::translate("Print", "プリンタがインストールされていません。"));
        return kNotPrinted;
    }
    const std::optional<PlaneBounds>& window = info.view;
    CPicture3D picture3D;
    picture3D.SetWindow(info.spaceWindow);
    PrintOutcome outcome = PrintOutcome::OutOfMemory;
    try {
        const std::optional<WindowRecords> samples = SamplesForPage(model, window, Printer());
        outcome =
            PrintPicture(Printer(), model, picture3D, {window ? &*window : nullptr, samples ? &*samples : nullptr});
    } catch (const std::bad_alloc&) {  // no memory for the window's samples
    }
    switch (outcome) {
    case PrintOutcome::Printed: return kPrinted;
    case PrintOutcome::CannotPrint:
        Prompts().Message(m_pParent, QCoreApplication::translate("Print", "印刷できませんでした。"));
        return kNotPrinted;
    case PrintOutcome::OutOfMemory:
        // The page went out without what did not fit; the text is the one a
        // file too big to open gets.
        Prompts().Message(m_pParent, FileFailureMessage(OutOfMemoryText(), path));
        return kNotPrinted;
    }
    return kNotPrinted;
}
