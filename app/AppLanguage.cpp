#include "app/AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace {

const QString kJapanese = QStringLiteral("ja");
const QString kChinese = QStringLiteral("zh");
const QString kEnglish = QStringLiteral("en");
const QString kLanguageKey = QStringLiteral("User/language");

QString& RunningLanguage() {
    static QString language = kJapanese;
    return language;
}

QStringList& SearchFolders() {
    static QStringList folders;
    return folders;
}

// The translators installed for the running language, ours and Qt's; a
// switch of language takes them out before it installs the new ones.
QList<QPointer<QTranslator>>& InstalledTranslators() {
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

void RemoveInstalledTranslators() {
    for (const QPointer<QTranslator>& translator : InstalledTranslators()) {
        if (!translator) continue;
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    InstalledTranslators().clear();
}

// Installs translator, owned by app, and keeps it for the next switch;
// deletes it and returns false when it cannot be installed.
bool Install(QCoreApplication& app, QTranslator* translator) {
    translator->setParent(&app);
    if (!QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    InstalledTranslators().append(translator);
    return true;
}

// The name of Qt's own translation of its dialogs and buttons; empty for
// English, the language Qt's texts are written in.
QString QtTranslationName(const QString& language) {
    if (language == kChinese) return QStringLiteral("qtbase_zh_CN");
    if (language == kEnglish) return QString();
    return QStringLiteral("qtbase_ja");
}

// Loads our translation for language into translator; false when there is
// none to load.
bool LoadTranslation(QTranslator& translator, const QString& language) {
    const QString fileName = TranslationFileName(language);
    if (fileName.isEmpty()) return false;
    const QStringList folders =
        SearchFolders().isEmpty() ? TranslationFolders(QCoreApplication::applicationDirPath()) : SearchFolders();
    const QString path = FindTranslationFile(folders, fileName);
    return !path.isEmpty() && translator.load(path);
}

}  // namespace

bool IsChineseLanguage(const QLocale& locale) { return locale.language() == QLocale::Chinese; }

QStringList InterfaceLanguages() { return {kJapanese, kChinese, kEnglish}; }

bool IsInterfaceLanguage(const QString& language) { return InterfaceLanguages().contains(language); }

QString InterfaceLanguageName(const QString& language) {
    if (language == kChinese) return QStringLiteral("中文");
    if (language == kEnglish) return QStringLiteral("English");
    return QStringLiteral("日本語");
}

QString SystemInterfaceLanguage(const QLocale& system) { return IsChineseLanguage(system) ? kChinese : kJapanese; }

QString ChooseInterfaceLanguage(const QString& option, const QString& saved, const QLocale& system) {
    if (IsInterfaceLanguage(option)) return option;
    if (IsInterfaceLanguage(saved)) return saved;
    return SystemInterfaceLanguage(system);
}

QString SavedInterfaceLanguage(const QSettings& settings) { return settings.value(kLanguageKey).toString(); }

void SaveInterfaceLanguage(QSettings& settings, const QString& language) { settings.setValue(kLanguageKey, language); }

QStringList TranslationFolders(const QString& applicationDir) {
    return {applicationDir,
            QDir::cleanPath(applicationDir + QStringLiteral("/../share/curvilinearscope/translations"))};
}

QString TranslationFileName(const QString& language) {
    if (language == kChinese) return QStringLiteral("curvilinearscope_zh_CN.qm");
    if (language == kEnglish) return QStringLiteral("curvilinearscope_en.qm");
    return QString();
}

QString FindTranslationFile(const QStringList& folders, const QString& fileName) {
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (QFileInfo(path).isFile()) return path;
    }
    return QString();
}

bool InstallTranslations(QCoreApplication& app, const QString& language) {
    SetCurrentInterfaceLanguage(language);
    RemoveInstalledTranslators();
    bool ours = language == kJapanese;
    if (!ours) {
        // A missing or unreadable translation is no error: the program runs
        // in its own language.
        auto* translator = new QTranslator;
        if (LoadTranslation(*translator, language))
            ours = Install(app, translator);
        else
            delete translator;
    }
    // Qt's standard dialogs and buttons in the language our texts are shown in.
    const QString qtName = QtTranslationName(ours ? language : kJapanese);
    if (qtName.isEmpty()) return ours;
    auto* qtTranslator = new QTranslator;
    if (qtTranslator->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        Install(app, qtTranslator);
    else
        delete qtTranslator;
    return ours;
}

void SetTranslationSearchFolders(const QStringList& folders) { SearchFolders() = folders; }

QString CurrentInterfaceLanguage() { return RunningLanguage(); }

void SetCurrentInterfaceLanguage(const QString& language) { RunningLanguage() = language; }
