#include <gtest/gtest.h>

#include <vector>

#include "TestDocuments.h"
#include "view/Picture.h"
#include "view/Picture3D.h"
#include "view/RecordingSurface.h"

using Op = CRecordingSurface::Op;

TEST(DrawPicture, WithoutADocumentNothingIsDrawn) {
    CRecordingSurface dc;
    CPicture3D picture3D;
    DrawPicture(dc, nullptr, picture3D);
    EXPECT_TRUE(dc.m_records.empty());
}

TEST(DrawPicture, MapsFirstAndResetsLast) {
    auto doc = CurvesDocument();
    CRecordingSurface dc({0, 0, 1000, 800});
    CPicture3D picture3D;
    DrawPicture(dc, doc.get(), picture3D);
    ASSERT_GE(dc.m_records.size(), 2u);
    const auto& first = dc.m_records.front();
    EXPECT_EQ(first.op, Op::Mapping);
    EXPECT_EQ((std::vector<int>{first.x1, first.y1, first.x2, first.y2}), (std::vector<int>{140, 40, 720, 720}));
    EXPECT_EQ(dc.m_records.back().op, Op::ResetMapping);
}

TEST(DrawPicture, WhatIsDrawnFollowsTheDimension) {
    struct Case {
        int dimension;
        bool grid;
    } cases[] = {{0, true}, {1, false}, {2, false}};
    for (const Case& c : cases) {
        auto doc = CurvesDocument();
        doc->m_nDimension = c.dimension;
        CRecordingSurface dc;
        CPicture3D picture3D;
        DrawPicture(dc, doc.get(), picture3D);
        EXPECT_EQ(!dc.Of(Op::DrawText).empty(), c.grid) << c.dimension;  // tick labels
        int titles = 0;
        for (const auto& t : dc.Of(Op::TextOut)) titles += t.text == u"Curvilinearscope";
        EXPECT_EQ(titles, 1) << c.dimension;
    }
}

TEST(DrawPicture, PrintedPageUsesThePhysicalSquareAndTheDarkerGrid) {
    auto doc = CurvesDocument();
    CRecordingSurface dc({0, 0, 2362, 3390}, 200, 287);
    CPicture3D picture3D;
    PictureTarget target;
    target.printing = true;
    target.rectPrint = {0, 0, 2362, 3390};
    DrawPicture(dc, doc.get(), picture3D, target);
    auto mapping = dc.Of(Op::Mapping);
    ASSERT_EQ(mapping.size(), 1u);
    EXPECT_NEAR(mapping[0].x2 * 200.0 / 2362, 180.0, 0.1);
    EXPECT_EQ(dc.Of(Op::Line)[1].pen.color, (SurfaceColor{144, 144, 144}));
}

// At home a view's window draws the document's own picture, call for call;
// any other window draws another.
TEST(DrawPicture, TheHomeWindowDrawsTheDocumentsOwnPicture) {
    auto draw = [](const CCurvilinearscopeDoc& doc, const PlaneBounds* window) {
        CRecordingSurface dc;
        CPicture3D picture3D;
        PictureTarget target;
        target.plane.window = window;
        DrawPicture(dc, &doc, picture3D, target);
        std::vector<std::vector<int>> calls;
        for (const auto& r : dc.m_records)
            calls.push_back({int(r.op), r.x1, r.y1, r.x2, r.y2, r.pen.width, int(r.text.size())});
        return calls;
    };
    for (int range : {5, 10, 20}) {
        auto doc = CurvesDocument();
        doc->m_nRange = range;
        const double r = range;
        const PlaneBounds home{-r, r, -r, r}, panned{-r + 1, r + 1, -r, r};
        EXPECT_EQ(draw(*doc, &home), draw(*doc, nullptr)) << range;
        EXPECT_NE(draw(*doc, &panned), draw(*doc, nullptr)) << range;
    }
}
