// Lines drawn nearest first beneath one another must look like the same
// lines drawn farthest first over one another.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "document/CurvilinearscopeDoc.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/Picture3D.h"
#include "view/raster/CapsuleRaster.h"
#include "view/raster/UnderLayer.h"

namespace {

struct Batch {
    std::vector<QLineF> lines;
    double width;
    QRgb color;
    bool smooth;
};

// Short and long lines in a few pens, far more than the layer draws on one
// thread, many of them over one another.
std::vector<Batch> RandomBatches() {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> pos(-10, 130), step(-6, 6), longStep(-60, 60);
    const struct {
        double width;
        QRgb color;
        bool smooth;
    } pens[] = {{7.5, qRgb(200, 30, 30), true},
                {1.0, qRgb(0, 0, 0), false},
                {3.2, qRgb(20, 160, 60), true},
                {2.0, qRgb(90, 90, 250), true}};
    std::vector<Batch> batches;
    for (const auto& pen : pens) {
        Batch b{{}, pen.width, pen.color, pen.smooth};
        for (int i = 0; i < 700; ++i) {
            const double x = pos(rng), y = pos(rng);
            const bool isLong = i % 7 == 0;
            b.lines.emplace_back(x, y, x + (isLong ? longStep(rng) : step(rng)),
                                 y + (isLong ? longStep(rng) : step(rng)));
        }
        batches.push_back(b);
    }
    return batches;
}

// What lies beneath: not plain white, so a partly covered pixel shows it.
QImage Background() {
    QImage image(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(255 - x, 255, 135 + y));
    return image;
}

// The largest channel difference, and how many pixels differ by more than
// a rounding step or two.
int LargestDifference(const QImage& a, const QImage& b, int* differing) {
    int largest = 0;
    *differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            largest = std::max(largest, d);
            *differing += d > 2;
        }
    return largest;
}

TEST(UnderLayer, NearestFirstBeneathLooksLikeFarthestFirstOver) {
    const std::vector<Batch> batches = RandomBatches();
    QImage over = Background(), under = Background();
    for (const Batch& b : batches) DrawCapsules(over, b.lines.data(), int(b.lines.size()), b.width, b.color, b.smooth);

    CUnderLayer layer;
    layer.Begin(under);
    for (auto b = batches.rbegin(); b != batches.rend(); ++b) {
        std::vector<QLineF> reversed(b->lines.rbegin(), b->lines.rend());
        layer.Draw(reversed.data(), int(reversed.size()), b->width, b->color, b->smooth);
    }
    layer.Finish();
    EXPECT_FALSE(layer.Active());

    int differing = 0;
    // Smoothed edges over smoothed edges round differently, by a few steps.
    EXPECT_LE(LargestDifference(over, under, &differing), 8);
    EXPECT_LT(differing, over.width() * over.height() / 5);
    EXPECT_NE(under, Background());
}

// Lines wait to be drawn a few thousand at a time; more lines, or more
// pens, than fit at once are drawn in turns, in the same order.
TEST(UnderLayer, LinesBeyondWhatWaitsAtOnceKeepTheirOrder) {
    constexpr int kLines = 40000;
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> pos(-5, 125), step(-4, 4);
    std::vector<QLineF> lines;
    for (int i = 0; i < kLines; ++i) {
        const double x = pos(rng), y = pos(rng);
        lines.emplace_back(x, y, x + step(rng), y + step(rng));
    }
    auto colorOf = [](int i) { return qRgb(i % 251, (i / 7) % 253, 90); };
    QImage under = Background();
    CUnderLayer layer;
    layer.Begin(under);
    for (int i = 0; i < kLines / 2; ++i) layer.Draw(&lines[size_t(i)], 1, 1, colorOf(i), false);  // a pen each
    layer.Draw(&lines[kLines / 2], kLines / 2, 1, qRgb(0, 0, 0), false);                          // one pen
    layer.Finish();
    QImage expected = Background();
    for (int i = kLines - 1; i >= kLines / 2; --i)
        DrawCapsules(expected, &lines[size_t(i)], 1, 1, qRgb(0, 0, 0), false);
    for (int i = kLines / 2 - 1; i >= 0; --i) DrawCapsules(expected, &lines[size_t(i)], 1, 1, colorOf(i), false);
    EXPECT_EQ(under, expected) << "crisp lines cover whole pixels: nearest first beneath is exact";
}

TEST(UnderLayer, APixelCoveredWholeTakesTheNearestColourExactly) {
    QImage over = Background(), under = Background();
    const QLineF far(20, 60, 100, 60), near(60, 20, 60, 100);
    DrawCapsules(over, &far, 1, 12, qRgb(10, 20, 30), true);
    DrawCapsules(over, &near, 1, 12, qRgb(200, 100, 50), true);
    CUnderLayer layer;
    layer.Begin(under);
    layer.Draw(&near, 1, 12, qRgb(200, 100, 50), true);
    layer.Draw(&far, 1, 12, qRgb(10, 20, 30), true);
    layer.Finish();
    EXPECT_EQ(under.pixel(60, 60), qRgb(200, 100, 50));
    EXPECT_EQ(under.pixel(30, 60), qRgb(10, 20, 30));
    EXPECT_EQ(under.pixel(5, 5), Background().pixel(5, 5));
    int differing = 0;
    EXPECT_LE(LargestDifference(over, under, &differing), 2);
}

TEST(UnderLayer, OnlyAPlainImageSurfaceDrawsBeneathAndOneAtATime) {
    constexpr size_t kMany = 1000;
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CPainterSurface surface(painter, image.rect());
        EXPECT_TRUE(surface.BeginUnderLayer(kMany));
        EXPECT_FALSE(surface.BeginUnderLayer(kMany)) << "already open";
        QPainter second(&image);
        CPainterSurface other(second, image.rect());
        EXPECT_FALSE(other.BeginUnderLayer(kMany)) << "this thread's layer is taken";
        surface.SetMapping(0, 0, 50, 50);
        surface.SelectPen({40, {0, 0, 0}});
        surface.MoveTo(-500, 0);
        surface.LineTo(500, 0);
    }  // left open: the surface ends it
    EXPECT_EQ(image.pixel(25, 25), qRgb(0, 0, 0));
    EXPECT_TRUE(CPainterSurface(painter, image.rect()).BeginUnderLayer(kMany)) << "free again";
    EXPECT_FALSE(CPainterSurface(painter, image.rect()).BeginUnderLayer(20)) << "too few to pay off";
    painter.end();
    image.setDevicePixelRatio(2);  // a quarter of the points: lines four times the pixels each
    painter.begin(&image);
    EXPECT_TRUE(CPainterSurface(painter, QRect(0, 0, 25, 25)).BeginUnderLayer(100)) << "as many per point";

    QPicture recorded;
    QPainter recorder(&recorded);
    EXPECT_FALSE(CPainterSurface(recorder, QRect(0, 0, 50, 50)).BeginUnderLayer(kMany));
}

// A surface that draws as any device other than a plain image would.
class CFarthestFirstSurface : public CPainterSurface {
public:
    using CPainterSurface::CPainterSurface;
    bool BeginUnderLayer(size_t) override { return false; }
};

TEST(UnderLayer, SpacePictureLooksTheSameDrawnEitherWay) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_nDimension = 1;
    doc.m_nRange = 5;
    CGraphDef& g = doc.m_graphs[0];
    g.m_bShow = 1;
    g.m_nKind = 0;
    g.m_strFormula = u"sin(x)*cos(y)*2";
    g.m_dStep = 0.05;
    for (int k = 1; k < 3; ++k) doc.m_graphs[k].m_bShow = 0;
    doc.Sample3D();
    doc.m_dAngle = 0.7;

    // At two pixels a point as well: the layer draws into the image's pixels.
    for (const double ratio : {1.0, 2.0}) {
        auto paint = [&](bool beneath) {
            QImage image(QSize(300, 300) * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            QPainter painter(&image);
            CPicture3D picture;
            if (beneath) {
                CPainterSurface surface(painter, QRect(0, 0, 300, 300));
                DrawPicture(surface, &doc, picture);
            } else {
                CFarthestFirstSurface surface(painter, QRect(0, 0, 300, 300));
                DrawPicture(surface, &doc, picture);
            }
            return image;
        };
        const QImage beneath = paint(true), over = paint(false);
        int differing = 0;
        EXPECT_LE(LargestDifference(beneath, over, &differing), 10) << ratio;
        EXPECT_LT(differing, beneath.width() * beneath.height() / 10) << ratio;
    }
}

}  // namespace
