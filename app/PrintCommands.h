#pragma once
// Printing: the printer set-up, print and print preview commands of the
// active picture, and printing a document file from the command line. One
// printer serves them all, so a set-up chosen once holds for every later
// print.

#include <QString>
#include <memory>

class CCurvilinearscopeDoc;
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
    // window, as the command line's --view, --zoom and --tilt ask. Returns
    // the exit code: 0 printed, 1 not printed whole (with a message), 2 (the
    // mistake on stderr) when those options do not suit the file.
    int PrintFile(const CCommandLineInfo& info);
    // The same for a document in memory (the command line's --graph); name
    // is what a message calls it.
    int PrintModel(CCurvilinearscopeDoc& model, const CCommandLineInfo& info, const QString& name);

private:
    void ForgetBusyPrinter();

    QWidget* m_pParent;
    std::unique_ptr<QPrinter> m_pPrinter;
};
