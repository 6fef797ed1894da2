#include "GraphicsMenuState.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "GeneralFloatText.h"

TGraphicsItem TGraphicsMenuState::DesignChart(int k) {
  if (k < 1 || k > TResultPlots::kChartCount)
    throw std::out_of_range("design chart item " + std::to_string(k));
  return static_cast<TGraphicsItem>(static_cast<int>(TGraphicsItem::DesignChart1) + k - 1);
}

TGraphicsMenuState GraphicsMenuState(const TPlotReadSettings& document,
                                     const TResultPlots& results, bool plotFileExists) {
  using I = TGraphicsItem;
  TGraphicsMenuState menu;
  const bool available = results.ShowOutput && plotFileExists;
  for (int item = 0; item < kGraphicsItemCount; ++item)
    menu[static_cast<I>(item)].Enabled = available;

  if (document.ID2 == 0)
    for (I item : {I::AxialLoadvsSettlementupperbound1, I::AxialLoadvsSettlementlowerbound1,
                   I::CombinedSettlement1})
      menu[item].Enabled = false;

  menu[I::mload].Enabled = menu[I::mload].Enabled && results.showloadcurves;
  menu[I::Tzcurvesaveraged].Enabled = menu[I::Tzcurvesaveraged].Enabled && results.showtzcurves;
  menu[I::Qwcurvesaveraged].Enabled = menu[I::Qwcurvesaveraged].Enabled && results.showtzcurves;
  // The additional curves come with the t-z curves of the same run; without those the plot
  // may still hold an earlier run's curves.
  menu[I::AddTzcurvesaveraged].Enabled = menu[I::AddTzcurvesaveraged].Enabled &&
                                         results.showtzcurves && document.PrintTZCurves == 1 &&
                                         results.Plot(TResultPlots::Id::pltTzAdd).LineCount() > 0;

  const bool byLength = document.IPENT == 1;
  const QString depthCaption = byLength
                                   ? QStringLiteral("Combined Plots vs Depth (Initial Length)")
                                   : QStringLiteral("Combined Plots vs Depth (Initial Diameter)");
  menu[I::mCombine].Caption = depthCaption;
  menu[I::dCombine].Caption = depthCaption;
  menu[I::CombinedSettlement1].Caption =
      byLength ? QStringLiteral("Combined Plots of Load vs Settlement (Initial Length)")
               : QStringLiteral("Combined Plots of Load vs Settlement (Initial Diameter)");

  const bool charts = document.IChart == 1;
  const int settlements = std::clamp(document.NPOINTPD, 0, TResultPlots::kChartCount);
  menu[I::ChartSeparator].Visible = charts && settlements > 0;
  if (!charts) menu[I::ChartSeparator].Enabled = false;
  for (int k = 1; k <= TResultPlots::kChartCount; ++k) {
    TGraphicsItemState& item = menu[TGraphicsMenuState::DesignChart(k)];
    item.Caption = QStringLiteral("Design Chart ") + QString::number(k);
    const bool defined = charts && k <= settlements;
    item.Visible = defined;
    item.Enabled = item.Enabled && defined;
    if (defined)
      item.Caption = QStringLiteral("Design Chart (") +
                     GeneralFloatText(document.PDSETT[static_cast<std::size_t>(k - 1)]) +
                     (document.Units == 2 ? QStringLiteral("-m") : QStringLiteral("-in")) +
                     QStringLiteral(" movement)");
  }
  return menu;
}

TResultToolButtons ResultToolButtons(const TResultPlots& results, bool reportExists) {
  TResultToolButtons buttons;
  buttons.ViewOutput = reportExists;
  buttons.CombinedPlots = results.ShowOutput;
  buttons.LoadSettlement = results.ShowOutput;
  buttons.TzAndQwCurves = results.ShowOutput && results.showtzcurves;
  return buttons;
}
