#pragma once
// The language of the user interface follows the system's default language:
// Chinese loads our Chinese translation, anything else keeps the program's
// own Japanese texts.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

bool IsChineseLanguage(const QLocale& locale);

// The folders searched for our translation, in order: beside the program,
// then the installed data folder relative to it.
QStringList TranslationFolders(const QString& applicationDir);
// The first existing translation file in folders, or an empty text.
QString FindTranslationFile(const QStringList& folders);

// Installs our translation (Chinese systems only) and Qt's own translation
// of its standard dialogs in the language shown. Returns true when the
// Chinese texts are in use.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale);
