#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "TestDocuments.h"
#include "view/Picture3D.h"
#include "view/PictureExport.h"

namespace {

int CountPixels(const QImage& img, QRgb color) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == color;
    return n;
}

double SvgWidthMM(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    QByteArray text = f.readAll();
    int at = text.indexOf(" width=\"");
    if (at < 0) return 0;
    return text.mid(at + 8, text.indexOf("mm\"", at) - at - 8).toDouble();
}

}  // namespace

TEST(ExportPicture, WritesEachFormatAtTheAskedSize) {
    QTemporaryDir dir;
    auto doc = CurvesDocument();
    QString png = dir.filePath("a.png"), svg = dir.filePath("a.svg"), pdf = dir.filePath("a.PDF");
    EXPECT_EQ(ExportPicture(*doc, png, 321), QString());
    EXPECT_EQ(ExportPicture(*doc, svg, 321), QString());
    EXPECT_EQ(ExportPicture(*doc, pdf, 321), QString());

    EXPECT_EQ(QImage(png).size(), QSize(321, 321));
    EXPECT_EQ(QSvgRenderer(svg).viewBox(), QRect(0, 0, 321, 321));
    EXPECT_NEAR(SvgWidthMM(svg) * 96 / 25.4, 321, 0.5);  // read at 96 per inch
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_FALSE(svgFile.readAll().contains("<text"));  // outlines, whatever fonts the viewer has
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    int box = bytes.indexOf("/MediaBox");
    ASSERT_GE(box, 0);
    QList<QByteArray> corners = bytes.mid(box + 11, bytes.indexOf(']', box) - box - 11).split(' ');
    ASSERT_EQ(corners.size(), 4);
    EXPECT_DOUBLE_EQ(corners[2].toDouble(), 321.0);
    EXPECT_DOUBLE_EQ(corners[3].toDouble(), 321.0);
}

TEST(ExportPicture, RefusesWithAMessageAndLeavesNoFile) {
    QTemporaryDir dir;
    CCurvilinearscopeDoc doc;
    struct Case {
        QString path;
        int size;
    } cases[] = {
        {dir.filePath("a.bmp"), 300},
        {dir.filePath("noext"), 300},
        {dir.filePath("a.png"), 0},
        {dir.filePath("a.png"), 100000},
        {dir.filePath("missing/folder/a.png"), 300},
    };
    for (const Case& c : cases) {
        QString message = ExportPicture(doc, c.path, c.size);
        EXPECT_FALSE(message.isEmpty()) << c.path.toStdString();
        EXPECT_FALSE(QFile::exists(c.path)) << c.path.toStdString();
    }
    EXPECT_TRUE(ExportPicture(doc, dir.filePath("a.bmp"), 300).contains("a.bmp"));
}

// No memory for the picture: a message naming the file, and the picture
// exported before is left as it was, in every format.
TEST(ExportPicture, WithoutMemoryForThePictureTheOldFileStays) {
    QTemporaryDir dir;
    auto doc = SurfaceDocument(200);
    for (const char* name : {"a.png", "a.svg", "a.pdf"}) {
        const QString path = dir.filePath(name);
        ASSERT_EQ(ExportPicture(*doc, path, 100), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        LargeBlockLimit limit(64 << 10);
        EXPECT_EQ(ExportPicture(*doc, path, 300), "メモリが不足しています。\n" + path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << "no file left half made";
}

TEST(ExportPicture, AGivenAngleIsForThisPictureOnly) {
    QTemporaryDir dir;
    CCurvilinearscopeDoc doc;
    doc.m_nDimension = 1;
    doc.m_dAngle = 0.3;
    EXPECT_EQ(ExportPicture(doc, dir.filePath("a.png"), 64, 1.2), QString());
    EXPECT_EQ(doc.m_dAngle, 0.3);
}

// Smoke test of the plane picture: grid, curves in the three colours, title.
TEST(RenderPicture, PlanePictureShowsGridCurvesAndTitle) {
    auto doc = CurvesDocument();
    CPicture3D picture3D;
    QImage img = RenderPicture(*doc, 600, picture3D);
    ASSERT_EQ(img.size(), QSize(600, 600));
    EXPECT_GT(CountPixels(img, qRgb(255, 0, 0)), 500);
    EXPECT_GT(CountPixels(img, qRgb(0, 255, 0)), 500);
    EXPECT_GT(CountPixels(img, qRgb(0, 0, 255)), 500);
    EXPECT_GT(CountPixels(img, qRgb(192, 192, 192)), 5000);
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));   // outside the square
    EXPECT_EQ(img.pixel(300, 150), qRgb(16, 16, 16));  // the y axis
}

// Smoke test of the space picture: whatever its graphs look like, the title
// and legend are there and no grid is.
TEST(RenderPicture, SpacePictureHasTitleAndLegendButNoGrid) {
    auto doc = CurvesDocument();
    doc->m_nDimension = 1;
    CPicture3D picture3D;
    QImage img = RenderPicture(*doc, 600, picture3D);
    EXPECT_LT(CountPixels(img, qRgb(192, 192, 192)), 100);  // a plane picture has thousands
    QImage title = img.copy(30, 30, 250, 50);
    EXPECT_GT(CountPixels(title, qRgb(0, 0, 0)), 50);
}
