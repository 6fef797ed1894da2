#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "PlotLayout.h"
#include "PlotScale.h"
#include "TDrawArea.h"
#include "TFloatRect.h"
#include "TPlotLegend.h"
#include "TPlotPicture.h"

class TGraphPlot;

// Width in pixels of a legend text in the legend list's font at a size in points.
using TLegendTextWidth = std::function<int(const QString& text, int pointSize)>;

// The plot window without the window: the axis ranges and the zoom, the window geometry,
// the legend with its box, the mouse read-out, and what the Plot menu commands do to the
// plot. The window forwards its events here and paints what this holds.
class TPlotFormState {
 public:
  // The window's title until the mouse first moves over it.
  static QString InitialTitle() { return QStringLiteral("PlotForm"); }

  // Set-up of a new window: full ranges from the data, every line active (with LimitActive
  // only the first 20), the legend of the active lines in the 11 point legend font.
  // `screenPixelsPerInch` is the screen's resolution the legend box width is measured with.
  TPlotFormState(TGraphPlot& plot, int screenPixelsPerInch, TLegendTextWidth textWidth);

  TGraphPlot& Plot() const { return fPlot; }
  // The data give no usable vertical (or horizontal) range: the window closes as it opens.
  bool ClosesAsItOpens() const { return fClosesAsItOpens; }

  const TFloatRect& LogicBounds() const { return fLogicBounds; }
  const TFloatRect& MaxLogicBounds() const { return fMaxLogicBounds; }
  const TDrawArea& DrawWindow() const { return fDrawWindow; }
  TPlotMapping Mapping() const;
  const TPlotLegend& Legend() const { return fLegend; }
  // What the window, a page or a bitmap draws now.
  TPlotPicture Picture() const;

  // The client area got a new size (or resolution, or font): the geometry is recomputed and
  // the legend box kept inside. Until the legend box settles (the window was first shown)
  // it follows the graph's bottom-right corner. The box keeps the place it was given: a
  // window made smaller pushes it in, and made larger again gives it its place back.
  void Resize(QSize client, QPoint pixelsPerInch, int fontHeight);
  void SettleLegend() { fLegendFollowsCorner = false; }
  QSize ClientSize() const { return fClient; }

  // The legend box (the legend list) in client coordinates.
  QRect LegendBox() const { return {fLegendPos, fLegendSize}; }
  bool LegendVisible() const;
  int LegendFontPoints() const { return fLegendPoints; }
  int LegendRowHeight() const { return fRowHeight; }
  // Moves the box, kept wholly inside the client area.
  void MoveLegend(QPoint topLeft);
  void PlaceLegendAtCorner();

  // Mouse. Move: the read-out title (and the rubber band's corner while zooming). Left down
  // inside the graph starts a zoom; left up ends it and tells whether the ranges changed;
  // right down inside the graph zooms out around the point and tells whether it did.
  QString MouseMove(QPoint pixel);
  // The left button is up but the drag never saw its release (a menu or another window took
  // the mouse): the drag ends without zooming.
  void CancelZoom() { fZooming = false; }
  void LeftDown(QPoint pixel);
  bool LeftUp(QPoint pixel);
  bool RightDown(QPoint pixel);
  bool Zooming() const { return fZooming; }
  QPoint ZoomOrigin() const { return fZoomOrigin; }
  QPoint MovePoint() const { return fMovePoint; }
  const QString& Title() const { return fTitle; }

  // Plot menu commands; each leaves the plot and the legend as the window then shows them.
  void ToggleLine(int line);
  void ToggleShowLegend();
  void ToggleShowLayers();
  void SetMarkers(int every);
  void SetFontSize(int scale);
  void SetLineWidth(int width);
  void SetGraphCaption(const QString& caption, bool onTop);
  // New names for every data line, in line order.
  void SetLineNames(const QStringList& names);
  // The active flag of every data line, in line order.
  void SetActiveLines(const std::vector<bool>& active);

 private:
  void SetupLegend(int scale);
  void RefitLegend(bool widthOnlyGrows);
  void KeepLegendInClient();
  int WidestEntry() const;
  void Relayout();

  TGraphPlot& fPlot;
  int fScreenDpi;
  TLegendTextWidth fTextWidth;
  bool fClosesAsItOpens = false;
  TFloatRect fLogicBounds;
  TFloatRect fMaxLogicBounds;

  QSize fClient{0, 0};
  QPoint fPixelsPerInch{96, 96};
  int fFontHeight = 14;
  TDrawArea fDrawWindow;

  TPlotLegend fLegend;
  int fLegendPoints = kLegendFontPoints;
  int fRowHeight = 16;
  QPoint fLegendPlace{0, 0};  // where the box was put: dragged there or placed at the corner
  QPoint fLegendPos{0, 0};    // where it is: that place, kept inside the client area
  QSize fLegendSize{kLegendMinimumWidth, 3};
  bool fLegendFollowsCorner = true;

  bool fZooming = false;
  QPoint fZoomOrigin;
  QPoint fMovePoint;
  QString fTitle = InitialTitle();
};
