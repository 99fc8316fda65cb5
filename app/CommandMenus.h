#pragma once
// The main window's commands as actions (text, prompt, tooltip, keys and
// icon from the command table), the toolbar's buttons, and the menu bar: the
// short main menu while no document window is open, the document menu
// otherwise, each with the recent files in its File menu. Carrying the
// commands out is the window's business; this only shows them.

#include <QHash>
#include <QObject>
#include <QStringList>

class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;
class QToolBar;

class CCommandMenus : public QObject {
    Q_OBJECT
public:
    // Makes every command's action on window, so its keys work whichever
    // menu is shown; the Window menu lists the windows of area.
    CCommandMenus(QMainWindow& window, QMdiArea& area);

    QAction* Action(int id) const { return m_actions.value(id); }

    // The toolbar with its buttons, docked at the top of the window; the
    // toolbar command shows and hides it.
    QToolBar* CreateToolBar();

    // Shows the document menu when hasDocument, the main menu otherwise,
    // with recentFiles (newest first) in the File menu, and enables the
    // commands that need a document only while there is one.
    void Update(bool hasDocument, const QStringList& recentFiles);

    // Every text anew in the language now installed: actions, menus and
    // the toolbar's title.
    void Retranslate();

signals:
    // An entry of the recent-file list was chosen.
    void recentFileChosen(const QString& path);
    // An interface language was chosen in the View menu.
    void languageChosen(const QString& language);

private:
    void CreateActions();
    QAction* NewAction(int id, const QString& iconName = QString());
    void SetActionTexts(int id, QAction* action);
    void BuildMenu();
    void BuildMainMenu();
    void BuildDocumentMenu();
    QMenu* AddFileMenu(bool withDocument);
    void AddRecentFiles(QMenu* menu);
    void CreateLanguageActions();
    void AddViewMenu(bool withDocument);
    void FillWindowMenu();

    QMainWindow& m_window;
    QMdiArea& m_area;
    QHash<int, QAction*> m_actions;
    QHash<QString, QAction*> m_languageActions;
    QToolBar* m_pToolBar = nullptr;
    QMenu* m_pWindowMenu = nullptr;
    QStringList m_recentFiles;  // as the menu shows them
    bool m_bDocumentMenu = false;
    bool m_bMenuBuilt = false;
};
