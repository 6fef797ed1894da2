// The bundled rock-tip and design-chart examples, run end to end: the rock-socket curve in the
// report and in the plot-data file, the note on weak rock, the design charts in the report and
// in the plot-data file read back word by word. The last point of each rock curve is checked
// by hand against the capacity rows of the same report, and a chart cell against the t-z
// solution of its case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "TestText.h"
#include "EngineTestSupport.h"
#include "PlotDataReader.h"
#include "RunStatus.h"

namespace tvx {
namespace {

using Lines = std::vector<std::string>;

const std::string kRockHeading = std::string(15, ' ') + "       LOAD SETTLEMENT RELATIONSHIP      ";
const std::string kRockHeadingRule = std::string(15, ' ') + std::string(42, '-') + "   ";
const char* const kRockNote = "ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)";
const char* const kChartHeading = "     DESIGN CHART CURVES";

// One example run in its own scratch folder, with its report read.
struct ExampleRun {
  explicit ExampleRun(const std::string& name)
      : run(test::RunProblemFile(dir, test::ExamplePath(name))), report(run.ReportLines()) {}
  test::ScratchDir dir;
  test::EngineRun run;
  Lines report;
};

using test::StartsWith;

// Every word of the line as a number, or nothing when one of them is not a number.
std::vector<double> Numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> v;
  for (std::string w; in >> w;) {
    char* end = nullptr;
    const double x = std::strtod(w.c_str(), &end);
    if (end == w.c_str() || *end != '\0') return {};
    v.push_back(x);
  }
  return v;
}

std::size_t IndexOf(const Lines& lines, const std::string& text, std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i] == text) return i;
  return lines.size();
}

long CountStarting(const Lines& lines, const std::string& prefix) {
  return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return StartsWith(l, prefix); });
}

// A number that did not come out as one: "NaN", "inf", "-Infinity" and the like, as a word or
// inside one.
void ExpectOnlyFiniteNumbers(const test::EngineRun& run) {
  static const std::regex kNotFinite(R"((^|[^A-Za-z])[-+]?(nan|infinity|inf)([^A-Za-z]|$))", std::regex::icase);
  for (const auto& file : {run.report, run.plot, run.notes, run.curves}) {
    const Lines lines = test::ReadLines(file);
    EXPECT_FALSE(lines.empty()) << file;
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_FALSE(std::regex_search(lines[i], kNotFinite)) << file << " line " << i + 1 << ": " << lines[i];
  }
}

// The capacity rows (8 numbers each) of the table that ends just above line `at`.
std::vector<std::vector<double>> CapacityRowsAbove(const Lines& report, std::size_t at) {
  std::vector<std::vector<double>> rows;
  std::size_t i = at;
  while (i > 0 && Numbers(report[i - 1]).size() != 8) --i;
  for (; i > 0; --i) {
    std::vector<double> v = Numbers(report[i - 1]);
    if (v.size() != 8) break;
    rows.insert(rows.begin(), std::move(v));
  }
  return rows;
}

std::vector<double> RowAtLength(const std::vector<std::vector<double>>& rows, double L) {
  for (const auto& r : rows)
    if (std::fabs(r[0] - L) < 0.05) return r;
  ADD_FAILURE() << "no capacity row at " << L;
  return std::vector<double>(8, 0.0);
}

// The 15 points of the rock curve printed under the heading at line `at`.
struct RockCurve {
  std::vector<double> load, move;
};

RockCurve RockTableAt(const Lines& report, std::size_t at, bool si) {
  RockCurve c;
  if (at + 20 > report.size()) {
    ADD_FAILURE() << "report ends inside the rock table";
    return c;
  }
  EXPECT_EQ(report[at + 1], kRockHeadingRule);
  EXPECT_EQ(report[at + 2], "");
  EXPECT_EQ(report[at + 3], std::string(22, ' ') + (si ? "TOP  LOAD     TOP MOVEMENT        " : "TOP  LOAD     TOP MOVEMENT     "));
  EXPECT_EQ(report[at + 4], std::string(22, ' ') + (si ? "   kN              M             " : "   TONS             IN.       "));
  for (std::size_t k = 0; k < 15; ++k) {
    const std::vector<double> v = Numbers(report[at + 5 + k]);
    EXPECT_EQ(v.size(), 2u) << report[at + 5 + k];
    EXPECT_TRUE(StartsWith(report[at + 5 + k], std::string(13, ' ')));
    c.load.push_back(v.size() == 2 ? v[0] : 0.0);
    c.move.push_back(v.size() == 2 ? v[1] : 0.0);
  }
  return c;
}

// ---------------------------------------------------------------------------------------------
// Rock-tip examples: heading, table, note and plot-data blocks.

struct RockExample {
  const char* what;
  const char* file;
  bool si;
  bool note;  // the deepest layer is shale and the last rock strength is below 1000 psi
};

class RockTipExamples : public ::testing::TestWithParam<RockExample> {};

TEST_P(RockTipExamples, CurveInTheReportAndThePlotData_NoteWhereItApplies) {
  const RockExample& e = GetParam();
  ExampleRun x(e.file);
  ASSERT_EQ(x.run.status, kStatusNormal);
  ExpectOnlyFiniteNumbers(x.run);
  const Lines& report = x.report;

  // Every case has its tip in rock and no soil-tip case has run: each gets the table.
  const long cases = CountStarting(report, "     - CASE ANALYZED      : ");
  ASSERT_GE(cases, 1);
  std::vector<RockCurve> curves;
  for (std::size_t at = IndexOf(report, kRockHeading); at < report.size(); at = IndexOf(report, kRockHeading, at + 1))
    curves.push_back(RockTableAt(report, at, e.si));
  ASSERT_EQ(static_cast<long>(curves.size()), cases);
  for (const RockCurve& c : curves) {
    EXPECT_GT(c.move.front(), 0.0);
    for (std::size_t k = 1; k < 15; ++k) {
      EXPECT_GE(c.load[k], c.load[k - 1]) << "point " << k + 1;
      EXPECT_GE(c.move[k], c.move[k - 1]) << "point " << k + 1;
    }
  }

  const std::size_t note = IndexOf(report, kRockNote);
  EXPECT_EQ(note < report.size(), e.note);
  EXPECT_EQ(std::count(report.begin(), report.end(), std::string(kRockNote)), e.note ? 1 : 0);
  if (e.note) {
    ASSERT_LT(note + 5, report.size());
    EXPECT_GT(note, IndexOf(report, kRockHeading));
    EXPECT_EQ(report[note - 1], "");
    EXPECT_EQ(report[note - 2], "");
    EXPECT_EQ(report[note + 1], std::string(60, '-'));
    EXPECT_EQ(report[note + 2], "IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS");
    EXPECT_EQ(report[note + 5], "IN END BEARING.");
  }
  EXPECT_EQ(IndexOf(report, kChartHeading), report.size());

  // The plot data: one line per plotted case, every tip in rock, so each carries the trend
  // block alone (NBLK 0) holding the printed curve; nothing is appended after them.
  const test::PlotContents plot = test::ReadPlotFile(x.run.PlotLines(), false, false);
  ASSERT_EQ(static_cast<long>(plot.lines.size()), plot.lines[0].NLINES);
  ASSERT_EQ(plot.lines.size(), curves.size());
  EXPECT_FALSE(plot.appended);
  for (std::size_t n = 0; n < plot.lines.size(); ++n) {
    const test::PlottedLine& line = plot.lines[n];
    EXPECT_EQ(line.NBLK, 0);
    ASSERT_EQ(line.blocks.size(), 1u);
    // Three digits in the plot data against four in the report.
    for (std::size_t k = 0; k < 15; ++k) {
      const auto& p = line.blocks[0][k];
      EXPECT_NEAR(p[0], curves[n].load[k], 5e-3 * curves[n].load[k]) << "point " << k + 1;
      EXPECT_NEAR(p[1], curves[n].move[k], 5e-3 * curves[n].move[k]) << "point " << k + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RockTipExamples,
    ::testing::Values(RockExample{"strong rock", "strong-rock-end-bearing.tv8d", false, false},
                      RockExample{"weak rock over shale", "weak-rock-socket-over-shale.tv8d", false, true},
                      RockExample{"decomposed rock SI", "decomposed-rock-si-design-load.tv8d", true, false}),
    test::NameByWhat{});

// The example's single rock curve and the capacity rows above it.
struct RockResult {
  std::vector<std::vector<double>> rows;
  RockCurve curve;
};

RockResult RockResultOf(const ExampleRun& x, bool si) {
  RockResult r;
  const std::size_t at = IndexOf(x.report, kRockHeading);
  if (at >= x.report.size()) {
    ADD_FAILURE() << "no rock heading";
    return r;
  }
  r.rows = CapacityRowsAbove(x.report, at);
  r.curve = RockTableAt(x.report, at, si);
  if (r.rows.empty()) ADD_FAILURE() << "no capacity rows above the rock curve";
  return r;
}

TEST(RockTipExampleByHand, StrongRock_LastPointIsTheSocketAtFullLoadUnderPartlyMobilizedSand) {
  ExampleRun x("strong-rock-end-bearing.tv8d");
  ASSERT_EQ(x.run.status, kStatusNormal);
  const RockResult r = RockResultOf(x, false);
  ASSERT_FALSE(r.rows.empty());
  const std::vector<double> tip = RowAtLength(r.rows, 25.0);
  const std::vector<double> rockTop = RowAtLength(r.rows, 15.0);
  // Rock from 15 ft to the 25 ft tip: Zr 15 ft, Ls 10 ft, B 3 ft, eta 3.33. Intact modulus
  // (1.0e6 + 1.1e6) / 2 psi = 75600 tsf, RQD (80 + 85) / 2 = 82.5 %: Em/Ei = 0.47 + 0.25 x 0.26
  // = 0.535, Em = 40446 tsf. Ec = 259200 tsf, Ec/Em = 6.4 below 10: I = C10(3.33) = 0.41.
  const double Ec = 3.6e6 * 144.0 / 2000.0, Em = 75600.0 * 0.535, I = 0.41, B = 3.0, D = 3.0;
  const double QSa = rockTop[2];                 // side resistance of the sand above the rock
  const double Qr = tip[2] - QSa + tip[3];       // the rock's side (none here) and QB
  const double mFull = Qr * I / (B * B * Em);    // reached before the fourth movement
  ASSERT_LT(mFull, 0.00018 * 1.5 * 1.5 * 1.5);
  const double AE = 0.7854 * Ec * B * B;
  const double wr = Qr * (15.0 + 10.0) / AE + mFull * B;  // ft, the rock top at full load
  EXPECT_NEAR(r.curve.move[14], 12.0 * wr, 6e-5);
  EXPECT_NEAR(r.curve.move[13], r.curve.move[14], 1e-12);
  // The sand adds QSa x (pass-1 head movement / 0.017 ft); that movement is wr plus the
  // shortening of the 15 ft stem in the sand under a load between Qr and Qr + QSa.
  const double k = 0.7854 * Ec * D * D * D;
  const double low = Qr + QSa * (wr + D * Qr * 15.0 / k) / 0.017;
  const double high = Qr + QSa * (wr + D * (Qr + QSa) * 15.0 / k) / 0.017;
  ASSERT_LT(high, Qr + QSa);  // not yet fully mobilized
  EXPECT_GE(r.curve.load[14], low - 0.05);
  EXPECT_LE(r.curve.load[14], high + 0.05);
}

TEST(RockTipExampleByHand, WeakRock_LastPointCarriesTheUltimateCapacityOfTheTipRow) {
  ExampleRun x("weak-rock-socket-over-shale.tv8d");
  ASSERT_EQ(x.run.status, kStatusNormal);
  const RockResult r = RockResultOf(x, false);
  ASSERT_FALSE(r.rows.empty());
  const std::vector<double> tip = r.rows.back();
  ASSERT_NEAR(tip[0], 30.0, 1e-9);
  // At 5 % of the 3 ft socket the side load is capped by the shaft's whole side resistance and
  // the base by 2.5 qu over the socket area, which is the row's QB (qu the same over the layer).
  EXPECT_NEAR(tip[3], 0.7854 * 9.0 * 2.5 * 80000.0 / 2000.0, 0.01);
  const double load = tip[2] + tip[3];
  EXPECT_NEAR(r.curve.load[14], load, 3e-4 * load);
  // Socket top 0.05 x 3 ft = 1.8 in, plus the shortening of the 15 ft of shaft above the
  // 15 ft socket.
  const double shortening = 15.0 * 24000.0 * load / (3.6e6 * 113.097595 * 9.0);
  EXPECT_NEAR(r.curve.move[14], 1.8 + shortening, 3e-4);
  // The first point: socket top 0.00009 x 3 ft, with the shortening under its own load.
  EXPECT_NEAR(r.curve.move[0], 12.0 * 0.00027 + 15.0 * 24000.0 * r.curve.load[0] / (3.6e6 * 113.097595 * 9.0),
              1.2e-5);
}

TEST(RockTipExampleByHand, DecomposedRock_LastPointAddsTheBaseToTheWholeSideResistance) {
  ExampleRun x("decomposed-rock-si-design-load.tv8d");
  ASSERT_EQ(x.run.status, kStatusNormal);
  const RockResult r = RockResultOf(x, true);
  ASSERT_FALSE(r.rows.empty());
  const std::vector<double> tip = r.rows.back();  // the first length above 2000 kN: 36 ft
  ASSERT_NEAR(tip[0], 11.0, 1e-9);
  // Tip at 36 ft in the decomposed rock from 13 to 49 ft (the snapped 4 m and 15 m); 36 ft
  // plus two 1 m diameters stays above the last step, so the stress is the layer's mid-depth
  // one: total stress 0.5 x (18.5 + 19) x 6.3659 x 13 + 0.25 x (20 + 21) x 6.3659 x 36
  // = 3900.7 psf, less water from 6.56 ft down to 31 ft, 62.4 x 24.44 = 1525.0: 2375.7 psf.
  // N at the tip, 23 ft into the 36 ft layer: 40 + 20 x 23 / 36 = 52.78.
  const double sigma = 3900.705 - 62.4 * (31.0 - 2.0 * 3.2808), N = 40.0 + 20.0 * 23.0 / 36.0, Bt = 3.2808;
  const double QbTons = 0.7854 * Bt * Bt * 2.1459 * sigma * std::pow(423.14 * N / sigma, 0.8) / 2000.0;
  EXPECT_NEAR(QbTons, 129.40, 0.01);
  const double expected = 8.896 * (tip[2] * 0.1124 + QbTons);  // kN
  EXPECT_NEAR(r.curve.load[14], expected, 3e-4 * expected);
  EXPECT_EQ(r.curve.load[14], r.curve.load[13]);
  EXPECT_NEAR(r.curve.move[14], 1.2 * r.curve.move[13], 6e-4 * r.curve.move[14]);
  // The first ten points are the elastic shaft up to full side mobilization, in equal steps.
  for (std::size_t k = 0; k < 10; ++k) {
    EXPECT_NEAR(r.curve.load[k], r.curve.load[9] * static_cast<double>(k + 1) / 10.0, 6e-4 * r.curve.load[k]);
    EXPECT_NEAR(r.curve.move[k], r.curve.move[9] * static_cast<double>(k + 1) / 10.0, 6e-4 * r.curve.move[k]);
  }
  EXPECT_GT(r.curve.load[9], tip[2]);  // the head load at full side mobilization exceeds QS
}

// ---------------------------------------------------------------------------------------------
// Design-chart examples.

struct ChartExample {
  const char* what;
  const char* file;
  bool si;
  bool printedCurves;
  int layers;
  std::vector<double> settlements;  // in or m
  std::vector<double> diameters;    // ft or m
  std::vector<double> lengths;      // ft or m, shortest first as the report prints them
};

std::string Fixed(int width, int decimals, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
  return buf;
}

// The chart section of the report: per settlement, the load rows [length][diameter] with the
// length in front.
std::vector<std::vector<std::vector<double>>> ReportChart(const Lines& report, const ChartExample& e) {
  std::vector<std::vector<std::vector<double>>> charts;
  std::size_t at = IndexOf(report, kChartHeading);
  if (at + 1 >= report.size()) {
    ADD_FAILURE() << "no design chart section";
    return charts;
  }
  EXPECT_EQ(report[at - 1], "");
  EXPECT_EQ(report[at + 1], "     " + std::string(19, '-'));
  std::string diameterLine = std::string(3, ' ') + (e.si ? "  (M) " : " (FT) ");
  for (double d : e.diameters) diameterLine += Fixed(9, 2, d);
  at += 2;
  for (double s : e.settlements) {
    const std::string head =
        "     - SETTLEMENT, " + (e.si ? Fixed(9, 4, s) + " M" : Fixed(9, 3, s) + " IN");
    if (at + 6 + e.lengths.size() > report.size()) {
      ADD_FAILURE() << "report ends inside the design charts";
      return charts;
    }
    EXPECT_EQ(report[at], "");
    EXPECT_EQ(report[at + 1], "");
    EXPECT_EQ(report[at + 2], head);
    EXPECT_EQ(report[at + 3], "");
    EXPECT_EQ(report[at + 4], std::string("   LENGTH") + std::string(10, ' ') + (e.si ? "DIAMETER, M" : "DIAMETER, FT"));
    EXPECT_EQ(report[at + 5], diameterLine);
    EXPECT_EQ(report[at + 6], std::string(19, ' ') + (e.si ? "TOP LOAD, KN" : "TOP LOAD, TONS"));
    charts.emplace_back();
    for (std::size_t k = 0; k < e.lengths.size(); ++k) {
      const std::vector<double> row = Numbers(report[at + 7 + k]);
      EXPECT_EQ(row.size(), 1 + e.diameters.size()) << report[at + 7 + k];
      charts.back().push_back(row);
    }
    at += 7 + e.lengths.size();
  }
  EXPECT_EQ(at, report.size()) << "lines after the last chart";
  return charts;
}

class ChartExamples : public ::testing::TestWithParam<ChartExample> {};

TEST_P(ChartExamples, ReportAndPlotDataHoldTheSameCharts) {
  const ChartExample& e = GetParam();
  ExampleRun x(e.file);
  ASSERT_EQ(x.run.status, kStatusNormal);
  ExpectOnlyFiniteNumbers(x.run);
  const std::size_t nd = e.diameters.size(), nl = e.lengths.size(), ns = e.settlements.size();

  // One column block per settlement (fewer than 8 diameters), rows from the shortest shaft.
  const auto charts = ReportChart(x.report, e);
  ASSERT_EQ(charts.size(), ns);
  EXPECT_EQ(CountStarting(x.report, "   LENGTH          DIAMETER"), static_cast<long>(ns));
  for (const auto& chart : charts)
    for (std::size_t k = 0; k < nl; ++k) {
      ASSERT_EQ(chart[k].size(), 1 + nd);
      EXPECT_NEAR(chart[k][0], e.lengths[k], 0.006);
      for (std::size_t j = 1; j <= nd; ++j) EXPECT_GT(chart[k][j], 0.0) << "soil tips carry load";
    }
  // A longer shaft and a wider one carry more at the same settlement.
  for (const auto& chart : charts)
    for (std::size_t k = 1; k < nl; ++k)
      for (std::size_t j = 1; j <= nd; ++j) {
        EXPECT_GT(chart[k][j], chart[k - 1][j]);
        if (j > 1) {
          EXPECT_GT(chart[k][j], chart[k][j - 1]);
        }
      }

  // The plot data, read word by word to its end: the lengths in inches from the longest
  // shaft (the first of the case loop), the loads in pounds, in both unit systems.
  const test::PlotContents plot = test::ReadPlotFile(x.run.PlotLines(), e.printedCurves, true);
  EXPECT_EQ(plot.NCHART, static_cast<long>(ns));
  EXPECT_EQ(plot.NDIAC, static_cast<long>(nd));
  EXPECT_EQ(plot.NLENC, static_cast<long>(nl));
  ASSERT_EQ(plot.chartSettlements.size(), ns);
  const double inchesPerLength = e.si ? 39.37 : 12.0;
  const double lbPerLoad = e.si ? 224.82 : 2000.0;
  for (std::size_t i = 0; i < ns; ++i) {
    EXPECT_NEAR(plot.chartSettlements[i], e.settlements[i], 1e-6);
    ASSERT_EQ(plot.chartDiameters[i].size(), nd);
    for (std::size_t j = 0; j < nd; ++j) {
      // Diameters in inches, SI runs in metres.
      EXPECT_NEAR(plot.chartDiameters[i][j], e.si ? e.diameters[j] : 12.0 * e.diameters[j], 1e-4);
      ASSERT_EQ(plot.chartPoints[i][j].size(), nl);
      for (std::size_t k = 0; k < nl; ++k) {
        const auto& [lengthIn, loadLb] = plot.chartPoints[i][j][k];
        const std::size_t row = nl - 1 - k;
        EXPECT_NEAR(lengthIn / inchesPerLength, e.lengths[row], 0.006);
        EXPECT_NEAR(loadLb / lbPerLoad, charts[i][row][j + 1], 0.0051);
      }
    }
  }
  // Only the longest shafts are plotted lines, one per diameter; the t-z and q-w sections of
  // the first case follow the charts.
  EXPECT_EQ(static_cast<long>(plot.lines.size()), static_cast<long>(nd));
  EXPECT_EQ(plot.lines[0].NLINES, static_cast<long>(nd));
  EXPECT_TRUE(plot.appended);
  EXPECT_EQ(plot.NTZ, 5L * e.layers);
  EXPECT_EQ(plot.NQW, static_cast<long>(nd));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ChartExamples,
    ::testing::Values(ChartExample{"English sand and clay", "sand-clay-design-charts.tv8d", false, false, 2,
                                   {0.25, 0.5, 1.0}, {2.5, 3.0, 3.5}, {25.0, 30.0, 35.0, 40.0}},
                      ChartExample{"SI four layers", "si-layered-lrfd-charts.tv8d", true, true, 4,
                                   {0.0127, 0.0254, 0.0381}, {0.9, 1.05, 1.2}, {9.0, 10.5, 12.0, 13.5, 15.0}}),
    test::NameByWhat{});

// The rows of 4 numbers that follow the title line `title` (after its two heading lines).
std::vector<std::vector<double>> TableAfter(const Lines& report, std::size_t from, const std::string& title) {
  std::vector<std::vector<double>> rows;
  const std::size_t at = IndexOf(report, title, from);
  for (std::size_t i = at + 4; i < report.size(); ++i) {
    std::vector<double> v = Numbers(report[i]);
    if (v.size() != 4) break;
    rows.push_back(std::move(v));
  }
  return rows;
}

TEST(ChartExampleByHand, CellIsTheTopSegmentLoadOfTheCaseSolvedForThatSettlement) {
  ExampleRun x("sand-clay-design-charts.tv8d");
  ASSERT_EQ(x.run.status, kStatusNormal);
  const ChartExample e{"", "", false, false, 2, {0.25, 0.5, 1.0}, {2.5, 3.0, 3.5}, {25.0, 30.0, 35.0, 40.0}};
  const auto charts = ReportChart(x.report, e);
  ASSERT_EQ(charts.size(), 3u);
  // Case 1: the 40 ft shaft of 2.5 ft, the last chart row and the first column.
  const std::size_t case1 = IndexOf(x.report, "     - CASE ANALYZED      :     1");
  ASSERT_LT(case1, x.report.size());
  const auto trend = TableAfter(x.report, case1, "        RESULT FROM TREND (AVERAGED) LINE");
  const auto defined = TableAfter(x.report, case1, "        RESULT FOR DEFINED SETTLEMENTS");
  ASSERT_EQ(trend.size(), 15u);
  ASSERT_EQ(defined.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const double s = e.settlements[i];
    const double cell = charts[i][3][1];
    // The solution for the settlement moves the top by about that much; the cell is its load
    // half a segment below the top, a little less than the top load.
    EXPECT_NEAR(defined[i][1], s, 0.02 * s);
    EXPECT_LE(cell, defined[i][0] + 0.05);
    EXPECT_GE(cell, 0.99 * defined[i][0]);
    // And it lies on the case's trend curve, between the two points around the settlement.
    std::size_t k = 1;
    while (k < 14 && trend[k][1] < s) ++k;
    ASSERT_LE(trend[k - 1][1], s);
    ASSERT_GE(trend[k][1], s);
    EXPECT_GE(cell, trend[k - 1][0]);
    EXPECT_LE(cell, trend[k][0]);
  }
}

// A chart run whose longest shafts reach a strong rock: those cases have no defined
// settlements, yet their length and diameters label the chart, with zero loads.
TEST(ChartRunWithRockTips, RockTipRowsAreLabelledWithZeroLoads) {
  test::ScratchDir dir;
  const std::string problem =
      "Charts with the longest shafts in rock\n1\n2 1 1 5 1 2 0 1 0 0 0\n2.5 3.5 0 0 0 0 3600000\n"
      "3 12 40 2.5 3\n25 5 0.5 3\n0.25 0.5 1 \n"
      "1 28 \n0.0 118 32 0 14 0 0 1 1 \n0.0 124 35 0 26 0 0 1 1 \n2 \n0 0 \n"
      "2 36 \n0 118 0.0 1600 0 0 0 1 1 \n0 122 0.0 3200 0 0 0 1 1 \n0 0\n"
      "4 70 \n200000 580000 2 0.01 3 0 1000000 80 0 1 1 \n220000 580000 2 0.01 3 0 1100000 85 0 1 1 \n";
  const test::EngineRun run = test::RunProblem(dir, problem);
  ASSERT_EQ(run.status, kStatusNormal);
  ExpectOnlyFiniteNumbers(run);
  const Lines report = run.ReportLines();
  const ChartExample e{"", "", false, false, 3, {0.25, 0.5, 1.0}, {2.5, 3.0, 3.5}, {25.0, 30.0, 35.0, 40.0}};
  const auto charts = ReportChart(report, e);
  ASSERT_EQ(charts.size(), 3u);
  for (const auto& chart : charts) {
    EXPECT_EQ(chart[3], (std::vector<double>{40.0, 0.0, 0.0, 0.0}));
    for (std::size_t k = 0; k < 3; ++k)
      for (std::size_t j = 1; j <= 3; ++j) EXPECT_GT(chart[k][j], 0.0);
  }
  // The three rock-tip cases come first, before any soil tip: each prints its table.
  std::size_t tables = 0;
  for (std::size_t at = IndexOf(report, kRockHeading); at < report.size(); at = IndexOf(report, kRockHeading, at + 1)) {
    RockTableAt(report, at, false);
    ++tables;
  }
  EXPECT_EQ(tables, 3u);
  const test::PlotContents plot = test::ReadPlotFile(run.PlotLines(), false, true);
  ASSERT_EQ(plot.NLENC, 4);
  for (std::size_t j = 0; j < 3; ++j) {
    EXPECT_NEAR(plot.chartPoints[0][j][0][0], 480.0, 1e-3);
    EXPECT_EQ(plot.chartPoints[0][j][0][1], 0.0);
    EXPECT_NEAR(plot.chartDiameters[0][j], 12.0 * e.diameters[j], 1e-4);
  }
  EXPECT_FALSE(plot.appended) << "the first case's tip is in rock: no t-z sections";
}

// The weak-rock state of a case (running mean of the intact modulus, warning flags) starts
// empty for every case: the second case of a vary-length run reports the same rows and the
// same warnings as that shaft run alone. (Its rock curve may still differ a little: the side
// resistance at the run's first weak-rock step is taken once per run.)
TEST(WeakRockCaseState, SecondCaseOfARun_RowsAndWarningsAsWhenRunAlone) {
  auto problem = [](int IPENT, int length) {
    return "Weak rock with a modulus growing with depth\n1\n2 1 1 1 0 2 " + std::to_string(IPENT) +
           " 0 0 0 0\n3 3 0 0 0 0 3600000\n3 10 " + std::to_string(length) + " 2 3\n" +
           (IPENT == 1 ? "20 10\n" : "") +
           "2 15 \n0 115 0.0 1500 0 0 0 1 1 \n0 118 0.0 2500 0 0 0 1 1 \n0 0\n"
           "6 45 \n80000 1 7 30 3 0 300000 60 0 1 1 \n80000 1 7 30 3 0 700000 80 0 1 1 \n"
           "3 60 \n0 125 0.0 6000 0 0 0 1 1 \n0 125 0.0 7000 0 0 0 1 1 \n0 0\n";
  };
  // From the shaft information of the given case down to its rock curve's heading.
  auto caseBody = [](const Lines& report, const std::string& header) {
    const std::size_t c = IndexOf(report, header);
    const std::size_t from = IndexOf(report, "     DRILLED SHAFT INFORMATION", c);
    const std::size_t to = IndexOf(report, kRockHeading, from);
    EXPECT_LT(to, report.size()) << header;
    return Lines(report.begin() + static_cast<long>(std::min(from, report.size())),
                 report.begin() + static_cast<long>(std::min(to, report.size())));
  };
  // One scratch folder at a time: each is the working directory while it lives.
  auto reportOf = [](const std::string& text) {
    test::ScratchDir dir;
    const test::EngineRun run = test::RunProblem(dir, text);
    EXPECT_EQ(run.status, kStatusNormal);
    return run.ReportLines();
  };
  const Lines second = caseBody(reportOf(problem(1, 30)), "     - CASE ANALYZED      :     2");  // 30, then 20 ft
  const Lines single = caseBody(reportOf(problem(0, 20)), "     - CASE ANALYZED      :     1");
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second, single);
  // The short socket (5 ft in 3 ft) warns in both, once in the case's messages.
  EXPECT_EQ(CountStarting(second, "                SOCKET LENGTH/SOCKET DIAMETER ="), 1);
}

}  // namespace
}  // namespace tvx
