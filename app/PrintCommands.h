#pragma once
// Printing: the printer set-up, print and print preview commands of the
// active picture, and printing a document file from the command line. One
// printer serves them all, so a set-up chosen once holds for every later
// print.

#include <QString>
#include <memory>

class CCurvilinearscopeView;
struct CCommandLineInfo;
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
    // Prints the file's picture on the default printer without showing any
    // window, its space picture scaled and tilted as the command line asks;
    // exit code 1 (and a message) when it could not be printed whole, 2 (and
    // the mistake on stderr) when the options ask for a space picture of a
    // plane document.
    int PrintFile(const CCommandLineInfo& info);

private:
    void ForgetBusyPrinter();

    QWidget* m_pParent;
    std::unique_ptr<QPrinter> m_pPrinter;
};
