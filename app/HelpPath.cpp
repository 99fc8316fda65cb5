#include "app/HelpPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString kBesideProgram = QStringLiteral("/help/");
const QString kInstalled = QStringLiteral("/../share/curvilinearscope/help/");
const QString kStartPage = QStringLiteral("/index.html");
}  // namespace

QString ProgramFolderOf(const QString& executablePath) {
    const qsizetype slash = executablePath.lastIndexOf(QLatin1Char('/'));
    return slash >= 0 ? executablePath.left(slash) : QString();
}

QString ManualLanguageFor(const QString& interfaceLanguage) {
    const QStringList written = {QStringLiteral("ja"), QStringLiteral("zh"), QStringLiteral("en")};
    return written.contains(interfaceLanguage) ? interfaceLanguage : QStringLiteral("en");
}

QStringList ManualCandidates(const QString& programFolder, const QString& manualLanguage) {
    // Cleaned so the message names a real folder, not one with "..".
    return {QDir::cleanPath(programFolder + kBesideProgram + manualLanguage + kStartPage),
            QDir::cleanPath(programFolder + kInstalled + manualLanguage + kStartPage)};
}

QString FindManual(const QString& programFolder, const QString& manualLanguage) {
    for (const QString& path : ManualCandidates(programFolder, manualLanguage)) {
        if (QFileInfo(path).isFile()) return path;
    }
    return QString();
}

QString ManualMissingMessage(const QStringList& candidates) {
    return QCoreApplication::translate("Help", "ヘルプが見つかりません。次の場所を探しました:") + QLatin1Char('\n') +
           candidates.join(QLatin1Char('\n'));
}

QString ManualNotOpenedMessage(const QString& manual) {
    return QCoreApplication::translate(
               "Help", "ヘルプを開くプログラムが見つかりません。次のファイルを Web ブラウザで開いてください:") +
           QLatin1Char('\n') + manual;
}
