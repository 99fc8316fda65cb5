#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "view/PainterSurface.h"

namespace {

// A 200 × 200 image with the logical square on all of it: 10 logical units
// per pixel, logical (-1000, 1000) at the top-left corner.
class Canvas {
public:
    explicit Canvas(QColor background = Qt::white) : m_image(200, 200, QImage::Format_RGB32) {
        m_image.fill(background);
        m_painter.begin(&m_image);
        m_surface = std::make_unique<CPainterSurface>(m_painter, QRect(0, 0, 200, 200));
        m_surface->SetMapping(0, 0, 200, 200);
    }
    CPainterSurface& dc() { return *m_surface; }
    const QImage& Finish() {
        m_surface.reset();
        m_painter.end();
        return m_image;
    }

private:
    QImage m_image;
    QPainter m_painter;
    std::unique_ptr<CPainterSurface> m_surface;
};

bool Dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

// Rows (top, bottom) and per-row count of dark pixels.
std::vector<int> DarkPerRow(const QImage& img) {
    std::vector<int> rows(img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) rows[y] += Dark(img, x, y);
    return rows;
}

}  // namespace

TEST(PainterSurface, LogicalYGrowsUpwards) {
    Canvas c;
    c.dc().SelectPen({1, {0, 0, 0}});
    c.dc().MoveTo(-1000, 900);
    c.dc().LineTo(1000, 900);
    const QImage& img = c.Finish();
    EXPECT_TRUE(Dark(img, 100, 10));
    EXPECT_FALSE(Dark(img, 100, 190));
}

TEST(PainterSurface, PenWidthsScaleWithThePicture) {
    Canvas c;
    c.dc().SelectPen({100, {0, 0, 0}});  // 10 pixels at this scale
    c.dc().MoveTo(-500, 0);
    c.dc().LineTo(500, 0);
    std::vector<int> rows = DarkPerRow(c.Finish());
    int thick = 0;
    for (int n : rows) thick += n > 50;
    EXPECT_NEAR(thick, 10, 1);
}

TEST(PainterSurface, ZeroLengthSegmentsDrawNothing) {
    Canvas c;
    c.dc().SelectPen({100, {0, 0, 0}});
    SurfaceLine dot{0, 0, 0, 0};
    c.dc().DrawLines(&dot, 1);
    EXPECT_FALSE(Dark(c.Finish(), 100, 100));
}

TEST(PainterSurface, TextHangsBelowItsTopLeftCornerAndStaysUpright) {
    Canvas c;
    c.dc().SelectFont({400, 700});  // a 40-pixel cell
    c.dc().TextOut(-500, 500, u"T");
    std::vector<int> rows = DarkPerRow(c.Finish());
    int top = -1, bottom = -1;
    for (int y = 0; y < 200; ++y)
        if (rows[y]) {
            if (top < 0) top = y;
            bottom = y;
        }
    ASSERT_GE(top, 50);  // the corner is at pixel row 50
    EXPECT_LE(bottom, 90);
    EXPECT_GT(bottom - top, 15);
    EXPECT_GT(rows[top + 1], 2 * rows[bottom - 1]);  // the bar of the T is on top
}

TEST(PainterSurface, OpaqueTextFillsItsCellWithWhiteTransparentTextDoesNot) {
    for (SurfaceBkMode mode : {SurfaceBkMode::Opaque, SurfaceBkMode::Transparent}) {
        Canvas c(Qt::black);
        c.dc().SetTextColor({255, 0, 0});
        c.dc().SelectFont({200, 400});
        c.dc().SetBkMode(mode);
        c.dc().TextOut(-900, 900, u"a b");
        bool anyWhite = false;
        const QImage& img = c.Finish();
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) anyWhite |= img.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_EQ(anyWhite, mode == SurfaceBkMode::Opaque);
    }
}

TEST(PainterSurface, CentredTextInARectangle) {
    Canvas c;
    c.dc().SelectFont({200, 400});
    c.dc().DrawText({-200, 200, 200, -200}, u"-", TF_SINGLELINE | TF_CENTER | TF_VCENTER);
    const QImage& img = c.Finish();
    int sumX = 0, sumY = 0, n = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (Dark(img, x, y)) sumX += x, sumY += y, ++n;
    ASSERT_GT(n, 0);
    EXPECT_NEAR(sumX / n, 100, 3);
    EXPECT_NEAR(sumY / n, 100, 5);
}

TEST(PainterSurface, JapaneseTextIsDrawnWithRealGlyphs) {
    // Two different characters shown as missing-glyph boxes would look the same.
    auto render = [](std::u16string_view text) {
        Canvas c;
        c.dc().SelectFont({600, 400});
        c.dc().TextOut(-900, 900, text);
        return c.Finish().copy();
    };
    QImage a = render(u"日"), b = render(u"本");
    EXPECT_NE(a, b);
    EXPECT_NE(a, render(u" "));
}

TEST(PainterSurface, ASubclassMayDrawItsBatchesThroughLineTo) {
    class COneByOne : public CPainterSurface {
    public:
        using CPainterSurface::CPainterSurface;
        void DrawLines(const SurfaceLine* lines, int count) override { CDrawSurface::DrawLines(lines, count); }
    };
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        COneByOne dc(painter, image.rect());
        dc.SetMapping(0, 0, 200, 200);
        SurfaceLine line{-1000, 0, 1000, 0};
        dc.DrawLines(&line, 1);
    }
    EXPECT_TRUE(Dark(image, 100, 100));
}

namespace {

// Wide smoothed lines, hairlines and a word over the logical square, drawn
// on an image of `pixels` × `pixels` at the given device pixel ratio.
// throughPainter: a clip keeps the surface from drawing into the image
// itself, so QPainter draws every line.
QImage PaintScene(double ratio, bool throughPainter) {
    constexpr int kPoints = 200;
    QImage image(QSize(kPoints, kPoints) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (throughPainter) painter.setClipRect(QRect(0, 0, kPoints, kPoints));
    CPainterSurface dc(painter, QRect(0, 0, kPoints, kPoints));
    dc.SetMapping(0, 0, kPoints, kPoints);
    std::vector<SurfaceLine> lines;
    for (int k = 0; k < 40; ++k) {
        const int x = -950 + 47 * k, y = (k * 397) % 1800 - 900;
        lines.push_back({x, y, x + 300 - 13 * k, y + (k % 5) * 70 - 140});
    }
    dc.SelectPen({31, {200, 30, 30}});  // 3.1 points: smoothed
    dc.DrawLines(lines.data(), 20);
    dc.SelectPen({10, {0, 0, 160}});  // 1 point: crisp
    dc.DrawLines(lines.data() + 20, 20);
    dc.SelectFont({150, 400});
    dc.TextOut(-900, 900, u"Curve");
    return image;
}

// Pixels painted in either image, and of them how many differ clearly.
std::pair<int, int> PaintedAndDiffering(const QImage& a, const QImage& b, int threshold) {
    int painted = 0, differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            painted += p != qRgb(255, 255, 255) || q != qRgb(255, 255, 255);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > threshold;
        }
    return {painted, differing};
}

}  // namespace

// A screen of two pixels per point: the surface draws the lines into the
// image's pixels itself, where the painter would put them, as wide as the
// painter would make them.
TEST(PainterSurface, AtTwoPixelsAPointLinesLandWhereThePainterPutsThem) {
    const QImage direct = PaintScene(2, false), painted = PaintScene(2, true), single = PaintScene(1, false);
    ASSERT_EQ(direct.size(), QSize(400, 400));
    EXPECT_EQ(direct.devicePixelRatio(), 2.0);
    const auto [painted2, differing2] = PaintedAndDiffering(direct, painted, 96);
    EXPECT_GT(painted2, 4000);
    EXPECT_LT(differing2, painted2 / 50) << differing2 << " of " << painted2;
    // Halved, it is the picture at one pixel a point, up to the edges.
    const QImage halved = direct.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto [painted1, differing1] = PaintedAndDiffering(halved, single, 96);
    EXPECT_LT(differing1, painted1 / 6) << differing1 << " of " << painted1;
}
