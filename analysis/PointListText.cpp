#include "analysis/PointListText.h"

#include <charconv>
#include <iterator>

namespace {

// Enough digits that the text reads back as the same double.
constexpr int kSignificantDigits = 17;

// std::to_chars ignores the locale: the decimal point is always '.'.
void AppendNumber(std::string& text, double value) {
    char digits[32];
    // + 0.0 writes -0 as 0.
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value + 0.0, std::chars_format::general,
                                   kSignificantDigits);
    text.append(digits, end.ptr);
}

}  // namespace

std::string PointListText(std::span<const PointOfInterest> points) {
    std::string text;
    for (const PointOfInterest& p : points) {
        text += PointKindName(p.kind);
        text += '\t';
        text += std::to_string(p.slot);
        if (p.otherSlot != 0) {
            text += ',';
            text += std::to_string(p.otherSlot);
        }
        text += '\t';
        AppendNumber(text, p.x);
        text += '\t';
        AppendNumber(text, p.y);
        text += '\n';
    }
    return text;
}
