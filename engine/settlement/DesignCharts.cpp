#include "DesignCharts.h"

#include <algorithm>
#include <string>

#include "Constants.h"
#include "Format.h"

namespace tvx {
namespace {

constexpr int kColumnsPerBlock = 7;

struct ChartExtent {
  int settlements = 0;
  int diameters = 0;
  int lengths = 0;
};

ChartExtent ExtentOf(const SettlementState& state) {
  const ChartStore& c = state.settlement.chart;
  return {std::clamp(state.problem.NPOINTPD, 0, kMaxChartSettlements), std::clamp(c.NDIAC, 0, kMaxRunDiameters),
          std::clamp(c.NLENC, 0, kMaxRunLengths)};
}

// Column blocks of diameters: 1 to 7, 8 to 14, 15 to 20 as far as the diameters reach (one
// block, possibly empty, when there are fewer than 8).
int BlockCount(int diameters) { return diameters < 8 ? 1 : diameters < 15 ? 2 : 3; }

void WriteChartReport(SettlementState& state, const ChartExtent& n) {
  const ProblemRecord& p = state.problem;
  const ChartStore& c = state.settlement.chart;
  const bool si = p.IsSI();
  const float inchesPerLength = si ? kInchesPerMetreAsTabulated : kInchesPerFoot;
  const float lbPerLoad = si ? kLbPerKnAsTabulated : kLbPerTon;
  UnitTable& u = state.units;

  u.WriteEmpty(kUnitReport, 3);
  u.Write(kUnitReport, Record().X(5).T("DESIGN CHART CURVES"));
  u.Write(kUnitReport, Record().X(5).T(std::string(19, '-')));
  for (int i = 1; i <= n.settlements; ++i) {
    u.WriteEmpty(kUnitReport, 2);
    if (si)
      u.Write(kUnitReport, Record().X(5).T("- SETTLEMENT, ").F(9, 4, p.PDSETT[i]).T(" M"));
    else
      u.Write(kUnitReport, Record().X(5).T("- SETTLEMENT, ").F(9, 3, p.PDSETT[i]).T(" IN"));
    const int blocks = BlockCount(n.diameters);
    for (int b = 0; b < blocks; ++b) {
      const int first = 1 + b * kColumnsPerBlock;
      const int last = std::min(first + kColumnsPerBlock - 1, n.diameters);
      u.WriteEmpty(kUnitReport);
      u.Write(kUnitReport, Record().X(3).T("LENGTH").X(10).T(si ? "DIAMETER, M" : "DIAMETER, FT"));
      Record diameters;
      diameters.X(3).T(si ? "  (M) " : " (FT) ");
      for (int j = first; j <= last; ++j) diameters.F(9, 2, c.diameterIn[j] / inchesPerLength);
      u.Write(kUnitReport, diameters);
      u.Write(kUnitReport, Record().X(3).X(6).X(10).T(si ? "TOP LOAD, KN" : "TOP LOAD, TONS"));
      // The case loop shortens the shaft from one length index to the next: the highest
      // index is the shortest shaft, and the rows run from it to the longest.
      for (int k = n.lengths; k >= 1; --k) {
        Record row;
        row.F(9, 2, c.lengthIn[k] / inchesPerLength);
        for (int j = first; j <= last; ++j) row.F(9, 2, c.load[k][j][i] / lbPerLoad);
        u.Write(kUnitReport, row);
      }
    }
  }
}

// Plot-data section: the counts; per settlement its value, then per diameter its value
// (inches, SI metres) followed by one line per length with the length in inches and the
// load in pounds (both unit systems).
void WriteChartPlotData(SettlementState& state, const ChartExtent& n) {
  const ProblemRecord& p = state.problem;
  const ChartStore& c = state.settlement.chart;
  UnitTable& u = state.units;
  u.Write(kUnitPlot, Record().FreeInt(n.settlements).FreeInt(n.diameters).FreeInt(n.lengths));
  for (int i = 1; i <= n.settlements; ++i) {
    u.Write(kUnitPlot, Record().FreeReal(p.PDSETT[i]));
    for (int j = 1; j <= n.diameters; ++j) {
      const float diameter = p.IsSI() ? c.diameterIn[j] / kInchesPerMetreAsTabulated : c.diameterIn[j];
      u.Write(kUnitPlot, Record().F(10, 4, diameter));
      for (int k = 1; k <= n.lengths; ++k)
        u.Write(kUnitPlot, Record().FreeReal(c.lengthIn[k]).FreeReal(c.load[k][j][i]));
    }
  }
}

}  // namespace

void WriteDesignCharts(SettlementState& state) {
  if (state.problem.ICHART != 1) return;
  const ChartExtent n = ExtentOf(state);
  WriteChartReport(state, n);
  WriteChartPlotData(state, n);
}

}  // namespace tvx
