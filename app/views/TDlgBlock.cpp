#include "TDlgBlock.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "OpenGLSupport.h"
#include "TDlgPileDiagrams.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TResultPlots.h"
#include "TglWindow.h"
#include "ViewMessages.h"
#include "ViewWindows.h"

namespace {

// Keyboard steps: a turn in degrees, a pan in pixels.
constexpr double kKeyTurn = 5;
constexpr double kKeyPan = 10;

TShaftProfile CurrentProfile() {
  return ProgramData ? ShaftProfileFrom(*ProgramData) : TShaftProfile{};
}

QString NoOpenGLText(const QString& reason) {
  return QString::fromLatin1(view_text::kNoOpenGL) + QStringLiteral(" (") + reason +
         QStringLiteral(").");
}

}  // namespace

TDlgBlock::TDlgBlock(TResultPlots* plots, QWidget* parent)
    : TChildForm(TChildKind::Block, parent), fPlots(plots) {
  setWindowTitle(QString::fromLatin1(view_text::kBlockViewCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  fGlWindow = new TglWindow(this);
  layout->addWidget(fGlWindow);
  fGlWindow->SetView(&fState, &fOptions);
  fGlWindow->OnBuildScene = [this] { return BuildScene(); };
  fGlWindow->OnMouseDown = [this](QMouseEvent* e) {
    fState.MousePress(e->position().toPoint(), e->button(), e->modifiers());
  };
  fGlWindow->OnMouseMove = [this](QMouseEvent* e) {
    if (fState.MouseMove(e->position().toPoint(), e->buttons(), e->modifiers(),
                         fGlWindow->size()))
      RedrawFigure();
  };
  fGlWindow->OnMouseUp = [this](QMouseEvent* e) {
    if (fState.MouseRelease(e->position().toPoint(), e->button(), fGlWindow->size()))
      RedrawFigure();
  };
  fGlWindow->OnKeyDown = [this](QKeyEvent* e) { return KeyDown(e); };
  connect(fGlWindow, &TglWindow::ContextFailed, this, &TDlgBlock::ContextFailed);
}

TDlgBlock::~TDlgBlock() {
  if (fPileDiagrams) delete fPileDiagrams.data();
}

TDlgBlock* TDlgBlock::Create(TResultPlots* plots, QWidget* parent) {
  QString reason;
  if (!OpenGLAvailable(&reason)) {
    TMessageBox::Information(parent, NoOpenGLText(reason));
    return nullptr;
  }
  return new TDlgBlock(plots, parent);
}

void TDlgBlock::ContextFailed(const QString& reason) {
  TMessageBox::Information(this, NoOpenGLText(reason));
  QTimer::singleShot(0, this, [this] { view_windows::CloseViewWindow(this); });
}

void TDlgBlock::SetResultPlots(TResultPlots* plots) {
  fPlots = plots;
  RedrawComplete();
  emit OptionsChanged();
}

const TGraphPlot* TDlgBlock::Combineplt() const {
  if (!fPlots) return nullptr;
  return fOptions.ShowUltimateResults == kDesignEffects ? &fPlots->pltCombineD()
                                                         : &fPlots->pltCombine();
}

void TDlgBlock::StartExtents() { fState.Start(GetMaxDims(CurrentProfile())); }

void TDlgBlock::FormActivate() {
  if (!fActivated) {
    fActivated = true;
    StartExtents();
  }
  // The document may have changed in another window meanwhile: the scene is set up from it
  // again (the block keeps the size it was first given).
  RedrawComplete();
}

void TDlgBlock::UnitsChanged() {
  const TVec3 angles = fState.ViewAngles;
  const double zoom = fState.ZoomFactor;
  StartExtents();
  fState.ViewAngles = angles;
  fState.ZoomFactor = zoom;
  RedrawComplete();
}

void TDlgBlock::showEvent(QShowEvent* event) {
  TChildForm::showEvent(event);
  // Shown on its own (without a main window to activate it): set up from the document.
  if (!fActivated) FormActivate();
}

void TDlgBlock::closeEvent(QCloseEvent* event) {
  TChildForm::closeEvent(event);
  if (event->isAccepted() && fPileDiagrams) fPileDiagrams->close();
}

TBlockScene TDlgBlock::BuildScene() const {
  // The plots keep the numbers of the last results loaded; they belong to this shaft only
  // while the document's own results are loaded.
  const TGraphPlot* results = fPlots && fPlots->ShowOutput ? Combineplt() : nullptr;
  return BuildBlockScene(CurrentProfile(), fState.Extents(), fOptions, results);
}

QImage TDlgBlock::GrabPicture() { return fGlWindow->grabFramebuffer(); }

void TDlgBlock::RedrawComplete() { fGlWindow->Setup(); }

void TDlgBlock::RedrawFigure() { fGlWindow->update(); }

void TDlgBlock::SetShowUltimateResults(int which) {
  SetOption(&TBlockOptions::ShowUltimateResults,
            which == kDesignEffects ? int(kDesignEffects) : int(kUltimateEffects));
}

void TDlgBlock::SetUltimateEffectsFactor(long double factor) {
  SetOption(&TBlockOptions::UltimateEffectsFactor, factor);
}

void TDlgBlock::SetMouseOption(int option) {
  fState.MouseOption = option;
  fState.ZoomWindowBoxEnabled = option == kMouseZoomWindow;
  emit OptionsChanged();
}

void TDlgBlock::PanningClick() { SetMouseOption(kMousePanning); }
void TDlgBlock::ZoomingClick() { SetMouseOption(kMouseZooming); }
void TDlgBlock::RotatingClick() { SetMouseOption(kMouseRotating); }
void TDlgBlock::ZoomWindowClick() { SetMouseOption(kMouseZoomWindow); }

void TDlgBlock::ZoomInClick() {
  fState.ZoomIn();
  RedrawFigure();
}

void TDlgBlock::ZoomOutClick() {
  fState.ZoomOut();
  RedrawFigure();
}

void TDlgBlock::RestartViewButtonClick() {
  fState.RestartView();
  RedrawFigure();
}

TDlgPileDiagrams* TDlgBlock::PileDiagrams() const { return fPileDiagrams; }

void TDlgBlock::UltimateEffectsWindow() {
  if (!fPileDiagrams) fPileDiagrams = new TDlgPileDiagrams(this);
  fPileDiagrams->Present();
}

bool TDlgBlock::KeyDown(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  double across = 0, up = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      across = -1;
      break;
    case Qt::Key_Right:
      across = 1;
      break;
    case Qt::Key_Up:
      up = 1;
      break;
    case Qt::Key_Down:
      up = -1;
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      ZoomInClick();
      return true;
    case Qt::Key_Minus:
      ZoomOutClick();
      return true;
    case Qt::Key_Home:
      RestartViewButtonClick();
      return true;
    default:
      return false;
  }
  // Arrows turn the scene as a drag would; with Shift they move it.
  if (shift)
    fState.PanBy(across * kKeyPan, up * kKeyPan);
  else
    fState.RotateBy(-up * kKeyTurn, across * kKeyTurn);
  RedrawFigure();
  return true;
}
