#pragma once
// The language of the user interface: Japanese (the language of the texts in
// the sources), Chinese or English, named "ja", "zh" and "en". The user's
// choice (the command line's --language, else the one kept in the settings)
// wins; without one a Chinese system gets Chinese and any other Japanese.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QSettings;

bool IsChineseLanguage(const QLocale& locale);

// "ja", "zh" and "en", in the order the View menu lists them.
QStringList InterfaceLanguages();
bool IsInterfaceLanguage(const QString& language);
// The language's own name for itself, as the View menu shows it.
QString InterfaceLanguageName(const QString& language);

// The language of a system without any choice of the user's.
QString SystemInterfaceLanguage(const QLocale& system);
// The first valid of option and saved, else the system's language.
QString ChooseInterfaceLanguage(const QString& option, const QString& saved, const QLocale& system);

// The choice kept in the settings, empty when there is none.
QString SavedInterfaceLanguage(const QSettings& settings);
void SaveInterfaceLanguage(QSettings& settings, const QString& language);

// The folders searched for our translations, in order: beside the program,
// then the installed data folder relative to it.
QStringList TranslationFolders(const QString& applicationDir);
// Our translation file's name for language; empty for Japanese, which needs
// none.
QString TranslationFileName(const QString& language);
// The first existing file named fileName in folders, or an empty text.
QString FindTranslationFile(const QStringList& folders, const QString& fileName);

// Installs our translation for language and Qt's own translation of its
// standard dialogs in the language shown, in place of any installed before,
// and remembers language as the running one. Every widget then gets Qt's
// LanguageChange event and shows its texts anew. Returns false when the
// translation could not be loaded: the texts then stay Japanese.
bool InstallTranslations(QCoreApplication& app, const QString& language);
// Where InstallTranslations looks for our translations; empty (the
// default) means TranslationFolders of the program's folder. For tests,
// whose program lives elsewhere.
void SetTranslationSearchFolders(const QStringList& folders);
// The language the program shows ("ja" before any was installed).
QString CurrentInterfaceLanguage();
void SetCurrentInterfaceLanguage(const QString& language);
