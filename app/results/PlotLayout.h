#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

#include "TDrawArea.h"

class TGraphPlot;

// Margins of a printed page in thousandths of an inch.
struct TPageMargins {
  int Left = 1000;
  int Top = 1000;
  int Right = 1000;
  int Bottom = 1000;
  friend bool operator==(const TPageMargins&, const TPageMargins&) = default;
};

// What a printer tells of its page: the resolution, the unprintable offsets of the printable
// area from the paper's corner and the size of the printable area, in printer pixels. The
// page is painted with its origin at the printable area's corner.
struct TPageMetrics {
  QPoint Resolution{1200, 1200};
  QPoint Offset{0, 0};
  QSize PageSize;
};

// The geometry of the window's client area, of `fontHeight` pixel font on a screen of
// `pixelsPerInch`: the graph inside the axis titles and labels, a text row more for a user
// caption, and the soil-layer strip one inch wide at the right with a fifth of it left as a
// gap.
TDrawArea WindowDrawArea(const TGraphPlot& plot, QSize client, QPoint pixelsPerInch,
                         int fontHeight);

// The geometry of a saved bitmap: the window geometry on the bitmap's size, with the
// window's screen resolution and the bitmap's own font; the drawing pass paints the legend
// box.
TDrawArea BitmapDrawArea(const TGraphPlot& plot, QSize bitmap, QPoint screenPixelsPerInch,
                         int fontHeight);

// The geometry of a printed page: the margins (never inside the unprintable border), the
// graph reaching the right and the axis edge of the page, the axis titles and labels
// outside it, a quarter inch for a caption above or half an inch below; the legend box is
// painted.
TDrawArea PrintDrawArea(const TGraphPlot& plot, const TPageMetrics& page,
                        const TPageMargins& margins, int fontHeight);

// Size in pixels of a bitmap of the given inches at `pixelsPerInch`.
QSize BitmapPixels(long double widthInches, long double heightInches, int pixelsPerInch);

// ---- The legend box ---------------------------------------------------------------------

// The legend box with its bottom-right corner on the bottom-right corner of the graph.
QPoint LegendAtGraphCorner(const TIntRect& graphArea, QSize legend);
// The legend box moved left or up until it fits in the client area, but never beyond its
// left or top edge.
QPoint KeepLegendInside(QPoint position, QSize legend, QSize client);

// The on-screen legend list: its font size in points for a font scale n in tenths, its row
// height (16 pixels for the 11 point font at 96 pixels per inch), the box height for a
// number of entries and the box width for its widest entry text (with " *").
constexpr int kLegendFontPoints = 11;
constexpr int kLegendMinimumWidth = 21;
int LegendFontSize(int scale, int legendFont);
int LegendRowHeight(int fontPoints, int pixelsPerInch);
int LegendBoxHeight(int entries, int rowHeight);
int LegendBoxWidth(int widestEntry, int pixelsPerInch);

// The legend box of a printed page or saved bitmap: placed in the graph area as the window's
// legend box is placed in the window (`place`: its left and top as fractions of the client
// width and height), wide enough for the widest entry W, one row of text height h per entry.
TIntRect LegendBoxRect(const TIntRect& graphArea, QPointF place, int widest, int textHeight,
                       int entries, QPoint pixelsPerInch);
// The box moved left or up until it fits on the page or bitmap, but never beyond its left or
// top edge, as the window keeps its legend box inside: a legend near the window's bottom
// edge is taller on a small bitmap than its place leaves room for.
TIntRect KeepBoxInside(const TIntRect& box, const TIntRect& bounds);
