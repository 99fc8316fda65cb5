#include <gtest/gtest.h>
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include "FakeSeams.h"
#include "app/AppLanguage.h"
#include "app/CurvilinearscopeApp.h"
#include "app/HelpPath.h"
#include "app/MainFrame.h"

namespace {
// Writes an empty start page at path, making its folders.
void MakePage(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path())) << path.toStdString();
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly)) << path.toStdString();
}
// The manual language the main window picks for the running interface.
QString SystemManualLanguage() { return ManualLanguageFor(CurrentInterfaceLanguage()); }
}  // namespace

TEST(HelpPath, TheProgramsFolderIsEverythingBeforeTheLastSlash) {
    struct Case {
        const char* executable;
        const char* folder;
    } cases[] = {
        {"/opt/tools/bin/curvilinearscope", "/opt/tools/bin"},
        {"/curvilinearscope", ""},
        // No folder at all: the empty folder.
        {"curvilinearscope", ""},
        {"/home/user/my app/run", "/home/user/my app"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramFolderOf(QString::fromUtf8(c.executable)), QString::fromUtf8(c.folder)) << c.executable;
}

TEST(HelpPath, EveryInterfaceLanguageHasItsOwnManualAnyOtherReadsTheEnglishOne) {
    const char* const cases[][2] = {{"ja", "ja"}, {"zh", "zh"}, {"en", "en"}, {"", "en"}, {"fr", "en"}};
    for (const auto& [interfaceLanguage, manual] : cases)
        EXPECT_EQ(ManualLanguageFor(interfaceLanguage), manual) << interfaceLanguage;
}

TEST(HelpPath, TheManualIsLookedForBesideTheProgramThenInTheInstalledShareFolder) {
    struct Case {
        const char* name;
        bool beside, installed;
        int found;  // index of the candidate found, -1 for none
    } cases[] = {
        {"beside", true, false, 0},
        {"installed", false, true, 1},
        {"both: the program's own folder wins", true, true, 0},
        {"neither", false, false, -1},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        const QString bin = root.filePath("bin");
        ASSERT_TRUE(QDir().mkpath(bin));
        const QStringList candidates = ManualCandidates(bin, "en");
        ASSERT_EQ(candidates.size(), 2);
        EXPECT_EQ(candidates[0], bin + "/help/en/index.html");
        EXPECT_EQ(candidates[1], root.filePath("share/curvilinearscope/help/en/index.html"));
        if (c.beside) MakePage(candidates[0]);
        if (c.installed) MakePage(candidates[1]);
        EXPECT_EQ(FindManual(bin, "en"), c.found < 0 ? QString() : candidates[c.found]) << c.name;
        // Another language's manual is not taken instead.
        EXPECT_TRUE(FindManual(bin, "ja").isEmpty()) << c.name;
    }
}

// One test for both cases: the manual is made in the test program's own
// folder, which another test running at the same time must not see.
TEST(HelpPath, HelpCommandAndF1SayWhereTheyLookedThenOpenTheManualOnceItIsBesideTheProgram) {
    // The test program's folder holds no manual, nor does the share folder
    // beside it.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString language = SystemManualLanguage();
    ASSERT_TRUE(FindManual(folder, language).isEmpty());
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app(settings, QString());
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* frame = app.MainFrame();
    frame->OnHelpContents();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_F1);
    EXPECT_TRUE(desktop.opened.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 2);  // one for the command, one for F1
    for (const QString& message : prompts.messages) {
        for (const QString& place : ManualCandidates(folder, language))
            EXPECT_TRUE(message.contains(place)) << message.toStdString();
    }

    struct RemoveAtEnd {
        QString folder;
        ~RemoveAtEnd() { QDir(folder).removeRecursively(); }
    } removeAtEnd{folder + "/help"};
    const QString page = folder + "/help/" + language + "/index.html";
    MakePage(page);
    QTest::keyClick(frame, Qt::Key_F1);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), page);
    EXPECT_EQ(prompts.messages.size(), 2);

    // A Chinese interface opens the Chinese manual; with no program to open
    // it the user is told which file to open.
    const QString running = CurrentInterfaceLanguage();
    SetCurrentInterfaceLanguage("zh");
    const QString chinese = folder + "/help/zh/index.html";
    MakePage(chinese);
    QTest::keyClick(frame, Qt::Key_F1);
    desktop.opens = false;
    QTest::keyClick(frame, Qt::Key_F1);
    SetCurrentInterfaceLanguage(running);
    ASSERT_EQ(desktop.opened.size(), 3);
    EXPECT_EQ(desktop.opened[1].toLocalFile(), chinese);
    ASSERT_EQ(prompts.messages.size(), 3);
    EXPECT_EQ(prompts.messages[2], ManualNotOpenedMessage(chinese));
    EXPECT_TRUE(prompts.messages[2].endsWith("\n" + chinese));
}
