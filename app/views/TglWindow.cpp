#include "TglWindow.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QTimer>

#include "OpenGLSupport.h"
#include "TBusyCursor.h"
#include "ValueLabel.h"
#include "ViewMessages.h"

namespace {

GLenum Mode(TPrimitiveKind kind) {
  switch (kind) {
    case TPrimitiveKind::Lines:
      return GL_LINES;
    case TPrimitiveKind::LineStrip:
      return GL_LINE_STRIP;
    case TPrimitiveKind::TriangleFan:
      break;
  }
  return GL_TRIANGLE_FAN;
}

QColor ToQColor(const TSceneColor& c) { return QColor::fromRgbF(c.r, c.g, c.b, c.a); }

// The display lists, in the order of the scene's parts.
enum { kLoadingList = 0, kSoilList = 1, kShaftList = 2, kListCount = 3 };

}  // namespace

TglWindow::TglWindow(QWidget* parent) : QOpenGLWidget(parent) {
  setFormat(BlockViewSurfaceFormat());
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  fGlyphFont = QFont(QStringLiteral("Times New Roman"));
  fGlyphFont.setStyleHint(QFont::Serif);
  fGlyphFont.setPixelSize(14);
  fGlyphFont.setBold(true);
}

TglWindow::~TglWindow() {
  // No context may ever have been made.
  if (!isValid() || fBase == 0) return;
  makeCurrent();
  glDeleteLists(fBase, kListCount);
  doneCurrent();
}

void TglWindow::SetView(TBlockViewState* state, const TBlockOptions* options) {
  fState = state;
  fOptions = options;
}

void TglWindow::Setup() {
  InitKode = 0;
  update();
}

void TglWindow::Fail(const QString& reason) {
  if (!fProblem.isEmpty()) return;
  fProblem = reason;
  emit ContextFailed(reason);
}

void TglWindow::initializeGL() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context) {
    Fail(QString::fromLatin1(view_text::kNoOpenGLContext));
    return;
  }
  // Fixed-function calls need a compatibility profile (a core profile refuses them).
  if (context->isOpenGLES() || context->format().profile() == QSurfaceFormat::CoreProfile) {
    Fail(QString::fromLatin1(view_text::kNoOpenGLCompatibility));
    return;
  }
  fBase = glGenLists(kListCount);
  if (fBase == 0) Fail(QString::fromLatin1(view_text::kNoOpenGLContext));
  InitKode = 0;
}

void TglWindow::showEvent(QShowEvent* event) {
  QOpenGLWidget::showEvent(event);
  // The context is made when a shown window gets its size; one that could not be made
  // never reaches initializeGL.
  QTimer::singleShot(0, this, [this] {
    if (isVisible() && !size().isEmpty() && !isValid())
      Fail(QString::fromLatin1(view_text::kNoOpenGLContext));
  });
}

void TglWindow::resizeGL(int, int) { InitKode = 0; }

void TglWindow::Record(unsigned list, const std::vector<TScenePrimitive>& primitives) {
  glNewList(list, GL_COMPILE);
  for (const TScenePrimitive& p : primitives) {
    glColor4f(p.Color.r, p.Color.g, p.Color.b, p.Color.a);
    glBegin(Mode(p.Kind));
    for (const TVec3& v : p.Vertices) glVertex3d(v.x, v.y, v.z);
    glEnd();
  }
  glEndList();
}

void TglWindow::glSetupRC() {
  TBusyCursor busy;
  glClearColor(1, 1, 1, 1);
  if (fState) {
    fDepthRange = fState->DepthRange(width(), height());
    if (fState->Started())
      fState->FitScale = TBlockViewState::FitScaleFor(width(), height(), fState->Extents());
  }
  const TBlockScene scene = OnBuildScene ? OnBuildScene() : TBlockScene{};
  Record(fBase + kLoadingList, scene.Loading);
  Record(fBase + kSoilList, scene.Soil);
  Record(fBase + kShaftList, scene.Shaft);
  fLabels = scene.Labels;
  InitKode = 1;
  ++fSetupCount;
}

void TglWindow::paintGL() {
  if (!fProblem.isEmpty() || fBase == 0 || !fState || !fOptions) return;
  QPainter painter(this);
  painter.beginNativePainting();
  if (InitKode == 0) glSetupRC();
  DrawFigure();
  painter.endNativePainting();
  DrawLabels(painter);
}

void TglWindow::DrawFigure() {
  // Whatever state the label painter left behind: no program, no scissor, no textures.
  QOpenGLContext::currentContext()->functions()->glUseProgram(0);
  const qreal ratio = devicePixelRatioF();
  glViewport(0, 0, GLsizei(width() * ratio), GLsizei(height() * ratio));
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-width() / 2.0, width() / 2.0, -height() / 2.0, height() / 2.0, -fDepthRange,
          fDepthRange);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glClearColor(1, 1, 1, 1);
  glClearDepth(1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // Blending would write alpha below 1 into the picture; the window's alpha stays 1.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);

  const TBlockViewState& s = *fState;
  glRotated(-90, 1, 0, 0);
  glRotated(s.ViewAngles.x, 1, 0, 0);
  glRotated(s.ViewAngles.y, 0, 1, 0);
  glRotated(s.ViewAngles.z, 0, 0, 1);
  glScaled(s.ZoomFactor, s.ZoomFactor, s.ZoomFactor);
  glScaled(s.FitScale, s.FitScale, s.FitScale);
  glTranslated(0, 0, -s.Extents().Centre().z);
  glTranslated(s.PanOffset.x, s.PanOffset.y, s.PanOffset.z);
  double matrix[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
  fDrawnMatrix = TViewMatrix::FromColumns(matrix);

  // Opaque parts first, then the translucent soil and water over them, which let what lies
  // behind show through and so leave the depth buffer as it is.
  glDisable(GL_BLEND);
  glCallList(fBase + kShaftList);
  glCallList(fBase + kLoadingList);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  glCallList(fBase + kSoilList);
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);

  glDisable(GL_DEPTH_TEST);
  if (fOptions->ShowLocalAxes) DrawAxes();
  glDisable(GL_CULL_FACE);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glFlush();
}

void TglWindow::DrawAxes() {
  const double length = fState->AxisLength();
  glBegin(GL_LINES);
  glColor4f(scene_color::kAxisX.r, scene_color::kAxisX.g, scene_color::kAxisX.b, 1);
  glVertex3d(0, 0, 0);
  glVertex3d(length, 0, 0);
  glColor4f(scene_color::kAxisY.r, scene_color::kAxisY.g, scene_color::kAxisY.b, 1);
  glVertex3d(0, 0, 0);
  glVertex3d(0, length, 0);
  glColor4f(scene_color::kAxisD.r, scene_color::kAxisD.g, scene_color::kAxisD.b, 1);
  glVertex3d(0, 0, 0);
  glVertex3d(0, 0, -length);
  glEnd();
}

void TglWindow::DrawLabels(QPainter& painter) {
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(fGlyphFont);
  const QFontMetricsF metrics(fGlyphFont, this);
  const auto write = [&](const TSceneLabel& label, QPointF baseLine) {
    painter.setPen(ToQColor(label.Color));
    painter.drawText(baseLine, label.Text);
  };
  fLabelBoxes.clear();
  std::vector<QRectF> keptClear;
  for (const TSceneLabel& label : fLabels) {
    const QPointF anchor = fState->Project(label.Position, width(), height());
    QRectF box(anchor.x(), anchor.y() - metrics.ascent(), metrics.horizontalAdvance(label.Text),
               metrics.height());
    if (label.KeepClear) {
      box = ClearOfOthers(box, keptClear, metrics.lineSpacing());
      keptClear.push_back(box);
    }
    fLabelBoxes.push_back(box);
    write(label, {box.left(), box.top() + metrics.ascent()});
  }
  if (fOptions->ShowLocalAxes) {
    const double length = fState->AxisLength();
    for (const TSceneLabel& axis : {TSceneLabel{QStringLiteral("X"), {length, 0, 0}, scene_color::kAxisX},
                                    TSceneLabel{QStringLiteral("Y"), {0, length, 0}, scene_color::kAxisY},
                                    TSceneLabel{QStringLiteral("D"), {0, 0, -length}, scene_color::kAxisD}})
      write(axis, fState->Project(axis.Position, width(), height()));
  }
  if (fState->ZoomBoxShown()) {
    painter.setPen(QPen(Qt::green, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(fState->ZoomBox());
  }
}

void TglWindow::Record(QMouseEvent* event, int kind) {
  KodeMouse = kind;
  ButtonMouse = int(event->button());
  ShiftMouse = event->modifiers() & Qt::ShiftModifier;
  xMouse = int(event->position().x());
  YMouse = int(event->position().y());
}

void TglWindow::mousePressEvent(QMouseEvent* event) {
  Record(event, 1);
  if (OnMouseDown) OnMouseDown(event);
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) {
  Record(event, 2);
  if (OnMouseMove) OnMouseMove(event);
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
  Record(event, 3);
  if (OnMouseUp) OnMouseUp(event);
}

void TglWindow::keyPressEvent(QKeyEvent* event) {
  if (!OnKeyDown || !OnKeyDown(event)) QOpenGLWidget::keyPressEvent(event);
}
