#pragma once
// Dialog units: a template's coordinates, in quarters of the font's average
// character width and eighths of its height, so a dialog grows with its font.

#include <QRect>

class QFont;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int ToPixelsX(double x) const;
    int ToPixelsY(double y) const;
    QRect ToPixels(double x, double y, double cx, double cy) const;

private:
    int m_nBaseX;  // average width of the Latin letters, in pixels
    int m_nBaseY;  // line height, in pixels
};
