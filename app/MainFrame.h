#pragma once
// The main window: menu bar, dockable toolbar, status bar, and the area that
// holds the document windows. The menu bar shows the short main menu while no
// document window is open and the document menu otherwise.

#include <QHash>
#include <QMainWindow>

class CCurvilinearscopeApp;
class CChildFrame;
class CAppDocument;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CCurvilinearscopeApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(int id) const { return m_actions.value(id); }
    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QToolBar* ToolBar() const { return m_pToolBar; }

    // Adds a window showing document and activates it.
    CChildFrame* AddChildFrame(CAppDocument* document);
    CChildFrame* ActiveChildFrame() const;
    QList<CChildFrame*> ChildFrames() const;

    // Refreshes what depends on the active window and the open documents.
    void UpdateMenus();
    void UpdateRecentFiles();
    void UpdateLockIndicators();
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    QAction* NewAction(int id, const QString& iconName = QString());
    void CreateToolBar();
    void CreateStatusBar();
    void BuildMainMenu();
    void BuildDocumentMenu();
    QMenu* AddFileMenu(bool withDocument);
    void AddRecentFiles(QMenu* menu);
    void FillWindowMenu();
    void UpdateCaption();
    void ArrangeIcons();
    void ConnectCommands();

    CCurvilinearscopeApp& m_app;
    QMdiArea* m_pMdiArea = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pIdleLabel = nullptr;
    QLabel* m_pIndicators[3] = {};
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QMenu* m_pWindowMenu = nullptr;
    bool m_bDocumentMenu = false;
    bool m_bMenuBuilt = false;
};
