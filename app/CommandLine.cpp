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

// Checks what only makes sense together, once everything is read.
CCommandLineInfo Finish(CCommandLineInfo info, bool sizeGiven, bool angleGiven) {
    if (info.view && info.action != CCommandLineInfo::Export && info.action != CCommandLineInfo::FilePrint)
        return Failure(QCoreApplication::translate("CommandLine", "--view belongs to --export and --print."));
    if (info.action != CCommandLineInfo::Export && (sizeGiven || angleGiven))
        return Failure(QCoreApplication::translate("CommandLine", "--size and --angle belong to --export."));
    if (info.spaceOptions && info.action != CCommandLineInfo::Export && info.action != CCommandLineInfo::FilePrint)
        return Failure(QCoreApplication::translate("CommandLine", "--zoom and --tilt belong to --export or --print."));
    if (info.action == CCommandLineInfo::Export) {
        if (info.files.size() != 1)
            return Failure(QCoreApplication::translate("CommandLine", "--export needs exactly one document file."));
        if (ExportFormatOf(info.exportPath) == ExportFormat::Unknown)
            return Failure(
                QCoreApplication::translate("CommandLine", "The picture file must end in .png, .svg or .pdf: %1")
                    .arg(info.exportPath));
        if (!sizeGiven) info.exportSize = kExportDefaultSize;
    } else if (info.action == CCommandLineInfo::FilePrint) {
        if (info.files.size() != 1)
            return Failure(QCoreApplication::translate("CommandLine", "--print needs exactly one document file."));
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
    QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("PIXELS")};
    QCommandLineOption angle{QStringLiteral("angle"), QString(), QStringLiteral("RADIANS")};
    QCommandLineOption view{QStringLiteral("view"), QString(), QStringLiteral("XMIN,XMAX,YMIN,YMAX")};
    QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("FACTOR")};
    QCommandLineOption tilt{QStringLiteral("tilt"), QString(), QStringLiteral("RADIANS")};
    QCommandLineOption language{QStringLiteral("language"), QString(), QStringLiteral("LANGUAGE")};
};

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
            return Failure(
                QCoreApplication::translate("CommandLine", "--size needs a whole number of pixels from %1 to %2.")
                    .arg(kExportMinSize)
                    .arg(kExportMaxSize));
    }
    if (parser.isSet(options.angle)) {
        bool ok = false;
        const double angle = parser.value(options.angle).toDouble(&ok);
        if (!ok || !std::isfinite(angle))
            return Failure(QCoreApplication::translate("CommandLine", "--angle needs a number of radians."));
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
            return Failure(QCoreApplication::translate("CommandLine", "--zoom needs a factor from %1 to %2.")
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
            return Failure(QCoreApplication::translate("CommandLine",
                                                       "--tilt needs a number of radians from 0 (side) to %1 (above).")
                               .arg(CSpaceWindow::kMaxTilt));
    }
    info.spaceWindow.Set(scale, tilt);
    info.spaceOptions = parser.isSet(options.zoom) || parser.isSet(options.tilt);
    return info;
}

}  // namespace

QString SpaceOptionsMistake(const CCommandLineInfo& info, int dimension, const QString& file) {
    if (!info.spaceOptions || dimension == DIM_SPACE) return QString();
    return QCoreApplication::translate("CommandLine", "--zoom and --tilt need a space picture: %1").arg(file);
}

QString PictureOptionsMistake(const CCommandLineInfo& info, const CCurvilinearscopeDoc& doc, const QString& file) {
    if (info.view) {
        const QString mismatch = ViewOptionMismatch(*info.view, doc);
        if (!mismatch.isEmpty()) return mismatch;
    }
    return SpaceOptionsMistake(info, doc.m_nDimension, file);
}

bool CommandLineNeedsNoWindow(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) break;
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) continue;
        if (arg == QLatin1String("-p") || arg == QLatin1String("--print") || IsQtOption(arg)) continue;
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
    return false;
}

CCommandLineInfo ParseCommandLine(const QStringList& args) {
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.help, options.version, options.print, options.exportTo, options.size, options.angle,
                       options.view, options.zoom, options.tilt, options.language});
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
            return Failure(
                QCoreApplication::translate("CommandLine", "--language needs ja, zh or en: %1").arg(info.language));
    }
    if (parser.isSet(options.print) && parser.isSet(options.exportTo))
        return Failure(QCoreApplication::translate("CommandLine", "--print and --export cannot be combined."));
    if (parser.isSet(options.print)) info.action = CCommandLineInfo::FilePrint;
    if (parser.isSet(options.exportTo)) {
        info.action = CCommandLineInfo::Export;
        info.exportPath = parser.value(options.exportTo);
    }
    info = ReadExportValues(parser, options, info);
    if (info.action == CCommandLineInfo::Error) return info;
    info = ReadSpaceValues(parser, options, info);
    if (info.action == CCommandLineInfo::Error) return info;
    info.files = parser.positionalArguments();
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
               "Usage:\n"
               "  curvilinearscope [FILE.crv...]\n"
               "  curvilinearscope -p|--print [--view XMIN,XMAX,YMIN,YMAX]\n"
               "                   [--zoom FACTOR] [--tilt RADIANS] FILE.crv\n"
               "  curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS] [--angle RADIANS]\n"
               "                   [--view XMIN,XMAX,YMIN,YMAX] [--zoom FACTOR] [--tilt RADIANS] FILE.crv\n"
               "  curvilinearscope --help | --version\n"
               "\n"
               "Without a file the program starts with a new document. --print prints the file on the\n"
               "default printer. --export writes the picture of the file as a square image of PIXELS\n"
               "(default %1) without opening a window; --angle turns a space picture. --view shows the part\n"
               "XMIN..XMAX, YMIN..YMAX of a plane picture, as a zoomed window does.\n"
               "--zoom scales a space picture about its centre (%2 to %3) and --tilt sees it from the\n"
               "side (0) to above (%4), as a window shows it; without them, 1 and 0.785398.\n"
               "--language ja|zh|en shows the program in Japanese, Chinese or English for this run.\n")
        .arg(kExportDefaultSize)
        .arg(CSpaceWindow::kMinScale)
        .arg(CSpaceWindow::kMaxScale)
        .arg(CSpaceWindow::kMaxTilt);
}

QString VersionText() { return QStringLiteral("Curvilinearscope " CRV_VERSION_TEXT "\n"); }
