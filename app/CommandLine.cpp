#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>

#include "app/AppLanguage.h"
#include "app/ProductInfo.h"
#include "app/ViewOption.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/Dimension.h"
#include "view/PictureExport.h"

namespace {

// The options Qt's application objects take away for themselves (with or
// without a second dash). Only the first light look needs them: by the time
// the line is parsed, the application object has removed them.
const char* const kQtOptions[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "reverse",
    "session",
    "style",
    "stylesheet",
    "widgetcount",
    "nograb",
    "dograb",
    "display",
    "geometry",
    "qmljsdebugger",
    "name",
    "title",
    "visual",
    "ncols",
    "cmap",
    "im",
    "inputstyle",
    "sync",
    "fn",
    "font",
    "bg",
    "background",
    "fg",
    "foreground",
    "btn",
    "button",
    "qwindowscreen",
    "enable-all-dark-mode",
};

bool IsQtOption(const QString& arg) {
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.section(QLatin1Char('='), 0, 0);
    for (const char* option : kQtOptions)
        if (name == QLatin1String(option)) return true;
    return false;
}

CCommandLineInfo Failure(const QString& error) {
    CCommandLineInfo info;
    info.action = CCommandLineInfo::Error;
    info.error = error;
    return info;
}

// Graphs make the document: no file may come with them.
CCommandLineInfo FinishGraphs(CCommandLineInfo info, bool documentOptions) {
    if (info.graphs.isEmpty()) {
        if (documentOptions || info.action == CCommandLineInfo::Save)
            return Failure(QCoreApplication::translate("CommandLine", "--3d、--range、--save は --graph と一緒に使います。"));
        return info;
    }
    if (!info.files.isEmpty())
        return Failure(QCoreApplication::translate("CommandLine", "--graph は新しい文書を作るので、ファイルは指定できません: %1")
                           .arg(info.files.join(QLatin1Char(' '))));
    if (info.graphs.size() > kMaxCommandLineGraphs)
        return Failure(QCoreApplication::translate("CommandLine", "--graph は %1 回まで指定できます。")
                           .arg(kMaxCommandLineGraphs));
    if (info.range != 5 && info.range != 10 && info.range != 20)
        return Failure(QCoreApplication::translate("CommandLine", "--range には 5、10、20 のいずれかを指定してください。"));
    return info;
}

// Checks what only makes sense together, once everything is read.
CCommandLineInfo Finish(CCommandLineInfo info, bool sizeGiven, bool angleGiven) {
    if (info.view && info.action != CCommandLineInfo::Export && info.action != CCommandLineInfo::FilePrint &&
        info.action != CCommandLineInfo::Points)
        return Failure(QCoreApplication::translate("CommandLine",
                                                   "--view は --export、--print、--points のいずれかと一緒に使います。"));
    if (info.action != CCommandLineInfo::Export && (sizeGiven || angleGiven))
        return Failure(QCoreApplication::translate("CommandLine", "--size と --angle は --export と一緒に使います。"));
    if (info.spaceOptions && info.action != CCommandLineInfo::Export && info.action != CCommandLineInfo::FilePrint)
        return Failure(
            QCoreApplication::translate("CommandLine", "--zoom と --tilt は --export か --print と一緒に使います。"));
    const bool graphs = !info.graphs.isEmpty();
    if (info.action == CCommandLineInfo::Export) {
        if (info.files.size() != (graphs ? 0 : 1))
            return Failure(
                QCoreApplication::translate("CommandLine", "--export には文書ファイルを一つだけ指定してください。"));
        if (ExportFormatOf(info.exportPath) == ExportFormat::Unknown)
            return Failure(
                QCoreApplication::translate("CommandLine", "画像ファイルの拡張子は .png、.svg、.pdf のいずれかです: %1")
                    .arg(info.exportPath));
        if (!sizeGiven) info.exportSize = kExportDefaultSize;
    } else if (info.action == CCommandLineInfo::FilePrint) {
        if (info.files.size() != (graphs ? 0 : 1))
            return Failure(
                QCoreApplication::translate("CommandLine", "--print には文書ファイルを一つだけ指定してください。"));
    } else if (info.action == CCommandLineInfo::Points) {
        if (info.files.size() != (graphs ? 0 : 1))
            return Failure(QCoreApplication::translate("CommandLine",
                                                       "--points には文書ファイルをちょうど一つ指定してください。"));
    } else if (!info.files.isEmpty()) {
        info.action = CCommandLineInfo::FileOpen;
    }
    return info;
}

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption print{{QStringLiteral("p"), QStringLiteral("print")}};
    QCommandLineOption exportTo{QStringLiteral("export"), QString(), QStringLiteral("OUT")};
    QCommandLineOption points{QStringLiteral("points")};
    QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("PIXELS")};
    QCommandLineOption angle{QStringLiteral("angle"), QString(), QStringLiteral("RADIANS")};
    QCommandLineOption view{QStringLiteral("view"), QString(), QStringLiteral("XMIN,XMAX,YMIN,YMAX")};
    QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("FACTOR")};
    QCommandLineOption tilt{QStringLiteral("tilt"), QString(), QStringLiteral("RADIANS")};
    QCommandLineOption language{QStringLiteral("language"), QString(), QStringLiteral("LANGUAGE")};
    QCommandLineOption graph{QStringLiteral("graph"), QString(), QStringLiteral("FORMULA")};
    QCommandLineOption space{QStringLiteral("3d")};
    QCommandLineOption range{QStringLiteral("range"), QString(), QStringLiteral("R")};
    QCommandLineOption save{QStringLiteral("save"), QString(), QStringLiteral("OUT")};
};

// The options that describe a document of graphs, and open a window as a
// file does when nothing else is asked.
const QString kGraphOption = QStringLiteral("--graph");
const QString kRangeOption = QStringLiteral("--range");

// How many arguments a window-opening option of the graphs takes at i, 0
// for none of them.
int GraphOptionLength(const QStringList& args, qsizetype i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--3d")) return 1;
    if ((arg == kGraphOption || arg == kRangeOption) && i + 1 < args.size()) return 2;
    if (arg.startsWith(kGraphOption + QLatin1Char('=')) || arg.startsWith(kRangeOption + QLatin1Char('='))) return 1;
    return 0;
}

const QString kLanguageOption = QStringLiteral("--language");

// The options of the picture printed or exported, which go with --print too.
bool IsPictureOption(const QString& arg) {
    for (const char* option : {"--view", "--zoom", "--tilt"})
        if (arg == QLatin1String(option) || arg.startsWith(QLatin1String(option) + QLatin1Char('='))) return true;
    return false;
}

// The values of --size and --angle, when given.
CCommandLineInfo ReadExportValues(const QCommandLineParser& parser, const Options& options, CCommandLineInfo info) {
    if (parser.isSet(options.size)) {
        bool ok = false;
        info.exportSize = parser.value(options.size).toInt(&ok);
        if (!ok || info.exportSize < kExportMinSize || info.exportSize > kExportMaxSize)
            return Failure(QCoreApplication::translate(
                               "CommandLine", "--size には %1 から %2 までのピクセル数 (整数) を指定してください。")
                               .arg(kExportMinSize)
                               .arg(kExportMaxSize));
    }
    if (parser.isSet(options.angle)) {
        bool ok = false;
        const double angle = parser.value(options.angle).toDouble(&ok);
        if (!ok || !std::isfinite(angle))
            return Failure(
                QCoreApplication::translate("CommandLine", "--angle にはラジアンの数値を指定してください。"));
        info.exportAngle = angle;
    }
    if (parser.isSet(options.view)) {
        info.view = ParseViewOption(parser.value(options.view));
        if (!info.view) return Failure(ViewOptionMistake());
    }
    return info;
}

// The values of --zoom and --tilt, when given: finite, within the window's
// limits.
CCommandLineInfo ReadSpaceValues(const QCommandLineParser& parser, const Options& options, CCommandLineInfo info) {
    double scale = 1.0, tilt = CSpaceWindow::HomeTilt();
    if (parser.isSet(options.zoom)) {
        bool ok = false;
        scale = parser.value(options.zoom).toDouble(&ok);
        if (!ok || !CSpaceWindow::ValidScale(scale))
            return Failure(
                QCoreApplication::translate("CommandLine", "--zoom には %1 から %2 までの倍率を指定してください。")
                    .arg(CSpaceWindow::kMinScale)
                    .arg(CSpaceWindow::kMaxScale));
    }
    if (parser.isSet(options.tilt)) {
        bool ok = false;
        tilt = parser.value(options.tilt).toDouble(&ok);
        // π/2 as the usage writes it, rounded up, means π/2.
        constexpr double kMaxTiltAsWritten = 1.5708;
        if (ok && tilt > CSpaceWindow::kMaxTilt && tilt <= kMaxTiltAsWritten) tilt = CSpaceWindow::kMaxTilt;
        if (!ok || !CSpaceWindow::ValidTilt(tilt))
            return Failure(
                QCoreApplication::translate(
                    "CommandLine", "--tilt には 0 (横) から %1 (真上) までのラジアンの数値を指定してください。")
                    .arg(CSpaceWindow::kMaxTilt));
    }
    info.spaceWindow.Set(scale, tilt);
    info.spaceOptions = parser.isSet(options.zoom) || parser.isSet(options.tilt);
    return info;
}

}  // namespace

QString SpaceOptionsMistake(const CCommandLineInfo& info, int dimension, const QString& file) {
    if (!info.spaceOptions || dimension == DIM_SPACE) return QString();
    return QCoreApplication::translate("CommandLine", "--zoom と --tilt は3次元の図にだけ使えます: %1").arg(file);
}

QString PictureOptionsMistake(const CCommandLineInfo& info, const CCurvilinearscopeDoc& doc, const QString& file) {
    if (info.view) {
        const QString mismatch = ViewOptionMismatch(*info.view, doc);
        if (!mismatch.isEmpty()) return mismatch;
    }
    return SpaceOptionsMistake(info, doc.m_nDimension, file);
}

bool CommandLineNeedsNoWindow(const QStringList& args) {
    // Graphs with a file are a mistake to report, not a window to open. A
    // word after one of Qt's options may be its value, not a file.
    bool graphs = false, file = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) {
            file = file || i + 1 < args.size();
            break;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            file = file || i == 0 || !IsQtOption(args[i - 1]);
            continue;
        }
        if (arg == QLatin1String("-p") || arg == QLatin1String("--print") || IsQtOption(arg)) continue;
        if (const int length = GraphOptionLength(args, i)) {
            graphs = graphs || arg.startsWith(kGraphOption);
            i += length - 1;
            continue;
        }
        // A valid language opens windows as usual; its value is no file.
        if (arg == kLanguageOption && IsInterfaceLanguage(args.value(i + 1))) {
            ++i;
            continue;
        }
        if (arg.startsWith(kLanguageOption + QLatin1Char('=')) &&
            IsInterfaceLanguage(arg.mid(kLanguageOption.size() + 1)))
            continue;
        // The picture's window, zoom and tilt go with --print as well: their
        // values are checked once the line is parsed.
        if (IsPictureOption(arg)) {
            if (!arg.contains(QLatin1Char('='))) ++i;
            continue;
        }
        // --help, --version, --export, or a mistake to report: none of them
        // opens a window.
        return true;
    }
    return graphs && file;
}

CCommandLineInfo ParseCommandLine(const QStringList& args) {
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.help, options.version, options.print, options.exportTo, options.points, options.size,
                       options.angle, options.view, options.zoom, options.tilt, options.language, options.graph,
                       options.space, options.range, options.save});
    const bool parsed = parser.parse(QStringList{QStringLiteral("curvilinearscope")} + args);
    CCommandLineInfo info;
    if (parser.isSet(options.help)) {
        info.action = CCommandLineInfo::Help;
        return info;
    }
    if (parser.isSet(options.version)) {
        info.action = CCommandLineInfo::Version;
        return info;
    }
    if (!parsed) return Failure(parser.errorText());
    if (parser.isSet(options.language)) {
        info.language = parser.value(options.language);
        if (!IsInterfaceLanguage(info.language))
            return Failure(QCoreApplication::translate("CommandLine",
                                                       "--language には ja、zh、en のいずれかを指定してください: %1")
                               .arg(info.language));
    }
    if (parser.isSet(options.print) && parser.isSet(options.exportTo))
        return Failure(QCoreApplication::translate("CommandLine", "--print と --export は同時に指定できません。"));
    if (parser.isSet(options.points) && (parser.isSet(options.print) || parser.isSet(options.exportTo)))
        return Failure(
            QCoreApplication::translate("CommandLine", "--points は --print とも --export とも一緒に使えません。"));
    if (parser.isSet(options.save) && (parser.isSet(options.print) || parser.isSet(options.exportTo)))
        return Failure(
            QCoreApplication::translate("CommandLine", "--save は --print や --export と同時に指定できません。"));
    info.graphs = parser.values(options.graph);
    info.space = parser.isSet(options.space);
    if (parser.isSet(options.range)) {
        bool ok = false;
        info.range = parser.value(options.range).toInt(&ok);
        if (!ok) info.range = 0;
    }
    if (parser.isSet(options.save)) {
        info.action = CCommandLineInfo::Save;
        info.savePath = parser.value(options.save);
    }
    if (parser.isSet(options.print)) info.action = CCommandLineInfo::FilePrint;
    if (parser.isSet(options.points)) info.action = CCommandLineInfo::Points;
    if (parser.isSet(options.exportTo)) {
        info.action = CCommandLineInfo::Export;
        info.exportPath = parser.value(options.exportTo);
    }
    info = ReadExportValues(parser, options, info);
    if (info.action == CCommandLineInfo::Error) return info;
    info = ReadSpaceValues(parser, options, info);
    if (info.action == CCommandLineInfo::Error) return info;
    info.files = parser.positionalArguments();
    info = FinishGraphs(info, info.space || parser.isSet(options.range));
    if (info.action == CCommandLineInfo::Error) return info;
    return Finish(info, parser.isSet(options.size), parser.isSet(options.angle));
}

QString LanguageOnCommandLine(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) break;
        if (arg == kLanguageOption) return args.value(i + 1);
        if (arg.startsWith(kLanguageOption + QLatin1Char('='))) return arg.mid(kLanguageOption.size() + 1);
    }
    return QString();
}

QString CommandLineUsage() {
    return QCoreApplication::translate(
               "CommandLine",
               "使い方:\n"
               "  curvilinearscope [FILE.crv...]\n"
               "  curvilinearscope -p|--print [--view XMIN,XMAX,YMIN,YMAX]\n"
               "                   [--zoom FACTOR] [--tilt RADIANS] FILE.crv\n"
               "  curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS] [--angle RADIANS]\n"
               "                   [--view XMIN,XMAX,YMIN,YMAX] [--zoom FACTOR] [--tilt RADIANS] FILE.crv\n"
               "  curvilinearscope [--3d] [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]\n"
               "                   [--export OUT [--size PIXELS] [--angle RADIANS] | --save OUT.crv | -p]\n"
               "  curvilinearscope --points [--view XMIN,XMAX,YMIN,YMAX] FILE.crv\n"
               "  curvilinearscope [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]\n"
               "                   --points [--view XMIN,XMAX,YMIN,YMAX]\n"
               "  curvilinearscope --help | --version\n"
               "\n"
               "ファイルを指定しないと、新しい文書で起動します。--print はファイルを既定のプリンタで\n"
               "印刷します。--export はウィンドウを開かずに、ファイルの図を一辺 PIXELS ピクセル\n"
               "(既定 %1) の正方形の画像に書き出します。--angle は3次元の図を回します。--view は\n"
               "平面の図の XMIN..XMAX、YMIN..YMAX の部分を、拡大したウィンドウと同じように示します。\n"
               "--zoom は3次元の図を中心について拡大・縮小し (%2 から %3)、--tilt はそれを横 (0) から\n"
               "真上 (%4) までの角度で、ウィンドウと同じように見せます。指定しないときは 1 と 0.785398 です。\n"
               "--points は平面の図の陽関数のグラフについて、範囲内 (--view があればその部分) の根、\n"
               "極小、極大、交点、y 切片を一つずつタブ区切りの行で出力します。\n"
               "--language ja|zh|en で、その回だけ日本語・中国語・英語で表示します。\n"
               "--graph は新しい文書を作ります (--3d: 3次元の図、--range: 軸の範囲)。そのグラフ n は\n"
               "n 番目の FORMULA で、式を読むとおりに書きます: \"y = x*x/4\"、\"y*y = x\"、\"r = 5*COS(3*t)\"、\n"
               "\"x = 7*cos(t); y = 4*sin(t)\"、\"x*x+y*y = 25\" (ほかの等式は陰関数)、\"z = x*y/10\"、\n"
               "\"x*x+y*y+z*z = 64\"、または y = f (z = f) を表す f だけ。\";\" のあとの句: \"step H\"、\n"
               "\"t A..B step H\"、\"u A..B step H\"、\"v A..B step H\"。--save は文書を保存します。\n")
        .arg(kExportDefaultSize)
        .arg(CSpaceWindow::kMinScale)
        .arg(CSpaceWindow::kMaxScale)
        .arg(CSpaceWindow::kMaxTilt);
}

QString VersionText() { return QStringLiteral("Curvilinearscope " CRV_VERSION_TEXT "\n"); }
