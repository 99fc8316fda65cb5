#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/AppLanguage.h"
#include "app/CommandTexts.h"
#include "app/RecentFileList.h"

namespace {
// The translation the build compiled beside the program.
QString BuiltTranslation() { return QCoreApplication::applicationDirPath() + "/../app/curvilinearscope_zh_CN.qm"; }
}  // namespace

TEST(Translation, ChineseOnlyForChineseSystems) {
    EXPECT_TRUE(IsChineseLanguage(QLocale(QLocale::Chinese, QLocale::China)));
    EXPECT_TRUE(IsChineseLanguage(QLocale(QLocale::Chinese, QLocale::Taiwan)));
    EXPECT_FALSE(IsChineseLanguage(QLocale(QLocale::Japanese, QLocale::Japan)));
    EXPECT_FALSE(IsChineseLanguage(QLocale(QLocale::English, QLocale::UnitedStates)));
}

TEST(Translation, FoundBesideTheProgramFirstThenInTheDataFolder) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    QDir(root.path()).mkpath("share/curvilinearscope/translations");
    const QStringList folders = TranslationFolders(root.filePath("bin"));
    EXPECT_EQ(FindTranslationFile(folders), QString());
    const QString installed = root.filePath("share/curvilinearscope/translations/curvilinearscope_zh_CN.qm");
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(QFileInfo(FindTranslationFile(folders)).canonicalFilePath(), QFileInfo(installed).canonicalFilePath());
    const QString beside = root.filePath("bin/curvilinearscope_zh_CN.qm");
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindTranslationFile(folders), beside);
}

TEST(Translation, EveryWindowTextHasAChineseTranslation) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(BuiltTranslation())) << BuiltTranslation().toStdString();
    for (const auto& [context, source] : TranslatableCommandTexts()) {
        const QString translated = translator.translate(context.toUtf8(), source.toUtf8());
        EXPECT_FALSE(translated.isEmpty()) << context.toStdString() << ": " << source.toStdString();
    }
    for (const char* source : {"ファイルバージョン1.0ではないので、ファイルを開くことができません。",
                               "Failed to open document.", "Unexpected file format.", "Failed to save document."})
        EXPECT_FALSE(translator.translate("DocumentFile", source).isEmpty()) << source;
    EXPECT_EQ(translator.translate("CAppDocument", "Save changes to %1?"), QString("是否保存对 %1 的更改?"));
    // The accelerator part after the tab survives translation.
    EXPECT_EQ(translator.translate("Commands", "新規作成\tCtrl+N(&N)"), QString("新建\tCtrl+N(&N)"));
}

TEST(RecentFiles, NewestFirstFourAtMostNoDuplicates) {
    CRecentFileList list;
    for (const char* path : {"/d/a.crv", "/d/b.crv", "/d/c.crv", "/d/d.crv", "/d/e.crv", "/d/c.crv"}) list.Add(path);
    EXPECT_EQ(list.Files(), QStringList({"/d/c.crv", "/d/e.crv", "/d/d.crv", "/d/b.crv"}));
    list.Remove("/d/e.crv");
    EXPECT_EQ(list.Files(), QStringList({"/d/c.crv", "/d/d.crv", "/d/b.crv"}));
    EXPECT_EQ(CRecentFileList::MenuText(0, "/d/R&D.crv"), "&1 /d/R&&D.crv");
    const QString longPath = "/" + QString(100, 'x') + "/name.crv";
    const QString shown = CRecentFileList::MenuText(1, longPath);
    EXPECT_LE(shown.size(), 70);
    EXPECT_TRUE(shown.endsWith("/name.crv"));
}
