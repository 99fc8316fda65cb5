#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <vector>

#include "app/AppLanguage.h"
#include "app/CommandTexts.h"
#include "app/RecentFileList.h"

namespace {
// The translation the build compiled beside the program.
QString BuiltTranslation(const QString& language = "zh_CN") {
    return QCoreApplication::applicationDirPath() + "/../app/curvilinearscope_" + language + ".qm";
}

struct SourceText {
    QString context, source;
};

// Every text the translation tools find in the sources, as a fresh .ts file
// of lupdate's has them.
std::vector<SourceText> TextsInTheSources(const QTemporaryDir& dir) {
    const QString ts = dir.filePath("found.ts");
    QStringList args = {"-silent", "-locations", "none"};
    for (const QString& folder : QString(CRV_TRANSLATED_FOLDERS).split(',')) args.append(CRV_SOURCE_DIR "/" + folder);
    args << "-ts" << ts;
    QProcess lupdate;
    lupdate.start(CRV_LUPDATE, args);
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QFile file(ts);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ts.toStdString();
    std::vector<SourceText> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source")) texts.push_back({context, xml.readElementText()});
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

// The languages shipped: one .ts file each.
QStringList ShippedLanguages() {
    QStringList languages;
    for (const QString& name : QDir(CRV_SOURCE_DIR "/res/translations").entryList({"curvilinearscope_*.ts"}))
        languages.append(name.mid(int(qstrlen("curvilinearscope_"))).chopped(int(qstrlen(".ts"))));
    return languages;
}
}  // namespace

// The command line's choice, else the kept one, else Chinese on a Chinese
// system and Japanese on any other; a value that is no language is ignored.
TEST(Translation, TheLanguageIsTheUsersChoiceElseTheSystems) {
    const QLocale china(QLocale::Chinese, QLocale::China), taiwan(QLocale::Chinese, QLocale::Taiwan);
    const QLocale japan(QLocale::Japanese, QLocale::Japan), us(QLocale::English, QLocale::UnitedStates);
    struct Case {
        const char* option;
        const char* saved;
        QLocale system;
        const char* chosen;
    } cases[] = {
        {"", "", china, "zh"},   {"", "", taiwan, "zh"},       {"", "", japan, "ja"},     {"", "", us, "ja"},
        {"", "en", china, "en"}, {"", "ja", china, "ja"},      {"en", "zh", japan, "en"}, {"ja", "en", us, "ja"},
        {"fr", "", us, "ja"},    {"", "english", china, "zh"}, {"zh", "", us, "zh"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseInterfaceLanguage(c.option, c.saved, c.system), c.chosen)
            << c.option << "/" << c.saved << "/" << c.system.name().toStdString();

    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(SavedInterfaceLanguage(settings), QString());
    SaveInterfaceLanguage(settings, "en");
    EXPECT_EQ(SavedInterfaceLanguage(settings), "en");
    EXPECT_EQ(TranslationFileName("ja"), QString());  // the sources' own language
    EXPECT_EQ(TranslationFileName("en"), "curvilinearscope_en.qm");
}

TEST(Translation, FoundBesideTheProgramFirstThenInTheDataFolder) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    QDir(root.path()).mkpath("share/curvilinearscope/translations");
    const QStringList folders = TranslationFolders(root.filePath("bin"));
    const QString name = "curvilinearscope_zh_CN.qm";
    EXPECT_EQ(FindTranslationFile(folders, name), QString());
    const QString installed = root.filePath("share/curvilinearscope/translations/curvilinearscope_zh_CN.qm");
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(QFileInfo(FindTranslationFile(folders, name)).canonicalFilePath(),
              QFileInfo(installed).canonicalFilePath());
    const QString beside = root.filePath("bin/curvilinearscope_zh_CN.qm");
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindTranslationFile(folders, name), beside);
    EXPECT_EQ(FindTranslationFile(folders, "curvilinearscope_en.qm"), QString());
}

TEST(Translation, EveryWindowTextHasAChineseTranslation) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(BuiltTranslation())) << BuiltTranslation().toStdString();
    for (const auto& [context, source] : TranslatableCommandTexts()) {
        const QString translated = translator.translate(context.toUtf8(), source.toUtf8());
        EXPECT_FALSE(translated.isEmpty()) << context.toStdString() << ": " << source.toStdString();
    }
    EXPECT_FALSE(
        translator.translate("DocumentFile", "ファイルバージョン1.0ではないので、ファイルを開くことができません。")
            .isEmpty());
    // The accelerator part after the tab survives translation.
    EXPECT_EQ(translator.translate("Commands", "新規作成\tCtrl+N(&N)"), QString("新建\tCtrl+N(&N)"));
}

// The messages a desktop's framework would give speak the interface's
// language: the English ones word for word as the framework words them.
TEST(Translation, TheFrameworksMessagesSpeakEachInterfaceLanguage) {
    struct Case {
        const char *context, *japanese, *chinese, *english;
    } cases[] = {
        {"CAppDocument", "%1 への変更を保存しますか?", "是否保存对 %1 的更改?", "Save changes to %1?"},
        {"CAppDocument", "%1 は既に存在します。\n置き換えますか?", "%1 已存在。\n要替换它吗?",
         "%1 already exists.\nDo you want to replace it?"},
        {"DocumentFile", "ドキュメントを開けませんでした。", "无法打开文档。", "Failed to open document."},
        {"DocumentFile", "予期しないファイル形式です。", "文件格式不正确。", "Unexpected file format."},
        {"DocumentFile", "ドキュメントを保存できませんでした。", "保存文档失败。", "Failed to save document."},
        {"DocumentFile", "メモリが不足しています。", "内存不足。", "Out of memory."},
        {"DataExchange", "数値を入力してください。", "请输入数字。", "Please enter a number."},
        {"DataExchange", "%1 から %2 までの数値を入力してください。", "请输入 %1 到 %2 之间的数字。",
         "Please enter a number between %1 and %2."},
        {"FileDialog", "Curvilinearscope ファイル (*.crv)", "Curvilinearscope 文件 (*.crv)",
         "Curvilinearscope Files (*.crv)"},
        {"FileDialog", "すべてのファイル (*)", "所有文件 (*)", "All Files (*)"},
    };
    QTranslator chinese, english;
    ASSERT_TRUE(chinese.load(BuiltTranslation("zh_CN")));
    ASSERT_TRUE(english.load(BuiltTranslation("en")));
    for (const Case& c : cases) {
        EXPECT_EQ(chinese.translate(c.context, c.japanese), QString::fromUtf8(c.chinese)) << c.japanese;
        EXPECT_EQ(english.translate(c.context, c.japanese), QString::fromUtf8(c.english)) << c.japanese;
    }
}

// A text the sources ask for and a shipped language lacks stays Japanese in
// that language's interface: every text must be found by the translation
// tools and translated, finished, in every language.
TEST(Translation, EveryShippedLanguageHasEveryTextOfTheSources) {
    QTemporaryDir dir;
    const std::vector<SourceText> texts = TextsInTheSources(dir);
    ASSERT_GT(texts.size(), 140u);  // the program's texts, not some of them
    const QStringList languages = ShippedLanguages();
    ASSERT_TRUE(languages.contains("zh_CN"));
    ASSERT_TRUE(languages.contains("en"));
    for (const QString& language : languages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(BuiltTranslation(language))) << language.toStdString();
        for (const SourceText& text : texts)
            EXPECT_FALSE(translator.translate(text.context.toUtf8(), text.source.toUtf8()).isEmpty())
                << language.toStdString() << ", " << text.context.toStdString() << ": " << text.source.toStdString();
    }
    // The view's "Arrow" menu is among them.
    QTranslator chinese;
    ASSERT_TRUE(chinese.load(BuiltTranslation()));
    EXPECT_EQ(chinese.translate("CCurvilinearscopeView", "Z軸右に回転\t(→キー)"), QString("绕Z轴右转\t(→键)"));
    QTranslator english;
    ASSERT_TRUE(english.load(BuiltTranslation("en")));
    EXPECT_EQ(english.translate("Ui", "表示(&V)"), QString("&View"));
    EXPECT_EQ(english.translate("CDlgSet", "表示しますか？"), QString("Show?"));
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
