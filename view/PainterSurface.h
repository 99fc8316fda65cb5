#pragma once
// The drawing surface over a QPainter: the screen, the printer, QImage,
// QSvgGenerator and PDF. The surface maps logical points onto the device
// itself (rather than through a mirrored transform) so text stays upright;
// pen widths and font heights follow the picture's scale.

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <vector>

#include "view/DrawSurface.h"

class CUnderLayer;

class CPainterSurface : public CDrawSurface {
public:
    // deviceRect: the client area or printable rectangle in the painter's
    // device units. The physical size comes from the painter's device.
    CPainterSurface(QPainter& painter, const QRect& deviceRect);
    ~CPainterSurface() override;

    SurfaceRect DeviceRect() const override { return m_device; }
    int DeviceWidthMM() const override;
    int DeviceHeightMM() const override;
    int DeviceWidthPixels() const override;
    int DeviceHeightPixels() const override;

    void SetMapping(int orgX, int orgY, int extX, int extY) override;
    void ResetMapping() override;
    SurfacePen SelectPen(const SurfacePen& pen) override;
    SurfaceFont SelectFont(const SurfaceFont& font) override;
    SurfaceColor SetTextColor(SurfaceColor color) override;
    SurfaceBkMode SetBkMode(SurfaceBkMode mode) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawLines(const SurfaceLine* lines, int count) override;
    bool BeginUnderLayer(size_t lines) override;
    void EndUnderLayer() override;
    void TextOut(int x, int y, std::u16string_view text) override;
    void DrawText(const SurfaceRect& rect, std::u16string_view text, unsigned format) override;

    // Draws text as filled outlines instead of text runs: for SVG files,
    // whose viewers would otherwise pick fonts of their own.
    void SetTextAsPaths(bool paths) { m_textAsPaths = paths; }

    // The device point of a logical one under the current mapping.
    QPointF Map(int x, int y) const;

    // The family list fonts are made with: the system's face first, then
    // faces that carry Japanese and Chinese glyphs.
    static QStringList FontFamilies();

private:
    void UseLinePen();
    void UseTextPen();
    const QFont& CurrentFont();
    void FillTextCell(const QRectF& cell);
    // Not virtual: LineTo must not reach an override of DrawLines that
    // draws through LineTo.
    void PaintLines(const SurfaceLine* lines, int count);
    void PaintText(const QPointF& baseline, const QString& text);

    QPainter& m_painter;
    SurfaceRect m_device;
    // Logical → device: x' = m_x0 + x × m_sx, y' = m_y0 - y × m_sy.
    double m_x0 = 0, m_y0 = 0, m_sx = 1, m_sy = 1;
    SurfacePen m_pen;
    SurfaceFont m_font;
    SurfaceColor m_textColor;
    SurfaceBkMode m_bkMode = SurfaceBkMode::Opaque;
    int m_curX = 0, m_curY = 0;
    bool m_linePenSet = false;
    bool m_fontValid = false;
    bool m_textAsPaths = false;
    QFont m_qfont;
    std::vector<QLineF> m_lineBuffer;      // reused between calls
    CUnderLayer* m_pUnderLayer = nullptr;  // between BeginUnderLayer and EndUnderLayer
    double m_dUnderLayerRatio = 1;         // the under-layer's image pixels per device point
};

// Ends the painter as QPainter::end does. The SVG and PDF writers put their
// text together there and may run out of memory; from the painter's
// destructor that would end the program. Here the painting is then given up
// (the destructor does not try again) and OutOfMemory returned. Failed:
// the device could not be finished (a printer that went away).
enum class PaintingEnd { Ended, Failed, OutOfMemory };
PaintingEnd EndPainting(QPainter& painter);
