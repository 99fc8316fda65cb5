#pragma once
// Whether a picture is drawn in the plane or in space: what the document's
// m_nDimension says, and which records the sampling makes of a slot.

#include <cstdint>

enum Dimension : int32_t {
    DIM_PLANE = 0,  // a plane picture
    DIM_SPACE = 1,  // a space picture
};
