#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

namespace {

// A dialog unit is a quarter of the average character width across and an
// eighth of the line height down.
constexpr double kUnitsPerCharacterWidth = 4.0;
constexpr double kUnitsPerLine = 8.0;

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over the Latin letters, rounded, as dialog templates have
    // always been measured.
    const QString latin = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int twiceAverage = 2 * metrics.horizontalAdvance(latin) / static_cast<int>(latin.size());
    m_nBaseX = std::max(1, (twiceAverage + 1) / 2);
    m_nBaseY = std::max(1, metrics.height());
}

int DialogUnits::ToPixelsX(double x) const {
    return static_cast<int>(std::lround(x * m_nBaseX / kUnitsPerCharacterWidth));
}

int DialogUnits::ToPixelsY(double y) const { return static_cast<int>(std::lround(y * m_nBaseY / kUnitsPerLine)); }

QRect DialogUnits::ToPixels(double x, double y, double cx, double cy) const {
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top);
}
