#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDocuments.h"
#include "view/PictureTitle.h"
#include "view/RecordingSurface.h"

using Op = CRecordingSurface::Op;

namespace {

struct Line {
    int y;
    std::u16string text;
    SurfaceColor color;
    friend bool operator==(const Line&, const Line&) = default;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.y << " '" << std::string(l.text.begin(), l.text.end()) << "' (" << l.color.r << "," << l.color.g << ","
        << l.color.b << ")";
}

// The legend lines (the title aside) as drawn.
std::vector<Line> Legend(const CCurvilinearscopeDoc& doc) {
    CRecordingSurface dc;
    DrawTitle(dc, doc);
    std::vector<Line> lines;
    auto texts = dc.Of(Op::TextOut);
    for (size_t i = 1; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].x1, -989);
        EXPECT_EQ(texts[i].font, (SurfaceFont{60, 700}));
        lines.push_back({texts[i].y1, texts[i].text, texts[i].textColor});
    }
    return lines;
}

void Define(CGraphDef& g, int kind, int leftSide) {
    g.m_bShow = 1;
    g.m_nKind = kind;
    g.m_nLeftSide = leftSide;
    g.m_strFormula = u"sin(x)";
    g.m_strX = u"cos(t)";
    g.m_strY = u"t";
    g.m_strZ = u"u+v";
}

constexpr SurfaceColor kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

}  // namespace

TEST(DrawTitle, TitleIsBlackBoldAtTheTopLeftOnAnOpaqueCell) {
    CCurvilinearscopeDoc doc;
    CRecordingSurface dc;
    DrawTitle(dc, doc);
    auto texts = dc.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 1u);  // no shown slot: the title alone
    EXPECT_EQ(texts[0].text, u"Curvilinearscope");
    EXPECT_EQ(texts[0].x1, -989);
    EXPECT_EQ(texts[0].y1, 990);
    EXPECT_EQ(texts[0].font, (SurfaceFont{80, 700}));
    EXPECT_EQ(texts[0].textColor, (SurfaceColor{0, 0, 0}));
    EXPECT_EQ(texts[0].bkMode, SurfaceBkMode::Opaque);
}

TEST(DrawTitle, LegendLinesPerKindAndDimension) {
    struct Case {
        const char* name;
        int dimension, kind, leftSide;
        std::vector<std::u16string> texts;
        std::u16string formula = u"sin(x)";
    } cases[] = {
        {"2D y", 0, 0, 0, {u" y = sin(x)"}},
        {"2D y*y", 0, 0, 1, {u" y*y =sin(x)"}},
        {"2D parametric", 0, 1, 0, {u" x = cos(t)", u" y = t"}},
        {"3D z", 1, 0, 0, {u" z = sin(x)"}},
        {"3D z*z", 1, 0, 1, {u" z*z = sin(x)"}},
        {"3D parametric", 1, 1, 0, {u" x = cos(t)", u" y = t", u" z = u+v"}},
        {"2D implicit", 0, 2, 0, {u" x*x+y*y = 25"}, u"x*x+y*y = 25"},
        {"2D implicit, bare F", 0, 2, 0, {u" sin(x) = 0"}},
        {"3D implicit", 1, 2, 0, {u" x*x+y*y+z*z = 64"}, u"x*x+y*y+z*z = 64"},
        {"2D polar", 0, 3, 0, {u" r = sin(x)"}},
        {"3D polar: none in space", 1, 3, 0, {}},
        {"2D unknown kind (a damaged file)", 0, 4, 0, {}},
        {"3D unknown kind (a damaged file)", 1, -1, 0, {}},
    };
    for (const Case& c : cases) {
        CCurvilinearscopeDoc doc;
        doc.m_nDimension = c.dimension;
        Define(doc.m_graphs[1], c.kind, c.leftSide);
        doc.m_graphs[1].m_strFormula = c.formula;
        std::vector<Line> expected;
        int y = 890;
        for (const auto& t : c.texts) {
            expected.push_back({y, t, kGreen});
            y -= 60;
        }
        EXPECT_EQ(Legend(doc), expected) << c.name;
    }
}

TEST(DrawTitle, ThreeParametricSpaceGraphsFillNineLinesInSlotColours) {
    CCurvilinearscopeDoc doc;
    doc.m_nDimension = 1;
    for (CGraphDef& g : doc.m_graphs) Define(g, 1, 0);
    std::vector<Line> lines = Legend(doc);
    ASSERT_EQ(lines.size(), 9u);
    const int ys[] = {890, 830, 770, 710, 650, 590, 530, 470, 410};
    const SurfaceColor colors[] = {kRed, kRed, kRed, kGreen, kGreen, kGreen, kBlue, kBlue, kBlue};
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i].y, ys[i]) << i;
        EXPECT_EQ(lines[i].color, colors[i]) << i;
    }
}

TEST(DrawTitle, HiddenSlotsAreSkippedAndEmptyFormulasKeepTheirLine) {
    CCurvilinearscopeDoc doc;
    Define(doc.m_graphs[0], 0, 0);
    doc.m_graphs[0].m_bShow = 0;
    Define(doc.m_graphs[2], 0, 0);
    doc.m_graphs[2].m_strFormula.clear();
    EXPECT_EQ(Legend(doc), (std::vector<Line>{{890, u" y = ", kBlue}}));
}

TEST(DrawTitle, RestoresFontAndColourAndCopesWithFontsThatCannotBeMade) {
    CCurvilinearscopeDoc doc;
    Define(doc.m_graphs[0], 0, 0);
    CRecordingSurface dc;
    dc.m_font = {20, 400};
    dc.m_textColor = {1, 2, 3};
    dc.m_refusedFontHeights = {80};
    DrawTitle(dc, doc);
    auto texts = dc.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].font, (SurfaceFont{20, 400}));  // the title keeps the current font
    EXPECT_EQ(texts[1].font, (SurfaceFont{60, 700}));
    EXPECT_EQ(dc.m_font, (SurfaceFont{20, 400}));
    EXPECT_EQ(dc.m_textColor, (SurfaceColor{1, 2, 3}));
}
