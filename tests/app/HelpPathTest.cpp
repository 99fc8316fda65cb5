#include <gtest/gtest.h>
#include <QCoreApplication>

#include <QSettings>
#include <QTemporaryDir>
#include "FakeSeams.h"
#include "app/CurvilinearscopeApp.h"
#include "app/HelpPath.h"
#include "app/MainFrame.h"

TEST(HelpPath, IsCrvChmInTheProgramsFolder) {
    struct Case {
        const char* executable;
        const char* help;
    } cases[] = {
        {"/opt/tools/bin/curvilinearscope", "/opt/tools/bin/crv.chm"},
        {"/curvilinearscope", "/crv.chm"},
        // No folder at all: the empty folder followed by the file name.
        {"curvilinearscope", "/crv.chm"},
        {"/home/user/my app/run", "/home/user/my app/crv.chm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpPathFor(QString::fromUtf8(c.executable)), QString::fromUtf8(c.help)) << c.executable;
}

TEST(HelpPath, HelpCommandOpensTheFileThroughTheDesktopAndReportsNothing) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app(settings);
    ASSERT_TRUE(app.InitInstance({}));
    app.MainFrame()->OnHelpContents();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), QCoreApplication::applicationDirPath() + "/crv.chm");
    // The file does not exist and the desktop said so: nothing of ours shows.
    EXPECT_TRUE(prompts.messages.isEmpty());
}
