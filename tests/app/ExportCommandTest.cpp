#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestDocuments.h"
#include "app/CommandLine.h"
#include "app/ExportCommand.h"

namespace {
int Export(const QStringList& args, QString& error) {
    const CCommandLineInfo info = ParseCommandLine(args);
    EXPECT_EQ(info.action, CCommandLineInfo::Export) << info.error.toStdString();
    return RunExportCommand(info, error);
}
}  // namespace

TEST(ExportCommand, WritesAPictureOfTheAskedSize) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("parabola.crv");
    WriteSampleDocument(doc);
    QString error;
    ASSERT_EQ(Export({"--export", dir.filePath("p.png"), "--size", "123", doc}, error), 0) << error.toStdString();
    const QImage image(dir.filePath("p.png"));
    EXPECT_EQ(image.size(), QSize(123, 123));
    // The parabola is red: some pixel of the picture is.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x) red = image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);

    ASSERT_EQ(Export({"--export", dir.filePath("p.svg"), "--size", "240", doc}, error), 0) << error.toStdString();
    QSvgRenderer svg(dir.filePath("p.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 240, 240));
}

TEST(ExportCommand, ABadFileFailsWithAMessageAndWritesNothing) {
    QTemporaryDir dir;
    const QString foreign = dir.filePath("foreign.crv");
    WriteBytes(foreign, QByteArray("this is no document at all, just some text"));
    struct Case {
        QString file;
        const char* expected;
    } cases[] = {
        {foreign, "ファイルバージョン1.0ではないので、ファイルを開くことができません。"},
        {dir.filePath("missing.crv"), "Failed to open document."},
    };
    // The file's name and the system's reason follow the message.
    QString missing;
    EXPECT_EQ(Export({"--export", dir.filePath("x.png"), dir.filePath("missing.crv")}, missing), 1);
    EXPECT_EQ(missing, "Failed to open document.\n" + dir.filePath("missing.crv") + ": No such file or directory");
    for (const Case& c : cases) {
        QString error;
        EXPECT_EQ(Export({"--export", dir.filePath("x.png"), c.file}, error), 1);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
    }
}

TEST(ExportCommand, TheProgramExportsWithoutAnyDisplay) {
    const QString program = QCoreApplication::applicationDirPath() + "/../app/curvilinearscope";
    if (!QFile::exists(program)) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString doc = dir.filePath("parabola.crv");
    WriteSampleDocument(doc);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    process.setProcessEnvironment(env);
    process.start(program, {"--export", dir.filePath("p.png"), "--size", "77", doc});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(dir.filePath("p.png")).size(), QSize(77, 77));

    process.start(program, {"--export", dir.filePath("q.png"), dir.filePath("missing.crv")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().contains("missing.crv"));
}
