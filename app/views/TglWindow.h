#pragma once
// The rendering control of the 3D view: an OpenGL window with a compatibility context in
// which the scene is drawn with fixed-function calls. At a set-up the scene is recorded into
// three display lists (loading, soil, shaft); every redraw replays them under the view's
// transformations, adds the axis triad and writes the labels over the picture with
// QPainter. Mouse and key events are recorded and handed to the owner.
#include <QFont>
#include <QOpenGLWidget>
#include <functional>
#include <vector>

#include "TBlockOptions.h"
#include "TBlockScene.h"
#include "TBlockViewState.h"
#include "TViewMatrix.h"

class TglWindow : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit TglWindow(QWidget* parent = nullptr);
  ~TglWindow() override;

  // The view state (its FitScale is set at every set-up) and the options the drawing reads.
  void SetView(TBlockViewState* state, const TBlockOptions* options);
  // Builds the scene at a set-up.
  std::function<TBlockScene()> OnBuildScene;
  // Mouse and keys, after the window recorded them.
  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;
  // A key the owner does not take (false) goes on to the widget.
  std::function<bool(QKeyEvent*)> OnKeyDown;

  // 0 until the scene has been set up; set to 0 to force a new set-up at the next paint.
  int InitKode = 0;
  // A new set-up and a redraw.
  void Setup();
  // How many set-ups have run (each records the display lists once).
  int SetupCount() const { return fSetupCount; }
  // The model-view matrix of the last redraw, read back from the pipeline.
  const TViewMatrix& DrawnViewMatrix() const { return fDrawnMatrix; }
  // The labels of the last set-up, and where the last redraw wrote them (window pixels).
  const std::vector<TSceneLabel>& Labels() const { return fLabels; }
  const std::vector<QRectF>& LabelBoxes() const { return fLabelBoxes; }

  // Why the window cannot draw, empty while it can.
  const QString& Problem() const { return fProblem; }

  // Recorded mouse state: kind of the last event (1 down, 2 move, 3 up), button, Shift.
  int KodeMouse = 0;
  int ButtonMouse = 0;
  bool ShiftMouse = false;
  int xMouse = 0;
  int YMouse = 0;

 signals:
  // The window has no usable OpenGL context.
  void ContextFailed(const QString& reason);

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void glSetupRC();
  void DrawFigure();
  void DrawAxes();
  void DrawLabels(class QPainter& painter);
  void Record(unsigned list, const std::vector<TScenePrimitive>& primitives);
  void Record(QMouseEvent* event, int kind);
  void Fail(const QString& reason);

  TBlockViewState* fState = nullptr;
  const TBlockOptions* fOptions = nullptr;
  unsigned fBase = 0;  // the first of the three display lists
  int fSetupCount = 0;
  double fDepthRange = 1;
  TViewMatrix fDrawnMatrix;
  std::vector<TSceneLabel> fLabels;
  std::vector<QRectF> fLabelBoxes;
  QFont fGlyphFont;
  QString fProblem;
};
