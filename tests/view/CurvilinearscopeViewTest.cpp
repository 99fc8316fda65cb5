#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

#include "TestDocuments.h"
#include "view/CurvilinearscopeView.h"

TEST(CurvilinearscopeView, PictureIsRecentredWhenTheWindowChangesShape) {
    auto doc = CurvesDocument();
    CCurvilinearscopeView view;
    view.SetDocument(doc.get());
    struct Case {
        QSize size;
        QPoint axesCrossing;
    } cases[] = {{{400, 300}, {200, 150}}, {{300, 500}, {150, 250}}};
    for (const Case& c : cases) {
        view.resize(c.size);
        QImage img = view.grab().toImage();
        ASSERT_EQ(img.size(), c.size);
        EXPECT_EQ(img.pixel(2, 2), qRgb(255, 255, 255));
        EXPECT_EQ(img.pixel(c.axesCrossing.x(), c.axesCrossing.y() + 20), qRgb(16, 16, 16));
    }
}

TEST(CurvilinearscopeView, WithoutADocumentTheWindowIsWhite) {
    CCurvilinearscopeView view;
    view.resize(100, 80);
    QImage img = view.grab().toImage();
    EXPECT_EQ(img.pixel(50, 40), qRgb(255, 255, 255));
}

namespace {
int CountPixels(const QImage& image, const QRect& area, bool (*wanted)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += wanted(image.pixel(x, y));
    return n;
}
bool Reddish(QRgb c) { return qRed(c) > 200 && qGreen(c) < 160 && qBlue(c) < 160; }
bool Grey(QRgb c) { return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) < 200; }
}  // namespace

// A surface with no memory for its depth order: the window shows the axes,
// tells once, and tells again only after a paint has succeeded.
TEST(CurvilinearscopeView, WithoutMemoryForTheSurfaceTheAxesAreDrawnAndToldOnce) {
    auto doc = SurfaceDocument(200);  // 40,000 segments, 320 KB of sort keys
    CCurvilinearscopeView view;
    view.resize(300, 300);
    view.SetDocument(doc.get());
    int told = 0;
    QObject::connect(&view, &CCurvilinearscopeView::outOfMemory, [&] { ++told; });
    const QRect middle(110, 110, 80, 80);  // the surface, away from the legend

    QImage failed;
    {
        LargeBlockLimit limit(64 << 10);
        failed = view.grab().toImage();
        view.grab();
        QCoreApplication::processEvents();
        EXPECT_EQ(told, 1);
    }
    EXPECT_EQ(CountPixels(failed, middle, Reddish), 0);
    EXPECT_GT(CountPixels(failed, failed.rect(), Grey), 100) << "the axes, their letters and the title";

    const QImage whole = view.grab().toImage();
    QCoreApplication::processEvents();
    EXPECT_GT(CountPixels(whole, middle, Reddish), 1000);
    EXPECT_EQ(told, 1);

    view.Picture3D().ReleaseWorkMemory();  // the keys of the last paint would do again
    LargeBlockLimit limit(64 << 10);
    view.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(told, 2) << "a new failure after a paint that succeeded";
}
