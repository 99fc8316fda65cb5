#pragma once
// Date literals: the platform's converter where it has one, else the
// engine's own.

#include <string_view>

// Converts a date text through the platform's parseDate, or with the
// built-in converter.
bool ParseDateText(std::u16string_view text, double& date);

// The built-in converter: "2010-07-15" or "2010/07/15", optionally followed by
// a space and "13:45" or "13:45:30", or a time alone (on 1899-12-30). Gives
// the OLE Automation day count; false when the text is no such date or time.
bool ParseExpressDate(std::u16string_view text, double& date);
