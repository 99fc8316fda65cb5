#include "view/raster/UnderLayer.h"

#include <algorithm>
#include <bit>

#include "base/ParallelParts.h"
#include "view/raster/CapsuleRaster.h"
#include "view/raster/CapsuleScan.h"

namespace {

using Cell = CUnderLayer::Cell;

// Lines drawn at a time: enough to keep the threads busy for a while
// between waits, 32 bytes each.
constexpr int kPendingLines = 1 << 15;
// Bands per thread: taken by whichever thread is free, they even out the
// work of bands with many lines and bands with few.
constexpr int kBandsPerThread = 16;
// Fewer lines are not worth waking the workers for.
constexpr int kParallelLines = 256;

inline uint64_t WordMask(int first, int last, int w) {
    const int lo = std::max(first, w << 6) & 63, hi = std::min(last, (w << 6) + 63) & 63;
    return (~uint64_t(0) >> (63 - hi)) & (~uint64_t(0) << lo);
}

inline bool AllBits(const uint64_t* words, int first, int last) {
    if ((first >> 6) == (last >> 6)) {  // most lines span a few pixels
        const uint64_t mask = (~uint64_t(0) >> (63 - (last & 63))) & (~uint64_t(0) << (first & 63));
        return (words[first >> 6] & mask) == mask;
    }
    for (int w = first >> 6; w <= last >> 6; ++w) {
        const uint64_t mask = WordMask(first, last, w);
        if ((words[w] & mask) != mask) return false;
    }
    return true;
}

inline uint32_t Channel(uint32_t gathered, uint32_t beneath, uint32_t through) {
    return std::min<uint32_t>(255, gathered + (beneath * through + 127) / 255);
}

}  // namespace

// The pixels of the layer as a target for the capsule scan. A pixel is
// untouched (the image holds what lies beneath), partly covered (its cell
// holds the colour gathered and how much still shows through) or final (the
// image holds its colour). Each band of rows is drawn on its own, by
// whichever thread takes it.
struct UnderTarget {
    struct Row {
        QRgb* pixels;
        Cell* cells;
        uint64_t* closed;
        uint64_t* partial;
        uint32_t red, green, blue;

        template <class F>
        void ForOpen(int first, int last, F f) const {
            const int firstWord = first >> 6, lastWord = last >> 6;
            if (firstWord == lastWord) {  // most lines span a few pixels
                const uint64_t mask = (~uint64_t(0) >> (63 - (last & 63))) & (~uint64_t(0) << (first & 63));
                for (uint64_t bits = mask & ~closed[firstWord]; bits; bits &= bits - 1)
                    f((firstWord << 6) + std::countr_zero(bits));
                return;
            }
            for (int w = firstWord; w <= lastWord; ++w)
                for (uint64_t bits = WordMask(first, last, w) & ~closed[w]; bits; bits &= bits - 1)
                    f((w << 6) + std::countr_zero(bits));
        }

        void Close(int i, QRgb color) {
            pixels[i] = color;
            closed[i >> 6] |= uint64_t(1) << (i & 63);
        }

        // The line goes under what is there: it shows by its cover times
        // what still shows through.
        void Put(int i, uint32_t cover) {
            const uint64_t bit = uint64_t(1) << (i & 63);
            if (closed[i >> 6] & bit) return;
            Cell& c = cells[i];
            if (!(partial[i >> 6] & bit)) {
                if (cover >= 255) return Close(i, qRgb(red, green, blue));
                c = {uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(255)};
                partial[i >> 6] |= bit;
            }
            const uint32_t through = c.through;
            const uint32_t seen = cover * through;  // × 255²
            c.red = static_cast<uint8_t>(std::min<uint32_t>(255, c.red + (red * seen + 32512) / 65025));
            c.green = static_cast<uint8_t>(std::min<uint32_t>(255, c.green + (green * seen + 32512) / 65025));
            c.blue = static_cast<uint8_t>(std::min<uint32_t>(255, c.blue + (blue * seen + 32512) / 65025));
            c.through = static_cast<uint8_t>((through * (255 - cover) + 127) / 255);
            if (c.through == 0) Close(i, qRgb(c.red, c.green, c.blue));
        }

        void Fill(int first, int last) {
            const QRgb solid = qRgb(red, green, blue);
            for (int w = first >> 6; w <= last >> 6; ++w) {
                const uint64_t mask = WordMask(first, last, w);
                const uint64_t open = mask & ~closed[w];
                if (!open) continue;
                const uint64_t under = open & partial[w];
                if (open == mask && !under) {
                    const int from = std::max(first, w << 6), to = std::min(last, (w << 6) + 63);
                    std::fill(pixels + from, pixels + to + 1, solid);
                } else {
                    for (uint64_t bits = open; bits; bits &= bits - 1) {
                        const int i = (w << 6) + std::countr_zero(bits);
                        if (!((under >> (i & 63)) & 1)) {
                            pixels[i] = solid;
                            continue;
                        }
                        const Cell& c = cells[i];
                        pixels[i] = qRgb(Channel(c.red, red, c.through), Channel(c.green, green, c.through),
                                         Channel(c.blue, blue, c.through));
                    }
                }
                closed[w] |= open;
            }
        }
    };

    bool RowClosed(int j, int first, int last) const {
        return AllBits(layer.m_closed.data() + size_t(j) * layer.m_wordsPerRow, first, last);
    }

    Row RowAt(int j) {
        const size_t words = size_t(j) * layer.m_wordsPerRow;
        return {reinterpret_cast<QRgb*>(layer.m_bits + j * layer.m_bytesPerLine),
                layer.m_cells.data() + size_t(j) * layer.m_width,
                layer.m_closed.data() + words,
                layer.m_partial.data() + words,
                red,
                green,
                blue};
    }

    CUnderLayer& layer;
    int width, height;
    int top, bottom;
    uint32_t red, green, blue;
};

void CUnderLayer::Begin(QImage& image) {
    // The memory first: should it run out, the layer stays inactive.
    const int wordsPerRow = (image.width() + 63) / 64;
    // Cells are read only where the partial bit says so: no need to clear.
    m_cells.resize(size_t(image.width()) * image.height());
    m_closed.assign(size_t(wordsPerRow) * image.height(), 0);
    m_partial.assign(size_t(wordsPerRow) * image.height(), 0);
    m_pending.Reserve(kPendingLines, image.height(), kBandsPerThread * ParallelWidth());
    m_image = &image;
    m_width = image.width();
    m_height = image.height();
    m_wordsPerRow = wordsPerRow;
    m_bits = image.bits();  // detaches once, here
    m_bytesPerLine = image.bytesPerLine();
}

void CUnderLayer::ReleaseMemory() {
    if (m_image) return;
    std::vector<Cell>().swap(m_cells);
    std::vector<uint64_t>().swap(m_closed);
    std::vector<uint64_t>().swap(m_partial);
    m_pending.Release();
}

void CUnderLayer::Draw(const QLineF* lines, int count, double width, QRgb color, bool smooth) {
    if (!m_image) return;
    const PendingPen pen{std::max(1.0, width), color, smooth};
    while (count > 0) {
        const int taken = m_pending.Add(lines, count, pen);
        lines += taken;
        count -= taken;
        if (count > 0) DrawPending();  // full
    }
}

void CUnderLayer::DrawPending() {
    if (!m_image || m_pending.Empty()) return;
    m_pending.Sort();
    if (m_pending.Count() < kParallelLines) {
        for (int band = 0; band < m_pending.Bands(); ++band) DrawBand(band);
    } else {
        ForEachPart(m_pending.Bands(), [this](int band) { DrawBand(band); });
    }
    m_pending.Clear();
}

void CUnderLayer::DrawBand(int band) {
    UnderTarget target{*this, m_width, m_height, m_pending.BandTop(band), m_pending.BandBottom(band), 0, 0, 0};
    const PendingPen* current = nullptr;
    capsule::Shape shape{};
    m_pending.ForEachInBand(band, [&](const PendingPen& pen, const QLineF& line) {
        if (&pen != current) {
            current = &pen;
            shape = {pen.width / 2, pen.smooth};
            target.red = uint32_t(qRed(pen.color));
            target.green = uint32_t(qGreen(pen.color));
            target.blue = uint32_t(qBlue(pen.color));
        }
        capsule::ScanCapsule(target, line, shape);
    });
}

void CUnderLayer::Finish() {
    if (!m_image) return;
    DrawPending();
    // Pixels still partly covered: what lies beneath shows through.
    for (int j = 0; j < m_height; ++j) {
        const Cell* cells = m_cells.data() + size_t(j) * m_width;
        const size_t words = size_t(j) * m_wordsPerRow;
        auto* pixels = reinterpret_cast<QRgb*>(m_bits + j * m_bytesPerLine);
        for (int w = 0; w < m_wordsPerRow; ++w) {
            for (uint64_t bits = m_partial[words + w] & ~m_closed[words + w]; bits; bits &= bits - 1) {
                const int i = (w << 6) + std::countr_zero(bits);
                const Cell& c = cells[i];
                const QRgb under = pixels[i];
                // Alpha as "over" gives it.
                const uint32_t alpha = 255 - ((255 - uint32_t(qAlpha(under))) * c.through + 127) / 255;
                pixels[i] = qRgba(Channel(c.red, qRed(under), c.through), Channel(c.green, qGreen(under), c.through),
                                  Channel(c.blue, qBlue(under), c.through), alpha);
            }
        }
    }
    m_image = nullptr;
}

CUnderLayer& CUnderLayer::ForThisThread() {
    thread_local CUnderLayer layer;
    return layer;
}
