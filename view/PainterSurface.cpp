#include "view/PainterSurface.h"

#include "view/raster/CapsuleRaster.h"
#include "view/raster/UnderLayer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>
#include <new>

namespace {

QColor ToQColor(SurfaceColor c) { return QColor(c.r, c.g, c.b); }

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The classic surfaces size a font by its cell (ascent + descent), Qt by its
// em; the ratio depends on the face, so it is measured once per weight.
double EmPerCell(const QFont& font) {
    static std::map<int, double> cache;
    auto found = cache.find(font.weight());
    if (found != cache.end()) return found->second;
    QFont probe = font;
    probe.setPixelSize(1000);
    double cell = QFontMetricsF(probe).height();
    double ratio = cell > 0 ? 1000.0 / cell : 1.0;
    cache.emplace(font.weight(), ratio);
    return ratio;
}

}  // namespace

QStringList CPainterSurface::FontFamilies() {
    // The resolved face: an alias such as "Sans Serif" is no family of its
    // own, and Qt would skip it in favour of the first real fallback.
    QStringList families{QFontInfo(QGuiApplication::font()).family(), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK SC"),
                         QStringLiteral("Droid Sans Fallback")};
    families.removeDuplicates();
    return families;
}

CPainterSurface::CPainterSurface(QPainter& painter, const QRect& deviceRect)
    : m_painter(painter),
      m_device{deviceRect.left(), deviceRect.top(), deviceRect.left() + deviceRect.width(),
               deviceRect.top() + deviceRect.height()} {
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
}

CPainterSurface::~CPainterSurface() {
    EndUnderLayer();  // a layer left open still reaches the image
    // The SVG and PDF writers put out the restored pen at once, and may find
    // no memory for it; that must not leave a destructor.
    try {
        m_painter.restore();
    } catch (const std::bad_alloc&) {
    }
}

int CPainterSurface::DeviceWidthMM() const { return m_painter.device()->widthMM(); }
int CPainterSurface::DeviceHeightMM() const { return m_painter.device()->heightMM(); }
int CPainterSurface::DeviceWidthPixels() const { return m_painter.device()->width(); }
int CPainterSurface::DeviceHeightPixels() const { return m_painter.device()->height(); }

void CPainterSurface::SetMapping(int orgX, int orgY, int extX, int extY) {
    m_sx = extX / 2000.0;
    m_sy = -extY / 2000.0;
    m_x0 = orgX + 1000.0 * m_sx;
    m_y0 = orgY - 1000.0 * m_sy;
    m_linePenSet = false;
    m_fontValid = false;
}

void CPainterSurface::ResetMapping() {
    m_x0 = m_y0 = 0;
    m_sx = m_sy = 1;
    m_linePenSet = false;
    m_fontValid = false;
}

QPointF CPainterSurface::Map(int x, int y) const { return {m_x0 + x * m_sx, m_y0 + y * m_sy}; }

SurfacePen CPainterSurface::SelectPen(const SurfacePen& pen) {
    SurfacePen old = m_pen;
    m_pen = pen;
    m_linePenSet = false;
    return old;
}

SurfaceFont CPainterSurface::SelectFont(const SurfaceFont& font) {
    SurfaceFont old = m_font;
    m_font = font;
    m_fontValid = false;
    return old;
}

SurfaceColor CPainterSurface::SetTextColor(SurfaceColor color) {
    SurfaceColor old = m_textColor;
    m_textColor = color;
    return old;
}

SurfaceBkMode CPainterSurface::SetBkMode(SurfaceBkMode mode) {
    SurfaceBkMode old = m_bkMode;
    m_bkMode = mode;
    return old;
}

void CPainterSurface::UseLinePen() {
    if (m_linePenSet) return;
    // Like the classic wide pens: never thinner than one device pixel, round
    // ends and joins.
    double width = std::max(1.0, m_pen.width * std::abs(m_sx));
    m_painter.setPen(QPen(ToQColor(m_pen.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Hairlines stay crisp; wide lines are smoothed.
    m_painter.setRenderHint(QPainter::Antialiasing, width > 1.5);
    m_linePenSet = true;
}

void CPainterSurface::UseTextPen() {
    m_painter.setPen(ToQColor(m_textColor));
    m_linePenSet = false;
}

void CPainterSurface::MoveTo(int x, int y) {
    m_curX = x;
    m_curY = y;
}

void CPainterSurface::LineTo(int x, int y) {
    SurfaceLine line{m_curX, m_curY, x, y};
    PaintLines(&line, 1);
}

void CPainterSurface::DrawLines(const SurfaceLine* lines, int count) { PaintLines(lines, count); }

void CPainterSurface::PaintLines(const SurfaceLine* lines, int count) {
    if (count <= 0) return;
    QImage* direct = m_layer ? nullptr : DirectRasterTarget(m_painter);
    // Lines drawn straight into an image land on its pixels: device points
    // times the image's pixel ratio, as the painter would scale them.
    const double ratio = m_layer ? m_layerRatio : direct ? direct->devicePixelRatio() : 1.0;
    m_lineBuffer.clear();
    for (int i = 0; i < count; ++i) {
        const SurfaceLine& l = lines[i];
        // A zero-length segment draws nothing (Qt would paint a round dot).
        if (l.x1 == l.x2 && l.y1 == l.y2) continue;
        m_lineBuffer.emplace_back(Map(l.x1, l.y1) * ratio, Map(l.x2, l.y2) * ratio);
    }
    m_curX = lines[count - 1].x2;
    m_curY = lines[count - 1].y2;
    if (m_lineBuffer.empty()) return;
    // As UseLinePen sets the painter's pen; smoothing follows the width in
    // device points, as the painter's hint does.
    const double width = std::max(1.0, m_pen.width * std::abs(m_sx));
    const bool smooth = width > 1.5;
    const QRgb color = qRgb(m_pen.color.r, m_pen.color.g, m_pen.color.b);
    const int drawn = static_cast<int>(m_lineBuffer.size());
    if (m_layer) return m_layer->Draw(m_lineBuffer.data(), drawn, width * ratio, color, smooth);
    if (direct) return DrawCapsules(*direct, m_lineBuffer.data(), drawn, width * ratio, color, smooth);
    UseLinePen();
    m_painter.drawLines(m_lineBuffer.data(), drawn);
}

bool CPainterSurface::BeginUnderLayer(size_t lines) {
    if (m_layer) return false;
    QImage* image = DirectRasterTarget(m_painter);
    CUnderLayer& layer = CUnderLayer::ForThisThread();
    if (!image || layer.Active()) return false;  // another surface of this thread holds it
    // The layer pays off once lines pile up over the same pixels; measured
    // on a space picture, from about one line per twenty pixels at one pixel
    // a point. Lines grow with the pixels a point as the image does, so
    // they pile up as much at any ratio: counted per point.
    constexpr double kLinesPerPoint = 1.0 / 20;
    const QSizeF points = image->deviceIndependentSize();
    if (double(lines) < kLinesPerPoint * points.width() * points.height()) return false;
    try {
        layer.Begin(*image);
    } catch (const std::bad_alloc&) {
        // The layer only saves time: without room for it, lines are drawn
        // over one another, farthest first.
        layer.ReleaseMemory();
        return false;
    }
    m_layer = &layer;
    m_layerRatio = image->devicePixelRatio();
    return true;
}

void CPainterSurface::EndUnderLayer() {
    if (!m_layer) return;
    m_layer->Finish();
    m_layer = nullptr;
}

const QFont& CPainterSurface::CurrentFont() {
    if (m_fontValid) return m_qfont;
    m_qfont = QGuiApplication::font();
    if (m_font.height != 0) {
        m_qfont.setFamilies(FontFamilies());
        m_qfont.setWeight(static_cast<QFont::Weight>(std::clamp(m_font.weight, 1, 1000)));
        double cell = std::abs(m_font.height * m_sy);
        int pixels = static_cast<int>(std::lround(cell * EmPerCell(m_qfont)));
        m_qfont.setPixelSize(std::max(1, pixels));
    }
    m_fontValid = true;
    return m_qfont;
}

void CPainterSurface::FillTextCell(const QRectF& cell) {
    // Opaque text fills its cell with the background colour, white, over
    // whatever lies beneath.
    if (m_bkMode == SurfaceBkMode::Opaque) m_painter.fillRect(cell, Qt::white);
}

void CPainterSurface::TextOut(int x, int y, std::u16string_view text) {
    if (m_layer) m_layer->DrawPending();  // the lines before the text are in the image before it
    QString s = ToQString(text);
    m_painter.setFont(CurrentFont());
    QFontMetricsF fm(m_painter.font(), m_painter.device());
    QPointF topLeft = Map(x, y);
    FillTextCell(QRectF(topLeft, QSizeF(fm.horizontalAdvance(s), fm.height())));
    PaintText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), s);
}

void CPainterSurface::PaintText(const QPointF& baseline, const QString& text) {
    if (m_textAsPaths) {
        QPainterPath path;
        path.addText(baseline, m_painter.font(), text);
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.fillPath(path, ToQColor(m_textColor));
        m_linePenSet = false;  // the antialiasing hint belongs to the pen
        return;
    }
    UseTextPen();
    m_painter.drawText(baseline, text);
}

void CPainterSurface::DrawText(const SurfaceRect& rect, std::u16string_view text, unsigned format) {
    if (m_layer) m_layer->DrawPending();
    QString s = ToQString(text);
    m_painter.setFont(CurrentFont());
    QRectF box = QRectF(Map(rect.left, rect.top), Map(rect.right, rect.bottom)).normalized();
    int flags = Qt::TextDontClip;
    flags |= (format & TF_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (format & TF_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        flags |= (format & TF_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;  // lines break at line feeds only
    }
    QRectF cell = m_painter.boundingRect(box, flags, s);
    FillTextCell(cell);
    if (flags & Qt::TextSingleLine) {
        QFontMetricsF fm(m_painter.font(), m_painter.device());
        PaintText(QPointF(cell.left(), cell.top() + fm.ascent()), s);
        return;
    }
    UseTextPen();
    m_painter.drawText(box, flags, s);
}

PaintingEnd EndPainting(QPainter& painter) {
    if (!painter.isActive()) return PaintingEnd::Failed;
    try {
        return painter.end() ? PaintingEnd::Ended : PaintingEnd::Failed;
    } catch (const std::bad_alloc&) {
        // The engine stopped halfway through its end: marked inactive, it
        // is not ended a second time by the painter's destructor.
        if (QPaintEngine* engine = painter.paintEngine()) engine->setActive(false);
        return PaintingEnd::OutOfMemory;
    }
}
