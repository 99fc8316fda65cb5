#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "CurvilinearscopeView.h"
#include "TestDocuments.h"

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
