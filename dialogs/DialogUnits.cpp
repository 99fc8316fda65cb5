#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over the 52 Latin letters, rounded, as dialog templates
    // have always been measured.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = std::max(1, (letters / 26 + 1) / 2);
    m_nBaseY = std::max(1, metrics.height());
}

int DialogUnits::ToPixelsX(double x) const {
    return static_cast<int>(std::lround(x * m_nBaseX / 4.0));
}

int DialogUnits::ToPixelsY(double y) const {
    return static_cast<int>(std::lround(y * m_nBaseY / 8.0));
}

QRect DialogUnits::ToPixels(double x, double y, double cx, double cy) const {
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top);
}
