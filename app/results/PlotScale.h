#pragma once

#include <QPoint>
#include <optional>

#include "TDrawArea.h"
#include "TFloatPoint.h"
#include "TFloatRect.h"

class TGraphPlot;

// The range step of an axis spanning low..high: the power of ten just below the span, or a
// tenth of it when the span's leading digits are below 3 (a span of 350 gives 100, 250 gives
// 10, 2.5 gives 0.1). 0 when the span is not a positive finite number.
long double RangeStep(long double high, long double low);

// The full axis ranges of a plot from all its data lines, active or not, rounded outward to
// whole range steps. The horizontal range and, unless the plot is an elevation plot
// (Yreversed), the vertical range always include 0. An elevation plot's range starts at its
// first point and comes back with Top holding the higher elevation. Empty when a range has no
// usable step, which closes the plot's window as it opens.
std::optional<TFloatRect> ComputeBounds(const TGraphPlot& plot);

// Pixel height H of titles and labels: the target's font height scaled by the plot's
// SizeFont in tenths.
int FontPixels(int fontHeight, int sizeFont);

// Pixel height of the window font on a target of `pixelsPerInch`: 14 pixels at 96.
int WindowFontPixels(int pixelsPerInch);

// The mapping between axis values and the pixels of a graph area.
struct TPlotMapping {
  TIntRect GraphArea;
  TFloatRect Logic;
  bool XOnTop = true;

  // The pixel of (x, y), to the nearest pixel with halves to even. Values far outside the
  // ranges are held a long way outside the area, so a pixel is always a valid integer.
  QPoint ToPixel(long double x, long double y) const;
  // The values at a pixel; (0, 0) when the pixel lies left or right of the graph area.
  TFloatPoint ToLogic(QPoint pixel) const;
};
