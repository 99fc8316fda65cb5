#include <gtest/gtest.h>
#include <QSettings>
#include <QTemporaryDir>

#include "FakeSeams.h"
#include "app/CurvilinearscopeApp.h"
#include "app/DailyCheck.h"
#include "app/ProductInfo.h"

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

TEST(DailyCheck, ExitOpensTheProductPageOncePerDayEvenAfterAFailedStart) {
    SettingsFile file;
    FakePrompts prompts;
    FakeDesktop desktop;
    {
        CCurvilinearscopeApp app(file.settings);
        // A start that fails: the file on the command line does not exist.
        EXPECT_FALSE(app.InitInstance({file.dir.filePath("missing.crv")}));
        EXPECT_EQ(app.ExitInstance(1), 1);
    }
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl(CRV_PRODUCT_URL));
    {
        CCurvilinearscopeApp app(file.settings);
        ASSERT_TRUE(app.InitInstance({}));
        app.ExitInstance(0);
    }
    EXPECT_EQ(desktop.opened.size(), 1);  // the second exit of the day opens nothing
}
