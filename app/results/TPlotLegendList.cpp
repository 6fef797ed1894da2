#include "TPlotLegendList.h"

#include <QMouseEvent>
#include <QPainter>

#include "PlotPalette.h"
#include "TGraphPlot.h"
#include "TPlotForm.h"
#include "TPlotLegend.h"

namespace {

constexpr int kBorder = 1;
constexpr int kTextInset = 4;

}  // namespace

TPlotLegendList::TPlotLegendList(TPlotForm& form, QWidget* parent) : QWidget(parent), fForm(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::SizeAllCursor);
}

int TPlotLegendList::RowAt(QPoint point) const {
  const int rowHeight = fForm.State().LegendRowHeight();
  if (rowHeight <= 0 || point.y() < kBorder) return -1;
  const int row = (point.y() - kBorder) / rowHeight;
  return row < fForm.State().Legend().Count() ? row : -1;
}

void TPlotLegendList::paintEvent(QPaintEvent*) {
  if (fForm.Orphaned()) return;
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const TPlotFormState& state = fForm.State();
  const TPlotLegend& legend = state.Legend();
  const int rowHeight = state.LegendRowHeight();
  p.setFont(font());
  p.setClipRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
  const TGraphPlot& plot = fForm.Data();
  for (int j = 0; j < legend.Count(); ++j) {
    const int line = legend.LineOf(j);
    if (line >= plot.LineCount()) continue;  // the plot was loaded again with fewer lines
    const QRect row(kBorder + kTextInset, kBorder + j * rowHeight, width() - 2 * kBorder - kTextInset,
                    rowHeight);
    p.setPen(PlotPalette(j));
    p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, TPlotLegend::RowText(plot.Lines(line)));
  }
}

void TPlotLegendList::mousePressEvent(QMouseEvent* event) {
  fDragLegend = true;
  fDragPoint = event->position().toPoint();
}

void TPlotLegendList::mouseMoveEvent(QMouseEvent* event) {
  if (!fDragLegend || fForm.Orphaned()) return;
  const QPoint inParent = mapToParent(event->position().toPoint());
  fForm.LegendMoved(inParent - fDragPoint);
}

void TPlotLegendList::mouseReleaseEvent(QMouseEvent*) { fDragLegend = false; }

void TPlotLegendList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (fForm.Orphaned()) return;
  const int row = RowAt(event->position().toPoint());
  if (row >= 0) fForm.LegendListDblClick(row);
}
