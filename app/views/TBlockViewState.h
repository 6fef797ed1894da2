#pragma once
// How the 3D view looks at its scene: the turn (three angles), the zoom, the scale that fits
// the block into the window, the pan offset, and the mouse modes that change them (pan, zoom,
// rotate, zoom window). Arithmetic only: the drawing builds the same model-view matrix with
// the pipeline's calls, and the mouse maps screen drags into model directions with it.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <Qt>

#include "TSceneExtents.h"
#include "TViewMatrix.h"

enum class TMouseState { Idle, Pressed, Released };

// The mouse mode chosen on the toolbar.
enum TMouseOption {
  kMouseNone = 0,
  kMousePanning = 1,
  kMouseZooming = 2,
  kMouseRotating = 3,
  kMouseZoomWindow = 4,
};

class TBlockViewState {
 public:
  // One step of "Zoom In"; "Zoom Out" divides by it, so that the two cancel.
  static constexpr double kZoomStep = 1.4142;
  // Pixels kept free around the block when it is fitted into the window.
  static constexpr int kFitMargin = 50;
  // Length of the axis triad on screen, pixels.
  static constexpr double kAxisPixels = 80;
  // The smallest share of the zoom at the press that one zooming drag leaves: dragging
  // further down than the window is high would otherwise zoom to nothing or turn the scene
  // inside out.
  static constexpr double kSmallestZoomDrag = 0.02;

  // The block the view shows (from GetMaxDims), and the first view of it.
  void Start(const TSceneExtents& extents);
  const TSceneExtents& Extents() const { return fExtents; }
  bool Started() const { return fStarted; }

  // View state.
  TVec3 ViewAngles;         // degrees about x, y and z, applied in that order
  double ZoomFactor = 1;
  double FitScale = 1;
  TVec3 PanOffset;
  int MouseOption = kMouseNone;
  bool ZoomWindowBoxEnabled = false;

  // "Zoom In", "Zoom Out", "Restart View" (angles 0, zoom 1, the block's centre in plan at
  // the window's centre).
  void ZoomIn() { ZoomFactor *= kZoomStep; }
  void ZoomOut() { ZoomFactor /= kZoomStep; }
  void RestartView();

  // The scale that fits the block into a viewport of vw x vh pixels: the smaller of
  // (vw - 50) / DX and (vh - 50) / Dmax, a zero extent giving 1 for its term.
  static double FitScaleFor(int vw, int vh, const TSceneExtents& extents);
  // Half the depth of the orthographic view volume for a window of w x h pixels.
  double DepthRange(int w, int h) const;

  // The model-view matrix of a redraw: -90 degrees about x (model z up the screen), the three
  // angles about x, y, z, the zoom, the fit, minus the centre's z, the pan offset.
  TViewMatrix ViewMatrix() const;
  // Its turn alone.
  TViewMatrix RotationMatrix() const;
  // The window pixel (y downward) of a model point in a window of w x h pixels.
  QPointF Project(TVec3 model, int w, int h) const;
  // Length of the axis triad in model units: the same number of pixels at any zoom.
  double AxisLength() const { return kAxisPixels / (ZoomFactor * FitScale); }

  // Mouse. Each returns true when the view changed and must be drawn again. Only drags with
  // the left button alone, with Shift or with Ctrl act; Shift keeps the larger of the two
  // directions of a pan or a turn.
  bool MousePress(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  bool MouseMove(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                 QSize window);
  bool MouseRelease(QPoint pixel, Qt::MouseButton button, QSize window);
  TMouseState MouseState() const { return fMouseState; }
  // The zoom box while it is dragged, in window pixels.
  bool ZoomBoxShown() const;
  QRect ZoomBox() const { return QRect(fPress, fCorner).normalized(); }

  // Turns by a degrees about the screen's horizontal and b about its vertical direction, or
  // moves the scene by (dx, dy) pixels (up positive), from the current view: what a drag
  // does, for the keyboard.
  void RotateBy(double a, double b);
  void PanBy(double dx, double dy);

 private:
  static bool ActingModifiers(Qt::KeyboardModifiers modifiers);
  // The view state saved at the press, plus a screen movement.
  void PanFromPress(double dx, double dy);
  void RotateFromPress(double a, double b);

  TSceneExtents fExtents;
  bool fStarted = false;

  TMouseState fMouseState = TMouseState::Idle;
  QPoint fPress;
  QPoint fCorner;
  TVec3 fPressPan;
  double fPressZoom = 1;
  TVec3 fPressAngles;
  TViewMatrix fPressRotation;
};
