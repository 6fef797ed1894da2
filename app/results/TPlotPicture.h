#pragma once

#include <QPointF>
#include <vector>

#include "TFloatRect.h"

class TGraphPlot;

// What one drawing of a plot shows besides the plot itself: the current (possibly zoomed)
// axis ranges, the lines of the legend entries in legend order, and where the window's
// legend box sits, as fractions of the window's width and height, for the legend box that
// printing and saving paint.
struct TPlotPicture {
  const TGraphPlot* Plot = nullptr;
  TFloatRect LogicBounds;
  std::vector<int> LegendLines;
  QPointF LegendPlace{0, 0};
};
