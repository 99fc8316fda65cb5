// The main window's menus and the routing of their commands.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/AppDocument.h"
#include "app/ChildFrame.h"
#include "app/CommandTexts.h"
#include "app/Commands.h"
#include "app/CurvilinearscopeApp.h"
#include "app/MainFrame.h"
#include "view/CurvilinearscopeView.h"

void CMainFrame::UpdateMenus() {
    const bool hasDocument = ActiveChildFrame() != nullptr;
    if (!m_bMenuBuilt || hasDocument != m_bDocumentMenu) {
        m_bDocumentMenu = hasDocument;
        m_bMenuBuilt = true;
        if (hasDocument)
            BuildDocumentMenu();
        else
            BuildMainMenu();
    }
    for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_FILE_PRINT,
                   ID_FILE_PRINT_PREVIEW, ID_EDIT_FUNCTION, ID_WINDOW_NEW, ID_WINDOW_CASCADE,
                   ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
        m_actions[id]->setEnabled(hasDocument);
    UpdateCaption();
}

QMenu* CMainFrame::AddFileMenu(bool withDocument) {
    QMenu* menu = menuBar()->addMenu(UiText("ファイル(&F)"));
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

void CMainFrame::AddRecentFiles(QMenu* menu) {
    // The entries live in the File menu itself; the placeholder stands in
    // their place, greyed, while the list is empty.
    m_recentActions.clear();
    const QStringList& files = m_app.RecentFiles().Files();
    if (files.isEmpty()) {
        QAction* placeholder = menu->addAction(CommandMenuText(ID_FILE_MRU_FILE1));
        placeholder->setStatusTip(CommandPrompt(ID_FILE_MRU_FILE1));
        placeholder->setEnabled(false);
        m_recentActions.append(placeholder);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action = menu->addAction(CRecentFileList::MenuText(i, path));
        action->setStatusTip(CommandPrompt(ID_FILE_MRU_FILE1));
        connect(action, &QAction::triggered, this, [this, path] { m_app.OpenDocumentFile(path); });
        m_recentActions.append(action);
    }
}

void CMainFrame::UpdateRecentFiles() {
    m_bMenuBuilt = false;
    UpdateMenus();
}

void CMainFrame::BuildMainMenu() {
    menuBar()->clear();
    m_pWindowMenu = nullptr;
    AddFileMenu(false);
    QMenu* view = menuBar()->addMenu(UiText("表示(&V)"));
    view->addAction(m_actions[ID_VIEW_TOOLBAR]);
    view->addAction(m_actions[ID_VIEW_STATUS_BAR]);
    QMenu* help = menuBar()->addMenu(UiText("ヘルプ(&H)"));
    help->addAction(m_actions[ID_APP_ABOUT]);
    help->addAction(m_actions[ID_HELP_CONTENTS]);
}

void CMainFrame::BuildDocumentMenu() {
    menuBar()->clear();
    AddFileMenu(true);
    QMenu* edit = menuBar()->addMenu(UiText("編集(&E)"));
    edit->addAction(m_actions[ID_EDIT_FUNCTION]);
    QMenu* view = menuBar()->addMenu(UiText("表示(&V)"));
    view->addAction(m_actions[ID_VIEW_TOOLBAR]);
    view->addAction(m_actions[ID_VIEW_STATUS_BAR]);
    view->addSeparator();
    m_pWindowMenu = menuBar()->addMenu(UiText("ウィンドウ(&W)"));
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
    FillWindowMenu();
    QMenu* help = menuBar()->addMenu(UiText("ヘルプ(&H)"));
    help->addAction(m_actions[ID_APP_ABOUT]);
    help->addAction(m_actions[ID_HELP_CONTENTS]);
}

void CMainFrame::FillWindowMenu() {
    if (!m_pWindowMenu) return;
    m_pWindowMenu->clear();
    for (int id : {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
        m_pWindowMenu->addAction(m_actions[id]);
    // The open windows follow, numbered, the active one checked.
    const QList<CChildFrame*> frames = ChildFrames();
    if (!frames.isEmpty()) m_pWindowMenu->addSeparator();
    for (int i = 0; i < frames.size(); ++i) {
        CChildFrame* frame = frames[i];
        QString title = frame->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_pWindowMenu->addAction(
            i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : QStringLiteral("%1 %2").arg(i + 1).arg(title));
        action->setCheckable(true);
        action->setChecked(frame == ActiveChildFrame());
        action->setStatusTip(UiText("ウィンドウをアクティブにする"));
        connect(action, &QAction::triggered, this, [this, frame] { m_pMdiArea->setActiveSubWindow(frame); });
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimised windows line up along the bottom of the area, left to right.
    int x = 0;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_pMdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::ConnectCommands() {
    auto on = [this](int id, auto handler) { connect(m_actions[id], &QAction::triggered, this, handler); };
    auto document = [this]() -> CAppDocument* {
        CChildFrame* frame = ActiveChildFrame();
        return frame ? frame->GetDocument() : nullptr;
    };
    auto view = [this]() -> CCurvilinearscopeView* {
        CChildFrame* frame = ActiveChildFrame();
        return frame ? frame->GetView() : nullptr;
    };
    on(ID_FILE_NEW, [this] { m_app.OnFileNew(); });
    on(ID_FILE_OPEN, [this] { m_app.OnFileOpen(); });
    on(ID_FILE_CLOSE, [this, document] {
        // Closes every window of the active document, asking first once.
        CAppDocument* doc = document();
        if (!doc || !doc->SaveModified()) return;
        doc->SetModifiedFlag(false);
        for (CChildFrame* frame : ChildFrames())
            if (frame->GetDocument() == doc) frame->close();
    });
    on(ID_FILE_SAVE, [this, document] { m_app.OnFileSave(document()); });
    on(ID_FILE_SAVE_AS, [this, document] { m_app.OnFileSaveAs(document()); });
    on(ID_FILE_EXPORT, [this, view] { m_app.OnFileExport(view()); });
    on(ID_FILE_PRINT, [this, view] { m_app.OnFilePrint(view()); });
    on(ID_FILE_PRINT_PREVIEW, [this, view] { m_app.OnFilePrintPreview(view()); });
    on(ID_FILE_PRINT_SETUP, [this] { m_app.OnFilePrintSetup(); });
    on(ID_APP_EXIT, [this] { close(); });
    on(ID_EDIT_FUNCTION, [document] {
        if (CAppDocument* doc = document()) doc->OnEditFunction();
    });
    on(ID_WINDOW_NEW, [this, document] {
        if (CAppDocument* doc = document()) AddChildFrame(doc);
    });
    on(ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    on(ID_WINDOW_TILE_HORZ, [this] { m_pMdiArea->tileSubWindows(); });
    on(ID_WINDOW_ARRANGE, [this] { ArrangeIcons(); });
    on(ID_APP_ABOUT, [this] { m_app.OnAppAbout(); });
    on(ID_HELP_CONTENTS, [this] { OnHelpContents(); });
}
