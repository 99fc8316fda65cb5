#include "PictureExport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "CurvilinearscopeDoc.h"
#include "PainterSurface.h"
#include "Picture.h"
#include "Picture3D.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("PictureExport", text); }

constexpr int kPngQuality = 50;

void PaintOn(QPaintDevice& device, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
             bool textAsPaths = false) {
    QPainter painter(&device);
    painter.fillRect(QRect(0, 0, size, size), Qt::white);
    CPainterSurface surface(painter, QRect(0, 0, size, size));
    surface.SetTextAsPaths(textAsPaths);
    DrawPicture(surface, &doc, picture3D);
}

bool WritePng(QSaveFile& file, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D) {
    QImage image = RenderPicture(doc, size, picture3D);
    picture3D.ReleaseWorkMemory();  // the file is written with the keys gone
    // zlib's middle levels: the default level takes twice as long for a
    // file a tenth smaller.
    return !image.isNull() && image.save(&file, "PNG", kPngQuality);
}

bool WriteSvg(QSaveFile& file, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    // 96 per inch, as browsers and editors read the file's millimetres.
    svg.setResolution(96);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Curvilinearscope"));
    // Outlines: a viewer without our fonts still shows the same letters.
    PaintOn(svg, size, doc, picture3D, true);
    return file.error() == QFileDevice::NoError;
}

bool WritePdf(QSaveFile& file, int size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D) {
    // One device unit per point: a page of size × size points, no margins.
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size, size), QPageSize::Point, QString(),
                                            QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setTitle(QStringLiteral("Curvilinearscope"));
    PaintOn(pdf, size, doc, picture3D);
    return file.error() == QFileDevice::NoError;
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

}  // namespace

ExportFormat ExportFormatOf(const QString& path) {
    QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("png")) return ExportFormat::Png;
    if (ext == QLatin1String("svg")) return ExportFormat::Svg;
    if (ext == QLatin1String("pdf")) return ExportFormat::Pdf;
    return ExportFormat::Unknown;
}

QImage RenderPicture(const CCurvilinearscopeDoc& doc, int sizePixels, CPicture3D& picture3D) {
    QImage image(sizePixels, sizePixels, QImage::Format_RGB32);
    if (image.isNull()) return image;
    PaintOn(image, sizePixels, doc, picture3D);
    return image;
}

QString ExportPicture(CCurvilinearscopeDoc& doc, const QString& path, int sizePixels,
                      std::optional<double> angle) {
    ExportFormat format = ExportFormatOf(path);
    if (format == ExportFormat::Unknown)
        return Tr("エクスポートの形式が分かりません: %1 (拡張子は .png、.svg、.pdf のいずれか)").arg(path);
    if (sizePixels < kExportMinSize || sizePixels > kExportMaxSize)
        return Tr("画像の大きさ %1 は範囲外です (%2 から %3 ピクセル)")
            .arg(sizePixels)
            .arg(kExportMinSize)
            .arg(kExportMaxSize);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Tr("ファイルを書き込めません: %1 (%2)").arg(path, file.errorString());
    AngleOverride turned(doc, angle);
    CPicture3D picture3D;
    bool written = false;
    switch (format) {
    case ExportFormat::Png: written = WritePng(file, sizePixels, doc, picture3D); break;
    case ExportFormat::Svg: written = WriteSvg(file, sizePixels, doc, picture3D); break;
    case ExportFormat::Pdf: written = WritePdf(file, sizePixels, doc, picture3D); break;
    case ExportFormat::Unknown: break;
    }
    if (!written || !file.commit()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return Tr("ファイルを書き込めません: %1 (%2)").arg(path, reason);
    }
    return {};
}
