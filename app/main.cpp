// The program's entry: reads the command line, then either answers it
// without any window (--help, --version, --export) or runs the application.
#include <QApplication>
#include <QGuiApplication>
#include <QSettings>
#include <cstdio>

#include "app/AppLanguage.h"
#include "app/CommandLine.h"
#include "app/CurvilinearscopeApp.h"
#include "app/EnginePlatform.h"
#include "app/ExportCommand.h"
#include "app/ProductInfo.h"
#include "app/Seams.h"

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void SetNames() {
    QCoreApplication::setOrganizationName(QStringLiteral(CRV_ORGANIZATION));
    QCoreApplication::setApplicationName(QStringLiteral(CRV_APPLICATION));
}

int RunExport(int argc, char** argv, const CCommandLineInfo& info) {
    // The picture needs fonts and painting but no screen: this works on a
    // machine without any display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetNames();
    InstallTranslations(app, QLocale::system());
    QString error;
    const int code = RunExportCommand(info, error);
    if (code != 0) Print(stderr, QStringLiteral("curvilinearscope: ") + error + QLatin1Char('\n'));
    return code;
}

int RunWindows(int argc, char** argv, const CCommandLineInfo& info) {
    QApplication app(argc, argv);
    SetNames();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvandel.Curvilinearscope"));
    InstallTranslations(app, QLocale::system());
    InstallEnginePlatform(QLocale::system());
    QSettings settings;
    CCurvilinearscopeApp application(settings);
    if (info.action == CCommandLineInfo::FilePrint)
        return application.ExitInstance(application.PrintFile(info.files.first()) ? 0 : 1);
    if (!application.InitInstance(info.files)) return application.ExitInstance(1);
    return application.ExitInstance(app.exec());
}

}  // namespace

int main(int argc, char** argv) {
    const CCommandLineInfo info = ParseCommandLine(Arguments(argc, argv));
    switch (info.action) {
    case CCommandLineInfo::Error:
        Print(stderr, QStringLiteral("curvilinearscope: ") + info.error + QLatin1Char('\n') + CommandLineUsage());
        return 2;
    case CCommandLineInfo::Help: Print(stdout, CommandLineUsage()); return 0;
    case CCommandLineInfo::Version: Print(stdout, VersionText()); return 0;
    case CCommandLineInfo::Export: return RunExport(argc, argv, info);
    default: return RunWindows(argc, argv, info);
    }
}
