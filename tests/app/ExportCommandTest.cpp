#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QProcess>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>

#include <algorithm>
#include <string>

#include "FakeSeams.h"
#include "ProgramRun.h"
#include "SanitizerBuild.h"
#include "TestDocuments.h"
#include "app/AppDocument.h"
#include "app/ChildFrame.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/CurvilinearscopeApp.h"
#include "app/DocumentFileReport.h"
#include "app/ExportCommand.h"
#include "app/ExportDialog.h"
#include "app/MainFrame.h"
#include "app/ProductInfo.h"
#include "base/LargeMemory.h"
#include "view/CurvilinearscopeView.h"
#include "view/PictureExport.h"

namespace {
int Export(const QStringList& args, QString& error) {
    const CCommandLineInfo info = ParseCommandLine(args);
    EXPECT_EQ(info.action, CCommandLineInfo::Export) << info.error.toStdString();
    return RunExportCommand(info, error);
}

// A system reason as the program shows it: in Qt's Japanese texts, which
// the program installs beside its own, where they are installed.
QByteArray ReasonAsShown(const char* reason) {
    QTranslator qtTexts;
    if (!qtTexts.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return reason;
    const QString translated = qtTexts.translate("QIODevice", reason);
    return translated.isEmpty() ? QByteArray(reason) : translated.toUtf8();
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

    // A window of the plane: one that does not suit the document is a
    // mistake of the command line, named, and writes nothing.
    ASSERT_EQ(Export({"--export", dir.filePath("v.png"), "--size", "100", "--view", "-1,1,0,3", doc}, error), 0);
    EXPECT_NE(QImage(dir.filePath("v.png")), image.scaled(100, 100));
    for (const char* view : {"0,1e-9,0,1", "-150,150,0,1", "1e9,1000000001,0,1"}) {
        EXPECT_EQ(Export({"--export", dir.filePath("w.png"), "--view", view, doc}, error), 2) << view;
        EXPECT_TRUE(error.contains("--view")) << error.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("w.png")));
    }
    const QString surface = dir.filePath("surface.crv");
    WriteSurfaceDocument(surface, 4);
    EXPECT_EQ(Export({"--export", dir.filePath("w.png"), "--view", "0,1,0,1", surface}, error), 2);
    EXPECT_TRUE(error.contains("--view")) << error.toStdString();
}

TEST(ExportCommand, ZoomAndTiltAreTheWindowsAndHomeIsTheDocumentsOwnPicture) {
    QTemporaryDir dir;
    const QString space = QStringLiteral(CRV_SOURCE_DIR "/examples/space-surface.crv");
    auto exported = [&](const QString& name, QStringList options) {
        QString error;
        EXPECT_EQ(Export(QStringList{"--export", dir.filePath(name)} + options + QStringList{space}, error), 0)
            << error.toStdString();
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray own = exported("own.png", {});
    ASSERT_FALSE(own.isEmpty());
    EXPECT_EQ(exported("home.png", {"--zoom", "1", "--tilt", "0.7853981633974483"}), own);
    EXPECT_NE(exported("zoomed.png", {"--zoom", "2"}), own);
    EXPECT_NE(exported("tilted.png", {"--tilt", "0.2"}), own);

    const QString plane = dir.filePath("plane.crv");
    WriteSampleDocument(plane);
    QString error;
    EXPECT_EQ(Export({"--export", dir.filePath("p.png"), "--tilt", "0.2", plane}, error), 2);
    EXPECT_TRUE(error.contains("--zoom と --tilt") && error.contains(plane)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("p.png")));
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
        {dir.filePath("missing.crv"), "ドキュメントを開けませんでした。"},
    };
    // The file's name and the system's reason follow the message.
    QString missing;
    EXPECT_EQ(Export({"--export", dir.filePath("x.png"), dir.filePath("missing.crv")}, missing), 1);
    EXPECT_EQ(missing,
              "ドキュメントを開けませんでした。\n" + dir.filePath("missing.crv") + ": No such file or directory");
    for (const Case& c : cases) {
        QString error;
        EXPECT_EQ(Export({"--export", dir.filePath("x.png"), c.file}, error), 1);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
    }
}

TEST(ExportCommand, TheProgramExportsWithoutAnyDisplay) {
    const QString program = Program();
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

// --graph makes the document: saved as Save would save it, exported, and a
// argument that does not compile ends with exit code 2, the engine's message and
// the argument.
TEST(ExportCommand, GraphsOnTheCommandLineAreSavedAndExported) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString saved = dir.filePath("rose.crv");
    Outcome run = RunProgram({"--graph", "r = 5*COS(3*t)", "--graph", "x*x+y*y = 25; step 0.5", "--save", saved},
                             ProgramEnvironment());
    ASSERT_EQ(run.code, 0) << run.errorText.toStdString();
    CCurvilinearscopeDoc doc;
    ASSERT_TRUE(OpenDocumentReport(saved, doc).ok);
    EXPECT_EQ(doc.m_graphs[0].m_nKind, GK_POLAR);
    EXPECT_EQ(doc.m_graphs[0].m_nPoints, 629);
    EXPECT_EQ(doc.m_graphs[1].m_nKind, GK_IMPLICIT);
    EXPECT_EQ(doc.m_graphs[1].m_dStep, 0.5);
    EXPECT_GT(doc.m_graphs[1].m_nPoints, 1000);
    EXPECT_EQ(doc.m_graphs[2].m_bShow, 0);
    const QString png = dir.filePath("sphere.png");
    run = RunProgram({"--3d", "--graph", "x*x+y*y+z*z = 64", "--export", png, "--size", "90"}, ProgramEnvironment());
    EXPECT_EQ(run.code, 0) << run.errorText.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(90, 90));
    for (const QStringList& args : {QStringList{"--graph", "y = sin(", "--export", png},
                                    QStringList{"--graph", "y = x", "--save", dir.filePath("x.crv"), saved}}) {
        run = RunProgram(args, ProgramEnvironment());
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(run.errorText.contains("rose.crv")) << run.errorText.toStdString();
    run = RunProgram({"--graph", "y = sin(", "--export", png}, ProgramEnvironment());
    EXPECT_TRUE(run.errorText.contains("y = sin(")) << run.errorText.toStdString();
    EXPECT_GT(run.errorText.count('\n'), 1) << "the engine's message, then the program's";
}

// A damaged file is reported on standard error in the language of the run,
// its name on the next line, and nothing of Qt's own precedes it (a missing
// XDG_RUNTIME_DIR) unless the user asks with QT_LOGGING_RULES. A mistake on
// the command line is told in that language too.
TEST(ExportCommand, TheCommandLineSpeaksTheRunsLanguageAndKeepsQtsWarningsOut) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged.crv"), png = dir.filePath("p.png");
    WriteSampleDocument(damaged);
    const QByteArray bytes = ReadBytes(damaged);
    WriteBytes(damaged, bytes.left(bytes.size() / 2));
    QProcessEnvironment env = ProgramEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("QT_LOGGING_RULES");
    struct Case {
        const char *language, *message, *mistake;
    } cases[] = {
        {"ja", "予期しないファイル形式です。", "--print と --export は同時に指定できません。"},
        {"zh", "文件格式不正确。", "--print 和 --export 不能同时使用。"},
        {"en", "Unexpected file format.", "--print and --export cannot be combined."},
    };
    for (const Case& c : cases) {
        const Outcome run = RunProgram({"--language", c.language, "--export", png, damaged}, env);
        EXPECT_EQ(run.code, 1) << c.language;
        EXPECT_EQ(QString::fromUtf8(run.errorText),
                  "curvilinearscope: " + QString::fromUtf8(c.message) + "\n" + damaged + "\n");
        const Outcome mistake = RunProgram({"--language", c.language, "-p", "--export", png, damaged}, env);
        EXPECT_EQ(mistake.code, 2) << c.language;
        EXPECT_TRUE(QString::fromUtf8(mistake.errorText).startsWith("curvilinearscope: " + QString::fromUtf8(c.mistake)))
            << mistake.errorText.toStdString();
    }
    env.insert("QT_LOGGING_RULES", "default.warning=true");
    EXPECT_TRUE(RunProgram({"--export", png, damaged}, env).errorText.contains("XDG_RUNTIME_DIR"));
}

// Qt's own options are Qt's: the application object takes them, the program
// reads the rest, and its own mistakes still end with exit code 2.
TEST(ExportCommand, TheProgramLeavesQtItsOwnOptions) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString example = QStringLiteral(CRV_SOURCE_DIR "/examples/plane-functions.crv");
    const QString out = dir.filePath("o.png");
    Outcome run = RunProgram({"-style", "Fusion", "-platform", "offscreen", "-reverse", "--qwindowgeometry",
                              "300x200+10+10", "-session", "s1", "--export", out, example},
                             ProgramEnvironment());
    EXPECT_EQ(run.code, 0) << run.errorText.toStdString();
    EXPECT_EQ(QImage(out).size(), QSize(kExportDefaultSize, kExportDefaultSize));
    QProcess version;
    version.setProcessEnvironment(ProgramEnvironment());
    version.start(Program(), {"-style", "Fusion", "--version"});
    ASSERT_TRUE(version.waitForFinished(60000));
    EXPECT_EQ(version.exitCode(), 0);
    EXPECT_EQ(version.readAllStandardOutput(), "Curvilinearscope " CRV_VERSION_TEXT "\n");
    run = RunProgram({"-style", "Fusion", "--frobnicate"}, ProgramEnvironment());
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.errorText.contains("frobnicate")) << run.errorText.toStdString();
}

// A disk that fills up during the export: the devices underneath write part
// of the file without an error. The program must say so and keep the old
// picture, in every format, whether the disk is full from the start or
// fills up part-way.
TEST(ExportCommand, AFullDiskFailsWithTheReasonAndKeepsTheOldPicture) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString doc = dir.filePath("parabola.crv");
    WriteSampleDocument(doc);
    for (const char* name : {"p.png", "p.svg", "p.pdf"}) {
        const QString out = dir.filePath(name);
        ASSERT_EQ(RunProgram({"--export", out, "--size", "100", doc}, ProgramEnvironment()).code, 0);
        const QByteArray old = ReadBytes(out);
        for (int room : {0, 300}) {
            QProcessEnvironment env = ProgramEnvironment();
            env.insert("LD_PRELOAD", CRV_FULL_DISK_SHIM);
            env.insert("CRV_FAULT_FULL_DISK", QString::number(room) + ":" + dir.path());
            const Outcome run = RunProgram({"--export", out, "--size", "300", doc}, env);
            EXPECT_EQ(run.code, 1) << name << ", room " << room << ": " << run.errorText.toStdString();
            EXPECT_TRUE(run.errorText.contains(out.toUtf8())) << run.errorText.toStdString();
            EXPECT_TRUE(run.errorText.contains(ReasonAsShown("No space left on device")))
                << run.errorText.toStdString();
            EXPECT_EQ(ReadBytes(out), old) << name << ", room " << room;
        }
    }
    // Nothing left behind but the document and the three pictures.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
}

namespace {
constexpr int kMiB = 1 << 20;

// The program in an address space of `mebibytes`.
Outcome RunWithin(int mebibytes, const QStringList& args) {
    return RunProgram(args, ProgramEnvironment(), [mebibytes] {
        const rlimit limit{rlim_t(mebibytes) * kMiB, rlim_t(mebibytes) * kMiB};
        setrlimit(RLIMIT_AS, &limit);
    });
}

// The least address space, to a mebibyte, in which the run succeeds.
int LeastSpace(const QStringList& args, int low, int high) {
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (RunWithin(middle, args).code == 0 ? high : low) = middle;
    }
    return high;
}
}  // namespace

// What a run under a limit may end in: the picture, or exit 1 with the
// message of the file that did not fit (the document or the picture).
void ExpectPictureOrMessage(const Outcome& run, int limit, const QString& document, const QString& picture) {
    const std::string said = std::to_string(limit) + " MiB: " + run.errorText.toStdString();
    if (run.code == 0) {
        EXPECT_TRUE(QFile::exists(picture)) << said;
        return;
    }
    EXPECT_EQ(run.code, 1) << said;
    EXPECT_TRUE(run.errorText.contains(("メモリが不足しています。\n" + document).toUtf8()) ||
                run.errorText.contains(("メモリが不足しています。\n" + picture).toUtf8()))
        << said;
    EXPECT_FALSE(QFile::exists(picture)) << said;
}

// A document that opens but whose picture does not fit: the export says so
// and exits 1, at every limit between what the program itself needs and
// what the picture needs, in every format. Under AddressSanitizer the
// address space holds the sanitizer's shadow memory, terabytes of it, so no
// limit can be set there; the view's tests cover the same handling with a
// block limit instead.
TEST(ExportCommand, TooLittleMemoryEndsInAMessageNeverInACrash) {
    if (kAddressSanitizer) GTEST_SKIP() << "an address-space limit cannot work under AddressSanitizer";
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString small = dir.filePath("parabola.crv"), big = dir.filePath("surface.crv");
    WriteSampleDocument(small);
    WriteSurfaceDocument(big, 700);  // 490,000 segments, 25 MB
    const QString png = dir.filePath("p.png");
    const int own = LeastSpace({"--export", png, small}, 0, 1024);
    const int needed = LeastSpace({"--export", png, big}, own, 1024);
    int pictureFailures = 0;
    for (int limit = own; limit < needed; limit += std::max(1, (needed - own) / 12)) {
        QFile::remove(png);
        const Outcome run = RunWithin(limit, {"--export", png, big});
        ExpectPictureOrMessage(run, limit, big, png);
        pictureFailures += run.errorText.contains(("メモリが不足しています。\n" + png).toUtf8());
    }
    EXPECT_GT(pictureFailures, 0) << "no limit between " << own << " and " << needed
                                  << " MiB opened the document and failed its picture";
    // The SVG and PDF writers keep the whole file in memory, as text.
    for (const char* name : {"p.svg", "p.pdf"}) {
        const QString out = dir.filePath(name);
        for (int limit : {needed, needed + 16, needed + 48, needed + 112}) {
            QFile::remove(out);
            ExpectPictureOrMessage(RunWithin(limit, {"--export", out, big}), limit, big, out);
        }
    }
}

// The window's picture leaving it or not fitting: each failure is shown,
// the memory one once however often the window is painted.
TEST(WindowPicture, AFailedExportAndAPictureWithoutMemoryAreShown) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    FakePrompts prompts;
    FakeDesktop desktop;
    CCurvilinearscopeApp app(settings);
    const QString surface = dir.filePath("surface.crv");
    WriteSurfaceDocument(surface, 200);  // 40,000 segments, 320 KB of sort keys
    ASSERT_TRUE(app.InitInstance({surface}));
    auto* frame = qobject_cast<CChildFrame*>(app.MainFrame()->MdiArea()->activeSubWindow());
    ASSERT_TRUE(frame);

    prompts.exportName = dir.filePath("missing/surface.png");
    app.MainFrame()->Action(ID_FILE_EXPORT)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(prompts.exportName)) << prompts.messages[0].toStdString();

    frame->GetView()->Picture3D().ReleaseWorkMemory();
    const size_t previous = SetLargeBlockLimit(64 << 10);
    frame->GetView()->grab();
    frame->GetView()->grab();
    SetLargeBlockLimit(previous);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages.mid(1), QStringList({"メモリが不足しています。"}));
}

// The export dialog is titled Export and adds the chosen format's suffix to
// a name typed without one (Qt's dialog then asks about that file).
TEST(WindowPicture, TheExportDialogAddsTheChosenFormatsSuffix) {
    QTemporaryDir dir;
    struct Case {
        const char *filter, *typed, *saved;
    } cases[] = {
        {nullptr, "picture", "picture.png"},
        {"SVG (*.svg)", "picture", "picture.svg"},
        {"PDF (*.pdf)", "picture", "picture.pdf"},
        {"SVG (*.svg)", "picture.png", "picture.png"},
    };
    for (const Case& c : cases) {
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        SetUpExportDialog(dialog);
        EXPECT_EQ(dialog.windowTitle(), "エクスポート");
        if (c.filter) {
            dialog.selectNameFilter(c.filter);
            emit dialog.filterSelected(c.filter);  // as the user's choice does
        }
        dialog.selectFile(c.typed);
        static_cast<QDialog&>(dialog).accept();  // as the Save button does
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
        EXPECT_EQ(dialog.selectedFiles(), QStringList{dir.filePath(c.saved)}) << c.saved;
    }
}
