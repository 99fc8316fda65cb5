#pragma once
// What the expression engine gets from the application: message boxes, the
// language flag and a date reader that also knows the user's own formats.

#include <string_view>

// Reads a date or a date and time into the OLE Automation day count: the
// engine's own formats first, then the short and long formats of the
// system's locale. False when the text is none of them.
bool ParseDateWithLocale(std::u16string_view text, double& date);

class QLocale;

// The engine's messages follow the system's language (Chinese or not),
// whether or not our Chinese translation file could be loaded.
void InstallEnginePlatform(const QLocale& system);
