#pragma once
// What the expression engine gets from the application: message boxes, the
// language flag and a date reader that also knows the user's own formats.

#include <QString>
#include <string_view>

#include "expr/ExpressPlatform.h"

// Reads a date or a date and time into the OLE Automation day count: the
// engine's own formats first, then the short and long formats of the
// system's locale. False when the text is none of them.
bool ParseDateWithLocale(std::u16string_view text, double& date);

// The engine's column for an interface language ("ja", "zh", "en").
ExpressLanguage EngineLanguageOf(const QString& interfaceLanguage);

// The engine's messages follow the interface language chosen, whether or not
// our translation file for it could be loaded.
void InstallEnginePlatform(const QString& interfaceLanguage);

// The same for a command that opens no window: the engine's messages go to
// standard error.
void InstallCommandLineEnginePlatform(const QString& interfaceLanguage);
