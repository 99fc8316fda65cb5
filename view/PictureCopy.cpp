#include "view/PictureCopy.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <memory>
#include <new>

#include "view/CurvilinearscopeView.h"
#include "view/PainterSurface.h"
#include "view/PlaneNavigator.h"

namespace {

// zlib's middle level, as the PNG export.
constexpr int kPngQuality = 50;

bool DrawShown(QPaintDevice& device, QSize size, CCurvilinearscopeView& view, bool textAsPaths) {
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    const QRect area(QPoint(0, 0), size);
    DrawOutcome drawn = DrawOutcome::OutOfMemory;
    try {
        painter.fillRect(area, Qt::white);
        CPainterSurface surface(painter, area);
        surface.SetTextAsPaths(textAsPaths);
        PictureTarget target;
        target.plane = view.Navigator().Shown();
        drawn = DrawPicture(surface, view.GetDocument(), view.Picture3D(), target);
    } catch (const std::bad_alloc&) {
    }
    return EndPainting(painter) == PaintingEnd::Ended && drawn == DrawOutcome::Whole;
}

QByteArray PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG", kPngQuality) ? bytes : QByteArray();
}

QByteArray SvgOf(QSize size, CCurvilinearscopeView& view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);  // as the SVG export: browsers and editors read the millimetres so
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Curvilinearscope"));
    return DrawShown(svg, size, view, true) ? bytes : QByteArray();
}

}  // namespace

QMimeData* ShownPictureData(CCurvilinearscopeView& view) {
    if (!view.GetDocument() || view.width() <= 0 || view.height() <= 0) return nullptr;
    const QSize size = view.size();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull() || !DrawShown(image, size, view, false)) return nullptr;
    const QByteArray png = PngOf(image);
    const QByteArray svg = SvgOf(size, view);
    if (png.isEmpty() || svg.isEmpty()) return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("image/svg+xml"), svg);
    return data.release();
}

bool CopyShownPicture(CCurvilinearscopeView& view) {
    QMimeData* data = ShownPictureData(view);
    if (!data) return false;
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}
