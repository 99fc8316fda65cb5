// The view's interaction on the offscreen platform: the coordinate read-out,
// the arrow keys and commands, the "Arrow" menu and dragging in space.

#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>

#include "document/CurvilinearscopeDoc.h"
#include "view/ArrowCommands.h"
#include "view/CurvilinearscopeView.h"
#include "view/PlaneNavigator.h"
#include "view/PointerReadout.h"
#include "view/SpaceWindow.h"
#include "view/ThinnedFrames.h"

namespace {

struct ViewFixture : ::testing::Test {
    CCurvilinearscopeDoc doc;
    CCurvilinearscopeView view;

    void SetUp() override {
        doc.OnNewDocument();
        view.resize(1000, 800);
        view.SetDocument(&doc);
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    QString ReadoutAt(QPoint at) {
        QSignalSpy spy(&view, &CCurvilinearscopeView::statusMessage);
        Mouse(QEvent::MouseMove, at);
        return spy.isEmpty() ? QString() : spy.last().at(0).toString();
    }

    void Press(Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) QTest::keyClick(&view, key);
    }

    std::unique_ptr<QMenu> ShownArrowMenu() {
        std::unique_ptr<QMenu> menu(view.CreateArrowMenu(nullptr));
        emit menu->aboutToShow();
        return menu;
    }
};

}  // namespace

TEST(PointerReadout, WorldPointOfClientPixel) {
    const struct {
        int w, h, px, py, range;
        const char* text;
    } cases[] = {
        {1000, 800, 500, 400, 10, "X = 0.0, Y = 0.0"},     {1000, 800, 860, 40, 10, "X = 10.0, Y = 10.0"},
        {1000, 800, 140, 760, 10, "X = -10.0, Y = -10.0"}, {1000, 800, 860, 400, 20, "X = 20.0, Y = 0.0"},
        {800, 1000, 400, 860, 5, "X = 0.0, Y = -5.0"},     {10, 10, 0, 0, 10, "X = -11.1, Y = 11.1"},
    };
    for (const auto& c : cases) {
        const auto p = PointerToWorld(c.w, c.h, c.px, c.py, c.range);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(PointerReadoutText(*p), QString::fromUtf8(c.text)) << c.w << "x" << c.h << " " << c.px << "," << c.py;
    }
    EXPECT_FALSE(PointerToWorld(1, 800, 0, 0, 10).has_value()) << "a square of no size reads nothing";
    EXPECT_TRUE(PointerToWorld(2, 2, 0, 0, 10).has_value());
}

TEST_F(ViewFixture, StatusReadoutFollowsThePointerIn2D) {
    EXPECT_EQ(ReadoutAt({860, 40}), "X = 10.0, Y = 10.0");
    doc.m_nRange = 20;
    EXPECT_EQ(ReadoutAt({860, 400}), "X = 20.0, Y = 0.0");
    EXPECT_EQ(view.cursor().shape(), Qt::CrossCursor);
}

TEST_F(ViewFixture, NoReadoutIn3DOrInAViewWithoutRoom) {
    doc.m_nDimension = 1;
    EXPECT_EQ(ReadoutAt({860, 40}), QString());
    EXPECT_NE(view.cursor().shape(), Qt::CrossCursor);
    // OK in the function dialog switches the picture with the pointer at
    // rest: the shape follows the document's update.
    doc.m_nDimension = 0;
    view.OnUpdate();
    EXPECT_EQ(view.cursor().shape(), Qt::CrossCursor);
    doc.m_nDimension = 1;
    view.OnUpdate();
    EXPECT_NE(view.cursor().shape(), Qt::CrossCursor);
    doc.m_nDimension = 0;
    view.resize(1, 800);
    EXPECT_EQ(ReadoutAt({0, 40}), QString());
}

TEST_F(ViewFixture, ArrowKeysTurnTheSpacePicture) {
    doc.m_nDimension = 1;
    QSignalSpy turned(&view, &CCurvilinearscopeView::angleChanged);
    Press(Qt::Key_Right, 10);
    EXPECT_NEAR(doc.m_dAngle, 1.0, 1e-12);
    EXPECT_EQ(turned.count(), 10);
    doc.m_dAngle = 0.0;
    Press(Qt::Key_Left, 10);
    EXPECT_NEAR(doc.m_dAngle, -1.0, 1e-12);
    Press(Qt::Key_Left, 25);
    EXPECT_NEAR(doc.m_dAngle, -3.5, 1e-12) << "no stop, no wrap";
    Press(Qt::Key_Up, 3);
    Press(Qt::Key_Down, 3);
    EXPECT_NEAR(doc.m_dAngle, -3.5, 1e-12);
}

TEST_F(ViewFixture, ArrowKeysLeaveThePlaneAngleAlone) {
    Press(Qt::Key_Right, 4);
    EXPECT_EQ(doc.m_dAngle, 0.0);
}

TEST_F(ViewFixture, ArrowCommandUpdatesIn2DAnd3D) {
    const struct {
        int dimension, id;
        const char* text;
        bool enabled;
    } cases[] = {
        {0, ID_ARROW_RIGHT, "カーソル右に移動\t(→キー)", true}, {0, ID_ARROW_LEFT, "カーソル左に移動\t(←キー)", true},
        {0, ID_ARROW_UP, "カーソル上に移動\t(↑キー)", true},    {0, ID_ARROW_DOWN, "カーソル下に移動\t(↓キー)", true},
        {1, ID_ARROW_RIGHT, "Z軸右に回転\t(→キー)", true},      {1, ID_ARROW_LEFT, "Z軸左に回転\t(←キー)", true},
        {1, ID_ARROW_UP, "カーソル上に移動\t(↑キー)", false},   {1, ID_ARROW_DOWN, "カーソル下に移動\t(↓キー)", false},
    };
    for (const auto& c : cases) {
        doc.m_nDimension = c.dimension;
        const auto menu = ShownArrowMenu();
        EXPECT_EQ(menu->title(), "Arrow");
        ASSERT_EQ(menu->actions().size(), 4);
        QAction* action = menu->actions().at(c.id - ID_ARROW_RIGHT);
        EXPECT_EQ(action->data().toInt(), c.id);
        EXPECT_EQ(action->text(), QString::fromUtf8(c.text)) << c.dimension << " " << c.id;
        EXPECT_EQ(action->isEnabled(), c.enabled) << c.dimension << " " << c.id;
    }
}

TEST_F(ViewFixture, ArrowMenuDefinitionAndPrompts) {
    std::unique_ptr<QMenu> menu(view.CreateArrowMenu(nullptr));
    const char* items[] = {"→", "←", "カーソル上に移動\t(↑キー)", "カーソル下に移動\t(↓キー)"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(menu->actions().at(i)->text(), QString::fromUtf8(items[i]));
    EXPECT_EQ(menu->actions().at(0)->statusTip(), QString::fromUtf8("カーソル右に移動、またはZ軸右に回転"));
    EXPECT_EQ(menu->actions().at(3)->toolTip(), QString::fromUtf8("カーソル下に移動"));
    // Without a document the update changes nothing.
    view.SetDocument(nullptr);
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().at(0)->text(), QString::fromUtf8("→"));
}

TEST_F(ViewFixture, MenuCommandsTurnLikeTheKeys) {
    doc.m_nDimension = 1;
    const auto menu = ShownArrowMenu();
    menu->actions().at(0)->trigger();
    menu->actions().at(0)->trigger();
    menu->actions().at(1)->trigger();
    menu->actions().at(2)->trigger();  // up: nothing in space
    EXPECT_NEAR(doc.m_dAngle, 0.1, 1e-12);
}

TEST_F(ViewFixture, DraggingTurnsTheSpacePictureOnly) {
    doc.m_nDimension = 1;
    Mouse(QEvent::MouseButtonPress, {100, 300}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {130, 310}, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {150, 500}, Qt::NoButton, Qt::LeftButton);
    EXPECT_NEAR(doc.m_dAngle, 0.5, 1e-12);
    Mouse(QEvent::MouseMove, {80, 500}, Qt::NoButton, Qt::LeftButton);
    EXPECT_NEAR(doc.m_dAngle, -0.2, 1e-12);
    Mouse(QEvent::MouseButtonRelease, {80, 500}, Qt::LeftButton, Qt::NoButton);
    Mouse(QEvent::MouseMove, {300, 500});
    EXPECT_NEAR(doc.m_dAngle, -0.2, 1e-12) << "moves after release do not turn";

    doc.m_nDimension = 0;
    doc.m_dAngle = 0.0;
    Mouse(QEvent::MouseButtonPress, {100, 300}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {200, 300}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(doc.m_dAngle, 0.0);
}

TEST_F(ViewFixture, SpaceZoomAndTiltKeepTheirLimitsAndComeHome) {
    doc.m_nDimension = 1;
    const CSpaceWindow& window = view.SpaceWindow();
    // The View menu's commands, which its keys Ctrl++, Ctrl+−, Ctrl+0 and Home reach.
    auto command = [&](void (CCurvilinearscopeView::*zoom)(), int times = 1) {
        for (int i = 0; i < times; ++i) (view.*zoom)();
    };
    auto wheel = [&](int eighths, Qt::KeyboardModifiers m) {
        QWheelEvent event(QPointF(500, 400), view.mapToGlobal(QPointF(500, 400)), QPoint(), QPoint(0, eighths),
                          Qt::NoButton, m, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &event);
    };
    command(&CCurvilinearscopeView::ZoomIn, 3);
    EXPECT_DOUBLE_EQ(window.Scale(), 1.25 * 1.25 * 1.25);
    command(&CCurvilinearscopeView::ZoomOut, 3);
    EXPECT_TRUE(window.AtHome()) << "in and out by the same steps is home exactly";
    command(&CCurvilinearscopeView::ZoomOut, 20);
    EXPECT_EQ(window.Scale(), CSpaceWindow::kMinScale);
    wheel(120 * 40, Qt::ControlModifier);
    EXPECT_EQ(window.Scale(), CSpaceWindow::kMaxScale);
    wheel(60, Qt::ControlModifier);
    wheel(-120 * 3, Qt::NoModifier);  // no Ctrl: no zoom
    wheel(-60, Qt::ControlModifier);  // half notches add up
    EXPECT_EQ(window.Scale(), CSpaceWindow::kMaxScale);
    command(&CCurvilinearscopeView::ZoomHome);
    EXPECT_TRUE(window.AtHome());

    // Dragging down sees from above, up from the side; never beyond.
    Mouse(QEvent::MouseButtonPress, {100, 300}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {100, 700}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.Tilt(), CSpaceWindow::kMaxTilt);
    Mouse(QEvent::MouseMove, {100, 0}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.Tilt(), CSpaceWindow::kMinTilt);
    Mouse(QEvent::MouseButtonRelease, {100, 0}, Qt::LeftButton, Qt::NoButton);
    command(&CCurvilinearscopeView::ZoomIn);
    command(&CCurvilinearscopeView::ZoomHome);
    EXPECT_TRUE(window.AtHome());
    EXPECT_EQ(doc.m_dAngle, 0.0) << "zoom and tilt never touch the document";

    doc.m_nDimension = 0;  // a plane picture zooms its own window
    command(&CCurvilinearscopeView::ZoomIn);
    EXPECT_TRUE(window.AtHome());
    EXPECT_FALSE(view.Navigator().Window().IsHome());
}

TEST(ThinnedFrames, TheWholePictureFollowsThinnedOnesOnceInputRests) {
    CThinnedFrames frames;
    QSignalSpy rested(&frames, &CThinnedFrames::rested);
    frames.Painted(1, 100 * CThinnedFrames::kFrameBudgetMs);  // a slow whole picture
    EXPECT_EQ(frames.StrideForPaint(), 1) << "at rest the picture is whole";
    frames.Interacting();
    EXPECT_EQ(frames.StrideForPaint(), 100);
    frames.Painted(100, CThinnedFrames::kFrameBudgetMs * 2);  // slower than thought: thinner
    EXPECT_EQ(frames.StrideForPaint(), 200);
    ASSERT_TRUE(rested.wait(10 * CThinnedFrames::kRestMs));
    EXPECT_EQ(frames.StrideForPaint(), 1);

    // A picture drawn whole while interacting needs no second paint.
    frames.Painted(1, 1.0);
    frames.Interacting();
    EXPECT_EQ(frames.StrideForPaint(), 1);
    frames.Painted(1, 1.0);
    rested.clear();
    QTest::qWait(3 * CThinnedFrames::kRestMs);
    EXPECT_TRUE(rested.isEmpty());
    EXPECT_FALSE(frames.IsInteracting());
}

TEST_F(ViewFixture, ArrowKeysNudgeThePointerInsideThePlaneViewOnly) {
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QPoint inside = view.mapToGlobal(QPoint(10, 20));
    QCursor::setPos(inside);
    if (QCursor::pos() != inside) GTEST_SKIP() << "this platform does not move the pointer";
    Press(Qt::Key_Right, 3);
    Press(Qt::Key_Up, 1);
    EXPECT_EQ(QCursor::pos(), inside + QPoint(3, -1));
    Press(Qt::Key_Left, 1);
    Press(Qt::Key_Down, 2);
    EXPECT_EQ(QCursor::pos(), inside + QPoint(2, 1));

    const QPoint outside = view.mapToGlobal(QPoint(1000, 20));  // right edge is out
    QCursor::setPos(outside);
    Press(Qt::Key_Left, 2);
    EXPECT_EQ(QCursor::pos(), outside);
}

TEST(ViewWithoutDocument, InputDoesNothing) {
    CCurvilinearscopeView view;
    view.resize(400, 300);
    QSignalSpy status(&view, &CCurvilinearscopeView::statusMessage);
    QSignalSpy turned(&view, &CCurvilinearscopeView::angleChanged);
    QTest::keyClick(&view, Qt::Key_Right);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    view.OnArrowCommand(ID_ARROW_UP);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_TRUE(turned.isEmpty());
}

namespace {
void SendMouse(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QApplication::sendEvent(&view, &event);
}
}  // namespace

// In a 1000 × 800 view the square is 720 pixels: the home window's 20 units.
TEST_F(ViewFixture, DragsPanOrZoomIntoTheirRectangleAndClicksStayClicks) {
    const int near = QApplication::startDragDistance() - 1;
    struct Case {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        QPoint from, to;
        PlaneBounds window;
        int menus;  // context menus asked for
    } cases[] = {
        {"left click", Qt::LeftButton, Qt::NoModifier, {500, 400}, {500 + near, 400}, {-10, 10, -10, 10}, 0},
        {"left drag pans", Qt::LeftButton, Qt::NoModifier, {500, 400}, {572, 436}, {-12, 8, -9, 11}, 0},
        {"right drag zooms", Qt::RightButton, Qt::NoModifier, {500, 400}, {860, 40}, {0, 10, 0, 10}, 0},
        {"shift drag zooms", Qt::LeftButton, Qt::ShiftModifier, {140, 400}, {500, 580}, {-10, 0, -5, 0}, 0},
        {"right click", Qt::RightButton, Qt::NoModifier, {500, 400}, {500, 400 + near}, {-10, 10, -10, 10}, 1},
    };
    for (const Case& c : cases) {
        view.Navigator().GoHome();
        QSignalSpy menus(&view.Navigator(), &CPlaneNavigator::contextMenuAsked);
        SendMouse(view, QEvent::MouseButtonPress, c.from, c.button, c.button, c.modifiers);
        SendMouse(view, QEvent::MouseMove, (c.from + c.to) / 2, Qt::NoButton, c.button, c.modifiers);
        SendMouse(view, QEvent::MouseMove, c.to, Qt::NoButton, c.button, c.modifiers);
        SendMouse(view, QEvent::MouseButtonRelease, c.to, c.button, Qt::NoButton, c.modifiers);
        const PlaneBounds& b = view.Navigator().Window().Bounds();
        EXPECT_NEAR(b.xMin, c.window.xMin, 1e-9) << c.name;
        EXPECT_NEAR(b.xMax, c.window.xMax, 1e-9) << c.name;
        EXPECT_NEAR(b.yMin, c.window.yMin, 1e-9) << c.name;
        EXPECT_NEAR(b.yMax, c.window.yMax, 1e-9) << c.name;
        EXPECT_EQ(menus.count(), c.menus) << c.name;
    }
}

// A burst of wheel steps answers at once from the stored records and makes
// one sampling when it ends; the read-out then shows the decimals the
// window needs.
TEST_F(ViewFixture, ABurstOfWheelStepsMakesOneSamplingAtTheEnd) {
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_strFormula = u"5*sin(x)";
    doc.Sample2D();
    CWindowResampler& resampler = view.Navigator().Resampler();
    QSignalSpy sampled(&resampler, &CWindowResampler::sampled);
    for (int i = 0; i < 50; ++i) {
        QWheelEvent wheel(QPointF(600, 300), view.mapToGlobal(QPointF(600, 300)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
    }
    EXPECT_FALSE(view.Navigator().Window().IsHome());
    EXPECT_NEAR(view.Navigator().Window().Bounds().Width(), 20 / std::pow(1.25, 50), 1e-12);
    ASSERT_TRUE(sampled.wait(30000));
    EXPECT_EQ(resampler.SamplingsBegun(), 1);
    EXPECT_TRUE(ReadoutAt({600, 300}).startsWith("X = 2.7777")) << ReadoutAt({600, 300}).toStdString();
    // A turn is no change of the plane's graphs; a changed document is
    // sampled for the window anew.
    view.OnTurned();
    QTest::qWait(3 * CPlaneNavigator::kResampleDelayMs);
    EXPECT_EQ(resampler.SamplingsBegun(), 1);
    view.OnUpdate();
    ASSERT_TRUE(sampled.wait(30000));
    EXPECT_EQ(resampler.SamplingsBegun(), 2);
    // A request overtaken by a newer one delivers nothing; its records go
    // where they were made.
    CWindowResampler own;
    QSignalSpy ownSampled(&own, &CWindowResampler::sampled);
    own.Request(MakeWindowRequest(doc, {0, 1, 0, 1}, 720, 720));
    own.Request(MakeWindowRequest(doc, {1, 2, 0, 1}, 720, 720));
    ASSERT_TRUE(ownSampled.wait(30000));
    QTest::qWait(50);  // room for a stray delivery of the first
    EXPECT_EQ(ownSampled.count(), 1);
    const auto records = own.TakeRecords();
    ASSERT_TRUE(records);
    EXPECT_EQ(records->bounds.xMin, 1.0);
}

// Zoom stops at a millionth of the home width and at ten times it; Home
// comes back to the document's own picture exactly.
TEST_F(ViewFixture, ZoomStopsAtItsLimitsAndHomeIsExact) {
    CPlaneNavigator& navigator = view.Navigator();
    for (int i = 0; i < 5; ++i) navigator.ZoomIn();
    for (int i = 0; i < 5; ++i) navigator.ZoomOut();
    EXPECT_TRUE(navigator.Window().IsHome()) << "as many steps out as in come home";
    for (int i = 0; i < 100; ++i) navigator.ZoomIn();
    EXPECT_DOUBLE_EQ(navigator.Window().Bounds().Width(), 20 * CPlaneWindow::kNarrowestFraction);
    for (int i = 0; i < 200; ++i) navigator.ZoomOut();
    EXPECT_DOUBLE_EQ(navigator.Window().Bounds().Width(), 20 * CPlaneWindow::kWidestFactor);
    view.ZoomHome();
    EXPECT_EQ(navigator.Window().Bounds(), (PlaneBounds{-10, 10, -10, 10}));
}
