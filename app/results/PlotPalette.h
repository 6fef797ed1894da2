#pragma once

#include <QColor>

// The colours of the plotted lines, the legend entries and the legend box's entries, taken
// in turn by position: entry k has colour k mod kPlotPaletteSize. Grey and silver appear
// twice.
constexpr int kPlotPaletteSize = 17;
QColor PlotPalette(int k);
