// The load-settlement computations of whole cases, on hand-built hand-over records, with
// the files they write read back.
#include "CaseSettlement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestText.h"
#include "Analysis.h"
#include "EngineTestSupport.h"
#include "Format.h"
#include "LoadSettlementRun.h"
#include "LoadTransferCurves.h"
#include "PlotDataFile.h"
#include "PlotDataReader.h"
#include "RunEngine.h"
#include "RunStatus.h"

namespace tvx {
namespace {

using test::ReadLines;
using test::ScratchDir;

struct Layer {
  int type;
  float bottomFt;
  float sidePsi;  // unit side resistance of every capacity step in the layer
};

struct Fixture {
  std::vector<Layer> layers;
  bool si = false;
  float TOPLENG = 0.0f;
  float EcPsi = 4.0e6f;
  int ICHART = 0;
  std::vector<float> PDSETT;
  std::vector<float> TZDEP;  // ft; printed curves when not empty
  float DSTART = 3.0f, DIALIM = 3.0f;
};

// A state with all engine files open in the scratch folder.
class EngineFiles {
 public:
  EngineFiles(const ScratchDir& dir, const Fixture& f) : fState(std::make_unique<EngineState>()) {
    EngineState& s = *fState;
    test::WriteFile(dir / kRunFileListName, test::RunFileListFor(dir / "p.tv8d"));
    EXPECT_TRUE(ReadRunFileList(kRunFileListName, s.files));
    const RunFileNames& n = s.files;
    UnitTable& u = s.units;
    u.OpenWrite(kUnitChart, kChartFileName);
    u.OpenWrite(kUnitReport, n.report);
    u.OpenWrite(kUnitPlot, n.plot);
    u.OpenWrite(kUnitRunNotes, n.notes);
    u.OpenWrite(kUnitCurves, n.curves);
    u.OpenWrite(kUnitQwList, n.qwList);
    u.OpenWrite(kUnitTzPlot, n.tzPlot);
    u.OpenWrite(kUnitQwPlot, n.qwPlot);
    u.OpenWrite(kUnitLoadDist, n.loadDist);

    ProblemRecord& p = s.problem;
    p.TITLE = "FIXTURE";
    p.IUNIT = f.si ? 2 : 1;
    p.UNITS = f.si ? "SI" : "EN";
    p.TOPLENG = f.TOPLENG;
    p.EcInput = f.si ? f.EcPsi * 6.894f : f.EcPsi;
    p.Ec = f.EcPsi * 144.0f / 2000.0f;
    p.DSTART = f.DSTART;
    p.DIALIM = f.DIALIM;
    p.ICHART = f.ICHART;
    p.DIAMINCR = 0.5f;
    p.NPOINTPD = static_cast<int>(f.PDSETT.size());
    for (std::size_t i = 0; i < f.PDSETT.size(); ++i) p.PDSETT[i + 1] = f.PDSETT[i];
    p.PrintTZCurves = f.TZDEP.empty() ? 0 : 1;
    p.NTZDEP = static_cast<int>(f.TZDEP.size());
    for (std::size_t i = 0; i < f.TZDEP.size(); ++i) p.TZDEP[i + 1] = f.TZDEP[i];
    p.NLAYERS = 1;
    float top = 0.0f;
    for (const Layer& l : f.layers) {
      LayerEntry& e = p.layer[++p.NLAYERS];
      e.KSOIL = l.type;
      e.XTOP = e.XTOPSNAP = top;
      e.XBOT = e.XBOTSNAP = l.bottomFt;
      top = l.bottomFt;
    }
    fLayers = f.layers;
  }

  EngineState& state() { return *fState; }

  // Hands over a case: a straight shaft (or a bell of height H) with one capacity step per
  // foot down to the tip, or down to HBS ft above it when the bell and an ignored bottom
  // portion take that length.
  void HandOver(int caseNumber, int diameterIndex, int lengthIndex, float Dft, float Lft, float QBtons,
                float Dbft = 0.0f, float Hft = 0.0f, float HBSft = 0.0f) {
    CaseHandOver h;
    h.caseNumber = caseNumber;
    h.diameterIndex = diameterIndex;
    h.lengthIndex = lengthIndex;
    h.plotted = true;
    h.tipDepth = Lft;
    h.D = Dft;
    h.Db = Dbft > 0.0f ? Dbft : Dft;
    h.H = Hft;
    h.HBS = HBSft;
    h.QB = QBtons;
    float QS = 0.0f;
    for (int z = 1; z <= static_cast<int>(Lft - HBSft); ++z) {
      const float psi = SidePsiAt(static_cast<float>(z));
      h.sideDepthIn.push_back(12.0f * static_cast<float>(z));
      h.sideUnitPsi.push_back(psi);
      QS += psi * 144.0f / 2000.0f * 3.14159f * Dft;
      const float L = static_cast<float>(z) + HBSft;
      h.curve.push_back(CapacityPoint{L, QS, QBtons, QS + QBtons, QS / 2, QBtons / 3, QS / 2 + QBtons / 3});
    }
    h.NSEG = static_cast<int>(h.sideDepthIn.size());
    h.tipLayer = 2;
    for (std::size_t i = 0; i < fLayers.size(); ++i)
      if (Lft > (i == 0 ? 0.0f : fLayers[i - 1].bottomFt)) h.tipLayer = static_cast<int>(i) + 2;
    fState->handOver = h;
  }

  float SidePsiAt(float zFt) const {
    for (const Layer& l : fLayers)
      if (zFt <= l.bottomFt) return l.sidePsi;
    return fLayers.back().sidePsi;
  }

  // Ends the run as the engine does, with the status the cases left.
  void Finish(int status = kStatusNormal) { FinishRun(*fState, status); }

 private:
  std::unique_ptr<EngineState> fState;
  std::vector<Layer> fLayers;
};

using test::PlotContents;
using test::ReadPlotFile;

const std::vector<Layer> kSandOverClay = {{kSand, 20.0f, 10.0f}, {kClay, 40.0f, 8.0f}};

TEST(PlotDataRoundTrip, TwoDiametersWithPrintedCurves_CountsReadBack) {
  ScratchDir dir;
  Fixture f;
  f.layers = kSandOverClay;
  f.TZDEP = {5.0f, 25.0f};
  f.DSTART = 3.0f;
  f.DIALIM = 3.5f;
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  files.HandOver(2, 2, 1, 3.5f, 30.0f, 120.0f);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  files.Finish();

  const PlotContents c = ReadPlotFile(ReadLines(dir / "p.tv8p"), true);
  EXPECT_EQ(c.NLINES, 2);
  EXPECT_EQ(c.NPTS, 32);
  EXPECT_EQ(c.NBLK, 3);
  EXPECT_EQ(c.NTZDEP, 2);
  EXPECT_EQ(c.NTZ, 10);
  EXPECT_EQ(c.NQW, 2);
  EXPECT_EQ(c.loadDistValues, 15 * 30 * 3);

  const std::string report = test::ReadFile(dir / "p.tv8o");
  EXPECT_NE(report.find("ADDITIONAL TZ CURVES"), std::string::npos);
  EXPECT_NE(report.find("     AXIAL LOAD VS SETTLEMENT CURVES\n     -------------------------------"), std::string::npos);
  const std::string curves = test::ReadFile(dir / "p.tv8z");
  EXPECT_NE(curves.find("        TZ CURVE DATA\n        -------------"), std::string::npos);
  EXPECT_NE(curves.find("        QW CURVE DATA"), std::string::npos);
  EXPECT_NE(curves.find("VARIATION DIAMETER       =         2"), std::string::npos);
}

// How many load-settlement blocks the plotted lines carry: the bounds (NBLK 3) on every line
// once a plotted case has had its tip in soil, also on rock-tip lines written before it; the
// trend block alone (NBLK 0) when no plotted case has. A case that is not plotted (the later
// lengths of a chart run) does not count, whatever its tip.
enum class CaseTip { Rock, Clay, NoRows };
struct PlottedCase {
  CaseTip tip;
  bool plotted = true;
};
struct BlockCountCase {
  const char* name;
  std::vector<PlottedCase> cases;
  std::vector<long> headerNBLK;
};
std::ostream& operator<<(std::ostream& os, const BlockCountCase& c) { return os << c.name; }

const BlockCountCase kBlockCounts[] = {
    {"RockOnly", {{CaseTip::Rock}, {CaseTip::Rock}}, {0, 0}},
    {"RockBeforeClay", {{CaseTip::Rock}, {CaseTip::Clay}}, {3, 3}},
    {"ClayBeforeRock", {{CaseTip::Clay}, {CaseTip::Rock}}, {3, 3}},
    {"NoRowsThenRock", {{CaseTip::NoRows}, {CaseTip::Rock}}, {0, 0}},
    {"RockThenUnplottedClay", {{CaseTip::Rock}, {CaseTip::Clay, false}}, {0}},
};

class PlotBlockCount : public ::testing::TestWithParam<BlockCountCase> {};

TEST_P(PlotBlockCount, EveryLineOfTheRunCarriesTheSameBlocks) {
  const BlockCountCase& c = GetParam();
  ScratchDir dir;
  Fixture f;
  f.layers = {{kClay, 20.0f, 8.0f}, {kStrongRock, 40.0f, 30.0f}};
  f.DSTART = 3.0f;
  f.DIALIM = 3.5f;
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = static_cast<int>(c.headerNBLK.size());
  int caseNumber = 0;
  for (const PlottedCase& pc : c.cases) {
    ++caseNumber;
    if (pc.tip == CaseTip::NoRows) {
      files.state().handOver.caseNumber = caseNumber;
      WriteEmptyPlottedLine(files.state());
      continue;
    }
    if (pc.tip == CaseTip::Rock)
      files.HandOver(caseNumber, caseNumber, 1, 3.0f, 30.0f, 300.0f);
    else
      files.HandOver(caseNumber, caseNumber, 1, 3.5f, 15.0f, 50.0f);
    files.state().handOver.plotted = pc.plotted;
    ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  }
  files.Finish();

  const PlotContents plot = ReadPlotFile(ReadLines(dir / "p.tv8p"), false);
  EXPECT_EQ(plot.headerNBLK, c.headerNBLK);
  ASSERT_EQ(plot.lines.size(), c.headerNBLK.size());
  for (const test::PlottedLine& line : plot.lines)
    EXPECT_EQ(line.blocks.size(), c.headerNBLK.front() == 3 ? 3u : 1u);
  // The first case's t-z curves are in the file only when its tip is in soil.
  EXPECT_EQ(plot.appended, c.cases.front().tip == CaseTip::Clay);
}

INSTANTIATE_TEST_SUITE_P(Runs, PlotBlockCount, ::testing::ValuesIn(kBlockCounts),
                         [](const ::testing::TestParamInfo<BlockCountCase>& info) {
                           return std::string(info.param.name);
                         });

// The first case of the run had no shaft-length row to hand on, so its plotted line is empty
// and its header tells the reader that the load distributions have no points. The t-z
// sections belong to case 1 alone: a later case must not append curves and distributions
// the reader would take with the empty line's counts.
TEST(PlotDataRoundTrip, FirstCaseWithoutRows_FileStillReadsBackWhole) {
  ScratchDir dir;
  Fixture f;
  f.layers = kSandOverClay;
  f.DIALIM = 3.5f;
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;
  files.state().handOver.caseNumber = 1;
  WriteEmptyPlottedLine(files.state());
  files.HandOver(2, 2, 1, 3.5f, 30.0f, 120.0f);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  files.Finish();

  const PlotContents c = ReadPlotFile(ReadLines(dir / "p.tv8p"), false);
  EXPECT_EQ(c.NLINES, 2);
  EXPECT_EQ(c.NPTS, 2);
  ASSERT_EQ(c.lines.size(), 2u);
  EXPECT_EQ(c.lines[1].NPTS, 32);
  EXPECT_FALSE(c.appended);
}

// Unit side resistance times shaft surface over the layers the shaft crosses, plus QB, lb.
float UltimateLoad(const std::vector<Layer>& layers, float Dft, float Lft, float QBtons) {
  float QS = 0.0f, top = 0.0f;
  for (const Layer& l : layers) {
    const float bottom = std::min(l.bottomFt, Lft);
    if (bottom > top) QS += l.sidePsi * 3.14159265f * Dft * 12.0f * (bottom - top) * 12.0f;
    top = l.bottomFt;
  }
  return QS + QBtons * 2000.0f;
}

struct CurveCase {
  const char* what;
  std::vector<Layer> layers;
  bool si;
  float Dft, Lft, QB;
};

class SoilTipCurves : public ::testing::TestWithParam<CurveCase> {};

TEST_P(SoilTipCurves, MonotonicAndApproachTheUltimateLoad) {
  const CurveCase& k = GetParam();
  ScratchDir dir;
  Fixture f;
  f.layers = k.layers;
  f.si = k.si;
  EngineFiles files(dir, f);
  files.HandOver(1, 1, 1, k.Dft, k.Lft, k.QB);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  const float ultimateLb = UltimateLoad(k.layers, k.Dft, k.Lft, k.QB);
  const float ultimate = k.si ? ultimateLb * 4.448f / 1000.0f : ultimateLb / 2000.0f;
  // Final mobilization of the side and tip curves at the last tip movement, by bound.
  const float lowest[] = {0, 0.835f, 0.92f, 0.75f};
  const float highest[] = {0, 1.015f, 1.08f, 0.95f};
  for (int bound = 1; bound <= 3; ++bound) {
    const SettlementTable& t = files.state().settlement.results[bound];
    // The top moves further with every assumed tip movement; the top load may soften a
    // little at the last rows, as the clay-family side curves do past their peak.
    for (int r = 1; r < kSettlementPoints; ++r) {
      EXPECT_GT(t.TOPMV[r], t.TOPMV[r - 1]) << bound << " row " << r;
      EXPECT_GT(t.TOPLOAD[r], 0.0f) << bound << " row " << r;
    }
    const float ratio = t.TOPLOAD[kSettlementPoints - 1] / ultimate;
    EXPECT_GE(ratio, lowest[bound] - 0.01f) << bound;
    EXPECT_LE(ratio, highest[bound] + 0.01f) << bound;
  }
  files.Finish();
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, SoilTipCurves,
    ::testing::Values(CurveCase{"clay tip under sand", kSandOverClay, false, 3.0f, 30.0f, 100.0f},
                      CurveCase{"sand tip", {{kSand, 50.0f, 12.0f}}, false, 4.0f, 40.0f, 250.0f},
                      CurveCase{"gravel tip under shale", {{kShale, 15.0f, 20.0f}, {kGravel, 45.0f, 14.0f}}, false,
                                2.5f, 35.0f, 80.0f},
                      CurveCase{"SI clay tip under sand", kSandOverClay, true, 3.0f, 30.0f, 100.0f}),
    test::NameByWhat{});

TEST(SoilTipCurves, IgnoredTopOverTheWholeShaft_TopLoadIsTipLoadAndMovesByShortening) {
  // In SI the modulus is read in kPa and the tables come out in kN and metres.
  for (bool si : {false, true}) {
    SCOPED_TRACE(si ? "SI" : "English");
    ScratchDir dir;
    Fixture f;
    f.layers = kSandOverClay;
    f.TOPLENG = 30.0f;
    f.si = si;
    EngineFiles files(dir, f);
    files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
    files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
    ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
    const SettlementTable& t = files.state().settlement.results[kTrendBound];
    const double AE = 4.0e6 * 3.14159265 / 4.0 * 36.0 * 36.0;
    const double lbPerLoad = si ? 1000.0 / 4.448 : 2000.0;
    const double inPerMove = si ? 39.37 : 1.0;
    for (int r = 0; r < kSettlementPoints; ++r) {
      EXPECT_FLOAT_EQ(t.TOPLOAD[r], t.TIPLOAD[r]) << r;
      const double shortening = t.TIPLOAD[r] * lbPerLoad * 360.0 / AE;
      EXPECT_NEAR((t.TOPMV[r] - t.TIPMV[r]) * inPerMove, shortening, 1e-4 * shortening + 1e-7) << r;
    }
    files.Finish();
  }
}

// A 30 ft shaft whose last 6 ft (an ignored bottom portion) carry no side resistance in the
// capacity analysis: 24 segments of 15 in, the side counted down to 24 ft only.
TEST(SoilTipCurves, IgnoredBottomPortion_CarriesNoSideLoad) {
  ScratchDir dir;
  Fixture f;
  f.layers = {{kClay, 40.0f, 10.0f}};
  EngineFiles files(dir, f);
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f, 0.0f, 0.0f, 6.0f);
  ASSERT_EQ(files.state().handOver.NSEG, 24);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  const SettlementTable& t = files.state().settlement.results[kTrendBound];
  // At the last tip movement (1.8 in, 0.05 D) every clay curve stands at its last point,
  // 0.835 of the unit side resistance, over the 288 in of the side zone.
  const double perimeter = 3.14159265 * 36.0;
  const double side = 0.835 * 10.0 * perimeter * 288.0 / 2000.0;
  const double segment = 0.835 * 10.0 * perimeter * 15.0 / 2000.0;
  EXPECT_NEAR(t.TOPLOAD[14] - t.TIPLOAD[14], side, segment / 2);
  files.Finish();
}

TEST(SoilTipCurves, ClayTipAboveADeeperSandLayer_GetsTheClayTipCurve) {
  ScratchDir dir;
  Fixture f;
  f.layers = {{kSand, 20.0f, 10.0f}, {kClay, 40.0f, 8.0f}, {kSand, 60.0f, 12.0f}};
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  // The 13th tip movement, 0.625 in, is 0.01736 of the 36 in base: between the clay trend
  // points .70 at 0.015 and .865 at 0.025.
  const float share = 0.70f + (0.865f - 0.70f) * (0.625f / 36.0f - 0.015f) / 0.01f;
  EXPECT_NEAR(files.state().settlement.results[kTrendBound].TIPLOAD[12], 100.0f * share, 1e-3f);
  files.Finish();
}

// Rows of the report table that follows `title`.
std::vector<std::vector<double>> ReportRows(const std::vector<std::string>& report, const std::string& title,
                                            int count) {
  std::vector<std::vector<double>> rows;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] != title) continue;
    for (std::size_t j = i + 4; j < report.size() && static_cast<int>(rows.size()) < count; ++j) {
      std::istringstream ss(report[j]);
      std::vector<double> v;
      for (double x; ss >> x;) v.push_back(x);
      rows.push_back(v);
    }
    break;
  }
  return rows;
}

TEST(DefinedSettlements, BelowTheFirstGivesNoLoad_AboveTheLastExtendsTheLastRows) {
  ScratchDir dir;
  Fixture f;
  f.layers = kSandOverClay;
  f.ICHART = 1;
  f.PDSETT = {1e-7f, 0.3f, 40.0f};
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
  ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
  const EngineState& s = files.state();
  const SettlementTable t = s.settlement.results[kTrendBound];
  const ChartStore& chart = s.settlement.chart;
  files.Finish();

  EXPECT_FLOAT_EQ(chart.lengthIn[1], 360.0f);
  EXPECT_FLOAT_EQ(chart.diameterIn[1], 36.0f);
  EXPECT_EQ(chart.load[1][1][1], 0.0f);
  EXPECT_GT(chart.load[1][1][2], 0.0f);
  EXPECT_GT(chart.load[1][1][3], chart.load[1][1][2]);

  const auto rows = ReportRows(ReadLines(dir / "p.tv8o"), "        RESULT FOR DEFINED SETTLEMENTS", 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][2], 0.0);  // tip load
  EXPECT_EQ(rows[0][3], 0.0);  // tip movement
  const double extended = t.TIPMV[14] + (t.TIPMV[14] - t.TIPMV[13]) / (t.TOPMV[14] - t.TOPMV[13]) * (40.0 - t.TOPMV[14]);
  EXPECT_NEAR(rows[2][3], extended, 1e-3 * extended);

  const std::vector<std::string> chartFile = ReadLines(dir / kChartFileName);
  ASSERT_GE(chartFile.size(), 7u);
  EXPECT_EQ(chartFile[0], " 3 30 36 360 1 1");
}

TEST(LoadDistribution, SiRunKeepsTheMiddleMovementInInches) {
  std::vector<std::string> english, si;
  for (bool useSi : {false, true}) {
    ScratchDir dir;
    Fixture f;
    f.layers = kSandOverClay;
    f.si = useSi;
    EngineFiles files(dir, f);
    files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
    ASSERT_EQ(SettleCase(files.state()), kStatusNormal);
    files.Finish();
    (useSi ? si : english) = ReadLines(dir / "p.tv8l");
  }
  ASSERT_EQ(english.size(), 15u * 30u);
  ASSERT_EQ(si.size(), english.size());
  const std::size_t last = english.size() - 1;
  EXPECT_EQ(english[last].substr(26), si[last].substr(26));  // movement, inches in both
  EXPECT_NEAR(std::stod(si[last].substr(0, 13)), std::stod(english[last].substr(0, 13)) / 3.2808, 1e-3);
}

TEST(EarlyStops, TipBelowTheProfileStopsWithStatus4AndClosesTheScratch) {
  ScratchDir dir;
  Fixture f;
  f.layers = {{kClay, 30.0f, 8.0f}};
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
  files.state().handOver.tipDepth = 31.0f;
  EXPECT_EQ(SettleCase(files.state()), kStatusTipBeyondProfile);
  EXPECT_FALSE(files.state().units.IsOpen(kUnitTzData));
  files.Finish(kStatusTipBeyondProfile);
  const std::string notes = test::ReadFile(dir / "p.tv8r");
  EXPECT_NE(notes.find("                             **** WARNING ****\n"
                       "     THE VALUE OF X = 0.37E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"),
            std::string::npos);
  // No plotted line after a stop: only the t-z count of the first case, appended after the run.
  EXPECT_EQ(test::ReadLines(dir / "p.tv8p"), (std::vector<std::string>{FixedWidth(" 5", 80)}));
}

TEST(EarlyStops, PrintedDepthBelowTheProfileStopsWithStatus2) {
  ScratchDir dir;
  Fixture f;
  f.layers = kSandOverClay;
  f.TZDEP = {41.0f};
  EngineFiles files(dir, f);
  files.state().capacity.NLINES = 2;  // as the case enumeration plans the two diameters
  files.HandOver(1, 1, 1, 3.0f, 30.0f, 100.0f);
  EXPECT_EQ(SettleCase(files.state()), kStatusDepthBeyondProfile);
  files.Finish(kStatusDepthBeyondProfile);
  const std::string report = test::ReadFile(dir / "p.tv8o");
  EXPECT_NE(report.find("THE VALUE OF X = 0.492E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1"),
            std::string::npos);
}

}  // namespace
}  // namespace tvx
