// Lines drawn straight into the image must look like QPainter's own.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include "view/raster/CapsuleRaster.h"

namespace {

QImage White(int size = 200) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::vector<QLineF> RandomLines(int n, double maxLength) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> pos(-20, 220), step(-maxLength, maxLength);
    std::vector<QLineF> lines;
    for (int i = 0; i < n; ++i) {
        const double x = pos(rng), y = pos(rng);
        lines.emplace_back(x, y, x + step(rng), y + step(rng));
    }
    return lines;
}

struct Difference {
    int painted = 0;  // pixels not white in either
    int far = 0;      // pixels whose channels differ by more than 96
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p != qRgb(255, 255, 255) || q != qRgb(255, 255, 255)) ++d.painted;
            const int diff =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            if (diff > 96) ++d.far;
        }
    return d;
}

}  // namespace

TEST(CapsuleRaster, LooksLikeThePaintersOwnLines) {
    const struct {
        double width, maxLength;
        bool smooth;
        double tolerance;  // share of painted pixels allowed to differ clearly
    } cases[] = {
        {7.2, 2, true, 0.03}, {3.0, 30, true, 0.03}, {2.0, 1, true, 0.05}, {16, 60, true, 0.02}, {1.0, 40, false, 0.25},
    };
    for (const auto& c : cases) {
        const auto lines = RandomLines(60, c.maxLength);
        QImage painted = White(), direct = White();
        {
            QPainter painter(&painted);
            painter.setRenderHint(QPainter::Antialiasing, c.smooth);
            painter.setPen(QPen(QColor(255, 40, 40), c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (const QLineF& l : lines) painter.drawLine(l);  // one by one: no joins between them
        }
        DrawCapsules(direct, lines.data(), int(lines.size()), c.width, qRgb(255, 40, 40), c.smooth);
        const Difference d = Compare(painted, direct);
        EXPECT_GT(d.painted, 100) << c.width;
        EXPECT_LT(d.far, d.painted * c.tolerance) << "width " << c.width << ": " << d.far << " of " << d.painted;
    }
}

TEST(CapsuleRaster, ZeroLengthAndFarAwaySegmentsDrawNothing) {
    QImage image = White(50);
    const QLineF lines[] = {{10, 10, 10, 10}, {-500, -500, -400, -300}, {1e9, 0, 2e9, 1}, {60, 10, 90, 40}};
    DrawCapsules(image, lines, 4, 8, qRgb(0, 0, 0), true);
    EXPECT_EQ(image, White(50));
}

TEST(CapsuleRaster, OnlyPlainImagesAreDrawnIntoDirectly) {
    QImage rgb = White(20);
    QImage indexed(20, 20, QImage::Format_Indexed8);
    EXPECT_TRUE(CanDrawCapsules(rgb));
    EXPECT_FALSE(CanDrawCapsules(indexed));
    QPainter painter(&rgb);
    EXPECT_EQ(DirectRasterTarget(painter), &rgb);
    painter.translate(1, 0);
    EXPECT_EQ(DirectRasterTarget(painter), nullptr) << "a transform is the painter's business";
    painter.resetTransform();
    painter.setClipRect(0, 0, 5, 5);
    EXPECT_EQ(DirectRasterTarget(painter), nullptr);
    painter.end();
    rgb.setDevicePixelRatio(2);
    painter.begin(&rgb);
    EXPECT_EQ(DirectRasterTarget(painter), &rgb) << "the painter's scaling to the image's own pixels";
    painter.scale(2, 2);
    EXPECT_EQ(DirectRasterTarget(painter), nullptr);
}
