#pragma once
// The space picture: axes, axis letters and graph segments, rotated, sorted
// back to front and shaded by depth. One object lives with each view (and one
// with each export) so that what it prepares can be kept between paints.

class CDrawSurface;
class CCurvilinearscopeDoc;

class CPicture3D {
public:
    // Draws into the logical square already mapped on the surface; the title
    // and legend are drawn by the caller.
    void Draw(CDrawSurface& dc, const CCurvilinearscopeDoc& doc);

    // The rotation of the last drawing, radians.
    double m_angleX = 0.0;
    double m_angleY = 0.0;
    double m_angleZ = 0.0;
};
