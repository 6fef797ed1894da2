#pragma once

#include <array>
#include <span>

#include "TGraphPlot.h"
#include "TPlotFormHandle.h"

// The result graphs of the program: 26 plots, each with its fixed title, axis titles, unit
// codes and axis orientation, alive as long as the main window. Loading results fills them;
// the plot windows, printing and the spreadsheet export read them.
class TResultPlots {
 public:
  // The plots, in this order.
  enum class Id {
    pltSkin,
    pltTip,
    pltTotal,
    pltAxial,
    pltLoad,
    pltCombine,
    pltCombineD,
    FSpltSkin,
    FSpltTip,
    FSpltTotal,
    pltUpper,
    pltLower,
    pltCombinedSettle,
    PltChart1,
    PltChart2,
    PltChart3,
    PltChart4,
    PltChart5,
    PltChart6,
    PltChart7,
    PltChart8,
    PltChart9,
    PltChart10,
    pltQw,
    pltTz,
    pltTzAdd,
  };
  static constexpr int kPlotCount = static_cast<int>(Id::pltTzAdd) + 1;
  static constexpr int kChartCount = 10;

  TResultPlots();
  TResultPlots(const TResultPlots&) = delete;
  TResultPlots& operator=(const TResultPlots&) = delete;

  TGraphPlot& Plot(Id id) { return fPlots[static_cast<std::size_t>(id)]; }
  const TGraphPlot& Plot(Id id) const { return fPlots[static_cast<std::size_t>(id)]; }
  // All plots in the order of Id.
  std::span<TGraphPlot, kPlotCount> Plots() { return fPlots; }
  std::span<const TGraphPlot, kPlotCount> Plots() const { return fPlots; }

  TGraphPlot& pltSkin() { return Plot(Id::pltSkin); }
  TGraphPlot& pltTip() { return Plot(Id::pltTip); }
  TGraphPlot& pltTotal() { return Plot(Id::pltTotal); }
  TGraphPlot& pltAxial() { return Plot(Id::pltAxial); }
  TGraphPlot& pltLoad() { return Plot(Id::pltLoad); }
  TGraphPlot& pltCombine() { return Plot(Id::pltCombine); }
  TGraphPlot& pltCombineD() { return Plot(Id::pltCombineD); }
  TGraphPlot& FSpltSkin() { return Plot(Id::FSpltSkin); }
  TGraphPlot& FSpltTip() { return Plot(Id::FSpltTip); }
  TGraphPlot& FSpltTotal() { return Plot(Id::FSpltTotal); }
  TGraphPlot& pltUpper() { return Plot(Id::pltUpper); }
  TGraphPlot& pltLower() { return Plot(Id::pltLower); }
  TGraphPlot& pltCombinedSettle() { return Plot(Id::pltCombinedSettle); }
  TGraphPlot& pltQw() { return Plot(Id::pltQw); }
  TGraphPlot& pltTz() { return Plot(Id::pltTz); }
  TGraphPlot& pltTzAdd() { return Plot(Id::pltTzAdd); }
  // Design chart n, 1..kChartCount (PltChart1 .. PltChart10); other n throw
  // std::out_of_range.
  TGraphPlot& PltChart(int n);
  static Id ChartId(int n);

  // State of the loaded results. ShowOutput: the results of the current document are
  // loaded (the callers set it from the result of loading); showtzcurves: the t-z and q-w
  // curves were loaded; showloadcurves: the load-distribution curves were loaded. The
  // callers clear all three before loading.
  bool ShowOutput = false;
  bool showtzcurves = false;
  bool showloadcurves = false;
  void ClearLoadedFlags() { ShowOutput = showtzcurves = showloadcurves = false; }

  // The unit system of every plot's titles.
  void SetUnits(int units);
  // The window maker of every plot.
  void SetFormFactory(const TPlotFormFactory& factory);

 private:
  std::array<TGraphPlot, kPlotCount> fPlots;
};
