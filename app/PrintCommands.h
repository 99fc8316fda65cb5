#pragma once
// Printing: the printer set-up, print and print preview commands of the
// active picture, and printing a document file from the command line. One
// printer serves them all, so a set-up chosen once holds for every later
// print.

#include <QString>
#include <memory>

class CCurvilinearscopeDoc;
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
    // Prints the file's picture on the default printer without showing any
    // window; false (and a message) when it could not be printed whole.
    bool PrintFile(const QString& path);
    // The same for a document in memory; name is what a message calls it.
    bool PrintModel(CCurvilinearscopeDoc& model, const QString& name);

private:
    void ForgetBusyPrinter();

    QWidget* m_pParent;
    std::unique_ptr<QPrinter> m_pPrinter;
};
