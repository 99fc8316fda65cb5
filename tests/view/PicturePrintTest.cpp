#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include "TestDocuments.h"
#include "view/CurvilinearscopeView.h"
#include "view/Picture3D.h"
#include "view/PicturePrint.h"

namespace {

void UsePdfPage(QPrinter& printer, const QString& path, QSizeF pageMM, QMarginsF marginsMM) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
    printer.setPageLayout(QPageLayout(QPageSize(pageMM, QPageSize::Millimeter), QPageLayout::Portrait, marginsMM,
                                      QPageLayout::Millimeter));
}

}  // namespace

TEST(PrintPicture, PrintableAreaIsTheDrawingRectangleAndPhysicalSize) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    UsePdfPage(printer, dir.filePath("p.pdf"), {210, 297}, {5, 5, 5, 5});
    SurfaceRect r = PrintRect(printer);
    EXPECT_NEAR(r.right * 25.4 / 300, 200.0, 0.5);
    EXPECT_NEAR(r.bottom * 25.4 / 300, 287.0, 0.5);
    EXPECT_NEAR(printer.widthMM(), 200, 1);
    EXPECT_NEAR(printer.heightMM(), 287, 1);
}

TEST(PrintPicture, ViewPrintsOnePageOnceItHasADocument) {
    QTemporaryDir dir;
    auto doc = CurvesDocument();
    CCurvilinearscopeView view;
    QPrinter printer(QPrinter::HighResolution);
    QString path = dir.filePath("page.pdf");
    UsePdfPage(printer, path, {210, 297}, {5, 5, 5, 5});
    EXPECT_FALSE(view.PrintPage(printer));  // no document yet
    view.SetDocument(doc.get());
    EXPECT_TRUE(view.PrintPage(printer));
    EXPECT_GT(QFile(path).size(), 1000);
}

// A page that ran out of memory still goes out, with the axes, and says so;
// the printer is free for the next page.
TEST(PrintPicture, APageWithoutMemoryForTheSurfaceIsPrintedAndSaysSo) {
    QTemporaryDir dir;
    auto doc = SurfaceDocument(200);
    QPrinter printer(QPrinter::HighResolution);
    UsePdfPage(printer, dir.filePath("page.pdf"), {210, 297}, {5, 5, 5, 5});
    CPicture3D picture3D;
    {
        LargeBlockLimit limit(64 << 10);
        EXPECT_EQ(PrintPicture(printer, *doc, picture3D), PrintOutcome::OutOfMemory);
    }
    EXPECT_GT(QFile(dir.filePath("page.pdf")).size(), 1000);
    EXPECT_FALSE(printer.paintingActive());
    EXPECT_EQ(PrintPicture(printer, *doc, picture3D), PrintOutcome::Printed);
}
