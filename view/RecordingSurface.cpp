#include "view/RecordingSurface.h"

#include <algorithm>

CRecordingSurface::CRecordingSurface(SurfaceRect device, int widthMM, int heightMM)
    : m_device(device), m_widthMM(widthMM), m_heightMM(heightMM) {}

CRecordingSurface::Record CRecordingSurface::Current(Op op) const {
    Record r;
    r.op = op;
    r.pen = m_pen;
    r.font = m_font;
    r.textColor = m_textColor;
    r.bkMode = m_bkMode;
    return r;
}

void CRecordingSurface::SetMapping(int orgX, int orgY, int extX, int extY) {
    Record r = Current(Op::Mapping);
    r.x1 = orgX;
    r.y1 = orgY;
    r.x2 = extX;
    r.y2 = extY;
    m_records.push_back(r);
}

void CRecordingSurface::ResetMapping() { m_records.push_back(Current(Op::ResetMapping)); }

SurfacePen CRecordingSurface::SelectPen(const SurfacePen& pen) {
    SurfacePen old = m_pen;
    m_pen = pen;
    m_records.push_back(Current(Op::Pen));
    return old;
}

SurfaceFont CRecordingSurface::SelectFont(const SurfaceFont& font) {
    SurfaceFont old = m_font;
    m_font = font;
    m_records.push_back(Current(Op::Font));
    return old;
}

bool CRecordingSurface::CanCreateFont(const SurfaceFont& font) const {
    return std::find(m_refusedFontHeights.begin(), m_refusedFontHeights.end(), font.height) ==
           m_refusedFontHeights.end();
}

SurfaceColor CRecordingSurface::SetTextColor(SurfaceColor color) {
    SurfaceColor old = m_textColor;
    m_textColor = color;
    m_records.push_back(Current(Op::TextColor));
    return old;
}

SurfaceBkMode CRecordingSurface::SetBkMode(SurfaceBkMode mode) {
    SurfaceBkMode old = m_bkMode;
    m_bkMode = mode;
    m_records.push_back(Current(Op::BkMode));
    return old;
}

void CRecordingSurface::MoveTo(int x, int y) {
    m_curX = x;
    m_curY = y;
}

void CRecordingSurface::LineTo(int x, int y) {
    Record r = Current(Op::Line);
    r.x1 = m_curX;
    r.y1 = m_curY;
    r.x2 = x;
    r.y2 = y;
    m_records.push_back(r);
    m_curX = x;
    m_curY = y;
}

void CRecordingSurface::TextOut(int x, int y, std::u16string_view text) {
    Record r = Current(Op::TextOut);
    r.x1 = x;
    r.y1 = y;
    r.text = text;
    m_records.push_back(r);
}

void CRecordingSurface::DrawText(const SurfaceRect& rect, std::u16string_view text, unsigned format) {
    Record r = Current(Op::DrawText);
    r.x1 = rect.left;
    r.y1 = rect.top;
    r.x2 = rect.right;
    r.y2 = rect.bottom;
    r.format = format;
    r.text = text;
    m_records.push_back(r);
}

std::vector<CRecordingSurface::Record> CRecordingSurface::Of(Op op) const {
    std::vector<Record> out;
    for (const Record& r : m_records)
        if (r.op == op) out.push_back(r);
    return out;
}
