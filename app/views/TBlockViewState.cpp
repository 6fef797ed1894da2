#include "TBlockViewState.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the smaller window side times this and Dmax / min(DX, DY) is the depth of the view
// volume once the block is known: deep enough that no turn or zoom clips the block.
constexpr double kDepthRangeFactor = 640;

// With Shift a drag keeps only its larger direction.
void KeepLarger(double& first, double& second) {
  if (std::fabs(first) >= std::fabs(second))
    second = 0;
  else
    first = 0;
}

}  // namespace

void TBlockViewState::Start(const TSceneExtents& extents) {
  fExtents = extents;
  fStarted = true;
  RestartView();
}

void TBlockViewState::RestartView() {
  ViewAngles = {};
  ZoomFactor = 1;
  const TVec3 centre = fExtents.Centre();
  PanOffset = {-centre.x, -centre.y, 0};
}

double TBlockViewState::FitScaleFor(int vw, int vh, const TSceneExtents& e) {
  const double across = e.DX != 0 ? (vw - kFitMargin) / e.DX : 1;
  const double down = e.Dmax != 0 ? (vh - kFitMargin) / e.Dmax : 1;
  return std::min(across, down);
}

double TBlockViewState::DepthRange(int w, int h) const {
  const double smallerExtent = std::min(fExtents.DX, fExtents.DY);
  if (fStarted && smallerExtent > 0)
    return std::min(w, h) / 2.0 * (fExtents.Dmax / smallerExtent) * kDepthRangeFactor;
  return std::max(w, h) / 2.0;
}

TViewMatrix TBlockViewState::RotationMatrix() const {
  TViewMatrix m;
  m.Rotate(-90, 1, 0, 0);
  m.Rotate(ViewAngles.x, 1, 0, 0);
  m.Rotate(ViewAngles.y, 0, 1, 0);
  m.Rotate(ViewAngles.z, 0, 0, 1);
  return m;
}

TViewMatrix TBlockViewState::ViewMatrix() const {
  TViewMatrix m = RotationMatrix();
  m.Scale(ZoomFactor);
  m.Scale(FitScale);
  m.Translate({0, 0, -fExtents.Centre().z});
  m.Translate(PanOffset);
  return m;
}

QPointF TBlockViewState::Project(TVec3 model, int w, int h) const {
  const TVec3 eye = ViewMatrix().Map(model);
  return {w / 2.0 + eye.x, h / 2.0 - eye.y};
}

bool TBlockViewState::ActingModifiers(Qt::KeyboardModifiers modifiers) {
  modifiers &= ~Qt::KeypadModifier;
  return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier ||
         modifiers == Qt::ControlModifier;
}

bool TBlockViewState::MousePress(QPoint pixel, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers) {
  if (button != Qt::LeftButton || !ActingModifiers(modifiers)) return false;
  fMouseState = TMouseState::Pressed;
  fPress = fCorner = pixel;
  fPressPan = PanOffset;
  fPressZoom = ZoomFactor;
  fPressAngles = ViewAngles;
  fPressRotation = RotationMatrix();
  return false;
}

void TBlockViewState::PanFromPress(double dx, double dy) {
  const double scale = FitScale * fPressZoom;
  if (scale == 0 || !std::isfinite(scale)) return;
  PanOffset = fPressPan + fPressRotation.MapTransposed({dx, dy, 0}) / scale;
}

void TBlockViewState::RotateFromPress(double a, double b) {
  const double length = std::hypot(a, b);
  if (length == 0) {
    ViewAngles = fPressAngles;
    return;
  }
  TVec3 turn = fPressRotation.MapTransposed({a, b, 0});
  turn = turn * (length / turn.Length());
  ViewAngles = fPressAngles + turn;
}

bool TBlockViewState::MouseMove(QPoint pixel, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers, QSize window) {
  if (fMouseState != TMouseState::Pressed) return false;
  if (buttons != Qt::LeftButton || !ActingModifiers(modifiers)) return false;
  if (window.width() <= 0 || window.height() <= 0) return false;
  const bool shift = modifiers & Qt::ShiftModifier;
  if (ZoomWindowBoxEnabled) {
    fCorner = pixel;
    return true;
  }
  switch (MouseOption) {
    case kMousePanning: {
      double dx = pixel.x() - fPress.x();
      double dy = fPress.y() - pixel.y();
      if (shift) KeepLarger(dx, dy);
      PanFromPress(dx, dy);
      return true;
    }
    case kMouseZooming: {
      const double drag = 1 - double(pixel.y() - fPress.y()) / window.height();
      ZoomFactor = fPressZoom * std::max(drag, kSmallestZoomDrag);
      return true;
    }
    case kMouseRotating: {
      double a = 90.0 * (pixel.y() - fPress.y()) / window.height();
      double b = 90.0 * (pixel.x() - fPress.x()) / window.width();
      if (shift) KeepLarger(a, b);
      RotateFromPress(a, b);
      return true;
    }
    default:
      return false;
  }
}

bool TBlockViewState::ZoomBoxShown() const {
  return ZoomWindowBoxEnabled && fMouseState == TMouseState::Pressed;
}

bool TBlockViewState::MouseRelease(QPoint pixel, Qt::MouseButton button, QSize window) {
  if (fMouseState != TMouseState::Pressed || button != Qt::LeftButton) return false;
  fMouseState = TMouseState::Released;
  if (!ZoomWindowBoxEnabled) return false;
  fCorner = pixel;
  const double boxWidth = std::abs(fCorner.x() - fPress.x());
  const double boxHeight = std::abs(fCorner.y() - fPress.y());
  if (boxWidth > 0 && boxHeight > 0 && window.width() > 0 && window.height() > 0) {
    // The box's centre comes to the window's centre, then the box fills the window.
    const double cx = (fPress.x() + fCorner.x()) / 2.0;
    const double cy = (fPress.y() + fCorner.y()) / 2.0;
    PanFromPress(window.width() / 2.0 - cx, cy - window.height() / 2.0);
    ZoomFactor = fPressZoom * std::min(window.height() / boxHeight, window.width() / boxWidth);
  }
  return true;
}

void TBlockViewState::RotateBy(double a, double b) {
  MousePress(fPress, Qt::LeftButton, Qt::NoModifier);
  RotateFromPress(a, b);
  fMouseState = TMouseState::Idle;
}

void TBlockViewState::PanBy(double dx, double dy) {
  MousePress(fPress, Qt::LeftButton, Qt::NoModifier);
  PanFromPress(dx, dy);
  fMouseState = TMouseState::Idle;
}
