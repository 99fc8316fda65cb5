#include "view/PictureCopy.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <memory>

#include "view/CurvilinearscopeView.h"
#include "view/PictureExport.h"
#include "view/PlaneNavigator.h"

namespace {

QByteArray PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG", kPicturePngQuality) ? bytes : QByteArray();
}

QByteArray SvgOf(QSize size, CCurvilinearscopeView& view, const PlaneShown& plane) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return WritePictureSvg(buffer, size, *view.GetDocument(), view.Picture3D(), plane) ? bytes : QByteArray();
}

}  // namespace

QMimeData* ShownPictureData(CCurvilinearscopeView& view) {
    if (!view.GetDocument() || view.width() <= 0 || view.height() <= 0) return nullptr;
    const QSize size = view.size();
    const PlaneShown plane = view.Navigator().Shown();
    QImage image(size, QImage::Format_RGB32);  // null when there is no memory for it
    if (image.isNull() || !PaintPictureOn(image, size, *view.GetDocument(), view.Picture3D(), plane)) return nullptr;
    const QByteArray png = PngOf(image);
    const QByteArray svg = SvgOf(size, view, plane);
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
