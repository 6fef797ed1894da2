#pragma once

#include <QPoint>

class QPainter;

// A rectangle in pixels of a drawing target, with the edges as they are drawn: Right and
// Bottom are one past the last column and row of a filled area, and the edge lines of a
// framed area.
struct TIntRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TIntRect&, const TIntRect&) = default;
};

// The drawing geometry of one target of the plot drawing: the window, a printed page or a
// saved bitmap. The same drawing pass paints all three; only these values differ.
struct TDrawArea {
  TIntRect Bounds;      // the whole area to paint
  TIntRect GraphArea;   // the plotting rectangle inside the axes
  TIntRect LayersArea;  // the soil-layer strip beside the graph (with ShowLayers)
  QPoint PixelsPerInch{96, 96};
  // Pixel height of the target's own font (the window font: 14 at 96 pixels per inch);
  // titles and labels are this height scaled by the plot's SizeFont.
  int FontHeight = 14;
  QPainter* Canvas = nullptr;
  bool MessedUp = false;     // painting a saved bitmap
  bool PrintLegend = false;  // printing or saving: the drawing pass paints the legend box
};
