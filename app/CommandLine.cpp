#include "app/CommandLine.h"

#include <QCoreApplication>
#include <cmath>

#include "app/ProductInfo.h"
#include "view/PictureExport.h"

namespace {

QString Text(const char* source) { return QCoreApplication::translate("CommandLine", source); }

CCommandLineInfo Failure(const QString& error) {
    CCommandLineInfo info;
    info.action = CCommandLineInfo::Error;
    info.error = error;
    return info;
}

// Checks what only makes sense together, once everything is read.
CCommandLineInfo Finish(CCommandLineInfo info, bool sizeGiven, bool angleGiven) {
    if (info.action != CCommandLineInfo::Export && (sizeGiven || angleGiven))
        return Failure(Text("--size and --angle belong to --export."));
    if (info.action == CCommandLineInfo::Export) {
        if (info.files.size() != 1) return Failure(Text("--export needs exactly one document file."));
        if (ExportFormatOf(info.exportPath) == ExportFormat::Unknown)
            return Failure(Text("The picture file must end in .png, .svg or .pdf: %1").arg(info.exportPath));
        if (!sizeGiven) info.exportSize = kExportDefaultSize;
    } else if (info.action == CCommandLineInfo::FilePrint) {
        if (info.files.size() != 1) return Failure(Text("--print needs exactly one document file."));
    } else if (!info.files.isEmpty()) {
        info.action = CCommandLineInfo::FileOpen;
    }
    return info;
}

}  // namespace

CCommandLineInfo ParseCommandLine(const QStringList& args) {
    CCommandLineInfo info;
    bool sizeGiven = false, angleGiven = false, optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            info.files.append(arg);
            continue;
        }
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        QString text;
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            info.action = CCommandLineInfo::Help;
            return info;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
            info.action = CCommandLineInfo::Version;
            return info;
        } else if (arg == QLatin1String("-p") || arg == QLatin1String("--print")) {
            if (info.action == CCommandLineInfo::Export)
                return Failure(Text("--print and --export cannot be combined."));
            info.action = CCommandLineInfo::FilePrint;
        } else if (arg == QLatin1String("--export")) {
            if (info.action == CCommandLineInfo::FilePrint)
                return Failure(Text("--print and --export cannot be combined."));
            if (!value(info.exportPath)) return Failure(Text("--export needs the name of the picture file."));
            info.action = CCommandLineInfo::Export;
        } else if (arg == QLatin1String("--size")) {
            bool ok = false;
            if (!value(text) || (info.exportSize = text.toInt(&ok), !ok) || info.exportSize < kExportMinSize ||
                info.exportSize > kExportMaxSize)
                return Failure(Text("--size needs a whole number of pixels from %1 to %2.")
                                   .arg(kExportMinSize)
                                   .arg(kExportMaxSize));
            sizeGiven = true;
        } else if (arg == QLatin1String("--angle")) {
            bool ok = false;
            double angle = 0;
            if (!value(text) || (angle = text.toDouble(&ok), !ok) || !std::isfinite(angle))
                return Failure(Text("--angle needs a number of radians."));
            info.exportAngle = angle;
            angleGiven = true;
        } else {
            return Failure(Text("Unknown option: %1").arg(arg));
        }
    }
    return Finish(info, sizeGiven, angleGiven);
}

QString CommandLineUsage() {
    return Text(
               "Usage:\n"
               "  curvilinearscope [FILE.crv...]\n"
               "  curvilinearscope -p|--print FILE.crv\n"
               "  curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS] [--angle RADIANS] FILE.crv\n"
               "  curvilinearscope --help | --version\n"
               "\n"
               "Without a file the program starts with a new document. --print prints the file on the\n"
               "default printer. --export writes the picture of the file as a square image of PIXELS\n"
               "(default %1) without opening a window; --angle turns a space picture.\n")
        .arg(kExportDefaultSize);
}

QString VersionText() { return QStringLiteral("Curvilinearscope " CRV_VERSION_TEXT "\n"); }
