#pragma once
// The main window: menu bar, dockable toolbar, status bar, and the area that
// holds the document windows. The menu bar shows the short main menu while no
// document window is open and the document menu otherwise.

#include <QMainWindow>

#include "app/PrintCommands.h"

class CCurvilinearscopeApp;
class CChildFrame;
class CAppDocument;
class CCommandMenus;
class CMainStatusBar;
class QMdiArea;
class QMimeData;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CCurvilinearscopeApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(int id) const;
    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QToolBar* ToolBar() const { return m_pToolBar; }

    // Adds a window showing document and activates it.
    CChildFrame* AddChildFrame(CAppDocument* document);
    CChildFrame* ActiveChildFrame() const;
    QList<CChildFrame*> ChildFrames() const;

    // Refreshes what depends on the active window and the open documents.
    void UpdateMenus();
    void UpdateRecentFiles();
    // The status bar's message pane; an empty text shows the idle text.
    void SetMessageText(const QString& text);
    QString MessageText() const;

    // Opens the document files among dropped data; false when there were none.
    bool OpenDroppedFiles(const QMimeData* data);

    // The help command: opens crv.chm beside the program.
    void OnHelpContents();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    void UpdateCaption();
    void ArrangeIcons();

    CCurvilinearscopeApp& m_app;
    CPrintCommands m_printing{this};
    QMdiArea* m_pMdiArea = nullptr;
    CCommandMenus* m_pMenus = nullptr;
    CMainStatusBar* m_pStatusBar = nullptr;
    QToolBar* m_pToolBar = nullptr;
};
