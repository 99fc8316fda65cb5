#pragma once
// The picture of a document as a file: PNG, SVG or PDF, square, at a size in
// pixels. Needs a QGuiApplication (the offscreen platform will do) but no
// window and no display.

#include <QImage>
#include <QString>
#include <optional>

class CCurvilinearscopeDoc;
class CPicture3D;

enum class ExportFormat { Unknown, Png, Svg, Pdf };

constexpr int kExportMinSize = 16;
constexpr int kExportMaxSize = 8192;
constexpr int kExportDefaultSize = 1000;

// From the file name's extension, in any letter case.
ExportFormat ExportFormatOf(const QString& path);

// The picture on a white square image of the given side.
QImage RenderPicture(const CCurvilinearscopeDoc& doc, int sizePixels, CPicture3D& picture3D);

// Writes the picture to path (replacing it only once the new file is
// complete). angle, when given, is the space picture's rotation for this
// picture only; the document keeps its own. Returns an empty text on
// success, otherwise a message naming the problem and the file.
QString ExportPicture(CCurvilinearscopeDoc& doc, const QString& path, int sizePixels,
                      std::optional<double> angle = std::nullopt);
