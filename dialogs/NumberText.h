#pragma once
// Numbers as the dialog's edits show and read them.

#include <QString>

// "%.*g" with 15 significant digits, independent of the locale.
QString NumberToText(double value);

// Reads a whole text as one finite number; blanks around it are allowed.
// False for anything else (empty text, trailing characters, inf, nan,
// numbers too large for a double).
bool TextToNumber(const QString& text, double& value);
