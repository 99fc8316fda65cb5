#pragma once
// The drawing surface the picture code paints on: the logical square from
// -1000 to 1000 (y upwards) mapped onto a device rectangle, solid pens and
// fonts sized in logical units, text colour and background mode, lines and
// text. The screen, the printer, image/SVG/PDF export and the recording
// surface of the tests all implement it, so one piece of drawing code serves
// them all.

#include <cstddef>
#include <cstdint>
#include <string_view>

struct SurfaceColor {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const SurfaceColor&, const SurfaceColor&) = default;
};

struct SurfacePen {
    int width = 1;  // logical units
    SurfaceColor color;
    friend bool operator==(const SurfacePen&, const SurfacePen&) = default;
};

struct SurfaceFont {
    int height = 0;    // logical units; 0 = the surface's default font
    int weight = 400;  // 400 normal, 700 bold
    friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

struct SurfaceRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // logical units
};

// One segment in logical units, for drawing many with one pen in one call.
struct SurfaceLine {
    int x1, y1, x2, y2;
};

// Text formats, with the values of the classic text-drawing flags.
enum SurfaceTextFormat : unsigned {
    TF_LEFT = 0x00,
    TF_CENTER = 0x01,
    TF_VCENTER = 0x04,
    TF_SINGLELINE = 0x20,
};

enum class SurfaceBkMode { Transparent = 1, Opaque = 2 };

class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    // Device geometry: the reference rectangle (client area or printable
    // area) and the physical size, for the printed square.
    virtual SurfaceRect DeviceRect() const = 0;
    virtual int DeviceWidthMM() const = 0;
    virtual int DeviceHeightMM() const = 0;
    virtual int DeviceWidthPixels() const = 0;
    virtual int DeviceHeightPixels() const = 0;

    // Maps logical (-1000, 1000) .. (1000, -1000) onto the device rectangle
    // with top-left (orgX, orgY) and size (extX, extY). Text stays upright.
    virtual void SetMapping(int orgX, int orgY, int extX, int extY) = 0;
    virtual void ResetMapping() = 0;

    // Each Select returns what was selected before, to be selected back.
    virtual SurfacePen SelectPen(const SurfacePen& pen) = 0;
    virtual SurfaceFont SelectFont(const SurfaceFont& font) = 0;
    // Whether the font can be made on this surface; a font that cannot is not
    // selected, and the text keeps the current font.
    virtual bool CanCreateFont(const SurfaceFont&) const { return true; }
    virtual SurfaceColor SetTextColor(SurfaceColor color) = 0;
    virtual SurfaceBkMode SetBkMode(SurfaceBkMode mode) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Many segments with the current pen; the default draws them one by one.
    virtual void DrawLines(const SurfaceLine* lines, int count) {
        for (int i = 0; i < count; ++i) {
            MoveTo(lines[i].x1, lines[i].y1);
            LineTo(lines[i].x2, lines[i].y2);
        }
    }
    // Lines beneath lines: when BeginUnderLayer returns true, every line
    // drawn until EndUnderLayer goes under all lines drawn before it in the
    // under-layer, so a picture that must be drawn farthest first may draw nearest
    // first instead. `lines` says about how many will come: a surface may
    // decline when drawing over is as quick. Surfaces that decline or cannot
    // return false and draw as usual.
    virtual bool BeginUnderLayer(size_t lines) {
        (void)lines;
        return false;
    }
    virtual void EndUnderLayer() {}
    // (x, y) is the text's top-left corner.
    virtual void TextOut(int x, int y, std::u16string_view text) = 0;
    virtual void DrawText(const SurfaceRect& rect, std::u16string_view text, unsigned format) = 0;
};
