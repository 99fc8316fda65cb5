#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "FakeSeams.h"
#include "TestDocuments.h"
#include "app/AppDocument.h"
#include "app/CurvilinearscopeApp.h"
#include "app/MainFrame.h"
#include "document/Archive.h"

TEST(SaveQuestion, AskedOnlyForAModifiedDocumentAndAnsweredThreeWays) {
    QTemporaryDir dir;
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompts.questions.isEmpty());

    doc.SetModifiedFlag();
    prompts.answer = CUserPrompts::Cancel;
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(prompts.questions, QStringList{"Curvilinearscope1 への変更を保存しますか?"});
    EXPECT_TRUE(doc.IsModified());

    prompts.answer = CUserPrompts::No;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());  // discarded, not saved

    // Yes on an untitled document asks for a name; cancelling that keeps it.
    prompts.answer = CUserPrompts::Yes;
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(prompts.suggestedNames.last(), "Curvilinearscope1.crv");

    prompts.saveName = dir.filePath("saved");  // the extension is added
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(QFile::exists(dir.filePath("saved.crv")));
    EXPECT_EQ(doc.GetTitle(), "saved.crv");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(SaveQuestion, SaveAsAsksBeforeTheAddedSuffixReplacesAFile) {
    QTemporaryDir dir;
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    ASSERT_TRUE(doc.OnNewDocument());
    WriteBytes(dir.filePath("name.crv"), "precious");
    prompts.saveName = dir.filePath("name");  // typed without the suffix
    prompts.answer = CUserPrompts::No;
    EXPECT_FALSE(doc.DoSaveAs());
    EXPECT_EQ(prompts.questions, QStringList{"name.crv は既に存在します。\n置き換えますか?"});
    EXPECT_EQ(ReadBytes(dir.filePath("name.crv")), "precious");
    EXPECT_EQ(doc.GetTitle(), "Curvilinearscope1");
    prompts.answer = CUserPrompts::Yes;
    EXPECT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(ReadBytes(dir.filePath("name.crv")).size(), 424);
    EXPECT_EQ(doc.GetTitle(), "name.crv");
}

TEST(SaveQuestion, AFailedSaveIsReportedAndKeepsTheDocumentOpen) {
    FakePrompts prompts;
    CAppDocument doc("Curvilinearscope1");
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    prompts.answer = CUserPrompts::Yes;
    prompts.saveName = "/nonexistent-folder/x.crv";
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(
        prompts.messages,
        QStringList{"ドキュメントを保存できませんでした。\n/nonexistent-folder/x.crv: No such file or directory"});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Curvilinearscope1");
}

namespace {
// A valid file, then the same file damaged in three ways.
struct DamagedFiles {
    QTemporaryDir dir;
    QString good = dir.filePath("good.crv");
    QString version = dir.filePath("version.crv");
    QString truncated = dir.filePath("truncated.crv");
    QString length = dir.filePath("length.crv");
    DamagedFiles() {
        WriteSampleDocument(good);
        QByteArray bytes = ReadBytes(good);
        QByteArray v = bytes;
        v[36] = '1';  // "CURVILINEARSCOPE1.1"
        WriteBytes(version, v);
        WriteBytes(truncated, bytes.left(bytes.size() / 2));
        // The first string of slot 1 (offset 46 + 8) gets the 64-bit length
        // form with an impossible length.
        QByteArray l = bytes.left(54);
        l += QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10);
        l += QByteArray("\x00\x00\x00\x80\x00\x00\x00\x00", 8);
        l += QByteArray(64, '\0');
        WriteBytes(length, l);
    }
};
}  // namespace

TEST(LoadFailure, EachCauseShowsExactlyItsOneMessageAndOpensNothing) {
    DamagedFiles files;
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath("s.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app(settings);
    ASSERT_TRUE(app.InitInstance({files.good}));
    struct Case {
        QString path;
        const char* message;
        const char* reason;  // the system's, after the file's name
    } cases[] = {
        {files.version, "ファイルバージョン1.0ではないので、ファイルを開くことができません。", ""},
        {files.truncated, "予期しないファイル形式です。", ""},
        {files.length, "ドキュメントを開けませんでした。", ""},
        {files.dir.filePath("missing.crv"), "ドキュメントを開けませんでした。", ": No such file or directory"},
        {files.dir.filePath("folder.crv"), "ドキュメントを開けませんでした。", ": Is a directory"},
    };
    QDir(files.dir.path()).mkdir("folder.crv");
    for (const Case& c : cases) {
        prompts.messages.clear();
        EXPECT_EQ(app.MainFrame()->OpenDocumentFile(c.path), nullptr);
        const QString expected = QString::fromUtf8(c.message) + '\n' + c.path + QString::fromUtf8(c.reason);
        EXPECT_EQ(prompts.messages, QStringList{expected}) << c.path.toStdString();
        EXPECT_EQ(app.MainFrame()->DocumentManager().Documents().size(), 1);
        EXPECT_EQ(app.MainFrame()->ChildFrames().size(), 1);
    }
    EXPECT_EQ(app.MainFrame()->DocumentManager().RecentFiles().Files(), QStringList{files.good});
}

TEST(LoadFailure, AStartWithSeveralFilesShowsEveryGoodOneAndReportsEachBadOne) {
    DamagedFiles files;
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath("s.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    const QString second = files.dir.filePath("second.crv");
    WriteSampleDocument(second);
    {
        CCurvilinearscopeApp app(settings);
        ASSERT_TRUE(app.InitInstance({files.version, files.good, files.dir.filePath("missing.crv"), second}));
        ASSERT_EQ(app.MainFrame()->DocumentManager().Documents().size(), 2);
        EXPECT_EQ(app.MainFrame()->DocumentManager().Documents()[0]->GetTitle(), "good.crv");
        EXPECT_EQ(app.MainFrame()->DocumentManager().Documents()[1]->GetTitle(), "second.crv");
        ASSERT_EQ(prompts.messages.size(), 2);
        EXPECT_TRUE(prompts.messages[0].contains(files.version));
        EXPECT_TRUE(prompts.messages[1].contains("missing.crv"));
    }
    CCurvilinearscopeApp none(settings);
    EXPECT_FALSE(none.InitInstance({files.version, files.truncated}));
    EXPECT_TRUE(none.MainFrame()->DocumentManager().Documents().isEmpty());
}

TEST(LoadFailure, AnEmptyFileOpensAsAnEmptyPlanePicture) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("empty.crv"), QByteArray());
    FakePrompts prompts;
    CAppDocument doc("x");
    ASSERT_TRUE(doc.OnOpenDocument(dir.filePath("empty.crv")));
    EXPECT_EQ(doc.Model().m_nDimension, 0);
    EXPECT_EQ(doc.Model().m_nRange, 10);
    EXPECT_EQ(doc.GetTitle(), "empty.crv");
    EXPECT_TRUE(prompts.messages.isEmpty());
}
