// The layout of the export workbook, checked without writing a file.
#include "TExportWorkbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "ExportFixtures.h"
#include "TResultPlots.h"

namespace {

using export_test::FillLines;
using Kind = TExportCell::TKind;

QString L(const char* text) { return QString::fromLatin1(text); }

TExportCell Text(const char* text) { return TExportCell::MakeText(L(text)); }
TExportCell Number(double value) { return TExportCell::MakeNumber(value); }

std::map<std::pair<int, int>, TExportCell> ByPosition(const std::vector<TPlacedCell>& cells) {
  std::map<std::pair<int, int>, TExportCell> map;
  for (const TPlacedCell& c : cells) {
    const bool fresh = map.emplace(std::make_pair(c.Row, c.Column), c.Cell).second;
    EXPECT_TRUE(fresh) << "two cells at row " << c.Row << " column " << c.Column;
  }
  return map;
}

TEST(ExportWorkbook, LegendHeadingsNumberedRowsLinksAndStatus) {
  TResultPlots plots;
  FillLines(plots.pltSkin(), {3});
  FillLines(plots.pltTz(), {2, 2});
  const TExportWorkbook book({&plots.pltSkin(), &plots.pltTz()}, true);

  const auto cells = ByPosition(book.LegendCells());
  const std::pair<std::pair<int, int>, TExportCell> expected[] = {
      {{2, 2}, TExportCell::MakeText(L("     N    "), {}, true)},
      {{2, 3}, TExportCell::MakeText(L("                             Plot Name                             "), {}, true)},
      {{2, 4}, TExportCell::MakeText(L("  Sheet Name  "), {}, true)},
      {{2, 5}, TExportCell::MakeText(L("  Chart Name  "), {}, true)},
      {{2, 6}, TExportCell::MakeText(L("          Status          "), {}, true)},
      {{3, 2}, Number(1)},
      {{3, 3}, Text("Ultimate Skin Friction vs Depth")},
      {{3, 4}, TExportCell::MakeText(L("Page_1"), L("Page_1!A1"))},
      {{3, 5}, Text("Plot_1")},
      {{3, 6}, Text("Complete")},
      {{4, 2}, Number(2)},
      {{4, 3}, Text("t-z curves (averaged)")},
      {{4, 4}, TExportCell::MakeText(L("Page_2"), L("Page_2!A1"))},
      {{4, 5}, Text("Plot_2")},
      {{4, 6}, Text("Complete")},
  };
  EXPECT_EQ(cells.size(), std::size(expected));
  for (const auto& [position, cell] : expected) {
    const auto found = cells.find(position);
    ASSERT_NE(found, cells.end()) << position.first << "," << position.second;
    EXPECT_EQ(found->second, cell) << position.first << "," << position.second;
  }
  EXPECT_EQ(book.SheetNames(),
            QStringList({L("Legend"), L("Page_1"), L("Plot_1"), L("Page_2"), L("Plot_2")}));
}

TEST(ExportWorkbook, LegendColumnsAreAsWideAsTheirLongestText) {
  TResultPlots plots;
  const QString longCaption(80, QLatin1Char('c'));
  plots.pltSkin().SetCaption(longCaption);
  const TExportWorkbook book({&plots.pltSkin(), &plots.pltTip()}, true);
  std::map<int, int> widths;
  for (const auto& w : book.LegendWidths()) widths[w.Column] = w.Width;
  // The headings' blanks set the least widths; the caption widens its column.
  EXPECT_EQ(widths, (std::map<int, int>{{2, 10}, {3, 80}, {4, 14}, {5, 14}, {6, 26}}));
}

TEST(ExportWorkbook, ThreeLinesOfTenTwelveAndEightPointsFillAToFRowsSixToSeventeen) {
  TResultPlots plots;
  TGraphPlot& plot = plots.pltSkin();
  FillLines(plot, {10, 12, 8});
  const TExportWorkbook book({&plot}, true);
  const TExportDataSheet& page = book.Page(1);

  EXPECT_EQ(page.Name(), L("Page_1"));
  EXPECT_EQ(page.LastColumn(), 6);
  EXPECT_EQ(page.LastRow(), 17);
  const std::pair<std::pair<int, int>, TExportCell> cells[] = {
      {{1, 1}, Text("Ultimate Skin Friction vs Depth")},
      {{1, 7}, TExportCell::MakeText(L("Legend!A1"), L("Legend!A1"))},
      {{2, 1}, Text("X")},
      {{2, 2}, Text("Ultimate Skin Friction  (tons)")},
      {{3, 1}, Text("Y")},
      {{3, 2}, Text("Depth  (ft)")},
      {{4, 1}, Text("Dia=1 ft")},
      {{4, 2}, {}},
      {{4, 3}, Text("Dia=2 ft")},
      {{4, 5}, Text("Dia=3 ft")},
      {{5, 1}, Text("X")},
      {{5, 2}, Text("Y")},
      {{5, 5}, Text("X")},
      {{5, 6}, Text("Y")},
      {{5, 7}, {}},
      {{6, 1}, Number(0)},
      {{6, 2}, Number(0)},
      {{15, 1}, Number(9)},     // line 1, point 10
      {{15, 2}, Number(2.25)},
      {{16, 1}, {}},            // line 1 has no 11th point
      {{17, 3}, Number(111)},   // line 2, point 12
      {{17, 4}, Number(2.75)},
      {{13, 5}, Number(207)},   // line 3, point 8
      {{14, 6}, {}},
      {{18, 3}, {}},
      {{6, 7}, {}},             // no column beyond F
  };
  for (const auto& [position, cell] : cells)
    EXPECT_EQ(page.CellAt(position.first, position.second), cell)
        << position.first << "," << position.second;

  int numbers = 0;
  page.ForEachNumber([&](int row, int column, double value) {
    ++numbers;
    EXPECT_EQ(page.CellAt(row, column), Number(value)) << row << "," << column;
  });
  EXPECT_EQ(numbers, 2 * (10 + 12 + 8));

  const TExportChart& chart = book.Chart(1);
  EXPECT_EQ(chart.Name, L("Plot_1"));
  EXPECT_EQ(chart.DataSheet, L("Page_1"));
  ASSERT_EQ(chart.Series.size(), 3u);
  const char* ranges[][2] = {{"=Page_1!$A$6:$A$17", "=Page_1!$B$6:$B$17"},
                             {"=Page_1!$C$6:$C$17", "=Page_1!$D$6:$D$17"},
                             {"=Page_1!$E$6:$E$17", "=Page_1!$F$6:$F$17"}};
  for (std::size_t j = 0; j < 3; ++j) {
    EXPECT_EQ(chart.Series[j].Name, QStringLiteral("Dia=%1 ft").arg(j + 1));
    EXPECT_EQ(chart.Series[j].XValues, L(ranges[j][0]));
    EXPECT_EQ(chart.Series[j].YValues, L(ranges[j][1]));
  }
}

TEST(ExportWorkbook, NumberingFollowsTheChosenPlotsNotTheirPlaceInTheTable) {
  TResultPlots plots;
  FillLines(plots.pltCombine(), {4, 4, 4});
  FillLines(plots.PltChart(3), {5});
  const TExportWorkbook book({&plots.PltChart(3), &plots.pltCombine()}, true);
  EXPECT_EQ(book.SheetNames(),
            QStringList({L("Legend"), L("Page_1"), L("Plot_1"), L("Page_2"), L("Plot_2")}));
  EXPECT_EQ(book.Page(1).CellAt(1, 1), Text("Design Chart 3"));
  EXPECT_EQ(book.Chart(2).Series[2].XValues, L("=Page_2!$E$6:$E$9"));
}

TEST(ExportWorkbook, ChartsHoldAtMost255SeriesWhileTheDataSheetKeepsEveryLine) {
  struct CutCase {
    int lines;
    std::size_t series;
    bool cut;
  };
  for (const CutCase c : {CutCase{255, 255, false}, CutCase{256, 255, true}}) {
    TResultPlots plots;
    FillLines(plots.pltTotal(), std::vector<int>(static_cast<std::size_t>(c.lines), 2));
    const TExportWorkbook book({&plots.pltTip(), &plots.pltTotal()}, true);
    EXPECT_EQ(book.SeriesCut(), c.cut) << c.lines;
    const TExportChart& chart = book.Chart(2);
    ASSERT_EQ(chart.Series.size(), c.series) << c.lines;
    // Line 255 in columns 509 and 510.
    EXPECT_EQ(chart.Series.back().Name, L("Dia=255 ft"));
    EXPECT_EQ(chart.Series.back().XValues, L("=Page_2!$SO$6:$SO$7"));
    EXPECT_EQ(chart.Series.back().YValues, L("=Page_2!$SP$6:$SP$7"));
    const TExportDataSheet& page = book.Page(2);
    EXPECT_EQ(page.LastColumn(), 2 * c.lines);
    EXPECT_EQ(page.CellAt(4, 2 * c.lines - 1), TExportCell::MakeText(QStringLiteral("Dia=%1 ft").arg(c.lines)));
    EXPECT_EQ(page.CellAt(7, 2 * c.lines - 1), Number(100.0 * (c.lines - 1) + 1));
  }
}

TEST(ExportWorkbook, AxisTitlesCarryTheUnitWordsAndDepthPlotsReverseTheValueAxis) {
  struct TitleCase {
    const char* name;
    TResultPlots::Id plot;
    int units;
    const char* xTitle;
    const char* yTitle;
    bool reverse;
  };
  using Id = TResultPlots::Id;
  const TitleCase cases[] = {
      {"SkinEnglish", Id::pltSkin, 1, "Ultimate Skin Friction  (tons)", "Depth  (ft)", true},
      {"SkinSI", Id::pltSkin, 2, "Ultimate Skin Friction  (kN)", "Depth  (m)", true},
      {"TzEnglish", Id::pltTz, 1, "Axial Displacement, z (in)", "Unit Load Transfer, t (lbs/in^2)", false},
      {"QwSI", Id::pltQw, 2, "Tip Displacement, w (m)", "Tip Load, Q (kN)", false},
      {"SettlementAsCoded", Id::pltAxial, 3, "Axial Load  (F2)", "Settlement  (L)", true},
  };
  for (const TitleCase& c : cases) {
    TResultPlots plots;
    plots.SetUnits(c.units);
    TGraphPlot& plot = plots.Plot(c.plot);
    FillLines(plot, {2});
    const TExportWorkbook book({&plot}, true);
    EXPECT_EQ(book.Page(1).CellAt(2, 2), Text(c.xTitle)) << c.name;
    EXPECT_EQ(book.Page(1).CellAt(3, 2), Text(c.yTitle)) << c.name;
    EXPECT_EQ(book.Chart(1).XTitle, L(c.xTitle)) << c.name;
    EXPECT_EQ(book.Chart(1).YTitle, L(c.yTitle)) << c.name;
    EXPECT_EQ(book.Chart(1).ReverseY, c.reverse) << c.name;
  }

  // Without a unit code the title is the caption alone.
  TGraphPlot bare;
  bare.SetXCaption(L("Load"));
  bare.SetYCaption(L("Depth"));
  FillLines(bare, {1});
  const TExportWorkbook book({&bare}, false);
  EXPECT_EQ(book.Chart(1).XTitle, L("Load"));
  EXPECT_EQ(book.Chart(1).YTitle, L("Depth"));
  EXPECT_FALSE(book.Chart(1).Markers);
}

TEST(ExportWorkbook, ValuesAWorkbookCannotHoldStayEmpty) {
  TGraphPlot plot;
  FillLines(plot, {3});
  plot.Data(0, 0) = {std::numeric_limits<long double>::quiet_NaN(), 1};
  plot.Data(0, 1) = {2, 1e400L};  // finite here, beyond double precision
  plot.Data(0, 2) = {-std::numeric_limits<long double>::infinity(), 3};
  const TExportWorkbook book({&plot}, true);
  const TExportDataSheet& page = book.Page(1);
  EXPECT_EQ(page.CellAt(6, 1).Kind, Kind::Empty);
  EXPECT_EQ(page.CellAt(6, 2), Number(1));
  EXPECT_EQ(page.CellAt(7, 1), Number(2));
  EXPECT_EQ(page.CellAt(7, 2).Kind, Kind::Empty);
  EXPECT_EQ(page.CellAt(8, 1).Kind, Kind::Empty);
  int numbers = 0;
  page.ForEachNumber([&](int, int, double value) {
    ++numbers;
    EXPECT_TRUE(std::isfinite(value));
  });
  EXPECT_EQ(numbers, 3);
}

TEST(ExportWorkbook, PlotsWithoutPointsOrLinesKeepValidSheets) {
  TGraphPlot noPoints;
  FillLines(noPoints, {0, 0});
  TGraphPlot noLines;
  noLines.SetCaption(L("Empty"));
  const TExportWorkbook book({&noPoints, &noLines}, true);

  // The ranges of lines without points still run over one row.
  EXPECT_EQ(book.Page(1).LastRow(), 6);
  ASSERT_EQ(book.Chart(1).Series.size(), 2u);
  EXPECT_EQ(book.Chart(1).Series[1].XValues, L("=Page_1!$C$6:$C$6"));

  EXPECT_EQ(book.Page(2).LastColumn(), 0);
  EXPECT_TRUE(book.Chart(2).Series.empty());
  EXPECT_EQ(book.Page(2).CellAt(1, 1), Text("Empty"));
  EXPECT_EQ(book.Page(2).CellAt(6, 1).Kind, Kind::Empty);
}

}  // namespace
