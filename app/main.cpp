// The program's entry: makes the application object (which takes Qt's own
// options off the command line), reads the rest, then either answers it
// without any window (--help, --version, --export, --points) or runs the application.
#include <QApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSettings>
#include <cstdio>
#include <memory>

#include "app/AppLanguage.h"
#include "app/CommandLine.h"
#include "app/CurvilinearscopeApp.h"
#include "app/EnginePlatform.h"
#include "app/ExportCommand.h"
#include "app/GraphCommand.h"
#include "app/PointsCommand.h"
#include "app/ProductInfo.h"
#include "app/Seams.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

// Exit codes: 0 done, 1 the work failed (already said), 2 a wrong command line.
constexpr int kExitBadCommandLine = 2;

QStringList Arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int ReportMistake(const QString& error) {
    Print(stderr, QStringLiteral("curvilinearscope: ") + error + QLatin1Char('\n') + CommandLineUsage());
    return kExitBadCommandLine;
}

std::unique_ptr<QGuiApplication> MakeApplication(int& argc, char** argv, bool windows) {
    std::unique_ptr<QGuiApplication> app;
    if (windows) {
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        // Pictures need fonts and painting but no screen: this works on a
        // machine without any display (a -platform option still wins).
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own warnings (no XDG_RUNTIME_DIR outside a desktop session)
        // would fill a script's log before our message; QT_LOGGING_RULES,
        // which overrides these rules, still brings them back.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral(CRV_ORGANIZATION));
    QCoreApplication::setApplicationName(QStringLiteral(CRV_APPLICATION));
    QCoreApplication::setApplicationVersion(QStringLiteral(CRV_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(CRV_APPLICATION_ID));
    return app;
}

// The command line's --language for this run (not remembered), else the
// choice kept in the settings, else the system's language.
QString StartLanguage() {
    const QSettings settings;
    return ChooseInterfaceLanguage(LanguageOnCommandLine(QCoreApplication::arguments().mid(1)),
                                   SavedInterfaceLanguage(settings), QLocale::system());
}

int RunExport(const CCommandLineInfo& info) {
    QString error;
    const int code = RunExportCommand(info, error);
    if (code != 0) Print(stderr, QStringLiteral("curvilinearscope: ") + error + QLatin1Char('\n'));
    return code;
}

// The points go to standard output as they are (ASCII, '.' for the decimal
// point); nothing else does.
// A full disk or a closed pipe behind standard output is a failure, not a
// list printed.
int PrintPoints(const PointsOutcome& outcome) {
    const bool written = std::fwrite(outcome.text.data(), 1, outcome.text.size(), stdout) == outcome.text.size() &&
                         std::fflush(stdout) == 0;
    if (outcome.exitCode != 0) {
        Print(stderr, QStringLiteral("curvilinearscope: ") + outcome.error + QLatin1Char('\n'));
        return outcome.exitCode;
    }
    if (written) return 0;
    Print(stderr, QStringLiteral("curvilinearscope: ") +
                      QCoreApplication::translate("CommandLine", "標準出力に書き込めませんでした。") +
                      QLatin1Char('\n'));
    return 1;
}

int RunPoints(const CCommandLineInfo& info) {
    InstallCommandLineEnginePlatform(CurrentInterfaceLanguage());
    return PrintPoints(RunPointsCommand(info.files.first(), info.view));
}

// graphs: the document the command line's --graph made, or null.
int RunWindows(QGuiApplication& app, const CCommandLineInfo& info, CCurvilinearscopeDoc* graphs) {
    InstallEnginePlatform(CurrentInterfaceLanguage());
    QSettings settings;
    CCurvilinearscopeApp application(settings);
    if (info.action == CCommandLineInfo::FilePrint)
        return application.ExitInstance(graphs ? application.PrintGraphs(*graphs, info) : application.PrintFile(info));
    if (!(graphs ? application.InitInstance(*graphs) : application.InitInstance(info.files)))
        return application.ExitInstance(1);
    return application.ExitInstance(app.exec());
}

// A document of the line's graphs: exported, saved or its points printed
// here, else shown or printed by the windows. A wrong argument is a wrong command line.
int RunGraphs(QGuiApplication& app, const CCommandLineInfo& info, bool windows) {
    CCurvilinearscopeDoc model;
    QString error;
    if (const int code = MakeGraphDocument(info, model, error); code != 0) {
        Print(stderr, QStringLiteral("curvilinearscope: ") + error + QLatin1Char('\n'));
        return code;
    }
    if (info.action == CCommandLineInfo::Export || info.action == CCommandLineInfo::Save) {
        const int code = RunGraphOutput(info, model, error);
        if (code != 0) Print(stderr, QStringLiteral("curvilinearscope: ") + error + QLatin1Char('\n'));
        return code;
    }
    if (info.action == CCommandLineInfo::Points)
        return PrintPoints(DocumentPoints(model, QStringLiteral("--graph"), info.view));
    if (!windows)
        return ReportMistake(QCoreApplication::translate("CommandLine", "不明なオプションです: %1")
                                 .arg(QCoreApplication::arguments().mid(1).join(QLatin1Char(' '))));
    return RunWindows(app, info, &model);
}

}  // namespace

int main(int argc, char** argv) {
    const bool windows = !CommandLineNeedsNoWindow(Arguments(argc, argv));
    const std::unique_ptr<QGuiApplication> app = MakeApplication(argc, argv, windows);
    InstallTranslations(*app, StartLanguage());
    const CCommandLineInfo info = ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (info.action == CCommandLineInfo::Error) return ReportMistake(info.error);
    if (!info.graphs.isEmpty()) return RunGraphs(*app, info, windows);
    switch (info.action) {
    case CCommandLineInfo::Help: Print(stdout, CommandLineUsage()); return 0;
    case CCommandLineInfo::Version: Print(stdout, VersionText()); return 0;
    case CCommandLineInfo::Export: return RunExport(info);
    case CCommandLineInfo::Points: return RunPoints(info);
    default:
        // Only an option of Qt's that the first look did not know ends here
        // without windows.
        if (!windows)
            return ReportMistake(QCoreApplication::translate("CommandLine", "不明なオプションです: %1")
                                     .arg(Arguments(argc, argv).join(QLatin1Char(' '))));
        return RunWindows(*app, info, nullptr);
    }
}
