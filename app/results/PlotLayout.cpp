#include "PlotLayout.h"

#include <algorithm>
#include <cmath>

#include "PlotScale.h"
#include "TGraphPlot.h"

namespace {

// Moves the graph's right edge left by an inch for the soil-layer strip.
void PlaceLayerStrip(const TGraphPlot& plot, TDrawArea& a) {
  if (!plot.ShowLayers()) return;
  const int PX = a.PixelsPerInch.x();
  const int oldRight = a.GraphArea.Right;
  a.GraphArea.Right -= PX;
  a.LayersArea = {oldRight - PX + PX / 5, a.GraphArea.Top, oldRight, a.GraphArea.Bottom};
}

TDrawArea ScreenGeometry(const TGraphPlot& plot, QSize size, QPoint ppi, int fontHeight) {
  TDrawArea a;
  a.Bounds = {0, 0, size.width(), size.height()};
  a.PixelsPerInch = ppi;
  a.FontHeight = fontHeight;
  const int PX = ppi.x();
  const int PY = ppi.y();
  const int H = FontPixels(fontHeight, plot.SizeFont());
  a.GraphArea.Left = 2 * H + PX / 8 + H / 8;
  a.GraphArea.Right = a.Bounds.Right - PX / 4 - H / 2;
  if (plot.XOnTop()) {
    a.GraphArea.Top = 2 * H + PY / 8 + H / 8;
    a.GraphArea.Bottom = a.Bounds.Bottom - PY / 4 - H / 2;
  } else {
    a.GraphArea.Top = H / 2 + PY / 4;
    a.GraphArea.Bottom = a.Bounds.Bottom - 2 * H - PY / 8 - H / 8;
  }
  if (!plot.UserCaption().isEmpty()) {
    if (plot.UserCaptionOnTop())
      a.GraphArea.Top += H / 8 + H;
    else
      a.GraphArea.Bottom -= H;
  }
  PlaceLayerStrip(plot, a);
  return a;
}

int MarginPixels(int thousandths, int resolution) {
  return static_cast<int>(std::rint(thousandths / 1000.0L * resolution));
}

}  // namespace

TDrawArea WindowDrawArea(const TGraphPlot& plot, QSize client, QPoint pixelsPerInch,
                         int fontHeight) {
  return ScreenGeometry(plot, client, pixelsPerInch, fontHeight);
}

TDrawArea BitmapDrawArea(const TGraphPlot& plot, QSize bitmap, QPoint screenPixelsPerInch,
                         int fontHeight) {
  // The caption keeps its band as in the window: without it a caption above the graph
  // would be written over the horizontal axis title and labels.
  TDrawArea a = ScreenGeometry(plot, bitmap, screenPixelsPerInch, fontHeight);
  a.MessedUp = true;
  a.PrintLegend = true;
  return a;
}

TDrawArea PrintDrawArea(const TGraphPlot& plot, const TPageMetrics& page,
                        const TPageMargins& margins, int fontHeight) {
  TDrawArea a;
  a.PixelsPerInch = page.Resolution;
  a.FontHeight = fontHeight;
  a.PrintLegend = true;
  const int PX = page.Resolution.x();
  const int PY = page.Resolution.y();
  const int offX = page.Offset.x();
  const int offY = page.Offset.y();
  a.Bounds.Left = std::max(MarginPixels(margins.Left, PX), offX) - offX;
  a.Bounds.Right = page.PageSize.width() + offX - std::max(MarginPixels(margins.Right, PX), offX);
  a.Bounds.Top = std::max(MarginPixels(margins.Top, PY), offY) - offY;
  a.Bounds.Bottom =
      page.PageSize.height() + offY - std::max(MarginPixels(margins.Bottom, PY), offY);

  const int H = FontPixels(fontHeight, plot.SizeFont());
  a.GraphArea.Left = a.Bounds.Left + 2 * H + PX / 8 + H / 8;
  a.GraphArea.Right = a.Bounds.Right;
  if (plot.XOnTop()) {
    a.GraphArea.Top = a.Bounds.Top + 2 * H + PX / 8 + H / 8;
    a.GraphArea.Bottom = a.Bounds.Bottom;
  } else {
    a.GraphArea.Top = a.Bounds.Top;
    a.GraphArea.Bottom = a.Bounds.Bottom - 2 * H - PX / 8 - H / 8;
  }
  if (!plot.UserCaption().isEmpty()) {
    if (plot.UserCaptionOnTop())
      a.GraphArea.Top += PY / 4;
    else
      a.GraphArea.Bottom -= PY / 2;
  }
  PlaceLayerStrip(plot, a);
  return a;
}

QSize BitmapPixels(long double widthInches, long double heightInches, int pixelsPerInch) {
  return {static_cast<int>(std::rint(pixelsPerInch * widthInches)),
          static_cast<int>(std::rint(pixelsPerInch * heightInches))};
}

QPoint LegendAtGraphCorner(const TIntRect& graphArea, QSize legend) {
  return {graphArea.Right - legend.width(), graphArea.Bottom - legend.height()};
}

QPoint KeepLegendInside(QPoint position, QSize legend, QSize client) {
  const int x = std::max(0, std::min(position.x(), client.width() - legend.width()));
  const int y = std::max(0, std::min(position.y(), client.height() - legend.height()));
  return {x, y};
}

int LegendFontSize(int scale, int legendFont) { return scale * legendFont / 10; }

int LegendRowHeight(int fontPoints, int pixelsPerInch) {
  return fontPoints * 3 / 2 * pixelsPerInch / 96;
}

int LegendBoxHeight(int entries, int rowHeight) { return entries * rowHeight + 3; }

int LegendBoxWidth(int widestEntry, int pixelsPerInch) {
  return std::max(kLegendMinimumWidth, widestEntry + pixelsPerInch / 4);
}

TIntRect LegendBoxRect(const TIntRect& graphArea, QPointF place, int widest, int textHeight,
                       int entries, QPoint pixelsPerInch) {
  const int PX = pixelsPerInch.x();
  const int PY = pixelsPerInch.y();
  TIntRect r;
  r.Left = graphArea.Left + static_cast<int>(graphArea.Width() * place.x());
  r.Top = graphArea.Top + static_cast<int>(graphArea.Height() * place.y());
  r.Right = r.Left + widest + 3 * PX / 16;
  r.Bottom = r.Top + entries * (PY / 32 + textHeight) + PY / 32;
  return r;
}

TIntRect KeepBoxInside(const TIntRect& box, const TIntRect& bounds) {
  const int dx = std::max(bounds.Left - box.Left, std::min(0, bounds.Right - box.Right));
  const int dy = std::max(bounds.Top - box.Top, std::min(0, bounds.Bottom - box.Bottom));
  return {box.Left + dx, box.Top + dy, box.Right + dx, box.Bottom + dy};
}
