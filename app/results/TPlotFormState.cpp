#include "TPlotFormState.h"

#include <algorithm>

#include "PlotNumberText.h"
#include "PlotZoom.h"
#include "TGraphPlot.h"

namespace {

bool Inside(const TIntRect& area, QPoint p) {
  return p.x() >= area.Left && p.x() <= area.Right && p.y() >= area.Top && p.y() <= area.Bottom;
}

}  // namespace

TPlotFormState::TPlotFormState(TGraphPlot& plot, int screenPixelsPerInch,
                               TLegendTextWidth textWidth)
    : fPlot(plot), fScreenDpi(screenPixelsPerInch), fTextWidth(std::move(textWidth)) {
  const std::optional<TFloatRect> bounds = ComputeBounds(plot);
  fClosesAsItOpens = !bounds;
  if (bounds) fLogicBounds = *bounds;
  fMaxLogicBounds = fLogicBounds;

  fPlot.ResetActiveLines();
  fLegend.Rebuild(fPlot);
  fPlot.SetLegendFont(kLegendFontPoints);
  fLegendPoints = kLegendFontPoints;
  fRowHeight = ::LegendRowHeight(fLegendPoints, fScreenDpi);
  fLegendSize = {::LegendBoxWidth(WidestEntry(), fScreenDpi),
                 LegendBoxHeight(fLegend.Count(), fRowHeight)};
}

TPlotMapping TPlotFormState::Mapping() const {
  return {fDrawWindow.GraphArea, fLogicBounds, fPlot.XOnTop()};
}

TPlotPicture TPlotFormState::Picture() const {
  TPlotPicture p;
  p.Plot = &fPlot;
  p.LogicBounds = fLogicBounds;
  p.LegendLines = fLegend.Lines();
  if (fClient.width() > 0 && fClient.height() > 0)
    p.LegendPlace = {static_cast<qreal>(fLegendPos.x()) / fClient.width(),
                     static_cast<qreal>(fLegendPos.y()) / fClient.height()};
  return p;
}

void TPlotFormState::Resize(QSize client, QPoint pixelsPerInch, int fontHeight) {
  fClient = client;
  fPixelsPerInch = pixelsPerInch;
  fFontHeight = fontHeight;
  Relayout();
  if (fLegendFollowsCorner) PlaceLegendAtCorner();
}

void TPlotFormState::Relayout() {
  fDrawWindow = WindowDrawArea(fPlot, fClient, fPixelsPerInch, fFontHeight);
  KeepLegendInClient();
}

void TPlotFormState::KeepLegendInClient() {
  fLegendPos = KeepLegendInside(fLegendPlace, fLegendSize, fClient);
}

bool TPlotFormState::LegendVisible() const {
  return fPlot.HasSomethingToDraw() && fPlot.ShowLegend();
}

void TPlotFormState::MoveLegend(QPoint topLeft) {
  fLegendPlace = KeepLegendInside(topLeft, fLegendSize, fClient);
  fLegendPos = fLegendPlace;
}

void TPlotFormState::PlaceLegendAtCorner() {
  MoveLegend(LegendAtGraphCorner(fDrawWindow.GraphArea, fLegendSize));
}

QString TPlotFormState::MouseMove(QPoint pixel) {
  const QPoint p = ClampInto(fDrawWindow.GraphArea, pixel);
  if (fZooming) fMovePoint = p;
  const TFloatPoint v = Mapping().ToLogic(p);
  fTitle = fPlot.Caption() + QStringLiteral(" X: ") + PlotNumberText(v.x, kReadOutDigits) +
           QStringLiteral(" Y: ") + PlotNumberText(v.y, kReadOutDigits);
  return fTitle;
}

void TPlotFormState::LeftDown(QPoint pixel) {
  if (!Inside(fDrawWindow.GraphArea, pixel)) return;
  fZooming = true;
  fZoomOrigin = fMovePoint = pixel;
}

bool TPlotFormState::LeftUp(QPoint pixel) {
  if (!fZooming) return false;
  fZooming = false;
  if (!IsZoomDrag(fZoomOrigin, pixel)) return false;
  const TPlotMapping map = Mapping();
  const TFloatPoint a = map.ToLogic(fZoomOrigin);
  const TFloatPoint b = map.ToLogic(ClampInto(fDrawWindow.GraphArea, pixel));
  fLogicBounds = ZoomToSelection(fMaxLogicBounds, fPlot.Yreversed(), a, b);
  return true;
}

bool TPlotFormState::RightDown(QPoint pixel) {
  if (!Inside(fDrawWindow.GraphArea, pixel)) return false;
  const TFloatPoint clicked = Mapping().ToLogic(pixel);
  fLogicBounds = ZoomOutAround(fLogicBounds, fMaxLogicBounds, fPlot.Yreversed(), clicked);
  return true;
}

void TPlotFormState::ToggleLine(int line) {
  if (line < 0 || line >= fPlot.LineCount()) return;
  TLine& l = fPlot.Lines(line);
  l.SetVisible(!l.Visible());
}

void TPlotFormState::ToggleShowLegend() { fPlot.SetShowLegend(!fPlot.ShowLegend()); }

void TPlotFormState::ToggleShowLayers() {
  fPlot.SetShowLayers(!fPlot.ShowLayers());
  Relayout();
  PlaceLegendAtCorner();
}

void TPlotFormState::SetMarkers(int every) { fPlot.SetMarkers(every); }

void TPlotFormState::SetFontSize(int scale) {
  fPlot.SetSizeFont(scale);
  SetupLegend(scale);
  Relayout();
  PlaceLegendAtCorner();
}

void TPlotFormState::SetLineWidth(int width) { fPlot.SetWidthLine(width); }

void TPlotFormState::SetGraphCaption(const QString& caption, bool onTop) {
  fPlot.SetUserCaption(caption);
  fPlot.SetUserCaptionOnTop(onTop);
  Relayout();
}

void TPlotFormState::SetLineNames(const QStringList& names) {
  const int n = std::min<int>(fPlot.LineCount(), static_cast<int>(names.size()));
  for (int i = 0; i < n; ++i) fPlot.Lines(i).SetLineName(names[i]);
  RefitLegend(true);
}

void TPlotFormState::SetActiveLines(const std::vector<bool>& active) {
  const int n = std::min<int>(fPlot.LineCount(), static_cast<int>(active.size()));
  for (int i = 0; i < n; ++i) fPlot.Lines(i).SetActive(active[static_cast<std::size_t>(i)]);
  fLegend.Rebuild(fPlot);
  RefitLegend(true);
}

void TPlotFormState::SetupLegend(int scale) {
  fLegendPoints = LegendFontSize(scale, fPlot.LegendFont());
  fRowHeight = ::LegendRowHeight(fLegendPoints, fScreenDpi);
  RefitLegend(false);
}

void TPlotFormState::RefitLegend(bool widthOnlyGrows) {
  const int width = ::LegendBoxWidth(WidestEntry(), fScreenDpi);
  fLegendSize = {widthOnlyGrows ? std::max(fLegendSize.width(), width) : width,
                 LegendBoxHeight(fLegend.Count(), fRowHeight)};
  KeepLegendInClient();
}

int TPlotFormState::WidestEntry() const {
  int widest = 0;
  if (!fTextWidth) return widest;
  for (int line : fLegend.Lines())
    if (line < fPlot.LineCount())
      widest = std::max(widest, fTextWidth(TPlotLegend::WidthText(fPlot.Lines(line)), fLegendPoints));
  return widest;
}
