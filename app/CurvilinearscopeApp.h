#pragma once
// The application: start-up and shutdown, the open documents and the commands
// that are not about one window (new, open, recent files, About). One object for the program's life, made by main().

#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

#include "app/RecentFileList.h"

class CAppDocument;
class CMainFrame;
class QSettings;

class CCurvilinearscopeApp : public QObject {
    Q_OBJECT
public:
    // settings: the per-user settings store (tests pass a file of their own).
    explicit CCurvilinearscopeApp(QSettings& settings);
    ~CCurvilinearscopeApp() override;

    // Start-up: the main window, then the documents of the command line
    // (none: a new document). False when the program should end at once:
    // files were given and not one of them could be opened.
    bool InitInstance(const QStringList& files);
    // Shutdown: the daily web page. Returns the exit code.
    int ExitInstance(int exitCode);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    const QList<CAppDocument*>& Documents() const { return m_documents; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }

    // Commands.
    CAppDocument* OnFileNew();
    void OnFileOpen();
    // Opens path in a window of its own, or activates the window that already
    // shows it. nullptr when the file could not be opened (already reported).
    CAppDocument* OpenDocumentFile(const QString& path);
    void OnFileSave(CAppDocument* document);
    void OnFileSaveAs(CAppDocument* document);
    void OnAppAbout();
    // Asks about every modified document; false when the user cancelled.
    bool SaveAllModified();
    // The command line's print switch: prints path on the default printer
    // without showing any window.
    bool PrintFile(const QString& path);

private:
    CAppDocument* NewDocumentObject();
    void AddDocument(CAppDocument* document);
    void RememberFile(const QString& path);

    QSettings& m_settings;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    QList<CAppDocument*> m_documents;
    CRecentFileList m_recentFiles;
    int m_nUntitled = 0;
};
