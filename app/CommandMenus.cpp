#include "app/CommandMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/AppLanguage.h"
#include "app/CommandTexts.h"
#include "app/Commands.h"
#include "app/IconFactory.h"
#include "app/RecentFileList.h"

namespace {

constexpr int kToolBarIconSize = 16;
// The toolbar's buttons, left to right; kSeparator between groups.
constexpr int kSeparator = 0;
constexpr int kToolBarButtons[] = {
    ID_FILE_NEW,  ID_FILE_OPEN,  ID_FILE_SAVE, kSeparator,    ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, kSeparator,   ID_FILE_PRINT, ID_APP_ABOUT,
};
// The commands that act on the active document window.
constexpr int kDocumentCommands[] = {
    ID_FILE_CLOSE,     ID_FILE_SAVE,      ID_FILE_SAVE_AS,     ID_FILE_EXPORT,    ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW, ID_EDIT_FUNCTION, ID_EDIT_COPY,     ID_VIEW_ZOOM_IN,   ID_VIEW_ZOOM_OUT,
    ID_VIEW_ZOOM_HOME, ID_VIEW_TRACE, ID_VIEW_POINTS, ID_WINDOW_NEW,     ID_WINDOW_CASCADE,   ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE,
};
// Windows numbered with an access key "&1" ... "&9"; the rest without.
constexpr int kNumberedWindows = 9;

}  // namespace

CCommandMenus::CCommandMenus(QMainWindow& window, QMdiArea& area) : QObject(&window), m_window(window), m_area(area) {
    CreateActions();
    CreateLanguageActions();
}

void CCommandMenus::SetActionTexts(int id, QAction* action) {
    action->setText(CommandMenuText(id));
    action->setStatusTip(CommandPrompt(id));
    // Without a tip of its own Qt shows the menu text as the tip.
    action->setToolTip(CommandTip(id));
}

QAction* CCommandMenus::NewAction(int id, const QString& iconName) {
    auto* action = new QAction(&m_window);
    SetActionTexts(id, action);
    if (!iconName.isEmpty()) action->setIcon(IconFromSvg(QStringLiteral(":/toolbar/%1.svg").arg(iconName)));
    // Every command reaches the window's shortcuts, whichever menu is shown.
    m_window.addAction(action);
    m_actions.insert(id, action);
    return action;
}
void CCommandMenus::CreateActions() {
    NewAction(ID_FILE_NEW, QStringLiteral("new"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    NewAction(ID_FILE_OPEN, QStringLiteral("open"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    NewAction(ID_FILE_CLOSE);
    NewAction(ID_FILE_SAVE, QStringLiteral("save"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    NewAction(ID_FILE_SAVE_AS);
    NewAction(ID_FILE_EXPORT);
    NewAction(ID_FILE_PRINT, QStringLiteral("print"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    NewAction(ID_FILE_PRINT_PREVIEW);
    NewAction(ID_FILE_PRINT_SETUP);
    NewAction(ID_APP_EXIT);
    NewAction(ID_EDIT_FUNCTION)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // Copy puts the active window's picture on the clipboard; nothing in
    // the program cuts, pastes or undoes: these stay disabled, and so their
    // keys do nothing.
    NewAction(ID_EDIT_CUT, QStringLiteral("cut"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    NewAction(ID_EDIT_COPY, QStringLiteral("copy"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    NewAction(ID_EDIT_PASTE, QStringLiteral("paste"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    NewAction(ID_EDIT_UNDO)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    NewAction(ID_NEXT_PANE)->setShortcut(QKeySequence(Qt::Key_F6));
    NewAction(ID_PREV_PANE)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    for (int id : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE})
        m_actions[id]->setEnabled(false);
    // Ctrl+= too: on many keyboards + is Shift+=.
    NewAction(ID_VIEW_ZOOM_IN)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    NewAction(ID_VIEW_ZOOM_OUT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    NewAction(ID_VIEW_ZOOM_HOME)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::Key_Home)});
    // The key T belongs to the picture (the view takes it); the menu only
    // names it.
    NewAction(ID_VIEW_TRACE)->setCheckable(true);
    NewAction(ID_VIEW_POINTS)->setCheckable(true);
    NewAction(ID_VIEW_TOOLBAR)->setCheckable(true);
    NewAction(ID_VIEW_STATUS_BAR)->setCheckable(true);
    NewAction(ID_WINDOW_NEW);
    NewAction(ID_WINDOW_CASCADE);
    NewAction(ID_WINDOW_TILE_HORZ);
    NewAction(ID_WINDOW_ARRANGE);
    NewAction(ID_APP_ABOUT, QStringLiteral("about"));
    NewAction(ID_HELP_CONTENTS)->setShortcut(QKeySequence(Qt::Key_F1));
}

void CCommandMenus::CreateLanguageActions() {
    // Each language is named in its own words, so that a user who cannot
    // read the current one still finds theirs; the running one is checked.
    auto* group = new QActionGroup(this);
    for (const QString& language : InterfaceLanguages()) {
        auto* action = new QAction(InterfaceLanguageName(language), group);
        action->setCheckable(true);
        action->setChecked(language == CurrentInterfaceLanguage());
        action->setStatusTip(UiText("表示言語を選びます。"));
        connect(action, &QAction::triggered, this, [this, language] { emit languageChosen(language); });
        m_languageActions.insert(language, action);
    }
}

void CCommandMenus::AddViewMenu(bool withDocument) {
    QMenu* view = m_window.menuBar()->addMenu(UiText("表示(&V)"));
    if (withDocument) {
        for (int id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_HOME}) view->addAction(m_actions[id]);
        view->addSeparator();
        for (int id : {ID_VIEW_TRACE, ID_VIEW_POINTS}) view->addAction(m_actions[id]);
        view->addSeparator();
    }
    view->addAction(m_actions[ID_VIEW_TOOLBAR]);
    view->addAction(m_actions[ID_VIEW_STATUS_BAR]);
    view->addSeparator();
    QMenu* languages = view->addMenu(UiText("言語(&L)"));
    for (const QString& language : InterfaceLanguages()) languages->addAction(m_languageActions[language]);
}

QToolBar* CCommandMenus::CreateToolBar() {
    auto* toolBar = new QToolBar(UiText("ツール バー"), &m_window);
    m_pToolBar = toolBar;
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : kToolBarButtons) {
        if (id == kSeparator)
            toolBar->addSeparator();
        else
            toolBar->addAction(m_actions[id]);
    }
    m_window.addToolBar(Qt::TopToolBarArea, toolBar);
    QAction* toggle = m_actions[ID_VIEW_TOOLBAR];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, toolBar, &QToolBar::setVisible);
    connect(toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    return toolBar;
}

void CCommandMenus::Update(bool hasDocument, const QStringList& recentFiles) {
    if (!m_bMenuBuilt || hasDocument != m_bDocumentMenu || recentFiles != m_recentFiles) {
        m_bDocumentMenu = hasDocument;
        m_bMenuBuilt = true;
        m_recentFiles = recentFiles;
        BuildMenu();
    }
    for (int id : kDocumentCommands) m_actions[id]->setEnabled(hasDocument);
}

void CCommandMenus::BuildMenu() {
    // The menu bar's clear() leaves the menus it made alive; they go with
    // the events in hand (one of them may be what chose the new language).
    QMenuBar* bar = m_window.menuBar();
    for (QMenu* menu : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) menu->deleteLater();
    bar->clear();
    m_pWindowMenu = nullptr;
    if (m_bDocumentMenu)
        BuildDocumentMenu();
    else
        BuildMainMenu();
}

void CCommandMenus::Retranslate() {
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) SetActionTexts(it.key(), it.value());
    for (QAction* action : std::as_const(m_languageActions)) action->setStatusTip(UiText("表示言語を選びます。"));
    if (m_pToolBar) m_pToolBar->setWindowTitle(UiText("ツール バー"));
    if (m_bMenuBuilt) BuildMenu();
}

QMenu* CCommandMenus::AddFileMenu(bool withDocument) {
    QMenu* menu = m_window.menuBar()->addMenu(UiText("ファイル(&F)"));
    menu->addAction(m_actions[ID_FILE_NEW]);
    menu->addAction(m_actions[ID_FILE_OPEN]);
    if (withDocument) {
        menu->addAction(m_actions[ID_FILE_CLOSE]);
        menu->addAction(m_actions[ID_FILE_SAVE]);
        menu->addAction(m_actions[ID_FILE_SAVE_AS]);
        menu->addAction(m_actions[ID_FILE_EXPORT]);
        menu->addSeparator();
        menu->addAction(m_actions[ID_FILE_PRINT]);
        menu->addAction(m_actions[ID_FILE_PRINT_PREVIEW]);
    } else {
        menu->addSeparator();
    }
    menu->addAction(m_actions[ID_FILE_PRINT_SETUP]);
    menu->addSeparator();
    AddRecentFiles(menu);
    menu->addSeparator();
    if (!withDocument) menu->addAction(m_actions[ID_FILE_CLOSE]);
    menu->addAction(m_actions[ID_APP_EXIT]);
    return menu;
}

void CCommandMenus::AddRecentFiles(QMenu* menu) {
    // The entries live in the File menu itself; the placeholder stands in
    // their place, greyed, while the list is empty.
    if (m_recentFiles.isEmpty()) {
        QAction* placeholder = menu->addAction(CommandMenuText(ID_FILE_MRU_FILE1));
        placeholder->setStatusTip(CommandPrompt(ID_FILE_MRU_FILE1));
        placeholder->setEnabled(false);
        return;
    }
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString path = m_recentFiles[i];
        QAction* action = menu->addAction(CRecentFileList::MenuText(i, path));
        action->setStatusTip(CommandPrompt(ID_FILE_MRU_FILE1));
        connect(action, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
}

void CCommandMenus::BuildMainMenu() {
    QMenuBar* bar = m_window.menuBar();
    AddFileMenu(false);
    AddViewMenu(false);
    QMenu* help = bar->addMenu(UiText("ヘルプ(&H)"));
    help->addAction(m_actions[ID_APP_ABOUT]);
    help->addAction(m_actions[ID_HELP_CONTENTS]);
}

void CCommandMenus::BuildDocumentMenu() {
    QMenuBar* bar = m_window.menuBar();
    AddFileMenu(true);
    QMenu* edit = bar->addMenu(UiText("編集(&E)"));
    edit->addAction(m_actions[ID_EDIT_FUNCTION]);
    edit->addAction(m_actions[ID_EDIT_COPY]);
    AddViewMenu(true);
    m_pWindowMenu = bar->addMenu(UiText("ウィンドウ(&W)"));
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, &CCommandMenus::FillWindowMenu);
    FillWindowMenu();
    QMenu* help = bar->addMenu(UiText("ヘルプ(&H)"));
    help->addAction(m_actions[ID_APP_ABOUT]);
    help->addAction(m_actions[ID_HELP_CONTENTS]);
}

void CCommandMenus::FillWindowMenu() {
    if (!m_pWindowMenu) return;
    m_pWindowMenu->clear();
    for (int id : {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
        m_pWindowMenu->addAction(m_actions[id]);
    // The open windows follow, numbered, the active one checked.
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    if (!windows.isEmpty()) m_pWindowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        // Without the place holder of the unsaved-changes mark.
        QString title = window->windowTitle().remove(QStringLiteral("[*]"));
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action =
            m_pWindowMenu->addAction(i < kNumberedWindows ? QStringLiteral("&%1 %2").arg(i + 1).arg(title)
                                                          : QStringLiteral("%1 %2").arg(i + 1).arg(title));
        action->setCheckable(true);
        action->setChecked(window == m_area.activeSubWindow());
        action->setStatusTip(UiText("ウィンドウをアクティブにする"));
        connect(action, &QAction::triggered, &m_area, [this, window] { m_area.setActiveSubWindow(window); });
    }
}
