#pragma once
// The part of the plane a sampling covers, and how fine a pixel of its
// picture is: the document's whole square, or a zoomed view's window.

#include <cstdint>

struct SampleWindow {
    double xmin;
    double xmax;
    double ymin;
    double ymax;
    double pixel;  // the side of one pixel, in coordinates
};

// The nominal picture the document samples for: its square -range..range
// seen this many pixels wide (the printed and exported pictures' size).
constexpr double kPlanePicturePixels = 1000.0;
// Space pictures are smaller on the screen and drawn through the projection.
constexpr double kSpacePicturePixels = 250.0;

inline SampleWindow DocumentWindow(int32_t range, double pixels) {
    const double r = range;
    return {-r, r, -r, r, 2.0 * r / pixels};
}
