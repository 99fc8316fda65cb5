#include "app/AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString kTranslationFile = QStringLiteral("curvilinearscope_zh_CN.qm");
}

bool IsChineseLanguage(const QLocale& locale) { return locale.language() == QLocale::Chinese; }

QStringList TranslationFolders(const QString& applicationDir) {
    return {applicationDir,
            QDir::cleanPath(applicationDir + QStringLiteral("/../share/curvilinearscope/translations"))};
}

QString FindTranslationFile(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + kTranslationFile;
        if (QFileInfo(path).isFile()) return path;
    }
    return QString();
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    const bool chinese = IsChineseLanguage(locale);
    bool ours = false;
    if (chinese) {
        const QString path = FindTranslationFile(TranslationFolders(QCoreApplication::applicationDirPath()));
        auto* translator = new QTranslator(&app);
        // A missing or unreadable translation is no error: the program runs
        // in its own language.
        ours = !path.isEmpty() && translator->load(path) && QCoreApplication::installTranslator(translator);
        if (!ours) delete translator;
    }
    // Qt's standard dialogs and buttons in the language our texts are shown in.
    auto* qtTranslator = new QTranslator(&app);
    const QString qtName = ours ? QStringLiteral("qtbase_zh_CN") : QStringLiteral("qtbase_ja");
    if (!qtTranslator->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qtTranslator))
        delete qtTranslator;
    return ours;
}
