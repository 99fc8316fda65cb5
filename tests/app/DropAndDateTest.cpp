#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include "FakeSeams.h"
#include "TestDocuments.h"
#include "app/AppDocument.h"
#include "app/CurvilinearscopeApp.h"
#include "app/EnginePlatform.h"
#include "app/MainFrame.h"
#include "expr/ExpressPlatform.h"

TEST(MainFrameDrop, DroppedDocumentFilesOpenOthersAreIgnored) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app(settings);
    ASSERT_TRUE(app.InitInstance({}));
    WriteSampleDocument(dir.filePath("a.crv"));
    WriteSampleDocument(dir.filePath("B.CRV"));
    WriteBytes(dir.filePath("notes.txt"), "text");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.filePath("a.crv")), QUrl::fromLocalFile(dir.filePath("notes.txt")),
                  QUrl::fromLocalFile(dir.filePath("B.CRV"))});
    EXPECT_TRUE(app.MainFrame()->OpenDroppedFiles(&data));
    ASSERT_EQ(app.MainFrame()->DocumentManager().Documents().size(), 3);  // the new document and the two dropped ones
    EXPECT_EQ(app.MainFrame()->DocumentManager().Documents()[1]->GetTitle(), "a.crv");
    EXPECT_EQ(app.MainFrame()->DocumentManager().Documents()[2]->GetTitle(), "B.CRV");
    EXPECT_TRUE(prompts.messages.isEmpty());
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
    EXPECT_FALSE(app.MainFrame()->OpenDroppedFiles(&text));
    // A document is known by its first bytes too, as the desktop's file type
    // knows it; a file that is only named like one still opens (and says
    // what is wrong with it), one almost like a document does not.
    WriteSampleDocument(dir.filePath("graph-without-suffix"));
    QByteArray almost = ReadBytes(dir.filePath("graph-without-suffix"));
    almost[36] = 'X';  // the last unit of "1.0"
    WriteBytes(dir.filePath("almost"), almost);
    QMimeData byContent;
    byContent.setUrls({QUrl::fromLocalFile(dir.filePath("almost")),
                       QUrl::fromLocalFile(dir.filePath("graph-without-suffix")), QUrl::fromLocalFile(dir.path())});
    EXPECT_TRUE(app.MainFrame()->OpenDroppedFiles(&byContent));
    ASSERT_EQ(app.MainFrame()->DocumentManager().Documents().size(), 4);
    EXPECT_EQ(app.MainFrame()->DocumentManager().Documents()[3]->GetTitle(), "graph-without-suffix");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(EngineDates, EngineFormatsAndTheUsersOwnFormats) {
    const double july15 = 40374.0;  // 2010-07-15 as an OLE Automation day
    double date = 0;
    ASSERT_TRUE(ParseDateWithLocale(u"2010/07/15", date));
    EXPECT_DOUBLE_EQ(date, july15);
    const QString local = QLocale::system().toString(QDate(2010, 7, 15), QLocale::LongFormat);
    ASSERT_TRUE(ParseDateWithLocale(local.toStdU16String(), date)) << local.toStdString();
    EXPECT_DOUBLE_EQ(date, july15);
    EXPECT_FALSE(ParseDateWithLocale(u"not a date", date));
    EXPECT_FALSE(ParseDateWithLocale(u"", date));
}

TEST(EngineLanguage, FollowsTheInterfaceLanguageEvenWithoutTheTranslationFile) {
    // No translation file is installed beside the tests: the engine's
    // messages must still follow the chosen language.
    const std::pair<const char*, ExpressLanguage> cases[] = {
        {"zh", ExpressLanguage::Chinese},
        {"en", ExpressLanguage::English},
        {"ja", ExpressLanguage::Japanese},
    };
    for (const auto& [language, expected] : cases) {
        InstallEnginePlatform(language);
        EXPECT_EQ(GetExpressPlatform().language, expected) << language;
    }
    SetExpressPlatform(ExpressPlatform{});
}
