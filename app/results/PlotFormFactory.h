#pragma once
// The makers of plot windows that the main window gives its plots (and tests give theirs).
#include <functional>

#include "TPlotFormHandle.h"

class QMdiArea;
class QWidget;
class TGraphPlot;
class TPlotForm;

// Plot windows that `host` adopts when they are first presented (the main window makes each
// a maximized child window); without a host a window is shown on its own, maximized. A
// window presented again comes to the front, restored when it was minimized.
TPlotFormFactory MakePlotFormFactory(std::function<void(QWidget* window)> host = {});

// Plot windows as maximized child windows of `area`.
TPlotFormFactory MakePlotFormFactory(QMdiArea* area);

// The window of a plot when it is one of these plot windows, nullptr otherwise.
TPlotForm* PlotFormOf(const TGraphPlot& plot);
