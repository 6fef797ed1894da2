#pragma once

#include <QString>
#include <array>

#include "TPlotReadSettings.h"
#include "TResultPlots.h"

// The items of the Graphics menu, in menu order; ChartSeparator is the separator before
// the design-chart items.
enum class TGraphicsItem {
  mSkin,
  mTip,
  mTotal,
  mCombine,
  fsmSkin,
  fsmTip,
  fsmTotal,
  dCombine,
  mAxial,
  AxialLoadvsSettlementupperbound1,
  AxialLoadvsSettlementlowerbound1,
  CombinedSettlement1,
  Tzcurvesaveraged,
  Qwcurvesaveraged,
  AddTzcurvesaveraged,
  mload,
  ChartSeparator,
  DesignChart1,
  DesignChart2,
  DesignChart3,
  DesignChart4,
  DesignChart5,
  DesignChart6,
  DesignChart7,
  DesignChart8,
  DesignChart9,
  DesignChart10,
};
inline constexpr int kGraphicsItemCount = static_cast<int>(TGraphicsItem::DesignChart10) + 1;

struct TGraphicsItemState {
  bool Enabled = false;
  bool Visible = true;
  // The caption to give the item; empty: the item keeps its own caption.
  QString Caption;
};

class TGraphicsMenuState {
 public:
  TGraphicsItemState& operator[](TGraphicsItem item) {
    return fItems[static_cast<std::size_t>(item)];
  }
  const TGraphicsItemState& operator[](TGraphicsItem item) const {
    return fItems[static_cast<std::size_t>(item)];
  }
  static TGraphicsItem DesignChart(int k);  // k = 1..10

 private:
  std::array<TGraphicsItemState, kGraphicsItemCount> fItems;
};

// What the Graphics menu offers each time it opens: which result plots can be shown and
// the captions that depend on the run. Every item needs loaded results whose plot-data file
// still exists; some need more (bounds, t-z curves, load curves, design charts).
TGraphicsMenuState GraphicsMenuState(const TPlotReadSettings& document,
                                     const TResultPlots& results, bool plotFileExists);

// The result tool buttons, set after results are loaded.
struct TResultToolButtons {
  bool ViewOutput = false;       // button 5: the report
  bool CombinedPlots = false;    // buttons 8 and 9: combined ultimate and design plots
  bool LoadSettlement = false;   // button 10
  bool TzAndQwCurves = false;    // buttons 22 and 23
};
TResultToolButtons ResultToolButtons(const TResultPlots& results, bool reportExists);
