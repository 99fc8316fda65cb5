#include "view/PictureExport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <new>

#include "document/CurvilinearscopeDoc.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/Picture3D.h"
#include "view/PictureGeometry.h"
#include "view/WholeFile.h"

namespace {

QString CannotWrite(const QString& path, const QString& reason) {
    return QCoreApplication::translate("PictureExport", "ファイルを書き込めません: %1 (%2)").arg(path, reason);
}

QString OutOfMemory(const QString& path) {
    // The program's one text for it, translated with the document files'.
    // The file's name on the next line, as every file message has it.
    return QCoreApplication::translate("DocumentFile", "メモリが不足しています。") + QLatin1Char('\n') + path;
}

bool PaintOn(QPaintDevice& device, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
             const PlaneShown& plane, bool textAsPaths = false) {
    return PaintPictureOn(device, QSize(size, size), doc, picture3D, plane, textAsPaths);
}

// Each format is made in memory first; only a whole picture reaches the file.
bool MakePng(QIODevice& out, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
             const PlaneShown& plane) {
    QImage image = RenderPicture(doc, size, picture3D, plane);
    picture3D.ReleaseWorkMemory();  // the file is made with the keys gone
    return !image.isNull() && image.save(&out, "PNG", kPicturePngQuality);
}

bool MakePdf(QIODevice& out, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
             const PlaneShown& plane) {
    // One device unit per point: a page of size × size points, no margins.
    QPdfWriter pdf(&out);
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size, size), QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setTitle(QStringLiteral("Curvilinearscope"));
    return PaintOn(pdf, size, doc, picture3D, plane);
}

// The file's bytes, or an empty array when the memory ran out.
QByteArray MakeFile(ExportFormat format, int size, const CCurvilinearscopeDoc& doc, const PlaneShown& plane,
                    const CSpaceWindow& window) {
    QByteArray bytes;
    CMemoryFile buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CPicture3D picture3D;
    picture3D.SetWindow(window);
    bool made = false;
    try {
        switch (format) {
        case ExportFormat::Png: made = MakePng(buffer, size, doc, picture3D, plane); break;
        case ExportFormat::Svg: made = WritePictureSvg(buffer, QSize(size, size), doc, picture3D, plane); break;
        case ExportFormat::Pdf: made = MakePdf(buffer, size, doc, picture3D, plane); break;
        case ExportFormat::Unknown: break;
        }
    } catch (const std::bad_alloc&) {
    }
    buffer.close();
    return made && !buffer.Failed() ? bytes : QByteArray();
}

// Sets the document's angle for one picture and puts the old one back.
class AngleOverride {
public:
    AngleOverride(CCurvilinearscopeDoc& doc, std::optional<double> angle) : m_doc(doc), m_old(doc.m_dAngle) {
        if (angle) m_doc.m_dAngle = *angle;
    }
    ~AngleOverride() { m_doc.m_dAngle = m_old; }

private:
    CCurvilinearscopeDoc& m_doc;
    double m_old;
};

// A plane window's samples for a square picture of sizePixels, made here
// and now; nothing without a window.
std::optional<WindowRecords> SamplesFor(const CCurvilinearscopeDoc& doc, const std::optional<PlaneBounds>& window,
                                        int sizePixels) {
    if (!window || doc.m_nDimension != DIM_PLANE) return std::nullopt;
    const int side = PictureSide(sizePixels, sizePixels);
    return SamplePlaneWindow(MakeWindowRequest(doc, *window, side, side));
}

}  // namespace

bool PaintPictureOn(QPaintDevice& device, QSize size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                    const PlaneShown& plane, bool textAsPaths) {
    QPainter painter(&device);
    if (!painter.isActive()) return false;  // no memory for the device's own buffers
    const QRect area(QPoint(0, 0), size);
    DrawOutcome drawn = DrawOutcome::OutOfMemory;
    try {
        painter.fillRect(area, Qt::white);
        CPainterSurface surface(painter, area);
        surface.SetTextAsPaths(textAsPaths);
        PictureTarget target;
        target.plane = plane;
        drawn = DrawPicture(surface, &doc, picture3D, target);
    } catch (const std::bad_alloc&) {  // in the device's own drawing
    }
    return EndPainting(painter) == PaintingEnd::Ended && drawn == DrawOutcome::Whole;
}

bool WritePictureSvg(QIODevice& out, QSize size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                     const PlaneShown& plane) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    // 96 per inch, as browsers and editors read the file's millimetres.
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Curvilinearscope"));
    // Outlines: a viewer without our fonts still shows the same letters.
    return PaintPictureOn(svg, size, doc, picture3D, plane, true);
}

ExportFormat ExportFormatOf(const QString& path) {
    QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("png")) return ExportFormat::Png;
    if (ext == QLatin1String("svg")) return ExportFormat::Svg;
    if (ext == QLatin1String("pdf")) return ExportFormat::Pdf;
    return ExportFormat::Unknown;
}

QImage RenderPicture(const CCurvilinearscopeDoc& doc, int sizePixels, CPicture3D& picture3D, const PlaneShown& plane) {
    QImage image(sizePixels, sizePixels, QImage::Format_RGB32);  // null when there is no memory for it
    if (image.isNull() || !PaintOn(image, sizePixels, doc, picture3D, plane)) return QImage();
    return image;
}

void LoadPictureFonts() {
    CCurvilinearscopeDoc empty;
    for (int dimension : {0, 1}) {
        empty.m_nDimension = dimension;
        CPicture3D picture3D;
        RenderPicture(empty, kExportMinSize, picture3D);
    }
}

QString ExportPicture(CCurvilinearscopeDoc& doc, const QString& path, int sizePixels, std::optional<double> angle,
                      const std::optional<PlaneBounds>& window, const CSpaceWindow& spaceWindow) {
    ExportFormat format = ExportFormatOf(path);
    if (format == ExportFormat::Unknown)
        return QCoreApplication::translate(
                   "PictureExport", "エクスポートの形式が分かりません: %1 (拡張子は .png、.svg、.pdf のいずれか)")
            .arg(path);
    if (sizePixels < kExportMinSize || sizePixels > kExportMaxSize)
        return QCoreApplication::translate("PictureExport", "画像の大きさ %1 は範囲外です (%2 から %3 ピクセル)")
            .arg(sizePixels)
            .arg(kExportMinSize)
            .arg(kExportMaxSize);

    // Opened first: a folder that takes no file is told before the picture
    // is drawn. Until commit the old file stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return CannotWrite(path, file.errorString());
    QByteArray bytes;
    try {
        AngleOverride turned(doc, angle);
        const std::optional<WindowRecords> samples = SamplesFor(doc, window, sizePixels);
        bytes = MakeFile(format, sizePixels, doc, {window ? &*window : nullptr, samples ? &*samples : nullptr},
                         spaceWindow);
    } catch (const std::bad_alloc&) {  // no memory for the window's samples
    }
    if (bytes.isEmpty()) {
        file.cancelWriting();
        return OutOfMemory(path);
    }
    const QString reason = WriteWholeFile(file, bytes);
    return reason.isEmpty() ? QString() : CannotWrite(path, reason);
}
