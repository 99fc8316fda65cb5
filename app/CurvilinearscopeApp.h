#pragma once
// The application: start-up (the main window, then the documents of the
// command line) and shutdown (the daily web page). One object for the
// program's life, made by main(). It tells the main window what to open and
// never hears back: every command is the main window's.

#include <QStringList>
#include <memory>

#include "app/ProductPage.h"

class CCurvilinearscopeDoc;
struct CCommandLineInfo;
class CMainFrame;
class QSettings;

class CCurvilinearscopeApp {
public:
    // settings: the per-user settings store (tests pass a file of their own);
    // productPage: the page of the daily rule, empty for none.
    explicit CCurvilinearscopeApp(QSettings& settings, const QString& productPage = ProductPageAddress());
    ~CCurvilinearscopeApp();
    CCurvilinearscopeApp(const CCurvilinearscopeApp&) = delete;
    CCurvilinearscopeApp& operator=(const CCurvilinearscopeApp&) = delete;

    // Start-up: the main window, then the documents of the command line
    // (none: a new document). False when the program should end at once:
    // files were given and not one of them could be opened.
    bool InitInstance(const QStringList& files);
    // Start-up with the command line's graphs: a new document that takes
    // over the sampled one, modified, as an edit would leave it.
    bool InitInstance(CCurvilinearscopeDoc& graphs);
    // Shutdown: the daily web page. Returns the exit code.
    int ExitInstance(int exitCode);
    // The command line's print switch: prints the file on the default
    // printer without showing any window, with the picture options of the
    // command line; the exit code (see CPrintCommands).
    int PrintFile(const CCommandLineInfo& info);
    // The same for the document of the command line's graphs.
    int PrintGraphs(CCurvilinearscopeDoc& graphs, const CCommandLineInfo& info);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

private:
    QSettings& m_settings;
    QString m_productPage;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
