#include "TResultPlots.h"

#include <stdexcept>
#include <string>

namespace {

// Fixed texts and orientation of one result plot; everything else keeps the defaults of a
// new plot. Loading results rewrites several of the depth plots' titles after each run.
struct PlotSetup {
  TResultPlots::Id id;
  const char* caption;
  const char* xCaption;
  const char* xUnits;
  bool xOnTop;
  const char* yCaption;
  const char* yUnits;
};

using Id = TResultPlots::Id;

// The trailing blanks and the two blanks in "Design Chart  10" are part of the titles.
constexpr PlotSetup kSetups[] = {
    {Id::pltSkin, "Ultimate Skin Friction vs Depth", "Ultimate Skin Friction ", "F2", true,
     "Depth ", "L2"},
    {Id::pltTip, "Ultimate Tip Resistance vs Depth", "Ultimate Tip Resistance ", "F2", true,
     "Depth ", "L2"},
    {Id::pltTotal, "Ultimate Total Capacity vs Depth", "Ultimate Total Capacity ", "F2", true,
     "Depth ", "L2"},
    {Id::pltAxial, "Axial Load vs Settlement (averaged)", "Axial Load ", "F2", true,
     "Settlement ", "L"},
    {Id::pltLoad, "Load Distribution", "Total Capacity ", "F2", true, "Depth ", "L2"},
    {Id::pltCombine, "Combined Plots vs Depth (ultimate)", "Ultimate Axial Capacity", "F2", true,
     "Depth", "L2"},
    {Id::pltCombineD, "Combined Plots vs Depth (ASD/LRFD)", "Axial Capacity w/F. S.", "F2", true,
     "Depth", "L2"},
    {Id::FSpltSkin, "ASD/LRFD Skin Friction vs Depth ", "Skin Friction w/F.S.", "F2", true,
     "Depth", "L2"},
    {Id::FSpltTip, "ASD/LRFD Tip Resistance vs Depth ", "Tip Resistance w/F.S.", "F2", true,
     "Depth", "L2"},
    {Id::FSpltTotal, "ASD/LRFD Total Capacity vs Depth", "Total Capacity w/F.S.", "F2", true,
     "Depth", "L2"},
    {Id::pltUpper, "Axial Load vs Settlement (upper bound)", "Axial Load (upper bound)", "F2",
     true, "Settlement", "L"},
    {Id::pltLower, "Axial Load vs Settlement (lower bound)", "Axial Load (lower bound)", "F2",
     true, "Settlement", "L"},
    {Id::pltCombinedSettle, "Combined Plots of Load vs Settlement", "Axial Load", "F2", true,
     "Settlement", "L"},
    {Id::PltChart1, "Design Chart 1", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart2, "Design Chart 2", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart3, "Design Chart 3", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart4, "Design Chart 4", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart5, "Design Chart 5", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart6, "Design Chart 6", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart7, "Design Chart 7", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart8, "Design Chart 8", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart9, "Design Chart 9", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::PltChart10, "Design Chart  10", "Axial Capacity", "F2", true, "Depth", "L2"},
    {Id::pltQw, "Q-w curves (averaged)", "Tip Displacement, w", "L", false, "Tip Load, Q", "F2"},
    {Id::pltTz, "t-z curves (averaged)", "Axial Displacement, z", "L", false,
     "Unit Load Transfer, t", "F/L^2"},
    {Id::pltTzAdd, "Additional t-z curves (averaged)", "Axial Displacement, z", "L", false,
     "Unit Load Transfer, t", "F/L^2"},
};

static_assert(std::size(kSetups) == TResultPlots::kPlotCount, "one setup per result plot");

constexpr bool SetupsInIdOrder() {
  for (std::size_t i = 0; i < std::size(kSetups); ++i)
    if (static_cast<std::size_t>(kSetups[i].id) != i) return false;
  return true;
}
static_assert(SetupsInIdOrder(), "setups listed in the order of the plot ids");

}  // namespace

TResultPlots::TResultPlots() {
  for (const PlotSetup& setup : kSetups) {
    TGraphPlot& plot = Plot(setup.id);
    plot.SetCaption(QString::fromLatin1(setup.caption));
    plot.SetXCaption(QString::fromLatin1(setup.xCaption));
    plot.SetXUnits(QString::fromLatin1(setup.xUnits));
    plot.SetXOnTop(setup.xOnTop);
    plot.SetYCaption(QString::fromLatin1(setup.yCaption));
    plot.SetYUnits(QString::fromLatin1(setup.yUnits));
  }
}

TResultPlots::Id TResultPlots::ChartId(int n) {
  if (n < 1 || n > kChartCount)
    throw std::out_of_range("design chart " + std::to_string(n) + " of " +
                            std::to_string(kChartCount));
  return static_cast<Id>(static_cast<int>(Id::PltChart1) + n - 1);
}

TGraphPlot& TResultPlots::PltChart(int n) { return Plot(ChartId(n)); }

void TResultPlots::SetUnits(int units) {
  for (TGraphPlot& plot : fPlots) plot.SetUnits(units);
}

void TResultPlots::SetFormFactory(const TPlotFormFactory& factory) {
  for (TGraphPlot& plot : fPlots) plot.SetFormFactory(factory);
}
