#include "DesignCharts.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tvx {
namespace {

using test::LinesOf;

// Two settlements, nine diameters 3.0 .. 7.0 ft and three lengths 60, 57, 54 ft (the case
// loop's order: length index 1 is the longest). The load of (length k, diameter j,
// settlement i) is 100 i + 10 j + k tons; the case of length 57 ft and diameter 5.0 ft had
// its tip in rock and left its cells at 0.
class DesignChartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.units.OpenCapture(kUnitReport));
    ASSERT_TRUE(s.units.OpenCapture(kUnitPlot));
    ProblemRecord& p = s.problem;
    p.ICHART = 1;
    p.NPOINTPD = 2;
    p.PDSETT[1] = 0.5f;
    p.PDSETT[2] = 1.0f;
    ChartStore& c = s.settlement.chart;
    c.NDIAC = 9;
    c.NLENC = 3;
    for (int k = 1; k <= 3; ++k) c.lengthIn[k] = 12.0f * (63.0f - 3.0f * k);
    for (int j = 1; j <= 9; ++j) c.diameterIn[j] = 36.0f + 6.0f * (j - 1);
    for (int k = 1; k <= 3; ++k)
      for (int j = 1; j <= 9; ++j)
        for (int i = 1; i <= 2; ++i) c.load[k][j][i] = 2000.0f * (100 * i + 10 * j + k);
    for (int i = 1; i <= 2; ++i) c.load[2][5][i] = 0.0f;
  }
  std::vector<std::string> Report() { return LinesOf(s.units.Captured(kUnitReport)); }
  std::vector<std::string> Plot() { return LinesOf(s.units.Captured(kUnitPlot)); }
  SettlementState s;
};

TEST_F(DesignChartsTest, NineDiameters_TwoBlocksPerSettlement_ShortestLengthFirst) {
  WriteDesignCharts(s);
  const std::vector<std::string> expectedStart = {
      "",
      "",
      "",
      "     DESIGN CHART CURVES",
      "     -------------------",
      "",
      "",
      "     - SETTLEMENT,     0.500 IN",
      "",
      "   LENGTH          DIAMETER, FT",
      "    (FT)      3.00     3.50     4.00     4.50     5.00     5.50     6.00",
      "                   TOP LOAD, TONS",
      "    54.00   113.00   123.00   133.00   143.00   153.00   163.00   173.00",
      "    57.00   112.00   122.00   132.00   142.00     0.00   162.00   172.00",
      "    60.00   111.00   121.00   131.00   141.00   151.00   161.00   171.00",
      "",
      "   LENGTH          DIAMETER, FT",
      "    (FT)      6.50     7.00",
      "                   TOP LOAD, TONS",
      "    54.00   183.00   193.00",
      "    57.00   182.00   192.00",
      "    60.00   181.00   191.00",
      "",
      "",
      "     - SETTLEMENT,     1.000 IN",
      "",
      "   LENGTH          DIAMETER, FT",
      "    (FT)      3.00     3.50     4.00     4.50     5.00     5.50     6.00",
      "                   TOP LOAD, TONS",
      "    54.00   213.00   223.00   233.00   243.00   253.00   263.00   273.00",
  };
  const std::vector<std::string> lines = Report();
  ASSERT_EQ(lines.size(), 5u + 2 * (3u + 2 * 7u));
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expectedStart.size()), expectedStart);
  EXPECT_EQ(lines.back(), "    60.00   281.00   291.00");
}

TEST_F(DesignChartsTest, PlotData_CountsThenPerSettlementDiametersAndLengthLoads) {
  WriteDesignCharts(s);
  const std::vector<std::string> lines = Plot();
  // 1 count line; per settlement 1 + 9 x (1 + 3) lines.
  ASSERT_EQ(lines.size(), 1u + 2 * (1u + 9 * 4u));
  EXPECT_EQ(lines[0], " 2 9 3");
  EXPECT_EQ(lines[1], " 0.5");
  EXPECT_EQ(lines[2], "   36.0000");
  EXPECT_EQ(lines[3], " 720 222000");  // 60 ft in inches, 111 tons in pounds
  EXPECT_EQ(lines[5], " 648 226000");
  EXPECT_EQ(lines[2 + 4 * 4], "   60.0000");
  EXPECT_EQ(lines[2 + 4 * 4 + 2], " 684 0");  // the rock-tip case
  EXPECT_EQ(lines[38], " 1");
  EXPECT_EQ(lines.back(), " 648 586000");
}

TEST_F(DesignChartsTest, SiRun_MetresAndKnInTheReport_MetresForDiametersInThePlotData) {
  s.problem.UNITS = "SI";
  s.problem.PDSETT[1] = 0.0127f;
  s.problem.NPOINTPD = 1;
  s.settlement.chart.NDIAC = 2;
  WriteDesignCharts(s);
  const std::vector<std::string> report = Report();
  ASSERT_EQ(report.size(), 5u + 3u + 7u);
  EXPECT_EQ(report[7], "     - SETTLEMENT,    0.0127 M");
  EXPECT_EQ(report[9], "   LENGTH          DIAMETER, M");
  EXPECT_EQ(report[10], "     (M)      0.91     1.07");  // 36 and 42 in / 39.37
  EXPECT_EQ(report[11], "                   TOP LOAD, KN");
  // 54 ft = 648 in = 16.46 m; 113 tons = 226000 lb = 1005.25 kN
  EXPECT_EQ(report[12], "    16.46  1005.25  1094.21");
  const std::vector<std::string> plot = Plot();
  EXPECT_EQ(plot[0], " 1 2 3");
  EXPECT_EQ(plot[1], " 0.0127");
  EXPECT_EQ(plot[2], "    0.9144");
  EXPECT_EQ(plot[3], " 720 222000");  // lengths and loads stay in inches and pounds
}

TEST_F(DesignChartsTest, NoChartOption_WritesNothing) {
  s.problem.ICHART = 0;
  WriteDesignCharts(s);
  EXPECT_TRUE(Report().empty());
  EXPECT_TRUE(Plot().empty());
}

TEST_F(DesignChartsTest, NoSettlements_CountLineOnlyAndEmptyReportSection) {
  s.problem.NPOINTPD = 0;
  WriteDesignCharts(s);
  EXPECT_EQ(Plot(), std::vector<std::string>{" 0 9 3"});
  EXPECT_EQ(Report().size(), 5u);
}

TEST_F(DesignChartsTest, CountsBeyondTheStore_AreCut) {
  s.problem.NPOINTPD = 40;
  s.settlement.chart.NDIAC = 99;
  s.settlement.chart.NLENC = -4;
  WriteDesignCharts(s);
  EXPECT_EQ(Plot()[0], " 10 20 0");
  // 20 diameters: three blocks per settlement (7, 7 and 6 columns), no rows
  EXPECT_EQ(Report().size(), 5u + 10 * (3u + 3 * 4u));
}

}  // namespace
}  // namespace tvx
