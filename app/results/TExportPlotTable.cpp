#include "TExportPlotTable.h"

namespace {

using P = TResultPlots::Id;
using I = TGraphicsItem;

constexpr std::array<TExportPlotRow, kExportPlotCount> kTable = {{
    {1, P::pltSkin, I::mSkin},
    {2, P::pltTip, I::mTip},
    {3, P::pltTotal, I::mTotal},
    {4, P::FSpltSkin, I::fsmSkin},
    {5, P::FSpltTip, I::fsmTip},
    {6, P::FSpltTotal, I::fsmTotal},
    {7, P::pltCombine, I::mCombine},
    {8, P::pltCombineD, I::dCombine},
    {9, P::pltAxial, I::mAxial},
    {10, P::pltUpper, I::AxialLoadvsSettlementupperbound1},
    {11, P::pltLower, I::AxialLoadvsSettlementlowerbound1},
    {12, P::pltCombinedSettle, I::CombinedSettlement1},
    {13, P::pltTz, I::Tzcurvesaveraged},
    {14, P::pltQw, I::Qwcurvesaveraged},
    {15, P::pltTzAdd, I::AddTzcurvesaveraged},
    {16, P::pltLoad, I::mload},
    {17, P::PltChart1, I::DesignChart1},
    {18, P::PltChart2, I::DesignChart2},
    {19, P::PltChart3, I::DesignChart3},
    {20, P::PltChart4, I::DesignChart4},
    {21, P::PltChart5, I::DesignChart5},
    {22, P::PltChart6, I::DesignChart6},
    {23, P::PltChart7, I::DesignChart7},
    {24, P::PltChart8, I::DesignChart8},
    {25, P::PltChart9, I::DesignChart9},
    {26, P::PltChart10, I::DesignChart10},
}};

constexpr bool PositionsInOrder() {
  for (std::size_t i = 0; i < kTable.size(); ++i)
    if (kTable[i].Position != static_cast<int>(i) + 1) return false;
  return true;
}
static_assert(PositionsInOrder(), "export positions numbered 1..26 in table order");

}  // namespace

const std::array<TExportPlotRow, kExportPlotCount>& ExportPlotTable() { return kTable; }
