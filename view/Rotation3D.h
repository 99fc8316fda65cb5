#pragma once
// The turn of the space picture: about z by C, then about y by B, then about
// x by A. The sines and cosines are taken once when the angles are set, so a
// paint of millions of points costs no trigonometry per point. The order of
// the arithmetic is the same as a turn step by step, so the projected points
// come out bit for bit as if each angle were applied on its own.

#include <cmath>

struct RotatedPoint {
    double x;  // picture horizontal
    double y;  // distance from the viewer (larger = farther)
    double z;  // picture vertical
};

class CRotation3D {
public:
    CRotation3D(double angleX, double angleY, double angleZ)
        : m_sinA(std::sin(angleX)),
          m_cosA(std::cos(angleX)),
          m_sinB(std::sin(angleY)),
          m_cosB(std::cos(angleY)),
          m_sinC(std::sin(angleZ)),
          m_cosC(std::cos(angleZ)) {}

    RotatedPoint Rotate(double x, double y, double z) const {
        const double x1 = x * m_cosC - y * m_sinC;
        const double y1 = x * m_sinC + y * m_cosC;
        const double x2 = x1 * m_cosB + z * m_sinB;
        const double z1 = z * m_cosB - x1 * m_sinB;
        return {x2, y1 * m_cosA - z1 * m_sinA, y1 * m_sinA + z1 * m_cosA};
    }

    // Only the depth, for the sort key.
    double Depth(double x, double y, double z) const {
        const double x1 = x * m_cosC - y * m_sinC;
        const double y1 = x * m_sinC + y * m_cosC;
        const double z1 = z * m_cosB - x1 * m_sinB;
        return y1 * m_cosA - z1 * m_sinA;
    }

private:
    double m_sinA, m_cosA, m_sinB, m_cosB, m_sinC, m_cosC;
};

// World value to the logical square: trunc(s * v * 100 + 0.1), with the range
// factor s that makes -R..R span -1000..1000, times the window's zoom. Callers
// pass finite values of bounded size only (see IsDrawableRecord); at a zoom
// above 1 they take Exact, cut the segment at the square and convert with
// Units, so the conversion cannot overflow.
class CLogicalScale {
public:
    explicit CLogicalScale(int range, double zoom = 1.0)
        : m_scale((range == 5 ? 2.0 : range == 20 ? 0.5 : 1.0) * zoom) {}
    int operator()(double v) const { return Units(Exact(v)); }
    double Exact(double v) const { return m_scale * v * 100; }
    static int Units(double exact) { return static_cast<int>(exact + 0.1); }

private:
    double m_scale;
};
