#pragma once
// A drawing surface that draws nothing and remembers every call in logical
// units, so the picture code can be checked without pixels.

#include <string>
#include <vector>

#include "view/DrawSurface.h"

class CRecordingSurface : public CDrawSurface {
public:
    enum class Op { Mapping, ResetMapping, Pen, Font, TextColor, BkMode, Line, TextOut, DrawText };

    struct Record {
        Op op;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, text point, rect or mapping
        SurfacePen pen;                      // current pen (Line) or the one selected (Pen)
        SurfaceFont font;                    // current font (texts) or the one selected
        SurfaceColor textColor;              // current text colour (texts) or the one set
        SurfaceBkMode bkMode = SurfaceBkMode::Opaque;
        unsigned format = 0;  // DrawText
        std::u16string text;
    };

    // Device geometry to report: a client area, or a page with its size in mm.
    explicit CRecordingSurface(SurfaceRect device = {0, 0, 1000, 1000}, int widthMM = 0, int heightMM = 0);

    SurfaceRect DeviceRect() const override { return m_device; }
    int DeviceWidthMM() const override { return m_widthMM; }
    int DeviceHeightMM() const override { return m_heightMM; }
    int DeviceWidthPixels() const override { return m_device.right - m_device.left; }
    int DeviceHeightPixels() const override { return m_device.bottom - m_device.top; }

    void SetMapping(int orgX, int orgY, int extX, int extY) override;
    void ResetMapping() override;
    SurfacePen SelectPen(const SurfacePen& pen) override;
    SurfaceFont SelectFont(const SurfaceFont& font) override;
    bool CanCreateFont(const SurfaceFont& font) const override;
    SurfaceColor SetTextColor(SurfaceColor color) override;
    SurfaceBkMode SetBkMode(SurfaceBkMode mode) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, std::u16string_view text) override;
    void DrawText(const SurfaceRect& rect, std::u16string_view text, unsigned format) override;

    // Records of one kind, in drawing order.
    std::vector<Record> Of(Op op) const;

    std::vector<Record> m_records;
    SurfacePen m_pen;
    SurfaceFont m_font;
    SurfaceColor m_textColor;
    SurfaceBkMode m_bkMode = SurfaceBkMode::Opaque;
    int m_curX = 0, m_curY = 0;
    // Fonts of these heights cannot be created, to try the fallbacks.
    std::vector<int> m_refusedFontHeights;

private:
    Record Current(Op op) const;

    SurfaceRect m_device;
    int m_widthMM, m_heightMM;
};
