#pragma once

#include <functional>
#include <memory>

class TGraphPlot;

// A plot's hold on its window, implemented by the plot window. The plot makes one through
// its form factory on the first Show and frees it on Hide, which the window also calls when
// the user closes it, and when the plot itself goes. Freeing the handle frees the window;
// when that happens inside the window's own close handling, the implementation hands its
// widgets to the event loop for deletion instead of deleting them on the spot.
class TPlotFormHandle {
 public:
  virtual ~TPlotFormHandle() = default;

  // Brings the window up: a maximized child of the main window, restored when minimized.
  // It may close the window again (Hide on its plot), for example when the data give no
  // vertical range.
  virtual void Present() = 0;
};

// Makes the window of a plot; an empty result means that no window could be made.
using TPlotFormFactory = std::function<std::unique_ptr<TPlotFormHandle>(TGraphPlot&)>;
