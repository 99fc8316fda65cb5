#pragma once
// Drawing beneath: lines given nearest first, each put under the ones
// before it, look as if drawn farthest first over one another. The space
// picture draws millions of short wide lines over the same pixels; drawn
// nearest first, a pixel is final once a line covers it whole, and every
// line after that skips it, and skips whole rows of such pixels without
// computing them.
//
// A pixel partly covered keeps the colour gathered so far and how much of
// what lies beneath still shows through; Finish lays that over the image. A pixel
// covered whole by the first line to reach it gets exactly that line's
// colour; where smoothed edges overlap, the result may differ from drawing
// farthest first by a rounding step.

#include <QImage>
#include <QLineF>
#include <cstdint>
#include <vector>

#include "view/raster/PendingLines.h"

class CUnderLayer {
public:
    // Starts a layer over the image, which must pass CanDrawCapsules and
    // stay alive until Finish. std::bad_alloc when there is no memory for
    // the layer (about 4 bytes a pixel); the layer is then not active.
    void Begin(QImage& image);
    // Gives back the memory kept for the next layer (not while active).
    void ReleaseMemory();
    // The lines, in order, each beneath all drawn before; as DrawCapsules.
    // They may wait to be drawn with later ones, until DrawPending.
    void Draw(const QLineF* lines, int count, double width, QRgb color, bool smooth);
    // Draws the lines still waiting: before anything else paints on the
    // image while the layer is open.
    void DrawPending();
    // Lays the layer over the image and ends it.
    void Finish();
    bool Active() const { return m_image != nullptr; }

    // One layer per thread, kept between paints so its memory is reused.
    static CUnderLayer& ForThisThread();

    struct Cell {
        uint8_t red, green, blue;  // the colour gathered so far
        uint8_t through;           // 255: nothing drawn yet, 0: final
    };

private:
    friend struct UnderTarget;
    void DrawBand(int band);

    QImage* m_image = nullptr;
    uchar* m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_width = 0, m_height = 0;
    int m_wordsPerRow = 0;
    std::vector<Cell> m_cells;
    std::vector<uint64_t> m_closed;   // a bit per pixel: final, in the image
    std::vector<uint64_t> m_partial;  // a bit per pixel: its cell is in use
    CPendingLines m_pending;
};
