#include "dialogs/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

QString NumberToText(double value) { return QString::asprintf("%.*g", 15, value); }

bool TextToNumber(const QString& text, double& value) {
    const std::string s = text.trimmed().toStdString();
    const char* first = s.data();
    const char* last = s.data() + s.size();
    // from_chars knows no leading '+', which people type and the C library
    // readers accept.
    if (first != last && *first == '+') {
        ++first;
        if (first != last && (*first == '+' || *first == '-')) {
            return false;
        }
    }
    if (first == last) {
        return false;
    }
    double read = 0.0;
    const auto [end, ec] = std::from_chars(first, last, read);
    if (ec != std::errc() || end != last || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}
