// Every bundled example runs through the engine to a clean end, every case of its report
// carries a full capacity table, its plot-data file reads back whole, and the load-settlement
// curves of its soil-tip cases agree with the capacity of the case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

#include "EngineTestSupport.h"
#include "InputReader.h"
#include "PlotDataReader.h"
#include "RunStatus.h"
#include "TestText.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::vector<fs::path> Examples() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(test::ExamplePath("")))
    if (e.path().extension() == ".tv8d") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

using test::StartsWith;

// The numbers of a capacity row, or nothing when the line is not one.
std::vector<double> RowValues(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> v;
  double x;
  while (in >> x) v.push_back(x);
  if (!in.eof() || v.size() != 8) return {};
  return v;
}

// One case section of a report: from its header to the next header.
struct CaseSection {
  std::string header;
  double shaftLength = -1;  // the design-depth line, when printed
  double D = 0, Db = 0;     // stem and base diameters, ft or m
  std::vector<std::vector<double>> rows;
  bool headings = false;
  bool overflow = false;
  // Load-settlement tables by bound (1 trend, 2 upper, 3 lower): 15 rows of top load, top
  // movement, tip load, tip movement.
  std::map<int, std::vector<std::vector<double>>> settlement;
};

const char* const kBoundTitles[] = {"", "        RESULT FROM TREND (AVERAGED) LINE",
                                    "        RESULT FROM UPPER-BOUND LINE", "        RESULT FROM LOWER-BOUND LINE"};

std::vector<CaseSection> Sections(const Lines& report) {
  std::vector<CaseSection> cases;
  for (std::size_t i = 0; i < report.size(); ++i) {
    const std::string& l = report[i];
    if (StartsWith(l, "     - CASE ANALYZED      : ")) {
      cases.emplace_back();
      cases.back().header = l;
      continue;
    }
    if (cases.empty()) continue;
    CaseSection& c = cases.back();
    if (!c.headings && StartsWith(l, "      SHAFT LENGTH              =")) c.shaftLength = std::stod(l.substr(33, 9));
    if (!c.headings && StartsWith(l, "      DIAMETER OF STEM          =")) c.D = std::stod(l.substr(33, 9));
    if (!c.headings && StartsWith(l, "      DIAMETER OF BASE          =")) c.Db = std::stod(l.substr(33, 9));
    for (int bound = 1; bound <= 3; ++bound) {
      if (l != kBoundTitles[bound]) continue;
      auto& table = c.settlement[bound];
      for (std::size_t j = i + 4; j < report.size() && table.size() < 15; ++j) {
        std::istringstream in(report[j]);
        std::vector<double> v;
        for (double x; in >> x;) v.push_back(x);
        if (v.size() != 4) break;
        table.push_back(v);
      }
    }
    if (StartsWith(l, "     LENGTH  VOLUME")) {
      c.headings = true;
      for (std::size_t j = i + 2; j < report.size(); ++j) {
        if (report[j].find('*') != std::string::npos) c.overflow = true;
        const std::vector<double> row = RowValues(report[j]);
        if (row.empty()) break;
        c.rows.push_back(row);
      }
    }
  }
  return cases;
}

TEST(Examples, EveryExampleReportsAFullCapacityTableForEveryCase) {
  const std::vector<fs::path> examples = Examples();
  ASSERT_GE(examples.size(), 7u);
  for (const fs::path& example : examples) {
    SCOPED_TRACE(example.filename().string());
    test::ScratchDir dir;
    const auto run = test::RunProblemFile(dir, example);
    EXPECT_EQ(run.status, kStatusNormal);
    const std::vector<CaseSection> cases = Sections(run.ReportLines());
    ASSERT_FALSE(cases.empty());
    for (const CaseSection& c : cases) {
      SCOPED_TRACE(c.header);
      EXPECT_TRUE(c.headings);
      EXPECT_FALSE(c.overflow);
      ASSERT_FALSE(c.rows.empty());
      for (std::size_t k = 1; k < c.rows.size(); ++k) EXPECT_GT(c.rows[k][0], c.rows[k - 1][0]);
      if (c.shaftLength >= 0) {
        // Design depth: the rows reach the shaft length within one output increment.
        const double last = c.rows.back()[0];
        const double step = c.rows.size() > 1 ? c.rows[1][0] - c.rows[0][0] : 0.0;
        EXPECT_LE(last, c.shaftLength + 0.05);
        EXPECT_GT(last + step + 0.05, c.shaftLength);
      }
    }
  }
}

// What the plot-data file of each example holds: the plotted lines (one per diameter, every
// length with the vary-length option, the first length of a design-chart run), their
// load-settlement blocks (the bounds only when a plotted case has its tip in soil) and,
// when the first case's tip is in soil, its 5 curves per layer and one q-w curve per
// diameter at the first length.
struct PlotExpectation {
  const char* file;
  long NLINES;
  long NBLK;
  long NTZ;  // -1: the first case's tip is in rock, nothing is appended
  long NQW;
};

const PlotExpectation kPlotExpectations[] = {
    {"belled-design-load.tv8d", 3, 3, 10, 3},
    {"decomposed-rock-si-design-load.tv8d", 1, 0, -1, -1},
    {"gravel-uplift-lrfd.tv8d", 1, 3, 15, 1},
    {"rock-sockets-uplift.tv8d", 6, 0, -1, -1},
    {"sand-over-clay.tv8d", 1, 3, 10, 1},
    {"si-layered-lrfd-charts.tv8d", 3, 3, 20, 3},
    {"strong-rock-end-bearing.tv8d", 1, 0, -1, -1},
    {"sand-clay-design-charts.tv8d", 3, 3, 10, 3},
    {"weak-rock-socket-over-shale.tv8d", 1, 0, -1, -1},
};

ProblemRecord ReadExampleProblem(const fs::path& file) {
  ProblemRecord p;
  InputError error;
  EXPECT_TRUE(ReadProblemText(test::ReadFile(file), p, error)) << error.problem;
  return p;
}

TEST(Examples, EveryPlotDataFileReadsBackWithConsistentCounts) {
  ASSERT_EQ(std::size(kPlotExpectations), Examples().size());
  for (const PlotExpectation& e : kPlotExpectations) {
    SCOPED_TRACE(e.file);
    const fs::path example = test::ExamplePath(e.file);
    const ProblemRecord problem = ReadExampleProblem(example);
    test::ScratchDir dir;
    const auto run = test::RunProblemFile(dir, example);
    ASSERT_EQ(run.status, kStatusNormal);
    test::PlotContents plot;
    try {
      plot = test::ReadPlotFile(run.PlotLines(), problem.PrintTZCurves == 1, problem.ICHART == 1);
    } catch (const std::exception& error) {
      FAIL() << error.what();
    }
    const std::vector<CaseSection> cases = Sections(run.ReportLines());
    EXPECT_EQ(plot.NLINES, e.NLINES);
    ASSERT_EQ(plot.lines.size(), static_cast<std::size_t>(e.NLINES));
    ASSERT_GE(cases.size(), plot.lines.size());
    for (std::size_t i = 0; i < plot.lines.size(); ++i) {
      SCOPED_TRACE("plotted line " + std::to_string(i + 1));
      const test::PlottedLine& line = plot.lines[i];
      EXPECT_EQ(line.NLINES, e.NLINES);
      EXPECT_EQ(line.NBLK, e.NBLK);
      EXPECT_EQ(line.blocks.size(), e.NBLK == 3 ? 3u : 1u);
      ASSERT_GE(line.NPTS, 3);
      // The surface, the first depth with nothing mobilized, then the stored lengths down to
      // the tip of the case (within a foot: the last stored length above it).
      for (double v : line.points[0]) EXPECT_EQ(v, 0.0);
      for (int k = 1; k < 7; ++k) EXPECT_EQ(line.points[1][k], 0.0);
      EXPECT_EQ(line.points[2][0], line.points[1][0]);
      const double foot = problem.IsSI() ? 0.3048 : 1.0;
      const double tip = cases[i].rows.back()[0];
      EXPECT_LE(line.points.back()[0], tip + 0.001);
      EXPECT_GT(line.points.back()[0], tip - foot - 0.001);
      for (std::size_t k = 2; k < line.points.size(); ++k) {
        const auto& p = line.points[k];
        EXPECT_GE(p[0], line.points[k - 1][0]);
        // Each value is good to half a unit of its third digit.
        const double rounding = 5e-3 * (std::fabs(p[1]) + std::fabs(p[2]) + std::fabs(p[3]));
        EXPECT_NEAR(p[3], p[1] + p[2], rounding) << "QU = QS + QB at point " << k;
      }
      // A soil-tip case's trend block is its report table.
      if (!cases[i].settlement.empty()) {
        const auto& table = cases[i].settlement.at(1);
        ASSERT_EQ(table.size(), 15u);
        for (int r = 0; r < 15; ++r)
          for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(line.blocks[0][r][k], table[r][k], 5e-3 * std::fabs(table[r][k]));
      }
    }
    EXPECT_EQ(plot.appended, e.NTZ >= 0);
    EXPECT_EQ(plot.NTZ, e.NTZ);
    EXPECT_EQ(plot.NQW, e.NQW);
    EXPECT_EQ(plot.NCHART, problem.ICHART == 1 ? problem.NPOINTPD : -1);
    if (e.NTZ >= 0) {
      EXPECT_EQ(plot.NTZ, 5 * problem.LayerCount());
      EXPECT_EQ(plot.NTZDEP, problem.PrintTZCurves == 1 ? problem.NTZDEP : -1);
      EXPECT_EQ(plot.loadDistValues, 15 * (plot.NPTS - 2) * 3);
    }
  }
}

// Share of the ultimate value at the normalized movement x on a normalized curve.
double CurveShare(const std::vector<double>& ratio, const std::vector<double>& share, double x) {
  if (x >= ratio.back()) return share.back();
  for (std::size_t p = 1; p < ratio.size(); ++p)
    if (ratio[p] >= x) return share[p - 1] + (share[p] - share[p - 1]) * (x - ratio[p - 1]) / (ratio[p] - ratio[p - 1]);
  return share.back();
}

// The normalized q-w curves: tip movement / base diameter, tip load / QB, by bound.
const std::vector<double> kTipRatio = {0, .005, .01, .015, .025, .03, .04, .05, .07, .10};
const std::vector<double> kSandTip[] = {{},
                                        {0, .175, .345, .485, .64, .73, .88, 1.015, 1.195, 1.46},
                                        {0, .25, .48, .67, .76, .84, .96, 1.08, 1.28, 1.61},
                                        {0, .10, .21, .30, .52, .62, .80, .95, 1.11, 1.32}};
const std::vector<double> kClayTip[] = {{},
                                        {0, .395, .56, .70, .865, .90, .95, .97, .98, .991},
                                        {0, .59, .75, .86, .96, .98, .995, .995, .994, .992},
                                        {0, .20, .37, .54, .77, .82, .90, .94, .97, .99}};
// Share of the ultimate side resistance that the side curves hold at a movement of 5 % of
// the diameter or more (every segment moves at least the last tip movement, which is never
// less): the clay family's last point and the sand family's highest from there on.
const double kSideShareLow[] = {0, 0.835, 0.92, 0.75};
const double kSideShareHigh[] = {0, 0.96, 1.0, 0.92};
// The segments resolve the ends of the side-resistance zone and the layer boundaries only to
// a segment and to the 12 in below each boundary where the next layer's first curve lies;
// those cost side load (a strong layer under a weak one) more often than they add it.
const double kResolutionLoss = 0.06;
const double kResolutionGain = 0.02;

// The last assumed tip movement, in, of a shaft of diameter D in.
double LastTipMovement(double D) {
  const double m13 = 0.01 * D < 0.5 ? 0.625 : 0.01 * D;
  const double m14 = m13 > 0.025 * D ? 1.25 * m13 : 0.025 * D;
  return m14 > 0.05 * D ? 1.25 * m14 : 0.05 * D;
}

TEST(Examples, SoilTipCurvesRiseWithTheTopAndMobilizeTheCaseCapacity) {
  int checked = 0;
  for (const fs::path& example : Examples()) {
    SCOPED_TRACE(example.filename().string());
    const ProblemRecord problem = ReadExampleProblem(example);
    const bool si = problem.IsSI();
    const double inPerUnit = si ? 39.37 : 12.0;
    test::ScratchDir dir;
    const auto run = test::RunProblemFile(dir, example);
    ASSERT_EQ(run.status, kStatusNormal);
    for (const CaseSection& c : Sections(run.ReportLines())) {
      if (c.settlement.empty()) continue;
      SCOPED_TRACE(c.header);
      ASSERT_EQ(c.settlement.size(), 3u);
      const std::vector<double>& tipRow = c.rows.back();
      if (c.shaftLength >= 0) {
        ASSERT_NEAR(tipRow[0], c.shaftLength, 1e-3) << "the last row is the tip";
      }
      const double L = tipRow[0], QS = tipRow[2], QB = tipRow[3];
      // The layer that holds the tip, on the whole-foot layer bottoms of the depth stepping.
      const double Lft = si ? L * 3.2808 : L;
      int tipType = 0;
      for (int i = 2; i <= problem.NLAYERS && tipType == 0; ++i) {
        const double bottomFt = std::round(si ? problem.layer[i].XBOT * 3.2808 : problem.layer[i].XBOT);
        if (bottomFt >= Lft - 1e-3) tipType = problem.layer[i].KSOIL;
      }
      const bool sandTip = tipType == 1 || tipType == 8 || tipType == 9;
      const double D = c.D * inPerUnit, Db = std::max(c.Db, c.D) * inPerUnit;
      const double m15 = LastTipMovement(D);

      for (int bound = 1; bound <= 3; ++bound) {
        SCOPED_TRACE(kBoundTitles[bound]);
        const auto& t = c.settlement.at(bound);
        ASSERT_EQ(t.size(), 15u);
        // The top moves further with every assumed tip movement, and the top load softens
        // after its peak no more than the clay side curves do past theirs.
        const double softening[] = {0, 0.835 / 0.955, 0.92 / 1.02, 0.75 / 0.89};
        double peak = 0;
        for (int r = 0; r < 15; ++r) {
          if (r > 0) {
            EXPECT_GT(t[r][1], t[r - 1][1]) << "top movement, row " << r + 1;
          }
          EXPECT_GE(t[r][0], softening[bound] * peak) << "top load, row " << r + 1;
          peak = std::max(peak, t[r][0]);
        }
        // The tip carries QB (the shaft weight in uplift) times the q-w share of its family
        // at the last tip movement.
        const double tipMove = si ? t[14][3] * 39.37 : t[14][3];
        EXPECT_NEAR(tipMove, m15, 1e-3 * m15);
        const double share = CurveShare(kTipRatio, (sandTip ? kSandTip : kClayTip)[bound], m15 / Db);
        EXPECT_NEAR(t[14][2], share * QB, 2e-3 * share * QB + 0.01) << "tip load";
        // The side carries QS times the share the side curves hold by then.
        const double side = (t[14][0] - t[14][2]) / QS;
        EXPECT_GE(side, kSideShareLow[bound] - kResolutionLoss) << "side share";
        EXPECT_LE(side, kSideShareHigh[bound] + kResolutionGain) << "side share";
      }
      ++checked;
    }
  }
  // Soil tips of sand, clay, shale, gravelly sand and gravel, straight and belled.
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace tvx
