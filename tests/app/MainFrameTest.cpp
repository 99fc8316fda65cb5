#include <gtest/gtest.h>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "FakeSeams.h"
#include "TestDocuments.h"
#include "app/AppDocument.h"
#include "app/AppLanguage.h"
#include "app/ChildFrame.h"
#include "app/Commands.h"
#include "app/CurvilinearscopeApp.h"
#include "app/MainFrame.h"
#include "app/WindowPlacement.h"
#include "expr/ExpressPlatform.h"
#include "view/ArrowCommands.h"
#include "view/CurvilinearscopeView.h"
#include "view/PlaneNavigator.h"
#include "view/SpaceWindow.h"

namespace {
struct Fixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app{settings};
};

QStringList MenuTitles(CMainFrame* frame) {
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles.append(action->text());
    return titles;
}
}  // namespace

TEST(MainFrame, MenusFollowWhetherADocumentIsOpen) {
    Fixture f;
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    EXPECT_EQ(MenuTitles(frame), QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "ウィンドウ(&W)", "ヘルプ(&H)"}));
    EXPECT_EQ(frame->windowTitle(), "Curvilinearscope - Curvilinearscope1[*]");
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_TRUE(frame->Action(ID_EDIT_FUNCTION)->isEnabled());
    EXPECT_EQ(frame->Action(ID_EDIT_FUNCTION)->shortcut(), QKeySequence("Ctrl+M"));
    // Copy takes the picture; nothing cuts or pastes, with or without a document.
    for (int id : {ID_EDIT_CUT, ID_EDIT_PASTE}) EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    for (int id : {ID_EDIT_COPY, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_HOME, ID_VIEW_TRACE, ID_VIEW_POINTS})
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;

    frame->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MenuTitles(frame), QStringList({"ファイル(&F)", "表示(&V)", "ヘルプ(&H)"}));
    EXPECT_EQ(frame->windowTitle(), "Curvilinearscope");
    EXPECT_FALSE(frame->Action(ID_EDIT_FUNCTION)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_EDIT_COPY)->isEnabled());
    EXPECT_TRUE(frame->DocumentManager().Documents().isEmpty());
}

TEST(MainFrame, ToolbarTipsAndStatusPrompts) {
    Fixture f;
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    QStringList tips;
    for (QAction* action : frame->ToolBar()->actions())
        tips.append(action->isSeparator() ? QString("|") : action->toolTip());
    EXPECT_EQ(tips, QStringList({"新規ファイル", "開く", "保存", "|", "切り取り", "保存", "貼り付け", "|", "印刷",
                                 "バージョン情報"}));
    EXPECT_EQ(frame->Action(ID_FILE_SAVE)->statusTip(), "作業中のファイルを上書きして保存");
    EXPECT_EQ(frame->MessageText(), "レディ");
    frame->SetMessageText("X = 1.0, Y = 2.0");
    EXPECT_EQ(frame->MessageText(), "X = 1.0, Y = 2.0");
    frame->SetMessageText(QString());
    EXPECT_EQ(frame->MessageText(), "レディ");
}

// The View menu lists every language in its own words, the running one
// checked; a choice is shown at once by the open window, its menus, tips,
// status bar and the engine's messages, and kept for the next start.
TEST(MainFrame, TheLanguageChosenInTheViewMenuShowsAtOnceAndIsKept) {
    Fixture f;
    SetTranslationSearchFolders({QCoreApplication::applicationDirPath() + "/../app"});
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    QMenu* view = frame->menuBar()->actions().at(2)->menu();
    ASSERT_TRUE(view);
    QMenu* languages = view->actions().last()->menu();
    ASSERT_TRUE(languages);
    EXPECT_EQ(view->actions().last()->text(), "言語(&L)");
    QStringList names;
    for (QAction* action : languages->actions()) {
        names.append(action->text());
        EXPECT_EQ(action->isChecked(), action->text() == "日本語") << action->text().toStdString();
    }
    EXPECT_EQ(names, QStringList({"日本語", "中文", "English"}));
    languages->actions().at(2)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(f.settings.value("User/language").toString(), "en");
    EXPECT_TRUE(languages->actions().at(2)->isChecked());
    EXPECT_EQ(MenuTitles(frame), QStringList({"&File", "&Edit", "&View", "&Window", "&Help"}));
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->toolTip(), "New File");
    // The document window's own menu too, Qt's texts and our prompts.
    const QAction* close = frame->ChildFrames().first()->systemMenu()->actions().last();
    EXPECT_EQ(close->text(), "&Close");
    EXPECT_EQ(close->statusTip(), "Close the active window and prompt to save the documents");
    EXPECT_EQ(frame->MessageText(), "Ready");
    EXPECT_EQ(GetExpressPlatform().language, ExpressLanguage::English);
    languages->actions().at(0)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    SetTranslationSearchFolders({});
    EXPECT_EQ(f.settings.value("User/language").toString(), "ja");
    EXPECT_EQ(MenuTitles(frame).first(), "ファイル(&F)");
    // The menus each switch replaced are gone, not kept hidden.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size(), MenuTitles(frame).size());
    EXPECT_EQ(frame->MessageText(), "レディ");
    EXPECT_EQ(GetExpressPlatform().language, ExpressLanguage::Japanese);
    EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(MainFrame, NewDocumentsAndWindowsAreTitledInTurn) {
    Fixture f;
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    CAppDocument* second = frame->OnFileNew();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetTitle(), "Curvilinearscope2");
    frame->Action(ID_WINDOW_NEW)->trigger();  // a second window on the active document
    QStringList titles;
    for (CChildFrame* child : frame->ChildFrames()) titles.append(child->windowTitle());
    titles.sort();
    EXPECT_EQ(titles, QStringList({"Curvilinearscope1[*]", "Curvilinearscope2:1[*]", "Curvilinearscope2:2[*]"}));
    EXPECT_EQ(second->Views().size(), 2);
    // The Window menu lists them without the unsaved-changes place holder.
    QMenu* windows = frame->menuBar()->actions().at(3)->menu();
    ASSERT_TRUE(windows);
    emit windows->aboutToShow();
    EXPECT_EQ(windows->actions().last()->text(), "&3 Curvilinearscope2:2");
    // The window's own menu prompts in the status bar like the others.
    QStringList prompts;
    for (QAction* action : frame->ChildFrames().first()->systemMenu()->actions())
        if (!action->statusTip().isEmpty()) prompts.append(action->statusTip());
    EXPECT_TRUE(prompts.contains("作業中のウィンドウを閉じ、変更したファイルの保存を指示"));
    EXPECT_TRUE(prompts.contains("ウィンドウを最大化する"));
}

TEST(MainFrame, ClosingTheLastWindowOfAModifiedDocumentAsksFirst) {
    Fixture f;
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    CAppDocument* doc = frame->DocumentManager().Documents().first();
    doc->SetModifiedFlag();
    // Unsaved changes show in the window's title and the main window's.
    EXPECT_TRUE(frame->ChildFrames().first()->isWindowModified());
    EXPECT_TRUE(frame->isWindowModified());
    f.prompts.answer = CUserPrompts::Cancel;
    frame->ChildFrames().first()->close();
    EXPECT_EQ(f.prompts.questions, QStringList{"Curvilinearscope1 への変更を保存しますか?"});
    EXPECT_EQ(frame->ChildFrames().size(), 1);
    // Exit asks the same question; cancelling keeps the program running.
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    f.prompts.answer = CUserPrompts::No;
    EXPECT_TRUE(frame->close());
}

TEST(MainFrame, RecentFilesAreRememberedAcrossRuns) {
    Fixture f;
    for (const char* name : {"a.crv", "b.crv", "c.crv", "d.crv", "e.crv"}) WriteSampleDocument(f.dir.filePath(name));
    ASSERT_TRUE(f.app.InitInstance({f.dir.filePath("a.crv")}));
    CMainFrame* frame = f.app.MainFrame();
    for (const char* name : {"b.crv", "c.crv", "d.crv", "e.crv"})
        ASSERT_NE(frame->OpenDocumentFile(f.dir.filePath(name)), nullptr);
    // Opening a file that is open already shows its window again.
    EXPECT_EQ(frame->OpenDocumentFile(f.dir.filePath("c.crv")), frame->DocumentManager().Documents()[2]);
    const QStringList expected = {f.dir.filePath("e.crv"), f.dir.filePath("d.crv"), f.dir.filePath("c.crv"),
                                  f.dir.filePath("b.crv")};
    EXPECT_EQ(frame->DocumentManager().RecentFiles().Files(), expected);
    CRecentFileList reloaded;
    reloaded.Load(f.settings);
    EXPECT_EQ(reloaded.Files(), expected);
}

// Qt gives a pop-up's prompts to the pop-up; the user must see them in the
// status bar all the same, and the idle text once the menu is gone.
TEST(MainFrame, PopUpMenuPromptsReachTheStatusBar) {
    Fixture f;
    ASSERT_TRUE(f.app.InitInstance({}));
    CMainFrame* frame = f.app.MainFrame();
    CChildFrame* child = frame->ChildFrames().first();
    auto hoverIn = [&](QMenu* menu, const QString& prompt) {
        menu->popup(frame->mapToGlobal(QPoint(10, 10)));
        for (QAction* action : menu->actions())
            if (action->statusTip() == prompt) action->hover();
        EXPECT_EQ(frame->MessageText(), prompt);
        menu->hide();
        EXPECT_EQ(frame->MessageText(), "レディ");
    };
    hoverIn(child->systemMenu(), "ウィンドウを最大化する");
    hoverIn(child->systemMenu(), "作業中のウィンドウを閉じ、変更したファイルの保存を指示");
    QMenu* arrows = child->GetView()->CreateArrowMenu(child->GetView());
    hoverIn(arrows, "カーソル上に移動");
    hoverIn(arrows, "カーソル左に移動、またはZ軸左に回転");
}

TEST(MainFrame, TheWindowComesBackWhereItWasLeftAndFitsTheScreen) {
    EXPECT_EQ(FitIntoScreen({100, 50, 1800, 1400}, {0, 0, 1600, 1200}), QRect(0, 0, 1600, 1200));
    EXPECT_EQ(FitIntoScreen({1500, -20, 300, 200}, {0, 0, 1600, 1200}), QRect(1300, 0, 300, 200));
    EXPECT_EQ(FitIntoScreen({10, 20, 300, 200}, {0, 0, 1600, 1200}), QRect(10, 20, 300, 200));

    Fixture f;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    // The first start fits the screen too (the offscreen screen is smaller
    // than the first size).
    {
        CMainFrame frame(f.settings);
        EXPECT_TRUE(available.contains(frame.geometry())) << frame.width() << "x" << frame.height();
        frame.show();
        frame.resize(available.size() / 2);
        frame.addToolBar(Qt::LeftToolBarArea, frame.ToolBar());
        EXPECT_TRUE(frame.close());
    }
    {
        CMainFrame frame(f.settings);
        EXPECT_EQ(frame.size(), available.size() / 2);
        EXPECT_EQ(frame.toolBarArea(frame.ToolBar()), Qt::LeftToolBarArea);
        frame.show();
        frame.resize(available.size() * 2);  // as kept on a bigger screen
        EXPECT_TRUE(frame.close());
    }
    CMainFrame frame(f.settings);
    EXPECT_TRUE(available.contains(frame.geometry())) << frame.width() << "x" << frame.height();
}

// Zooming is the window's own: it never marks the document modified, Save
// writes the very same bytes, the document's other window stays at home, and
// Copy puts the zoomed picture on the clipboard as PNG and SVG.
TEST(MainFrame, ZoomingLeavesTheDocumentAsItWasAndCopyTakesTheZoomedPicture) {
    Fixture f;
    const QString path = f.dir.filePath("a.crv");
    WriteSampleDocument(path);
    const QByteArray before = ReadBytes(path);
    ASSERT_TRUE(f.app.InitInstance({path}));
    CMainFrame* frame = f.app.MainFrame();
    auto activeView = [frame] { return qobject_cast<CChildFrame*>(frame->MdiArea()->activeSubWindow())->GetView(); };
    CAppDocument* document = frame->DocumentManager().Documents().value(0);
    CCurvilinearscopeView* first = activeView();
    frame->Action(ID_WINDOW_NEW)->trigger();
    CCurvilinearscopeView* second = activeView();
    ASSERT_NE(first, second);
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    second->Navigator().Show({1, 2, 3, 5});
    EXPECT_FALSE(second->Navigator().Window().IsHome());
    EXPECT_TRUE(first->Navigator().Window().IsHome()) << "each window zooms on its own";
    EXPECT_FALSE(document->IsModified());
    ASSERT_TRUE(document->OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path), before);

    QGuiApplication::clipboard()->clear();
    frame->Action(ID_EDIT_COPY)->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    QImage png;
    ASSERT_TRUE(png.loadFromData(copied->data("image/png"), "PNG"));
    EXPECT_EQ(png.size(), second->size());
    EXPECT_TRUE(copied->data("image/svg+xml").contains("<svg"));
    frame->Action(ID_VIEW_ZOOM_HOME)->trigger();
    EXPECT_TRUE(second->Navigator().Window().IsHome());
    // Trace and the points of interest act on the active window; the checks
    // and the panel follow it.
    for (int id : {ID_VIEW_TRACE, ID_VIEW_POINTS}) {
        frame->Action(id)->trigger();
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
    }
    EXPECT_TRUE(second->Navigator().Trace().Active());
    EXPECT_TRUE(second->Navigator().PointsShown());
    EXPECT_FALSE(first->Navigator().PointsShown());
    EXPECT_FALSE(frame->findChild<QDockWidget*>("PointsPanel")->isHidden());

    // A space picture answers the same commands, Ctrl++ too, with its own scale.
    document->Model().m_nDimension = DIM_SPACE;
    document->UpdateAllViews();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(second, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(second->SpaceWindow().Scale(), CSpaceWindow::kZoomStep);
    EXPECT_TRUE(first->SpaceWindow().AtHome());
    EXPECT_FALSE(document->IsModified());
}
