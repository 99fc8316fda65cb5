#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "ProgramRun.h"
#include "TestDocuments.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {
// x^3-3*x and y = x at R = 5: they meet at -2, 0 and 2.
void WriteCubicAndLine(const QString& path) {
    CCurvilinearscopeDoc doc;
    doc.m_nRange = 5;
    const char16_t* formulas[] = {u"x^3-3*x", u"x"};
    for (int k = 0; k < 2; ++k) {
        doc.m_graphs[k].m_bShow = 1;
        doc.m_graphs[k].m_strFormula = formulas[k];
    }
    SaveDocumentFile(QFile::encodeName(path).toStdString(), doc);
}

const double kRoot3 = 1.7320508075688772;
struct Line {
    const char *kind, *slotNumbers;
    double x, y;
};
}  // namespace

// One line a point on standard output, tab-separated, sorted by kind then
// x, numbers read back as written whatever the locale; nothing else. The
// document is a file or the line's graphs; the window its range or --view,
// whose x range bounds the scan and whose y range drops points outside.
TEST(PointsCommand, PrintsOneTabSeparatedLineAPointAndNothingElse) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString doc = dir.filePath("cubic.crv");
    WriteCubicAndLine(doc);
    // Numbers with a decimal comma: in Qt's locale, and in the C library's
    // where that locale is installed.
    QProcessEnvironment env = ProgramEnvironment();
    env.remove("LC_ALL");
    env.insert("LANG", "C.UTF-8");
    env.insert("LC_NUMERIC", "de_DE.UTF-8");
    const QStringList cubicGraph = {"--graph", "x^3-3*x", "--range", "5", "--points"};
    struct Case {
        QStringList args;
        std::vector<Line> expected;
    } cases[] = {
        {{"--points", doc},
         {{"root", "1", -kRoot3, 0},
          {"root", "1", 0, 0},
          {"root", "2", 0, 0},
          {"root", "1", kRoot3, 0},
          {"minimum", "1", 1, -2},
          {"maximum", "1", -1, 2},
          {"intersection", "1,2", -2, -2},
          {"intersection", "1,2", 0, 0},
          {"intersection", "1,2", 2, 2},
          {"y-intercept", "1", 0, 0},
          {"y-intercept", "2", 0, 0}}},
        {cubicGraph,
         {{"root", "1", -kRoot3, 0},
          {"root", "1", 0, 0},
          {"root", "1", kRoot3, 0},
          {"minimum", "1", 1, -2},
          {"maximum", "1", -1, 2},
          {"y-intercept", "1", 0, 0}}},
        {cubicGraph + QStringList{"--view", "-1.5,3,-1,1"},
         {{"root", "1", 0, 0}, {"root", "1", kRoot3, 0}, {"y-intercept", "1", 0, 0}}},
    };
    for (const Case& c : cases) {
        const std::string args = c.args.join(' ').toStdString();
        const Outcome run = RunProgram(c.args, env);
        ASSERT_EQ(run.code, 0) << args << ": " << run.errorText.toStdString();
        const QList<QByteArray> lines = run.output.split('\n');
        ASSERT_EQ(lines.size(), c.expected.size() + 1) << args << ":\n" << run.output.toStdString();
        EXPECT_EQ(lines.back(), QByteArray());  // the last line ends too
        for (size_t k = 0; k < c.expected.size(); ++k) {
            const Line& expected = c.expected[k];
            const QList<QByteArray> fields = lines[k].split('\t');
            ASSERT_EQ(fields.size(), 4) << lines[k].toStdString();
            EXPECT_EQ(fields[0], expected.kind) << args;
            EXPECT_EQ(fields[1], expected.slotNumbers) << args;
            bool xRead = false, yRead = false;
            EXPECT_NEAR(fields[2].toDouble(&xRead), expected.x, 1e-7) << args << ": " << lines[k].toStdString();
            EXPECT_NEAR(fields[3].toDouble(&yRead), expected.y, 1e-14) << args << ": " << lines[k].toStdString();
            EXPECT_TRUE(xRead && yRead) << lines[k].toStdString();
            for (const QByteArray& number : {fields[2], fields[3]})  // 17 significant digits
                EXPECT_EQ(QByteArray::number(number.toDouble(), 'g', 17), number) << lines[k].toStdString();
        }
    }
}

// A file that cannot be read ends with 1, a space picture with 2, each with
// a message naming the file on standard error and nothing on standard output;
// --help lists the option.
TEST(PointsCommand, ExitCodesAndMessages) {
    if (!QFile::exists(Program())) GTEST_SKIP() << "the program is not built beside the tests";
    QTemporaryDir dir;
    const QString space = dir.filePath("space.crv");
    WriteSurfaceDocument(space, 3);
    struct Case {
        QStringList args;
        int code;
        const char* error;   // a part of standard error
        const char* output;  // a part of standard output, or "" for nothing
        bool fullOutput = false;  // standard output is a full disk
    } cases[] = {
        {{"--points", dir.filePath("missing.crv")}, 1, "missing.crv", ""},
        {{"--language", "ja", "--points", space}, 2, "space.crv は３次元の図です。", ""},
        {{"--language", "en", "--points", space}, 2, "is a 3D picture: --points works on 2D pictures only.", ""},
        {{"--language", "zh", "--points", space}, 2, "是三维图形", ""},
        {{"--points"}, 2, "--points", ""},
        {{"--points", "--export", "o.png", space}, 2, "--export", ""},
        {{"--points", "--view", "-1,1,-1,1", space}, 2, "space.crv", ""},
        {{"--graph", "x", "--range", "5", "--points", "--view", "0,1e6,-1,1"}, 2, "--view", ""},
        {{"--3d", "--graph", "x*y", "--points"}, 2, "--graph", ""},
        {{"--language", "en", "--graph", "x", "--points"}, 1, "Could not write to standard output.", "", true},
        {{"--help"}, 0, "", "curvilinearscope --points [--view XMIN,XMAX,YMIN,YMAX] FILE.crv"},
    };
    for (const Case& c : cases) {
        const auto fullDisk = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
        const Outcome run =
            c.fullOutput ? RunProgram(c.args, ProgramEnvironment(), fullDisk) : RunProgram(c.args, ProgramEnvironment());
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(run.code, c.code) << args << ": " << run.errorText.toStdString();
        EXPECT_TRUE(run.errorText.contains(c.error)) << args << ": " << run.errorText.toStdString();
        if (*c.output == 0) {
            EXPECT_EQ(run.output, QByteArray()) << args;
        } else {
            EXPECT_TRUE(run.output.contains(c.output)) << args;
        }
    }
}
