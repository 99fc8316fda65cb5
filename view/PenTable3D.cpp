#include "view/PenTable3D.h"

CPenTable3D::CPenTable3D() {
    for (int k = 0; k < kLevels; ++k) {
        const int width = k / 16 + 1;
        const int h = (255 - k) / 2;  // 127 down to 0
        m_pens[0][k] = {width, {h, h, h}};
        m_pens[1][k] = {width, {255, h, h}};
        m_pens[2][k] = {width, {h, 255, h}};
        m_pens[3][k] = {width, {h, h, 255}};
    }
}

const CPenTable3D& CPenTable3D::Shared() {
    static const CPenTable3D table;
    return table;
}
