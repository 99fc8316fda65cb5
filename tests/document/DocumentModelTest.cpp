#include <gtest/gtest.h>

#include <cmath>

#include "document/CurvilinearscopeDoc.h"

namespace {

void ExpectDefaultDefinition(const CGraphDef& g) {
    EXPECT_EQ(g.m_nKind, 0);
    EXPECT_EQ(g.m_nLeftSide, 0);
    EXPECT_EQ(g.m_strFormula, u"x*x");
    EXPECT_EQ(g.m_strX, u"5*cos(t)");
    EXPECT_EQ(g.m_strY, u"5*sin(t)");
    EXPECT_EQ(g.m_strZ, u"");
    EXPECT_EQ(g.m_bShow, 0);
    EXPECT_EQ(g.m_dTStart, 0.0);
    EXPECT_EQ(g.m_dTEnd, 6.361725123519331);
    EXPECT_EQ(g.m_dTStep, 0.1);
    EXPECT_EQ(g.m_dVStart, 0.0);
    EXPECT_EQ(g.m_dVEnd, 3.141592653589793);
    EXPECT_EQ(g.m_dVStep, 0.2);
    EXPECT_EQ(g.m_dStep, 0.2);
}

TEST(DocumentModel, ConstructionIsAlreadyAValidEmptyPlanePicture) {
    CCurvilinearscopeDoc doc;
    EXPECT_EQ(doc.m_nDimension, 0);
    EXPECT_EQ(doc.m_nRange, 10);
    EXPECT_EQ(doc.m_dAngle, 0.0);
    for (const CGraphDef& g : doc.m_graphs) {
        ExpectDefaultDefinition(g);
        EXPECT_FALSE(g.m_pPoints);
        EXPECT_EQ(g.m_nPoints, 0);
    }
}

TEST(DocumentModel, NewDocumentResetsPicturePointsButNotDefinitions) {
    CCurvilinearscopeDoc doc;
    doc.m_nDimension = 1;
    doc.m_nRange = 20;
    doc.m_graphs[1].m_strFormula = u"x";
    doc.m_graphs[1].m_nPoints = 4;
    doc.m_graphs[1].m_pPoints = PointArray::Allocate(4);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_nDimension, 0);
    EXPECT_EQ(doc.m_nRange, 10);
    EXPECT_EQ(doc.m_graphs[1].m_strFormula, u"x");
    EXPECT_FALSE(doc.m_graphs[1].m_pPoints);
    EXPECT_EQ(doc.m_graphs[1].m_nPoints, 0);
}

TEST(DocumentModel, CloseFreesEveryArrayShownOrHidden) {
    CCurvilinearscopeDoc doc;
    for (int i = 0; i < 3; ++i) {
        doc.m_graphs[i].m_bShow = i % 2;
        doc.m_graphs[i].m_nPoints = 2;
        doc.m_graphs[i].m_pPoints = PointArray::Allocate(2);
    }
    doc.OnCloseDocument();
    for (const CGraphDef& g : doc.m_graphs) {
        EXPECT_FALSE(g.m_pPoints);
        EXPECT_EQ(g.m_nPoints, 0);
    }
}

CGraphDef EditedDefinition() {
    CGraphDef g;
    g.m_nKind = 1;
    g.m_nLeftSide = 1;
    g.m_strFormula = u"f";
    g.m_strX = u"a";
    g.m_strY = u"b";
    g.m_strZ = u"c";
    g.m_bShow = 1;
    g.m_dTStart = 1, g.m_dTEnd = 2, g.m_dTStep = 3, g.m_dVStart = 4, g.m_dVEnd = 5, g.m_dVStep = 6, g.m_dStep = 7;
    g.m_nPoints = 3;
    g.m_pPoints = PointArray::Allocate(3);
    return g;
}

TEST(GraphDef, CopyingCarriesTheDefinitionOnly) {
    CGraphDef source = EditedDefinition();
    CGraphDef copy(source);
    EXPECT_FALSE(copy.m_pPoints);
    EXPECT_EQ(copy.m_nPoints, 0);
    EXPECT_EQ(copy.m_strZ, u"c");
    EXPECT_EQ(copy.m_dStep, 7);
    EXPECT_EQ(copy.m_dTStart, 1);
    EXPECT_EQ(copy.m_nLeftSide, 1);
}

TEST(GraphDef, AssignmentKeepsTheTargetsOwnPoints) {
    CGraphDef target;
    target.m_nPoints = 2;
    target.m_pPoints = PointArray::Allocate(2);
    SamplePoint* kept = target.m_pPoints.get();
    target = EditedDefinition();
    EXPECT_EQ(target.m_pPoints.get(), kept);
    EXPECT_EQ(target.m_nPoints, 2);
    EXPECT_EQ(target.m_strX, u"a");
    EXPECT_EQ(target.m_dVStep, 6);
    target = target;  // self-assignment changes nothing
    EXPECT_EQ(target.m_strX, u"a");
}

TEST(GraphDef, DrawableCountNeverExceedsWhatTheArrayHolds) {
    struct Case {
        int32_t show;
        bool array;
        int32_t count;
        int32_t drawable;
    };
    const Case cases[] = {{1, true, 3, 3}, {0, true, 3, 0}, {1, false, 3, 0}, {1, true, -2, 0}, {2, true, 1, 1}};
    for (const Case& c : cases) {
        CGraphDef g;
        g.m_bShow = c.show;
        g.m_nPoints = c.count;
        if (c.array) g.m_pPoints = PointArray::Allocate(3);
        EXPECT_EQ(g.DrawableCount(), c.drawable);
    }
}

}  // namespace
