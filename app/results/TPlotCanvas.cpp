#include "TPlotCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "TPlotForm.h"

TPlotCanvas::TPlotCanvas(TPlotForm& form, QWidget* parent) : QWidget(parent), fForm(form) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(1, 1);
}

namespace {

constexpr int kHintWidthInches = 7;
constexpr int kHintHeightInches = 5;

}  // namespace

QSize TPlotCanvas::sizeHint() const {
  return {kHintWidthInches * logicalDpiX(), kHintHeightInches * logicalDpiY()};
}

void TPlotCanvas::Invalidate() {
  fDirty = true;
  update();
}

void TPlotCanvas::Render() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (fPicture.size() != pixels || fPicture.devicePixelRatio() != ratio) {
    fPicture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    fPicture.setDevicePixelRatio(ratio);
    fDirty = true;
  }
  if (!fDirty || fPicture.isNull()) return;
  fForm.FormPaint(fPicture);
  fDirty = false;
}

const QImage& TPlotCanvas::Picture() {
  Render();
  return fPicture;
}

void TPlotCanvas::paintEvent(QPaintEvent*) {
  if (fForm.Orphaned()) return;
  Render();
  QPainter p(this);
  p.drawImage(0, 0, fPicture);
  const TPlotFormState& state = fForm.State();
  if (state.Zooming()) {
    // The rubber band inverts the pixels it covers.
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(state.ZoomOrigin(), state.MovePoint()).normalized().adjusted(0, 0, -1, -1));
  }
  fForm.State().SettleLegend();
}

void TPlotCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!fForm.Orphaned()) fForm.FormResize();
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!fForm.Orphaned()) fForm.FormMouseMove(event->position().toPoint(), event->buttons());
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event) {
  if (!fForm.Orphaned()) fForm.FormMouseDown(event->button(), event->position().toPoint());
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!fForm.Orphaned()) fForm.FormMouseUp(event->button(), event->position().toPoint());
}
