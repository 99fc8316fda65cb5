#pragma once
// The main window: menu bar, dockable toolbar, status bar, and the area that
// holds the document windows. It owns its commands: it makes and opens the
// documents (through its document manager) into windows of their own, and
// carries every document command out on the document and view of the active
// window.

#include <QMainWindow>

#include "app/AnalysisCommands.h"
#include "app/DocumentManager.h"
#include "app/PrintCommands.h"

class CAppDocument;
class CChildFrame;
class CCommandMenus;
class CCurvilinearscopeView;
class CMainStatusBar;
class QMdiArea;
class QMimeData;
class QSettings;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // settings: the per-user settings store, for the recent-file list and
    // the window's place.
    explicit CMainFrame(QSettings& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(int id) const;
    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    CDocumentManager& DocumentManager() { return m_documents; }

    // Adds a window showing document and activates it.
    CChildFrame* AddChildFrame(CAppDocument* document);
    CChildFrame* ActiveChildFrame() const;
    QList<CChildFrame*> ChildFrames() const;

    // The status bar's message pane; an empty text shows the idle text.
    void SetMessageText(const QString& text);
    QString MessageText() const;

    // The file commands. A new document, or nullptr when it could not be
    // made.
    CAppDocument* OnFileNew();
    void OnFileOpen();
    // Opens path in a window of its own, or activates the window that already
    // shows it. nullptr when the file could not be opened (already reported).
    CAppDocument* OpenDocumentFile(const QString& path);
    // Opens the document files among dropped data; false when there were none.
    bool OpenDroppedFiles(const QMimeData* data);
    // The help command (also F1): opens the manual in the interface's
    // language, beside the program or installed; says where it looked when
    // there is none.
    void OnHelpContents();
    // A language chosen in the View menu: kept in the settings for the next
    // start and shown at once, by every window and by the engine's messages.
    void OnLanguageChosen(const QString& language);

protected:
    // Exit: asks about every modified document first, then keeps the
    // window's place.
    void closeEvent(QCloseEvent* event) override;
    // A new language: the menus, the toolbar and the actions' prompts anew.
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    // Refreshes what depends on the active window and the open documents.
    void UpdateMenus();
    void UpdateCaption();
    CAppDocument* ActiveDocument() const;
    CCurvilinearscopeView* ActiveView() const;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExport();
    void OnEditFunction();
    void OnEditCopy();
    void OnWindowNew();
    void OnWindowArrange();
    void OnAppAbout();

    QSettings& m_settings;
    CDocumentManager m_documents;
    CPrintCommands m_printing{this};
    QMdiArea* m_pMdiArea = nullptr;
    CCommandMenus* m_pMenus = nullptr;
    CAnalysisCommands* m_pAnalysis = nullptr;  // trace and points of interest
    CMainStatusBar* m_pStatusBar = nullptr;
    QToolBar* m_pToolBar = nullptr;
};
