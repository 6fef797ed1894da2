// How the 3D view looks at its scene, without OpenGL: the first view, the fit, the zoom
// steps, and the mouse modes checked by where model points land on the screen.
#include "TBlockViewState.h"

#include <gtest/gtest.h>

namespace {

// D 3, L 40, one layer to 50: the block 75 x 75 in plan, 50 deep, Dmax 100.
TSceneExtents Block() {
  TShaftProfile p;
  p.DSTART = 3;
  p.PD = 40;
  p.WTD = 10;
  p.Layers = {{1, 50}};
  return GetMaxDims(p);
}

constexpr int kW = 800, kH = 600;
const QSize kWindow(kW, kH);

TBlockViewState Started() {
  TBlockViewState s;
  s.Start(Block());
  s.FitScale = TBlockViewState::FitScaleFor(kW, kH, s.Extents());
  return s;
}

const TVec3 kPoints[] = {{0, 0, 0}, {37.5, -37.5, -50}, {10, 20, -30}, {-5, 7, -12}};

void ExpectMovedBy(const TBlockViewState& before, const TBlockViewState& after, QPointF shift) {
  for (const TVec3& p : kPoints) {
    const QPointF moved = after.Project(p, kW, kH) - before.Project(p, kW, kH);
    EXPECT_NEAR(moved.x(), shift.x(), 1e-9) << p.x << " " << p.y << " " << p.z;
    EXPECT_NEAR(moved.y(), shift.y(), 1e-9) << p.x << " " << p.y << " " << p.z;
  }
}

void Drag(TBlockViewState& s, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
  s.MousePress(from, Qt::LeftButton, modifiers);
  s.MouseMove(to, Qt::LeftButton, modifiers, kWindow);
  s.MouseRelease(to, Qt::LeftButton, kWindow);
}

TEST(BlockView, FirstViewLooksAtTheBlockFromTheSideWithItsMiddleCentred) {
  const TBlockViewState s = Started();
  EXPECT_EQ(s.ViewAngles, (TVec3{0, 0, 0}));
  EXPECT_EQ(s.ZoomFactor, 1);
  EXPECT_EQ(s.PanOffset, (TVec3{0, 0, 0}));
  // The middle of the soil column at the window's centre, the ground above it, model z up.
  const QPointF middle = s.Project({0, 0, -25}, kW, kH);
  EXPECT_NEAR(middle.x(), kW / 2.0, 1e-9);
  EXPECT_NEAR(middle.y(), kH / 2.0, 1e-9);
  const QPointF ground = s.Project({0, 0, 0}, kW, kH);
  EXPECT_NEAR(ground.y(), kH / 2.0 - 25 * s.FitScale, 1e-9);
  // +x to the right; y runs away from the viewer and does not move the point on screen.
  EXPECT_NEAR(s.Project({10, 0, -25}, kW, kH).x(), kW / 2.0 + 10 * s.FitScale, 1e-9);
  EXPECT_NEAR(s.Project({0, 10, -25}, kW, kH).x(), kW / 2.0, 1e-9);
  // The block sits off centre in plan when the water table widens it: the pan brings back.
  TSceneExtents offset = Block();
  offset.Xmin = -10;
  offset.Xmax = 50;
  TBlockViewState shifted;
  shifted.Start(offset);
  EXPECT_EQ(shifted.PanOffset, (TVec3{-20, 0, 0}));
}

TEST(BlockView, FitScaleTakesTheTighterDirection) {
  const TSceneExtents e = Block();
  EXPECT_DOUBLE_EQ(TBlockViewState::FitScaleFor(640, 480, e), (480.0 - 50) / 100);
  EXPECT_DOUBLE_EQ(TBlockViewState::FitScaleFor(300, 2000, e), (300.0 - 50) / 75);
  TSceneExtents flat;
  EXPECT_DOUBLE_EQ(TBlockViewState::FitScaleFor(300, 200, flat), 1);
}

TEST(BlockView, ZoomStepsCancelAndRestartBringsTheFirstView) {
  TBlockViewState s = Started();
  const TBlockViewState first = s;
  s.ZoomIn();
  EXPECT_DOUBLE_EQ(s.ZoomFactor, 1.4142);
  s.ZoomOut();
  EXPECT_NEAR(s.ZoomFactor, 1, 1e-15);
  for (int i = 0; i < 7; ++i) s.ZoomIn();
  s.MouseOption = kMouseRotating;
  Drag(s, {100, 100}, {260, 180});
  s.MouseOption = kMousePanning;
  Drag(s, {100, 100}, {150, 40});
  ASSERT_NE(s.ViewAngles, first.ViewAngles);
  s.RestartView();
  EXPECT_EQ(s.ViewAngles, first.ViewAngles);
  EXPECT_EQ(s.ZoomFactor, first.ZoomFactor);
  EXPECT_EQ(s.PanOffset, first.PanOffset);
  ExpectMovedBy(first, s, {0, 0});
}

TEST(BlockView, PanningMovesTheSceneWithThePointerAtAnyTurnAndZoom) {
  struct Case {
    const char* name;
    TVec3 angles;
    double zoom;
    QPoint to;
    Qt::KeyboardModifiers modifiers;
    QPointF moved;
  } const cases[] = {
      {"first view", {0, 0, 0}, 1, {130, 80}, {}, {30, -20}},
      {"turned and zoomed", {20, 35, -10}, 2.5, {130, 80}, {}, {30, -20}},
      {"Shift keeps the larger", {20, 35, -10}, 1, {130, 95}, Qt::ShiftModifier, {30, 0}},
      {"Shift, upward", {0, 0, 0}, 1, {105, 40}, Qt::ShiftModifier, {0, -60}},
      {"Ctrl acts as the plain drag", {5, 0, 0}, 1, {90, 110}, Qt::ControlModifier, {-10, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBlockViewState s = Started();
    s.ViewAngles = c.angles;
    s.ZoomFactor = c.zoom;
    s.MouseOption = kMousePanning;
    const TBlockViewState before = s;
    Drag(s, {100, 100}, c.to, c.modifiers);
    ExpectMovedBy(before, s, c.moved);
    EXPECT_EQ(s.ViewAngles, c.angles);
    EXPECT_EQ(s.ZoomFactor, c.zoom);
  }
}

TEST(BlockView, ZoomingDragUpwardEnlargesAndNeverTurnsTheSceneInsideOut) {
  struct Case {
    int toY;
    double zoom;
  } const cases[] = {{200, 1.0}, {50, 1.25}, {350, 0.75}, {800, 1.0 * TBlockViewState::kSmallestZoomDrag}};
  for (const Case& c : cases) {
    TBlockViewState s = Started();
    s.ZoomFactor = 1;
    s.MouseOption = kMouseZooming;
    // The window is 600 high: a drag of 150 upward is a quarter of it.
    s.MousePress({100, 200}, Qt::LeftButton, {});
    s.MouseMove({100, c.toY}, Qt::LeftButton, {}, kWindow);
    EXPECT_DOUBLE_EQ(s.ZoomFactor, c.zoom) << c.toY;
    EXPECT_GT(s.ZoomFactor, 0);
  }
}

TEST(BlockView, RotatingTurnsAboutTheScreenAxesByTheDrag) {
  struct Case {
    const char* name;
    QPoint to;
    Qt::KeyboardModifiers modifiers;
    TVec3 angles;
  } const cases[] = {
      // Down a tenth of the height: 9 degrees about the screen's horizontal, which in the
      // first view is model x.
      {"down", {100, 160}, {}, {9, 0, 0}},
      // Right a tenth of the width: 9 degrees about the screen's vertical, model z.
      {"right", {180, 100}, {}, {0, 0, 9}},
      {"Shift keeps the larger", {180, 130}, Qt::ShiftModifier, {0, 0, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBlockViewState s = Started();
    s.MouseOption = kMouseRotating;
    Drag(s, {100, 100}, c.to, c.modifiers);
    EXPECT_NEAR(s.ViewAngles.x, c.angles.x, 1e-9);
    EXPECT_NEAR(s.ViewAngles.y, c.angles.y, 1e-9);
    EXPECT_NEAR(s.ViewAngles.z, c.angles.z, 1e-9);
  }
  // A turn changes where points land; the centre of the block stays put.
  TBlockViewState s = Started();
  const TBlockViewState before = s;
  s.MouseOption = kMouseRotating;
  Drag(s, {100, 100}, {220, 190});
  EXPECT_NE(s.Project({37.5, -37.5, 0}, kW, kH), before.Project({37.5, -37.5, 0}, kW, kH));
  const QPointF centre = s.Project({0, 0, -25}, kW, kH);
  EXPECT_NEAR(centre.x(), kW / 2.0, 1e-9);
  EXPECT_NEAR(centre.y(), kH / 2.0, 1e-9);
}

TEST(BlockView, ZoomWindowBringsTheBoxToTheWindow) {
  TBlockViewState s = Started();
  s.ViewAngles = {25, 0, 40};
  s.MouseOption = kMouseZoomWindow;
  s.ZoomWindowBoxEnabled = true;
  const TBlockViewState before = s;
  s.MousePress({100, 100}, Qt::LeftButton, {});
  EXPECT_TRUE(s.MouseMove({300, 200}, Qt::LeftButton, {}, kWindow));
  EXPECT_TRUE(s.ZoomBoxShown());
  EXPECT_EQ(s.ZoomBox(), QRect(QPoint(100, 100), QPoint(300, 200)));
  EXPECT_TRUE(s.MouseRelease({300, 200}, Qt::LeftButton, kWindow));
  EXPECT_FALSE(s.ZoomBoxShown());
  // A 200 x 100 box in 800 x 600: four times (the width is the tighter), around its centre.
  EXPECT_DOUBLE_EQ(s.ZoomFactor, 4);
  for (const TVec3& p : kPoints) {
    const QPointF was = before.Project(p, kW, kH) - QPointF(200, 150);
    const QPointF now = s.Project(p, kW, kH) - QPointF(kW / 2.0, kH / 2.0);
    EXPECT_NEAR(now.x(), 4 * was.x(), 1e-9);
    EXPECT_NEAR(now.y(), 4 * was.y(), 1e-9);
  }
  // A box without height changes nothing.
  const TBlockViewState kept = s;
  s.MousePress({100, 100}, Qt::LeftButton, {});
  s.MouseRelease({300, 100}, Qt::LeftButton, kWindow);
  EXPECT_EQ(s.ZoomFactor, kept.ZoomFactor);
  EXPECT_EQ(s.PanOffset, kept.PanOffset);
}

TEST(BlockView, OtherButtonsKeysAndModesLeaveTheViewAlone) {
  struct Case {
    const char* name;
    int mode;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
  } const cases[] = {
      {"no mode", kMouseNone, Qt::LeftButton, {}},
      {"right button", kMouseRotating, Qt::RightButton, {}},
      {"Alt", kMousePanning, Qt::LeftButton, Qt::AltModifier},
      {"Shift and Ctrl", kMouseZooming, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBlockViewState s = Started();
    s.MouseOption = c.mode;
    const TBlockViewState before = s;
    s.MousePress({100, 100}, c.button, c.modifiers);
    EXPECT_FALSE(s.MouseMove({200, 250}, c.button, c.modifiers, kWindow));
    s.MouseRelease({200, 250}, c.button, kWindow);
    ExpectMovedBy(before, s, {0, 0});
    EXPECT_EQ(s.ZoomFactor, before.ZoomFactor);
  }
  // A move without a press does nothing either.
  TBlockViewState s = Started();
  s.MouseOption = kMousePanning;
  EXPECT_FALSE(s.MouseMove({200, 250}, Qt::LeftButton, {}, kWindow));
}

TEST(BlockView, KeyStepsTurnAndMoveAsDragsDo) {
  TBlockViewState s = Started();
  s.ViewAngles = {10, 0, 30};
  const TBlockViewState before = s;
  s.PanBy(10, 0);
  ExpectMovedBy(before, s, {10, 0});
  s.RotateBy(0, 5);
  EXPECT_NE(s.ViewAngles, before.ViewAngles);
  EXPECT_EQ(s.MouseState(), TMouseState::Idle);
}

TEST(BlockView, AxisTriadKeepsItsScreenLength) {
  TBlockViewState s = Started();
  for (double zoom : {1.0, 3.0, 0.2}) {
    s.ZoomFactor = zoom;
    const QPointF origin = s.Project({0, 0, 0}, kW, kH);
    const QPointF end = s.Project({s.AxisLength(), 0, 0}, kW, kH);
    EXPECT_NEAR(end.x() - origin.x(), 80, 1e-9);
  }
}

}  // namespace
