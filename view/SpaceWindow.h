#pragma once
// What one window shows of a space picture beyond the document's own turn:
// how far the picture is scaled about its centre and how steeply it is
// seen, from the side (tilt 0) to from above (tilt π/2). Each window keeps
// its own; the document never stores it, so zooming or tilting changes no
// file. At home (scale 1, tilt π/4) the picture is the document's own.

#include <cmath>

class CSpaceWindow {
public:
    static constexpr double kMinScale = 0.1;
    static constexpr double kMaxScale = 100.0;
    static constexpr double kMinTilt = 0.0;
    static constexpr double kMaxTilt = 1.5707963267948966;  // π/2
    // One wheel step or one Ctrl++ / Ctrl+−.
    static constexpr double kZoomStep = 1.25;

    // The home tilt as the picture has always computed it, bit for bit.
    static double HomeTilt() { return std::atan(1.0); }

    double Scale() const { return m_scale; }
    double Tilt() const { return m_tilt; }
    bool AtHome() const { return m_scale == 1.0 && m_tilt == HomeTilt(); }
    // Zoomed in: the picture reaches beyond its square and is cut at it.
    bool ClipsToSquare() const { return m_scale > 1.0; }

    // Multiplies the scale by factor, kept within the limits; a factor that
    // is not a positive number changes nothing.
    void ZoomBy(double factor);
    // Adds delta radians to the tilt, kept within the limits.
    void TiltBy(double delta);
    void Home();

    // Whether a value may be set as it is (the command line's check).
    static bool ValidScale(double scale) { return scale >= kMinScale && scale <= kMaxScale; }
    static bool ValidTilt(double tilt) { return tilt >= kMinTilt && tilt <= kMaxTilt; }
    // Sets a scale and tilt that pass the checks above; others are ignored.
    void Set(double scale, double tilt);

private:
    double m_scale = 1.0;
    double m_tilt = HomeTilt();
};
