#include "view/PictureTitle.h"

#include <string>

#include "document/CurvilinearscopeDoc.h"
#include "document/ImplicitEquation.h"
#include "view/DrawSurface.h"
#include "view/PictureGeometry.h"

namespace {

constexpr SurfaceFont kTitleFont{80, 700};
constexpr SurfaceFont kLegendFont{60, 700};
constexpr int kLeft = -989;

// A font for one step when the surface can make it; the text keeps the
// current font otherwise.
void SelectIfPossible(CDrawSurface& dc, const SurfaceFont& font, bool& anySelected, SurfaceFont& original) {
    if (!dc.CanCreateFont(font)) return;
    SurfaceFont old = dc.SelectFont(font);
    if (!anySelected) original = old;
    anySelected = true;
}

class LegendWriter {
public:
    explicit LegendWriter(CDrawSurface& dc) : m_dc(dc) {}
    void Line(const char16_t* prefix, const std::u16string& formula) {
        m_dc.TextOut(kLeft, LogicalUnits(m_y), prefix + formula);
        m_y -= 0.6;
    }

private:
    CDrawSurface& m_dc;
    double m_y = 8.9;
};

void DrawLegendOf(LegendWriter& out, const CGraphDef& graph, bool space) {
    if (graph.m_nKind == GK_IMPLICIT) {
        // The equation as typed; a bare F is the equation F = 0.
        const bool equation = SplitImplicitEquation(graph.m_strFormula).equals > 0;
        out.Line(u" ", equation ? graph.m_strFormula : graph.m_strFormula + u" = 0");
        return;
    }
    if (graph.m_nKind == GK_POLAR) {
        if (!space) out.Line(u" r = ", graph.m_strFormula);
        return;
    }
    // Only a damaged file holds another kind: it has no formula to show.
    if (graph.m_nKind != GK_EXPLICIT && graph.m_nKind != GK_PARAMETRIC) return;
    if (graph.m_nKind == GK_PARAMETRIC) {
        out.Line(u" x = ", graph.m_strX);
        out.Line(u" y = ", graph.m_strY);
        if (space) out.Line(u" z = ", graph.m_strZ);
    } else if (space) {
        out.Line(graph.m_nLeftSide == LS_PLAIN ? u" z = " : u" z*z = ", graph.m_strFormula);
    } else {
        out.Line(graph.m_nLeftSide == LS_PLAIN ? u" y = " : u" y*y =", graph.m_strFormula);
    }
}

}  // namespace

void DrawTitle(CDrawSurface& dc, const CCurvilinearscopeDoc& doc) {
    bool fontSelected = false;
    SurfaceFont oldFont;
    SelectIfPossible(dc, kTitleFont, fontSelected, oldFont);
    SurfaceColor oldColor = dc.SetTextColor({0, 0, 0});
    dc.TextOut(kLeft, 990, u"Curvilinearscope");

    SelectIfPossible(dc, kLegendFont, fontSelected, oldFont);
    LegendWriter out(dc);
    for (int slot = 1; slot <= 3; ++slot) {
        const CGraphDef& graph = doc.m_graphs[slot - 1];
        if (!graph.m_bShow) continue;
        dc.SetTextColor(GraphColor(slot));
        DrawLegendOf(out, graph, doc.m_nDimension == DIM_SPACE);
    }

    dc.SetTextColor(oldColor);
    if (fontSelected) dc.SelectFont(oldFont);
}
