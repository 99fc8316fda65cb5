#pragma once
// Printing: the printer set-up, print and print preview commands of the
// active picture, and printing a document file from the command line. One
// printer serves them all, so a set-up chosen once holds for every later
// print.

#include <QString>
#include <memory>
#include <optional>

#include "document/WindowSampling.h"

class CCurvilinearscopeView;
class QPrinter;
class QWidget;

class CPrintCommands {
public:
    // parent: the window that owns the dialogs and messages; none when
    // printing from the command line.
    explicit CPrintCommands(QWidget* parent = nullptr);
    ~CPrintCommands();
    CPrintCommands(const CPrintCommands&) = delete;
    CPrintCommands& operator=(const CPrintCommands&) = delete;

    QPrinter& Printer();

    void OnFilePrintSetup();
    // Nothing without a view.
    void OnFilePrint(CCurvilinearscopeView* view);
    void OnFilePrintPreview(CCurvilinearscopeView* view);
    // Prints the file's picture (the part `window` of a plane picture, when
    // given) on the default printer without showing any window. Returns the
    // exit code: 0 printed, 1 not printed whole, 2 a window that does not
    // suit the file; a message tells of the last two.
    int PrintFile(const QString& path, const std::optional<PlaneBounds>& window = {});

private:
    void ForgetBusyPrinter();

    QWidget* m_pParent;
    std::unique_ptr<QPrinter> m_pPrinter;
};
