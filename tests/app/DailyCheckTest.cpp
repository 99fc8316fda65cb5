#include <gtest/gtest.h>
#include <QSettings>
#include <QTemporaryDir>

#include <QPushButton>
#include "FakeSeams.h"
#include "app/CurvilinearscopeApp.h"
#include "app/DailyCheck.h"

#include "app/AboutDlg.h"

namespace {
struct SettingsFile {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
};
}  // namespace

TEST(DailyCheck, FirstExitOfADayOnlyAndTheDayIsRecorded) {
    SettingsFile file;
    const QDate day(2010, 7, 5);
    EXPECT_TRUE(DailyCheck(file.settings, day));  // first exit ever
    EXPECT_EQ(file.settings.value("User/today").toString(), "2010/07/05");
    EXPECT_FALSE(DailyCheck(file.settings, day));  // second exit that day
    EXPECT_TRUE(DailyCheck(file.settings, day.addDays(1)));
    EXPECT_EQ(file.settings.value("User/today").toString(), "2010/07/06");
}

TEST(DailyCheck, AValueOfAnyOtherFormCountsAsAnotherDay) {
    for (const char* stored : {"2010-07-05", "2010/7/5", "----/--/--", "", "garbage"}) {
        SettingsFile file;
        file.settings.setValue("User/today", stored);
        EXPECT_TRUE(DailyCheck(file.settings, QDate(2010, 7, 5))) << stored;
        EXPECT_EQ(file.settings.value("User/today").toString(), "2010/07/05") << stored;
    }
}

TEST(DailyCheck, TheDayIsKeptWithOrWithoutAnAddressAndOnlyAnAddressIsOpened) {
    const QString address = "https://example.org/curvilinearscope/";
    for (const QString& page : {address, QString()}) {
        SettingsFile file;
        FakeDesktop desktop;
        const QDate day(2010, 7, 5);
        EXPECT_EQ(OpenDailyPage(file.settings, day, page), !page.isEmpty());
        EXPECT_EQ(file.settings.value("User/today").toString(), "2010/07/05");
        EXPECT_FALSE(OpenDailyPage(file.settings, day, page));  // second exit that day
        EXPECT_EQ(OpenDailyPage(file.settings, day.addDays(1), page), !page.isEmpty());
        EXPECT_EQ(file.settings.value("User/today").toString(), "2010/07/06");
        EXPECT_EQ(desktop.opened, page.isEmpty() ? QList<QUrl>() : QList<QUrl>({QUrl(page), QUrl(page)}));
    }
}

TEST(DailyCheck, TheAboutBoxShowsTheWebButtonOnlyWithAnAddress) {
    FakeDesktop desktop;
    CAboutDlg without(nullptr, QString());
    EXPECT_TRUE(without.WebButton()->isHidden());
    CAboutDlg with(nullptr, "https://example.org/");
    EXPECT_FALSE(with.WebButton()->isHidden());
    EXPECT_EQ(with.WebButton()->text(), "https://example.org/");
    with.WebButton()->click();
    EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl("https://example.org/")}));
}

TEST(DailyCheck, ExitOpensTheProductPageOncePerDayEvenAfterAFailedStart) {
    const QString address = "https://example.org/curvilinearscope/";
    SettingsFile file;
    FakePrompts prompts;
    FakeDesktop desktop;
    {
        CCurvilinearscopeApp app(file.settings, address);
        // A start that fails: the file on the command line does not exist.
        EXPECT_FALSE(app.InitInstance({file.dir.filePath("missing.crv")}));
        EXPECT_EQ(app.ExitInstance(1), 1);
    }
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl(address));
    {
        CCurvilinearscopeApp app(file.settings, address);
        ASSERT_TRUE(app.InitInstance({}));
        app.ExitInstance(0);
    }
    EXPECT_EQ(desktop.opened.size(), 1);  // the second exit of the day opens nothing
}

TEST(DailyCheck, ABuildWithoutAnAddressOpensNothingAtExitButKeepsTheDay) {
    SettingsFile file;
    FakePrompts prompts;
    FakeDesktop desktop;
    {
        CCurvilinearscopeApp app(file.settings, QString());
        ASSERT_TRUE(app.InitInstance({}));
        app.ExitInstance(0);
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_EQ(file.settings.value("User/today").toString(), DailyCheckText(QDate::currentDate()));
}
