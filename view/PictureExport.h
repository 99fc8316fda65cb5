#pragma once
// The picture of a document as a file: PNG, SVG or PDF, square, at a size in
// pixels. Needs a QGuiApplication (the offscreen platform will do) but no
// window and no display.

#include <QImage>
#include <QString>
#include <optional>

#include "document/WindowSampling.h"
#include "view/Picture.h"
#include "view/SpaceWindow.h"

class CCurvilinearscopeDoc;
class CPicture3D;
class QIODevice;
class QPaintDevice;

enum class ExportFormat { Unknown, Png, Svg, Pdf };

constexpr int kExportMinSize = 16;
constexpr int kExportMaxSize = 8192;
constexpr int kExportDefaultSize = 1000;

// zlib's middle levels for PNG: the default level takes twice as long for a
// file a tenth smaller.
constexpr int kPicturePngQuality = 50;

// Draws the picture on a white device of `size` pixels (the image, the SVG
// and the PDF of an export, and Copy's); false when the memory ran out for
// the device or the picture. textAsPaths: letters as outlines.
bool PaintPictureOn(QPaintDevice& device, QSize size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                    const PlaneShown& plane = {}, bool textAsPaths = false);

// The picture as SVG of `size` pixels into out, letters as outlines.
bool WritePictureSvg(QIODevice& out, QSize size, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                     const PlaneShown& plane = {});

// From the file name's extension, in any letter case.
ExportFormat ExportFormatOf(const QString& path);

// The picture on a white square image of the given side; a null image when
// the memory ran out for the image or for the picture.
QImage RenderPicture(const CCurvilinearscopeDoc& doc, int sizePixels, CPicture3D& picture3D,
                     const PlaneShown& plane = {});

// Draws two small empty pictures (plane and space), so that the font
// library reads its configuration and every face of the picture is loaded
// while memory is plentiful. Call it before opening a document that may be
// big: fontconfig crashes where it runs out of memory, and would otherwise
// meet its first font just after a big picture ran short.
void LoadPictureFonts();

// Writes the picture to path (replacing it only once the new file is
// complete). angle, when given, is the space picture's rotation for this
// picture only; the document keeps its own. window, when given, is the
// part of the plane a plane picture shows, sampled for the picture's
// pixels; spaceWindow the space picture's scale and tilt, as a window
// would show them. Returns an empty text on success, otherwise a message
// naming the problem and the file: the system's reason when the file cannot
// be written whole, "Out of memory." when the picture cannot be made whole.
// The old file is then as it was.
QString ExportPicture(CCurvilinearscopeDoc& doc, const QString& path, int sizePixels,
                      std::optional<double> angle = std::nullopt, const std::optional<PlaneBounds>& window = {},
                      const CSpaceWindow& spaceWindow = {});
