#include "CapacityAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "Analysis.h"
#include "TestText.h"
#include "EngineTestSupport.h"
#include "InputReader.h"
#include "RunStatus.h"

namespace tvx {
namespace {
using test::Join;
using test::Lines;
using test::RunProblem;
using test::ScratchDir;

constexpr float kPi = 3.14159265f;

// ---------------------------------------------------------------- case enumeration

struct DiameterCase {
  const char* what;
  float DSTART, DIALIM;
  int ICHART;
  float DIAMINCR;
  std::vector<float> expected;
};

class SweepOfDiameters : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(SweepOfDiameters, RunsFromTheSmallestToTheLargestDiameter) {
  const DiameterCase& c = GetParam();
  ProblemRecord p;
  p.DSTART = c.DSTART;
  p.DIALIM = c.DIALIM;
  p.ICHART = c.ICHART;
  p.DIAMINCR = c.DIAMINCR;
  const std::vector<float> d = SweepDiameters(p);
  ASSERT_EQ(d.size(), c.expected.size());
  for (std::size_t i = 0; i < d.size(); ++i) EXPECT_NEAR(d[i], c.expected[i], 1e-5f) << i;
}

std::vector<float> Range(float from, float step, int n) {
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(from + step * static_cast<float>(i));
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SweepOfDiameters,
    ::testing::Values(DiameterCase{"three to four feet", 3, 4, 0, 0, {3.0f, 3.5f, 4.0f}},
                      DiameterCase{"one diameter", 3, 3, 0, 0, {3.0f}},
                      DiameterCase{"no more than twenty", 1, 30, 0, 0, Range(1, 0.5f, 20)},
                      DiameterCase{"chart increment", 2, 3, 1, 0.25f, {2.0f, 2.25f, 2.5f, 2.75f, 3.0f}},
                      DiameterCase{"chart increment negative", 2, 3, 1, -0.5f, {2.0f}}),
    test::NameByWhat());

struct LengthCase {
  const char* what;
  int METHOD, IPENT, ICHART;
  float DGH, PDMIN, PDINCR;
  std::vector<float> expected;
};

class RangeOfLengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(RangeOfLengths, ShortensFromTheDesignDepth) {
  const LengthCase& c = GetParam();
  ProblemRecord p;
  p.METHOD = c.METHOD;
  p.IPENT = c.IPENT;
  p.ICHART = c.ICHART;
  p.DGH = c.DGH;
  p.PDMIN = c.PDMIN;
  p.PDINCR = c.PDINCR;
  const std::vector<float> L = RunLengths(p);
  ASSERT_EQ(L.size(), c.expected.size());
  for (std::size_t i = 0; i < L.size(); ++i) EXPECT_NEAR(L[i], c.expected[i], 1e-4f) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeOfLengths,
    ::testing::Values(LengthCase{"vary length 40 to 30", 2, 1, 0, 40, 30, 2, Range(40, -2, 6)},
                      LengthCase{"chart lengths", 2, 0, 1, 40, 30, 5, {40.0f, 35.0f, 30.0f}},
                      LengthCase{"no more than one hundred", 2, 1, 0, 40, 0, 0.1f, Range(40, -0.1f, 100)},
                      LengthCase{"negative increment", 2, 1, 0, 40, 30, -2, {40.0f}},
                      LengthCase{"design depth below the range", 2, 1, 0, 20, 24, 2, {20.0f}},
                      LengthCase{"no range", 2, 0, 0, 40, 0, 0, {40.0f}},
                      LengthCase{"design load", 1, 1, 0, 0, 30, 2, {0.0f}}),
    test::NameByWhat());

// ---------------------------------------------------------------- geometry

struct GeometryCase {
  const char* what;
  float RATIO, BELANGL, D;
  bool belled;
  float Db, toe, H, Vbell;
  int N2D;
};

class Geometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, BellToeHeightVolumeAndZone) {
  const GeometryCase& c = GetParam();
  ProblemRecord p;
  p.RATIO = c.RATIO;
  p.BELANGL = c.BELANGL;
  const CaseGeometry g = ShaftGeometry(p, c.D);
  EXPECT_EQ(g.belled, c.belled);
  EXPECT_NEAR(g.Db, c.Db, 1e-5f);
  EXPECT_NEAR(g.toe, c.toe, 1e-6f);
  EXPECT_NEAR(g.H, c.H, 1e-3f);
  EXPECT_NEAR(g.Vbell, c.Vbell, 1e-3f);
  EXPECT_EQ(g.N2D, c.N2D);
  EXPECT_NEAR(g.Ab, kPi * c.Db * c.Db / 4, 1e-3f);
  EXPECT_NEAR(g.steelArea, 0.01f * 144 * kPi * c.D * c.D / 4, 1e-3f);  // 1 % of the stem in sq in
}

// Bell volumes: a toe cylinder plus the frustum pi h / 12 (D^2 + D Db + Db^2), in cubic yards.
INSTANTIATE_TEST_SUITE_P(
    Cases, Geometry,
    ::testing::Values(GeometryCase{"bell 2_5 at 30 deg on 3 ft", 2.5f, 30, 3, true, 7.5f, 0.25f, 4.147f, 3.7249f, 15},
                      GeometryCase{"bell 2 at 30 deg on 4 ft", 2.0f, 30, 4, true, 8.0f, 0.5f, 3.964f, 4.6928f, 16},
                      GeometryCase{"ratio 0_8 straight", 0.8f, 30, 3, false, 3.0f, 0, 0, 0, 6},
                      GeometryCase{"ratio 1 straight", 1.0f, 30, 3, false, 3.0f, 0, 0, 0, 6},
                      GeometryCase{"bell without angle straight", 2.5f, 0, 3, false, 3.0f, 0, 0, 0, 6},
                      GeometryCase{"stem 0_8 ft", 0, 0, 0.8f, false, 0.8f, 0, 0, 0, 1}),
    test::NameByWhat());

TEST(TwoDiameterZone, WeightsOfASixPointZone) {
  const float expected[] = {0.0f, 0.2f, 0.4f, 0.6f, 0.5333333f, 0.4666667f};
  for (int j = 0; j < 6; ++j) EXPECT_NEAR(TwoDiameterWeight(j, 6), expected[j], 1e-5f) << j;
}

TEST(UpliftWeight, ConcreteLessBuoyancyBelowTheWaterTable) {
  ProblemRecord p;
  const CaseGeometry g = ShaftGeometry(p, 3.0f);
  const float V = 40.0f * (kPi * 9.0f / 4.0f) / 27.0f;  // 10.472 cu yd
  EXPECT_NEAR(UpliftShaftWeight(g, 40, 10), 4050.0f * V / 2000.0f - 0.02450448f * 9 * 30, 1e-3f);  // 14.590
  EXPECT_NEAR(UpliftShaftWeight(g, 8, 10), 4050.0f * (8.0f * kPi * 9.0f / 4.0f / 27.0f) / 2000.0f, 1e-4f);
}

// ---------------------------------------------------------------- tip and rows on fixtures

// Steps at lengths first, first + 1, ...; side = 2 L; the given tips and unit tips.
CaseSteps Fixture(float first, const std::vector<float>& tip, const std::vector<float>& unitTip, int n2d) {
  CaseSteps s;
  for (std::size_t i = 0; i < tip.size(); ++i) {
    const float L = first + static_cast<float>(i);
    s.L.push_back(L);
    s.side.push_back(2 * L);
    s.lrfdSide.push_back(L);
    s.tip.push_back(tip[i]);
    s.unitTip.push_back(unitTip[i]);
    s.unitSide.push_back(0.1f);
    s.entry.push_back(2);
    s.N2D.push_back(n2d);
  }
  return s;
}

CaseGeometry StemOf(float D) {
  ProblemRecord p;
  return ShaftGeometry(p, D);
}

TEST(ShaftTip, StemBelowOneFootTakesTheSingleTipValue) {
  const CaseSteps s = Fixture(1, {10, 20, 30, 40}, {1, 1, 1, 1}, 1);
  const CaseGeometry g = StemOf(0.8f);
  EXPECT_FLOAT_EQ(ShaftTipResistance(s, 1, g), 20.0f);
  EXPECT_EQ(DeepestReportableStep(s, g), 3);
}

TEST(ShaftTip, WeightedMeanOverTheTwoDiameterZone) {
  // Db 1.5 ft: three points with weights 0, 0.4, 0.5333.
  const CaseSteps s = Fixture(1, {10, 20, 30, 40, 50}, {1, 1, 1, 1, 1}, 3);
  const CaseGeometry g = StemOf(1.5f);
  EXPECT_NEAR(ShaftTipResistance(s, 0, g), (0.4f * 20 + 0.5333333f * 30) / 0.9333333f, 1e-3f);
  EXPECT_EQ(DeepestReportableStep(s, g), 2);  // the zone of the fourth length leaves the profile
  EXPECT_FALSE(ZoneInsideProfile(s, 3, g));
}

TEST(ShaftTip, PointWithoutUnitTipTakesTheLastValueOfTheZone) {
  const CaseGeometry g = StemOf(1.5f);
  // Rock below the tip (no unit tip): the rock point takes the sand value above it.
  const CaseSteps rockBelow = Fixture(1, {10, 20, 500}, {1, 1, 0}, 3);
  EXPECT_NEAR(ShaftTipResistance(rockBelow, 0, g), 20.0f, 1e-4f);
  // The tip itself without unit tip: the values stand as computed.
  const CaseSteps rockAtTip = Fixture(1, {500, 20, 30}, {0, 1, 0}, 3);
  EXPECT_NEAR(ShaftTipResistance(rockAtTip, 0, g), (0.4f * 20 + 0.5333333f * 30) / 0.9333333f, 1e-3f);
}

ProblemRecord AsdProblem() {
  ProblemRecord p;
  p.NLRFD = 2;
  p.FST = 2;
  p.FSB = 3;
  p.NLAYERS = 2;
  p.layer[2].FLRFDB = 0.5f;
  return p;
}

TEST(DesignDepthRows, EveryPincInterpolatedBetweenTheFootRows) {
  ProblemRecord p = AsdProblem();
  p.TOPLENG = 3;
  const CaseSteps s = Fixture(4, std::vector<float>(12, 10), std::vector<float>(12, 1), 1);
  const CaseGeometry g = StemOf(0.8f);
  const std::vector<CapacityRow> rows = DesignDepthRows(p, s, g, 2.5f, 11);
  ASSERT_EQ(rows.size(), 3u);  // 5, 7.5, 10: from the first multiple below the top portion
  const float lengths[] = {5, 7.5f, 10};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const float L = lengths[i];
    const float V = L * kPi * 0.64f / 4 / 27;
    EXPECT_NEAR(rows[i].L, L, 1e-5f);
    EXPECT_NEAR(rows[i].QS, 2 * L, 1e-4f);
    EXPECT_NEAR(rows[i].QB, 10, 1e-4f);
    EXPECT_NEAR(rows[i].QDN, L + 10.0f / 3, 1e-4f);
    EXPECT_NEAR(rows[i].V, V, 1e-5f);
    EXPECT_NEAR(rows[i].QUV, (2 * L + 10) / V, 1e-2f);  // from the interpolated QU and volume
  }
}

TEST(DesignLoadRows, StopAtTheFirstLengthAboveTheDesignLoad) {
  ProblemRecord p = AsdProblem();
  const CaseSteps s = Fixture(1, std::vector<float>(10, 6), std::vector<float>(10, 1), 1);
  const CaseGeometry g = StemOf(0.8f);
  p.P = 5.5f;  // QDN = L + 2 exceeds 5.5 first at 4 ft
  DesignLoadRows d = SearchDesignLoad(p, s, g);
  EXPECT_TRUE(d.reached);
  ASSERT_EQ(d.rows.size(), 4u);
  EXPECT_FLOAT_EQ(d.rows.back().L, 4);

  p.NLRFD = 1;  // LRFD QU = L + 0.5 x 6 exceeds 5.5 first at 3 ft
  d = SearchDesignLoad(p, s, g);
  EXPECT_FLOAT_EQ(d.rows.back().L, 3);

  p.P = 100;
  d = SearchDesignLoad(p, s, g);
  EXPECT_FALSE(d.reached);
  EXPECT_EQ(d.rows.size(), 10u);
}

// ---------------------------------------------------------------- whole runs

// Clay 60 ft, 1000 psf, alpha 0.5, Nc 9.
const Lines kClay = {"2 60 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ", "0.5 0.5"};

Lines Problem(const std::string& units, const std::string& options, const std::string& shaft,
              const std::string& header, const Lines& layers = kClay) {
  Lines l = {"Capacity test", units, options, shaft, header};
  l.insert(l.end(), layers.begin(), layers.end());
  return l;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The rows of every capacity table of a report: the numbers of each line after the two
// heading lines, up to the first line that is not a row.
std::vector<std::vector<std::vector<double>>> Tables(const Lines& report) {
  std::vector<std::vector<std::vector<double>>> tables;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i].rfind("     LENGTH  VOLUME", 0) != 0) continue;
    tables.emplace_back();
    for (std::size_t j = i + 2; j < report.size(); ++j) {
      std::istringstream in(report[j]);
      std::vector<double> row;
      double v;
      while (in >> v) row.push_back(v);
      if (row.size() != 8 || !in.eof()) break;
      tables.back().push_back(row);
    }
  }
  return tables;
}

TEST(DesignLoad, ProfileTooShortStopsWithStatusSeven) {
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(Problem("1", "1 1 1 1 0 2 0 0 0 0 0", "3 4 0 0 0 0 3600000", "1 10 5000 2 3")));
  EXPECT_EQ(run.status, kStatusNeedAnotherLayer);
  const Lines report = run.ReportLines();
  const std::string stop = "   *********** NEED ANOTHER SOIL LAYER ************";
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.back(), stop);
  EXPECT_EQ(report[report.size() - 2], "");
  // Nothing after the first case: one header, one table, down to where the soil ends.
  EXPECT_EQ(std::count(report.begin(), report.end(), "     - CASE ANALYZED      :     1"), 1);
  EXPECT_FALSE(Has(report, "     - CASE ANALYZED      :     2"));
  const auto tables = Tables(report);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_DOUBLE_EQ(tables[0].back()[0], 55.0);  // 60 ft less the six points below a 3 ft base
  const Lines notes = run.NotesLines();
  EXPECT_EQ(notes.back(), stop);
  EXPECT_TRUE(Has(notes, "INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR"));
}

TEST(DesignLoad, RowsEndAtTheDesignLength) {
  ScratchDir dir;
  // Side 0.25 tsf on 9.42 ft a foot, tip 9 x 0.5 x 7.07 = 31.8 tons; QDN = 1.178 L + 10.6.
  const auto run = RunProblem(dir, Join(Problem("1", "1 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 40 2 3")));
  ASSERT_EQ(run.status, kStatusNormal);
  const auto tables = Tables(run.ReportLines());
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_DOUBLE_EQ(tables[0].back()[0], 25.0);  // (40 - 10.6) / 1.178 = 24.96
  EXPECT_GT(tables[0].back()[6], 40.0);
  EXPECT_LE(tables[0][tables[0].size() - 2][6], 40.0);
}

TEST(DesignDepth, SiReportInMetresAndKilonewtons) {
  ScratchDir dir;
  const Lines layers = {"2 10 ", "9 19 0.0 50 0 0 0 1 1 ", "9 19 0.0 50 0 0 0 1 1 ", "0.5 0.5"};
  const auto run =
      RunProblem(dir, Join(Problem("2", "2 1 1 1 0 2 0 0 0 0 0", "1.0 1.0 0 0 0 0 25000000", "1 20 5 2 3", layers)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  EXPECT_TRUE(Has(report, "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) "));
  const auto tables = Tables(report);
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0].size(), 5u);  // 1 to 5 m
  // At 3 m = 9.8424 ft: side 0.5 x 1044.25 psf / 2000 on pi 3.2808 ft a foot; tip 9 x 0.522 tsf
  // on the 8.454 sq ft base; tons / 0.1124 to kN, cubic yards / 1.3078 to cubic metres.
  const double ft = 3 * 3.2808, D = 3.2808;
  const double QS = 0.5 * 50 * 20.885 / 2000 * 3.14159265 * D * ft;
  const double QB = 9 * 50 * 20.885 / 2000 * 3.14159265 * D * D / 4;
  const double V = ft * 3.14159265 * D * D / 4 / 27;
  const std::vector<double> row = tables[0][2];
  EXPECT_NEAR(row[0], 3.0, 1e-9);
  EXPECT_NEAR(row[1], V / 1.3078, 0.051);
  EXPECT_NEAR(row[2], QS / 0.1124, 0.051);
  EXPECT_NEAR(row[3], QB / 0.1124, 0.051);
  EXPECT_NEAR(row[4], (QS + QB) / 0.1124, 0.051);
  EXPECT_NEAR(row[5], (QS + QB / 3) / 0.1124, 0.051);
  EXPECT_NEAR(row[6], (QS / 2 + QB / 3) / 0.1124, 0.051);
  EXPECT_NEAR(row[7], (QS + QB) / V / 0.08594586, 0.011);
  const auto line = std::find_if(report.begin(), report.end(), [](const std::string& l) {
    return l.rfind("      3.0 ", 0) == 0;
  });
  ASSERT_NE(line, report.end());
  EXPECT_EQ(line->size(), 1u + 8 + 1 + 8 + 5 * 9 + 1 + 9);
  EXPECT_EQ(line->substr(10, 8), "     2.4");  // the volume with one decimal
}

TEST(DesignDepth, ZeroOutputIncrementPrintsEveryFootWithANote) {
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(Problem("1", "2 1 1 0 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 20 2 3")));
  ASSERT_EQ(run.status, kStatusNormal);
  const auto tables = Tables(run.ReportLines());
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0].size(), 20u);
  EXPECT_DOUBLE_EQ(tables[0][0][0], 1.0);
  EXPECT_TRUE(Has(run.NotesLines(), "     THE OUTPUT DEPTH INCREMENT IS ZERO OR TOO SMALL."));
}

TEST(DesignDepth, UpliftPrintsTheWeightWithBaseFactorOne) {
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(Problem("1", "2 2 0.75 5 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 40 2 3")));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  EXPECT_TRUE(Has(report, "     LENGTH  VOLUME     QS      WT      QU       QBD      QDN      QU/VOLUME"));
  const auto tables = Tables(report);
  ASSERT_EQ(tables.size(), 1u);
  const std::vector<double>& at40 = tables[0].back();
  ASSERT_DOUBLE_EQ(at40[0], 40.0);
  EXPECT_NEAR(at40[3], 14.59, 0.006);               // the weight of the 40 ft shaft, water at 10 ft
  EXPECT_NEAR(at40[5], at40[2] + at40[3], 0.011);   // QBD = QS + WT
  EXPECT_NEAR(at40[6], at40[2] / 2 + at40[3], 0.011);  // QDN = QS / FST + WT
}

TEST(MostEfficientShaft, FollowsASweepOfSeveralDiameters) {
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(Problem("1", "2 1 1 1 0 2 0 0 0 0 0", "3 4 0 0 0 0 3600000", "1 10 30 2 3")));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const auto tables = Tables(report);
  ASSERT_EQ(tables.size(), 3u);
  std::size_t best = 0;
  for (std::size_t i = 1; i < tables.size(); ++i)
    if (tables[i].back()[7] > tables[best].back()[7]) best = i;
  const auto head = std::find(report.begin(), report.end(), "     THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE");
  ASSERT_NE(head, report.end());
  EXPECT_EQ(*(head + 1), "     APPEARS TO BE THE FOLLOWING ONE:");
  const float D = 3.0f + 0.5f * static_cast<float>(best);
  char stem[64];
  std::snprintf(stem, sizeof stem, "      DIAMETER OF STEM          = %8.3f  FT.", D);
  EXPECT_EQ(*(head + 4), stem);
  EXPECT_EQ(*(head + 6), "      SHAFT LENGTH              =   30.000  FT.");
  // After the last case of the sweep.
  const auto third = std::find(report.begin(), report.end(), "     - CASE ANALYZED      :     3");
  EXPECT_LT(third, head);

  ScratchDir single;
  const auto one = RunProblem(single, Join(Problem("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 30 2 3")));
  EXPECT_FALSE(Has(one.ReportLines(), "     THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE"));
}

// ---------------------------------------------------------------- hand-over

struct PreparedRun {
  std::unique_ptr<CapacityState> state = std::make_unique<CapacityState>();
  DesignRun run;
};

PreparedRun Prepare(const std::string& text) {
  PreparedRun r;
  TextLineSource source(text);
  InputError error;
  EXPECT_TRUE(ReadProblemInput(source, r.state->problem, error)) << error.problem;
  PrepareProblem(*r.state);
  r.run.profile = BuildProfileSteps(r.state->problem);
  r.run.PINC = r.state->problem.PINC;
  return r;
}

TEST(HandOver, DesignDepthCaseHandsOnItsLengthsAndTip) {
  ScratchDir dir;
  // Bell 2.5 at 30 deg on a 3 ft stem (H 4.147 ft), 2 ft ignored at the bottom, tip at 40 ft.
  PreparedRun r = Prepare(Join(Problem("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 2.5 30 0 2 3600000", "1 10 40 2 3")));
  CasePlan plan;
  plan.caseNumber = 4;
  plan.lengthIndex = 2;
  plan.diameterIndex = 3;
  plan.D = 3;
  plan.length = 40;
  plan.plotted = false;
  const CaseOutcome out = AnalyzeCase(*r.state, r.run, plan);
  ASSERT_TRUE(out.handedOver);
  const CaseHandOver& h = r.state->handOver;
  EXPECT_EQ(h.caseNumber, 4);
  EXPECT_EQ(h.lengthIndex, 2);
  EXPECT_EQ(h.diameterIndex, 3);
  EXPECT_FALSE(h.plotted);
  // Lengths from 1 + 2 + 4 = 7 ft (the bell height taken to a whole foot) down to 40 ft.
  EXPECT_EQ(h.NSEG, 34);
  ASSERT_EQ(h.curve.size(), 34u);
  ASSERT_EQ(h.sideDepthIn.size(), 34u);
  // The side resistance goes with the depth of its step in the soil: 1 ft under the 7 ft
  // length, 34 ft under the 40 ft tip.
  EXPECT_FLOAT_EQ(h.sideDepthIn.front(), 12 * 1.0f);
  EXPECT_FLOAT_EQ(h.sideDepthIn.back(), 12 * 34.0f);
  EXPECT_FLOAT_EQ(h.curve.back().L, 40.0f);
  EXPECT_NEAR(h.sideUnitPsi.front(), 0.25f * 2000 / 144, 1e-4f);  // alpha 0.5 x 1000 psf
  EXPECT_FLOAT_EQ(h.tipDepth, 40.0f);
  EXPECT_FLOAT_EQ(h.QB, out.last.QB);
  EXPECT_FLOAT_EQ(h.curve.back().QB, out.last.QB);
  EXPECT_NEAR(h.curve.back().design3, out.last.QDN, 1e-3f);
  EXPECT_FLOAT_EQ(h.D, 3.0f);
  EXPECT_FLOAT_EQ(h.Db, 7.5f);
  EXPECT_NEAR(h.H, 4.147f, 1e-3f);
  EXPECT_NEAR(h.HBS, 6.147f, 1e-3f);
  EXPECT_EQ(h.tipLayer, 2);
  EXPECT_NEAR(r.state->problem.Ec, 3600000.0f * 144 / 2000, 1.0f);  // in tsf, for the load-settlement
  EXPECT_FLOAT_EQ(h.zLast, 60.0f);
  // The tip layer holds the side resistance of the whole shaft, not that of the deepest step.
  EXPECT_FLOAT_EQ(h.layerEndSide[2], out.last.QS);
}

// A profile shallower than the two-diameter zone of the shaft leaves no shaft-length row:
// the case has nothing to hand on, yet the plot data must still hold the line its header
// announces, so the desktop program reads the file to its end.
TEST(DesignDepth, CaseWithoutRowsStillWritesItsPlottedLine) {
  ScratchDir dir;
  const Lines shallowClay = {"2 8 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ",
                             "0.5 0.5"};
  const auto run =
      RunProblem(dir, Join(Problem("1", "2 1 1 1 0 2 0 0 0 0 0", "5 5 0 0 0 0 3600000", "1 10 20 2 3", shallowClay)));
  EXPECT_EQ(run.status, kStatusNormal);
  const Lines plot = run.PlotLines();
  ASSERT_FALSE(plot.empty());
  std::istringstream header(plot[0]);
  int nlines = 0, npts = 0, nblk = 0;
  header >> nlines >> npts >> nblk;
  EXPECT_EQ(nlines, 1);
  EXPECT_EQ(npts, 2);
  // No case of the run had its tip in soil: the trend block alone, of zeros.
  EXPECT_EQ(nblk, 0);
  // Header, the two surface points, one block of 15 movements.
  EXPECT_EQ(plot.size(), 3u + 15u);
}

}  // namespace
}  // namespace tvx
