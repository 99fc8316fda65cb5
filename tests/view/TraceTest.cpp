// Trace on the offscreen platform: the marker walks a piece of a curve and
// on to the next piece's start, switches graphs, shows its status text and
// follows the keys and clicks of the view.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>

#include "document/CurvilinearscopeDoc.h"
#include "view/CurvilinearscopeView.h"
#include "view/PlaneNavigator.h"
#include "view/PointsPanel.h"
#include "view/TraceMarker.h"

namespace {

struct TraceFixture : ::testing::Test {
    CCurvilinearscopeDoc doc;
    CCurvilinearscopeView view;

    void SetUp() override {
        doc.OnNewDocument();
        view.resize(1000, 800);
        view.SetDocument(&doc);
    }
    void Explicit(int slot, const char16_t* formula) {
        doc.m_graphs[slot].m_bShow = 1;
        doc.m_graphs[slot].m_strFormula = formula;
    }
    CPlaneNavigator& Navigator() { return view.Navigator(); }
    const CTraceMarker& Marker() { return Navigator().Trace(); }
    QString Status() { return Marker().StatusText(); }
};

bool BeginsPiece(const SamplePoint& p) { return p.fromX == p.x && p.fromY == p.y; }

}  // namespace

// Right from below TAN(x)'s pole, a sample or a pixel column at a time: the
// marker reaches its piece's last record, then the next piece's first.
TEST_F(TraceFixture, TraceStaysInItsPieceAcrossAPole) {
    Explicit(0, u"TAN(x)");
    doc.Sample2D();
    for (const bool columns : {false, true}) {
        CTraceMarker marker;
        const TraceCurves curves = Navigator().CurvesForTrace();
        ASSERT_TRUE(marker.Lock(curves, 1.2, std::tan(1.2), CTraceMarker::kAnyDistance));
        double before = marker.X();
        for (int i = 0; i < 1000 && marker.X() < M_PI / 2; ++i) {
            before = marker.X();
            marker.Step(curves, +1, columns);
        }
        const auto& p = curves.points[0];
        size_t k = 0;
        while (k < p.size() && p[k].x != marker.X()) ++k;
        ASSERT_LT(k, p.size()) << columns;
        EXPECT_TRUE(BeginsPiece(p[k])) << columns;
        EXPECT_EQ(p[k - 1].x, before) << columns;  // the piece's end came first
        EXPECT_LT(marker.Y(), 0) << columns;
        marker.Step(curves, -1, columns);  // and back to the piece's end
        EXPECT_EQ(marker.X(), before) << columns;
    }
}

// Keys through the view: T locks, Up and Down switch graphs (an explicit one
// at the same x, with "—" where it has no value), Escape leaves, and the
// arrows then turn nothing on a plane.
TEST_F(TraceFixture, KeysLockSwitchAndLeave) {
    Explicit(0, u"SIN(x)");
    Explicit(1, u"SQRT(x-2)");
    Explicit(2, u"x/2");
    doc.Sample2D();
    Navigator().Show({0.5, 1.5, -1, 1});  // T takes the graph nearest (1, 0)
    QSignalSpy status(&view, &CCurvilinearscopeView::statusMessage);
    struct Step {
        Qt::Key key;
        int slot;          // -1: trace left
        const char* text;  // the status text's tail, x and y
    } steps[] = {
        {Qt::Key_T, 2, ""},  {Qt::Key_Down, 1, "y = —"}, {Qt::Key_Down, 0, ""}, {Qt::Key_Up, 1, "y = —"},
        {Qt::Key_Up, 2, ""}, {Qt::Key_Escape, -1, ""},   {Qt::Key_Up, -1, ""},
    };
    double x = 0;
    for (const Step& s : steps) {
        QTest::keyClick(&view, s.key);
        EXPECT_EQ(Marker().Active() ? Marker().Slot() : -1, s.slot) << s.key;
        if (s.slot < 0) continue;
        if (s.key != Qt::Key_T) {
            EXPECT_EQ(Marker().X(), x) << s.key;
        }
        x = Marker().X();
        EXPECT_TRUE(status.last().at(0).toString().endsWith(s.text)) << status.last().at(0).toString().toStdString();
    }
    EXPECT_TRUE(status.last().at(0).toString().isEmpty());
    EXPECT_EQ(doc.m_dAngle, 0.0);
}

// The status text: slot, x and y to 6 significant digits, y from the
// document exactly at x; a click within 8 pixels locks, one farther leaves.
TEST_F(TraceFixture, StatusTextAndClicks) {
    Explicit(0, u"SIN(x)");
    doc.Sample2D();
    CTraceMarker marker;
    TraceCurves curves = Navigator().CurvesForTrace();
    ASSERT_TRUE(marker.Lock(curves, 1.0, std::sin(1.0)));
    EXPECT_EQ(marker.StatusText(), QString::fromUtf16(u"グラフ 1  x = 1  y = 0.841471"));
    CGraphDef& circle = doc.m_graphs[1];  // and t first on a parametric curve
    circle.m_bShow = 1, circle.m_nKind = GK_PARAMETRIC, circle.m_strX = u"3*cos(t)", circle.m_strY = u"3*sin(t)";
    doc.Sample2D();
    curves = Navigator().CurvesForTrace();
    ASSERT_TRUE(marker.Lock(curves, 3 * std::cos(0.5), 3 * std::sin(0.5)));
    EXPECT_EQ(marker.StatusText(), QString::fromUtf16(u"グラフ 2  t = 0.5  x = 2.63275  y = 1.43828"));
    // Home: 720 pixels for 20 units; the curve passes (500, 400).
    struct Click {
        QPoint at;
        bool locked;
    } clicks[] = {{{500, 407}, true}, {{500, 420}, false}, {{536, 400 - 30}, true}, {{536, 330}, false}};
    for (const Click& c : clicks) {
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_EQ(Marker().Active(), c.locked) << c.at.x() << "," << c.at.y();
    }
}

// View > Points of interest searches once a window: paints and a panel that
// reads them do not search again, a zoom or changed graphs do; the panel
// copies the list as --points prints it.
TEST_F(TraceFixture, PointsAreSearchedOnceAWindow) {
    Explicit(0, u"x^3-3*x");
    doc.m_nRange = 5;
    doc.Sample2D();
    view.OnUpdate();
    EXPECT_EQ(Navigator().VisiblePoints(), nullptr);  // off
    QSignalSpy changed(&Navigator(), &CPlaneNavigator::pointsChanged);
    Navigator().SetPointsShown(true);
    struct Step {
        std::function<void()> act;
        int searches;
    } steps[] = {
        {[&] { view.grab(); }, 1},
        {[&] { view.grab(); }, 1},
        {[&] { Navigator().ZoomIn(); }, 2},
        {[&] { view.OnUpdate(); }, 3},
    };
    for (const Step& s : steps) {
        s.act();
        ASSERT_NE(Navigator().VisiblePoints(), nullptr);
        EXPECT_EQ(Navigator().WindowPoints().Searches(), s.searches);
    }
    EXPECT_EQ(changed.count(), 4);  // turned on, then each search
    Navigator().GoHome();
    CPointsPanel panel;
    panel.ShowPoints(*Navigator().VisiblePoints());
    const QStringList lines = panel.CopyText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);  // three roots, a minimum, a maximum, the y-axis crossing
    EXPECT_TRUE(lines[0].startsWith("root\t1\t-1.732050807568877")) << lines[0].toStdString();
    EXPECT_TRUE(lines[3].startsWith("minimum\t1\t1")) << lines[3].toStdString();
}
