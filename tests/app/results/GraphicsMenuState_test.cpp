#include "GraphicsMenuState.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace {

using I = TGraphicsItem;

struct MenuCase {
  const char* name;
  bool showOutput;
  bool fileExists;
  bool tzCurves;
  bool loadCurves;
  int ID2;
  int printTz;
  int tzAddLines;
  std::set<I> disabled;  // items off although results are available; all off: see `none`
  bool none;
};

std::ostream& operator<<(std::ostream& os, const MenuCase& c) { return os << c.name; }

const std::set<I> kBounds = {I::AxialLoadvsSettlementupperbound1,
                             I::AxialLoadvsSettlementlowerbound1, I::CombinedSettlement1};

const MenuCase kMenuCases[] = {
    {"NothingLoaded", false, true, true, true, 3, 1, 2, {}, true},
    {"PlotFileGone", true, false, true, true, 3, 1, 2, {}, true},
    {"EverythingLoaded", true, true, true, true, 3, 1, 2, {}, false},
    {"NoBoundCurves", true, true, true, true, 0, 1, 2, kBounds, false},
    {"RockTipsOnly", true, true, false, false, 3, 1, 2,
     {I::Tzcurvesaveraged, I::Qwcurvesaveraged, I::AddTzcurvesaveraged, I::mload}, false},
    {"NoLoadCurves", true, true, true, false, 3, 0, 0, {I::AddTzcurvesaveraged, I::mload}, false},
    {"AdditionalCurvesNotAsked", true, true, true, true, 3, 0, 2, {I::AddTzcurvesaveraged}, false},
    {"AdditionalCurvesAskedButNone", true, true, true, true, 3, 1, 0, {I::AddTzcurvesaveraged},
     false},
};

class GraphicsMenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(GraphicsMenuTest, EnablesWhatTheLoadedResultsHold) {
  const MenuCase& c = GetParam();
  TResultPlots results;
  results.ShowOutput = c.showOutput;
  results.showtzcurves = c.tzCurves;
  results.showloadcurves = c.loadCurves;
  results.pltTzAdd().SetLineCount(c.tzAddLines);
  TPlotReadSettings doc;
  doc.ID2 = c.ID2;
  doc.PrintTZCurves = c.printTz;
  const TGraphicsMenuState menu = GraphicsMenuState(doc, results, c.fileExists);
  for (int k = 0; k <= static_cast<int>(I::mload); ++k) {
    const I item = static_cast<I>(k);
    EXPECT_EQ(menu[item].Enabled, !c.none && !c.disabled.count(item)) << k;
    EXPECT_TRUE(menu[item].Visible) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(States, GraphicsMenuTest, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GraphicsMenu, CombinedCaptionsNameTheInitialDiameterOrLength) {
  TResultPlots results;
  TPlotReadSettings doc;
  for (int ipent : {0, 1}) {
    doc.IPENT = ipent;
    const TGraphicsMenuState menu = GraphicsMenuState(doc, results, true);
    const QString of = ipent ? QStringLiteral("(Initial Length)") : QStringLiteral("(Initial Diameter)");
    EXPECT_EQ(menu[I::mCombine].Caption, QStringLiteral("Combined Plots vs Depth ") + of);
    EXPECT_EQ(menu[I::dCombine].Caption, QStringLiteral("Combined Plots vs Depth ") + of);
    EXPECT_EQ(menu[I::CombinedSettlement1].Caption,
              QStringLiteral("Combined Plots of Load vs Settlement ") + of);
    EXPECT_TRUE(menu[I::mSkin].Caption.isEmpty());
  }
}

struct ChartMenuCase {
  const char* name;
  int IChart;
  int NPOINTPD;
  int units;
  bool showOutput;
  bool separator;
  int visibleCharts;
  bool enabled;
  const char* firstCaption;
};

std::ostream& operator<<(std::ostream& os, const ChartMenuCase& c) { return os << c.name; }

class ChartMenuTest : public ::testing::TestWithParam<ChartMenuCase> {};

TEST_P(ChartMenuTest, ShowsOneItemPerDefinedSettlement) {
  const ChartMenuCase& c = GetParam();
  TResultPlots results;
  results.ShowOutput = c.showOutput;
  TPlotReadSettings doc;
  doc.IChart = c.IChart;
  doc.NPOINTPD = c.NPOINTPD;
  doc.Units = c.units;
  doc.PDSETT = {0.1L, 0.25L, 0.5L, 0.75L, 1, 1, 1, 1, 1, 1.5L};
  const TGraphicsMenuState menu = GraphicsMenuState(doc, results, true);
  EXPECT_EQ(menu[I::ChartSeparator].Visible, c.separator);
  for (int k = 1; k <= 10; ++k) {
    const TGraphicsItemState& item = menu[TGraphicsMenuState::DesignChart(k)];
    const bool visible = k <= c.visibleCharts;
    EXPECT_EQ(item.Visible, visible) << k;
    EXPECT_EQ(item.Enabled, visible && c.enabled) << k;
    if (!visible) {
      EXPECT_EQ(item.Caption, QStringLiteral("Design Chart ") + QString::number(k));
    }
  }
  EXPECT_EQ(menu[TGraphicsMenuState::DesignChart(1)].Caption.toStdString(), c.firstCaption);
  if (c.visibleCharts == 10) {
    EXPECT_EQ(menu[I::DesignChart10].Caption.toStdString(),
              c.units == 2 ? "Design Chart (1.5-m movement)" : "Design Chart (1.5-in movement)");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ChartMenuTest,
    ::testing::Values(
        ChartMenuCase{"ChartsOff", 0, 5, 1, true, false, 0, false, "Design Chart 1"},
        ChartMenuCase{"ThreeSettlements", 1, 3, 1, true, true, 3, true,
                      "Design Chart (0.1-in movement)"},
        ChartMenuCase{"ThreeSettlementsSI", 1, 3, 2, true, true, 3, true,
                      "Design Chart (0.1-m movement)"},
        ChartMenuCase{"NoSettlement", 1, 0, 1, true, false, 0, false, "Design Chart 1"},
        ChartMenuCase{"MoreSettlementsThanItems", 1, 12, 1, true, true, 10, true,
                      "Design Chart (0.1-in movement)"},
        ChartMenuCase{"ChartsNotLoaded", 1, 3, 1, false, true, 3, false,
                      "Design Chart (0.1-in movement)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultToolButtons, FollowTheReportAndTheLoadedResults) {
  TResultPlots results;
  TResultToolButtons b = ResultToolButtons(results, true);
  EXPECT_TRUE(b.ViewOutput);
  EXPECT_FALSE(b.CombinedPlots || b.LoadSettlement || b.TzAndQwCurves);
  results.ShowOutput = true;
  b = ResultToolButtons(results, false);
  EXPECT_FALSE(b.ViewOutput);
  EXPECT_TRUE(b.CombinedPlots && b.LoadSettlement);
  EXPECT_FALSE(b.TzAndQwCurves);
  results.showtzcurves = true;
  EXPECT_TRUE(ResultToolButtons(results, false).TzAndQwCurves);
}

}  // namespace
