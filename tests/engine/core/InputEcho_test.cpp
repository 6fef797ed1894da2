// The input echo of the report, from whole engine runs on small problems.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "RunStatus.h"
#include "TestText.h"

namespace tvx {
namespace {

using test::RunProblem;
using test::ScratchDir;
using test::Join;
using test::Lines;

const std::string kMarked = "  (*)";
const std::string kUnmarked = "     ";

// A value line: 7 blanks, the label as the report shows it (padded, with "="), the value.
std::string V(const std::string& label, const std::string& value, const std::string& mark = "") {
  return "       " + label + value + mark;
}
std::string Dash(int n) { return "     " + std::string(n, '-'); }

// The `count` lines from the first line equal to `first`; fewer when the report ends.
Lines From(const Lines& report, const std::string& first, std::size_t count) {
  const auto it = std::find(report.begin(), report.end(), first);
  if (it == report.end()) return {"(no line \"" + first + "\")"};
  const std::size_t start = static_cast<std::size_t>(it - report.begin());
  return Lines(it, report.begin() + std::min(report.size(), start + count));
}

// The end of the input echo: the four empty lines before the computation results (the end of
// the report when there are none).
Lines::const_iterator EchoEnd(const Lines& report) {
  const auto results = std::find(report.begin(), report.end(), "     COMPUTATION RESULTS");
  return results - report.begin() >= 4 && results != report.end() ? results - 4 : report.end();
}

// The run notes written before the first case.
Lines NotesBeforeCases(const Lines& notes) {
  const auto first = std::find(notes.begin(), notes.end(), "     - CASE ANALYZED      :     1");
  return Lines(notes.begin(), first - notes.begin() >= 3 && first != notes.end() ? first - 3 : notes.end());
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Labels exactly as the report prints them.
const std::string kBetaL = "SKIN FRICTION COEFFICIENT- BETA                   =";
const std::string kKoL = "LATERAL EARTH-PRESSURE COEFFICIENT - Ko           =";
const std::string kKcmL = "PRECONSOLIDATION STRESS EXPONENT - M              =";
const std::string kPhiL = "INTERNAL FRICTION ANGLE, DEG.                     =";
const std::string kBlowsL = "BLOWS PER FOOT FROM STANDARD PENETRATION TEST     =";
const std::string kGammaL = "SOIL UNIT WEIGHT, LB/CU FT                        =";
const std::string kGammaSiL = "SOIL UNIT WEIGHT, KN/CU M                         =";
const std::string kTranL = "MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT          =";
const std::string kTranSiL = "MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M           =";
const std::string kDepthL = "DEPTH, FT                                         =";
const std::string kDepthSiL = "DEPTH, M                                          =";
const std::string kAlphaL = "STRENGTH REDUCTION FACTOR-ALPHA                   =";
const std::string kNcL = "END BEARING COEFFICIENT-Nc                        =";
const std::string kCuL = "UNDRAINED SHEAR STRENGTH, LB/SQ FT                =";
const std::string kCuSiL = "UNDRAINED SHEAR STRENGTH, KN/SQ M                 =";
const std::string kLrfdSideL = "LRFD RESISTANCE FACTOR (SIDE FRICTION)            =";
const std::string kLrfdTipL = "LRFD RESISTANCE FACTOR (TIP RESISTANCE)           =";

TEST(InputEcho, EnglishExampleEchoesLineByLine) {
  ScratchDir dir;
  const auto run = test::RunProblemFile(dir, test::ExamplePath("sand-over-clay.tv8d"));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  ASSERT_GT(report.size(), 22u);
  const Lines echo(report.begin() + 22, EchoEnd(report));

  const std::string title = "Sand over clay, 3 ft shaft 50 ft long";
  // Sand beta estimated: 1.5 at the surface limited to 1.2; 1.5 - 0.135 sqrt(20) = 0.896.
  // Clay: alpha 0.55 for strengths below 1.5 atmospheres; Nc 6 (1 + 0.2 x 20 / 3) = 14 -> 9.
  const Lines expected = {
      "     " + title + std::string(72 - title.size(), ' '),
      "",
      "",
      "     PROPOSED DEPTH =      50.0 FT",
      Dash(16),
      "",
      "",
      "     NUMBER OF LAYERS =    2",
      Dash(18),
      "",
      "",
      "     WATER TABLE DEPTH =      10.0 FT.",
      Dash(19),
      "",
      "",
      "",
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY = 2.50",
      Dash(55),
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY = 3.00",
      Dash(54),
      "",
      "",
      "     SOIL INFORMATION",
      Dash(15),
      "",
      "     LAYER NO  1----SAND",
      "",
      "",
      "       AT THE TOP",
      "",
      "       SIDE FRICTION PROCEDURE, BETA METHOD",
      V(kBetaL, " 0.120E+01", kMarked),
      V(kPhiL, " 0.320E+02", kUnmarked),
      V(kBlowsL, " 0.150E+02"),
      V(kGammaL, " 0.120E+03"),
      V(kTranL, " 0.100E+11"),
      V(kDepthL, " 0.000E+00"),
      "",
      "       AT THE BOTTOM",
      "",
      "       SIDE FRICTION PROCEDURE, BETA METHOD",
      V(kBetaL, " 0.896E+00", kMarked),
      V(kPhiL, " 0.340E+02", kUnmarked),
      V(kBlowsL, " 0.220E+02"),
      V(kGammaL, " 0.122E+03"),
      V(kTranL, " 0.100E+11"),
      V(kDepthL, " 0.200E+02"),
      "",
      "     LAYER NO  2----CLAY",
      "",
      "",
      "       AT THE TOP",
      "",
      V(kAlphaL, " 0.550E+00", kMarked),
      V(kNcL, " 0.900E+01", kMarked),
      V(kCuL, " 0.120E+04"),
      V(kBlowsL, " 0.000E+00"),
      V(kGammaL, " 0.115E+03"),
      V(kTranL, " 0.100E+11"),
      V(kDepthL, " 0.200E+02"),
      "",
      "",
      "       AT THE BOTTOM",
      "",
      V(kAlphaL, " 0.550E+00", kMarked),
      V(kNcL, " 0.900E+01", kMarked),
      V(kCuL, " 0.240E+04"),
      V(kBlowsL, " 0.000E+00"),
      V(kGammaL, " 0.120E+03"),
      V(kTranL, " 0.100E+11"),
      V(kDepthL, " 0.600E+02"),
      "",
      "",
      "     (*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS",
      "",
      "",
      "",
      "     INPUT DRILLED SHAFT INFORMATION",
      Dash(30),
      "",
      "      MINIMUM SHAFT DIAMETER    =    3.000  FT.",
      "      MAXIMUM SHAFT DIAMETER    =    3.000  FT.",
      "      RATIO BASE/SHAFT DIAMETER =    0.000  FT.",
      "      ANGLE OF BELL             =    0.000  DEG.",
      "      IGNORED TOP PORTION       =    0.000  FT.",
      "      IGNORED BOTTOM PORTION    =    0.000  FT.",
      "      ELASTIC MODULUS, Ec       = 0.360E+07 LB/SQ IN",
      "",
      "",
  };
  ASSERT_EQ(echo.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(echo[i], expected[i]) << "report line " << i + 23;
  EXPECT_TRUE(NotesBeforeCases(run.NotesLines()).empty());
}

// The first records of a problem; the layers follow.
Lines Head(const std::string& units, const std::string& options, const std::string& shaft,
           const std::string& header) {
  return {"Echo test", units, options, shaft, header};
}

Lines Append(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Lines kClayLayer = {"2 60 ", "9 115 0.0 1200 0 0 0 0.7 0.6 ", "9 120 0.0 2400 0 0 0 0.7 0.65 ", "0.5 0.5"};

struct ControlCase {
  const char* name;
  Lines problem;
  Lines expected;  // from the first line below the title
};

class ControlEcho : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlEcho, PrintsTheControlValues) {
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(GetParam().problem));
  // The echo comes before the analysis, whether or not the profile carries the design load.
  ASSERT_TRUE(run.status == kStatusNormal || run.status == kStatusNeedAnotherLayer) << run.status;
  const Lines report = run.ReportLines();
  ASSERT_GT(report.size(), 23u + GetParam().expected.size());
  const Lines got(report.begin() + 23, report.begin() + 23 + GetParam().expected.size());
  EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, ControlEcho,
    ::testing::Values(
        ControlCase{"DesignLoadUpliftLrfd",
                    Append(Head("1", "1 2 0.75 1 0 1 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 12.5 150.25 2 3"),
                           kClayLayer),
                    {"", "", "     TOTAL LOAD =     150.3 TONS", Dash(12), "", "",
                     "     REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION = 0.750", Dash(46), "", "",
                     "     NUMBER OF LAYERS =    1", Dash(18), "", "", "     WATER TABLE DEPTH =      12.5 FT.", Dash(19),
                     "", "",
                     // LRFD: no factors of safety
                     "", "", "     SOIL INFORMATION"}},
        ControlCase{"SiDesignLoad",
                    Append(Head("2", "1 1 1 0.5 0 2 0 0 0 0 0", "0.9 0.9 0 0 0 0 25000000", "1 3.5 2000 2 2.5"),
                           kClayLayer),
                    {"", "", "     TOTAL LOAD =    2000.0 KN", Dash(12), "", "", "     NUMBER OF LAYERS =    1",
                     Dash(18), "", "", "     WATER TABLE DEPTH =       3.5 M", Dash(19), "", "", "",
                     "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY = 2.00", Dash(55),
                     "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY = 2.50", Dash(54)}},
        ControlCase{"SiDesignDepth",
                    Append(Head("2", "2 1 1 0.5 0 2 0 0 0 0 0", "0.9 0.9 0 0 0 0 25000000", "1 3.5 15 2 2.5"),
                           kClayLayer),
                    {"", "", "     PROPOSED DEPTH =      15.0 M", Dash(16)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEcho, LrfdFactorsFollowEveryLayer) {
  ScratchDir dir;
  const auto run = RunProblem(
      dir, Join(Append(Head("1", "2 1 1 1 0 1 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 50 2 3"), kClayLayer)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const Lines block = From(report, V(kDepthL, " 0.600E+02"), 7);
  const Lines expected = {V(kDepthL, " 0.600E+02"), "", "", V(kLrfdSideL, " 0.700E+00"), V(kLrfdTipL, " 0.650E+00"),
                          "", ""};
  EXPECT_EQ(block, expected);
}

TEST(InputEcho, SiLayersPrintInSiUnits) {
  ScratchDir dir;
  // Sand 0-3 m (Ko given, friction angle from N), clay 3-9.5 m.
  const Lines problem = Append(Head("2", "2 1 1 0.5 0 2 0 0 0 0 0", "0.9 1.2 1 0 1 0.3 25000000", "2 3 12 2 3"),
                               {"1 3.0 ", "0.0 18 0 0 12 40 0 1 1 ", "0.0 18.5 0 0 16 40 0 1 1 ", "1 ", "0.45 0.4 ",
                                "2 9.5 ", "7 19 0.0 75 0 0 0 1 1 ", "8 19.5 0.0 110 0 0 0 1 1 ", "0.5 0.45"});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  // Friction angle at the top: no stress, curve C at N 12 = 39.6. At the bottom (3 m =
  // 9.8424 ft; 9 dry slices, unit weight 114.59 pcf at the top to 117.77 at the bottom):
  // 1045.8 psf = 7.263 psi; N 16: C(16) = 42.6, B(16) = 34.4, 42.6 - (7.263 / 20) 8.2 = 39.62.
  const Lines sand = From(report, "     LAYER NO  1----SAND", 24);
  const Lines expected = {"     LAYER NO  1----SAND",
                          "",
                          "",
                          "       AT THE TOP",
                          "",
                          "       SIDE FRICTION PROCEDURE: Ko METHOD",
                          V(kKoL, " 0.450E+00"),
                          V(kPhiL, " 0.396E+02", kMarked),
                          V(kBlowsL, " 0.120E+02"),
                          V(kGammaSiL, " 0.180E+02"),
                          V(kTranSiL, " 0.400E+02"),
                          V(kDepthSiL, " 0.000E+00"),
                          "",
                          "       AT THE BOTTOM",
                          "",
                          "       SIDE FRICTION PROCEDURE: Ko METHOD",
                          V(kKoL, " 0.400E+00"),
                          V(kPhiL, " 0.396E+02", kMarked),
                          V(kBlowsL, " 0.160E+02"),
                          V(kGammaSiL, " 0.185E+02"),
                          V(kTranSiL, " 0.400E+02"),
                          V(kDepthSiL, " 0.300E+01"),
                          "",
                          "     LAYER NO  2----CLAY"};
  EXPECT_EQ(sand, expected);
  EXPECT_TRUE(Has(report, V(kCuSiL, " 0.750E+02")));
  EXPECT_TRUE(Has(report, V(kCuSiL, " 0.110E+03")));
  EXPECT_TRUE(Has(report, V(kDepthSiL, " 0.950E+01")));
  EXPECT_TRUE(Has(report, V(kTranSiL, " 0.100E+11")));  // no limit given

  const Lines shaft = From(report, "     INPUT DRILLED SHAFT INFORMATION", 10);
  const Lines shaftExpected = {"     INPUT DRILLED SHAFT INFORMATION",
                               Dash(30),
                               "",
                               "      MINIMUM SHAFT DIAMETER    =    0.900  M",
                               "      MAXIMUM SHAFT DIAMETER    =    1.200  M",
                               "      RATIO BASE/SHAFT DIAMETER =    0.000  M",  // a ratio of 1: no bell
                               "      ANGLE OF BELL             =    0.000  DEG.",
                               "      IGNORED TOP PORTION       =    1.000  M",
                               "      IGNORED BOTTOM PORTION    =    0.300  M",
                               "      ELASTIC MODULUS, Ec       = 0.250E+08 KN/SQ M"};
  EXPECT_EQ(shaft, shaftExpected);
}

TEST(InputEcho, KulhawyChenSandShowsItsExponentAndTheNote) {
  ScratchDir dir;
  const Lines problem = Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 20 2 3"),
                               {"1 40 ", "0.0 120 32 0 15 0 0 1 1 ", "0.0 122 34 0 22 0 0 1 1 ", "3 ", "0.6 0.8 "});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const Lines expected = {"       SIDE FRICTION PROCEDURE, KULHAWY AND CHEN METHOD", V(kKcmL, " 0.600E+00", kUnmarked),
                          V(kPhiL, " 0.320E+02", kUnmarked)};
  EXPECT_EQ(From(report, "       SIDE FRICTION PROCEDURE, KULHAWY AND CHEN METHOD", 3), expected);
  EXPECT_TRUE(Has(report, "     (*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS"));
}

TEST(InputEcho, NoEstimateNoNote) {
  ScratchDir dir;
  const Lines problem = Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 20 2 3"),
                               {"1 40 ", "0.0 120 32 0 15 0 0 1 1 ", "0.0 122 34 0 22 0 0 1 1 ", "1 ", "0.5 0.5 "});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  EXPECT_FALSE(Has(run.ReportLines(), "     (*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS"));
}

// Rock labels are 51 characters before the "=".
TEST(InputEcho, RockLayersPrintTheirInputAsEntered) {
  ScratchDir dir;
  // SI: strong rock, weak rock, decomposed rock; the values are printed as entered.
  const Lines problem =
      Append(Head("2", "2 1 1 0.5 0 2 0 0 0 0 0", "1 1 0 0 0 0 25000000", "3 2 6 2 3"),
             {"4 3 ", "10000 30000 0.6 0.003 1.1 0 2000000 80 0 1 1 ", "12000 30000 0.6 0.003 1.1 0 2100000 85 0 1 1 ",
              "6 6 ", "3000 2 0.175 30 1.0 0 500000 60 0 1 1 ", "3500 2 0.175 31 1.0 0 600000 70 0 1 1 ",
              "5 9 ", "20 40 0.3 80000 1.0 0 0 1 1 ", "21 50 0.3 90000 1.0 0 0 1 1 "});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const Lines strong = {"    LAYER NO  1----STRONG ROCK",
                        "",
                        "",
                        "       AT THE TOP",
                        "",
                        "       DIAMETER OF SOCKET,M                               = 0.110E+01",
                        "       SPACING OF DISCONTINUITIES,M                       = 0.600E+00",
                        "       THICKNESS OF INDIVIDUAL DISCONTINUITIES,M          = 0.300E-02",
                        "       UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M      = 0.100E+05",
                        "       UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,KN/SQ M  = 0.300E+05",
                        "       ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M       = 0.200E+07",
                        "       ROCK QUALITY DESIGNATION (RQD) %                   = 0.800E+02",
                        "       DEPTH, M                                           = 0.000E+00",
                        "",
                        "",
                        "       AT THE BOTTOM"};
  EXPECT_EQ(From(report, "    LAYER NO  1----STRONG ROCK", strong.size()), strong);
  const Lines weak = {"    LAYER NO  2----WEAK ROCK",
                      "",
                      "",
                      "       AT THE TOP",
                      "",
                      "       DIAMETER OF SOCKET, M                              = 0.100E+01",
                      "       SLUMP OF CONCRETE, M                               = 0.175E+00",
                      "       ANGLE OF INTERFACE FRICTION, DEG.                  = 0.300E+02",
                      "       UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M      = 0.300E+04",
                      "       ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M       = 0.500E+06",
                      "       ROCK QUALITY DESIGNATION (RQD) %                   = 0.600E+02",
                      "       DEPTH, M                                           = 0.300E+01",
                      "",
                      ""};
  EXPECT_EQ(From(report, "    LAYER NO  2----WEAK ROCK", weak.size()), weak);
  const Lines decomposed = {"    LAYER NO  3----DECOMPOSED ROCK",
                            "",
                            "",
                            "       AT THE TOP",
                            "",
                            "       ELASTIC MODULUS OF GRAVEL, KN/SQ M                = 0.800E+05",
                            "       POISSION RATIO OF GRAVEL                          = 0.300E+00",
                            V(kBlowsL, " 0.400E+02"),
                            V(kGammaSiL, " 0.200E+02"),
                            V(kTranSiL, " 0.100E+11"),
                            V(kDepthSiL, " 0.600E+01"),
                            "",
                            ""};
  EXPECT_EQ(From(report, "    LAYER NO  3----DECOMPOSED ROCK", decomposed.size()), decomposed);
}

TEST(InputEcho, EnglishRockLabels) {
  ScratchDir dir;
  const Lines problem =
      Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "2 5 20 2 3"),
             {"7 10 ", "200000 580000 2 0.01 3.5 0 300000 80 0 1 1 ", "200000 580000 2 0.01 3.5 0 300000 80 0 1 1 ",
              "6 40 ", "50000 1 6 30 3.5 0 500000 60 0 1 1 ", "50000 1 6 30 3.5 0 500000 60 0 1 1 "});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  for (const char* line : {
           "       DIAMETER OF SOCKET, FT                             = 0.350E+01",
           "       SPACING OF DISCONTINUITIES,FT                      = 0.200E+01",
           "       THICKNESS OF INDIVIDUAL DISCONTINUITIES,FT         = 0.100E-01",
           "       UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT     = 0.200E+06",
           "       UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,LB/SQ FT = 0.580E+06",
           "       ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.     = 0.300E+06",
           "       ROCK QUALITY DESIGNATION (RQD) %                   = 0.800E+02",
           "       DEPTH, FT                                          = 0.100E+02",
           "       SLUMP OF CONCRETE, IN                              = 0.600E+01",
           "    LAYER NO  1----STRONG ROCK",
       })
    EXPECT_TRUE(Has(report, line)) << line;
}

TEST(InputEcho, WarningsOfTheLayerBlocks) {
  ScratchDir dir;
  // Shale of 5300 psf (2.5 atmospheres and more), gravelly sand N 20 / 60, gravel N 30 / 40.
  const Lines problem = Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "3 5 20 2 3"),
                               {"3 10 ", "9 125 0.0 5300 0 0 0 1 1 ", "9 125 0.0 4000 0 0 0 1 1 ", "0.4 0.4",
                                "8 20 ", "125 20 0 0 0 1 1 ", "128 60 0 0 0 1 1 ", "9 40 ", "130 30 0.6 0 0 1 1 ",
                                "132 40 0.6 0 0 1 1 "});
  const auto run = RunProblem(dir, Join(problem));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const Lines clay = {"       ..........WARNING..........", "       THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH",
                      "       FOR USING CLAY CRITERIA. DESIGN AS INTERMEDIATE", "       GEOMATERIAL IS RECOMMENDED.", "",
                      "", "    LAYER NO  2----GRAVELLEY SAND"};
  EXPECT_EQ(From(report, clay[0], clay.size()), clay);
  const std::string blows = "       " + std::string(13, ' ') + "BLOWS PER FOOT IS = ";
  const Lines gravellySand = {"                     WARNING MESSAGE                ",
                              blows + "   20.00 AT TOP",
                              blows + "   60.00 AT BOTTOM",
                              "       UNIT TIP RESISTANCE IS LIMITED TO 30 TSF IF SPT-N IS OVER 50",
                              "       LOADING TEST IS RECOMMENDED FOR USING HIGHER VALUE.",
                              "",
                              "",
                              "       *****************WARNING*********************",
                              blows + "   20.00 AT TOP",
                              blows + "   60.00 AT BOTTOM",
                              "       Blow counts should be greater than 25 for this criterion.",
                              "       Select other soil criteria and do not use this output data.",
                              "",
                              "",
                              "    LAYER NO  3----GRAVEL"};
  EXPECT_EQ(From(report, gravellySand[0], gravellySand.size()), gravellySand);
  // The gravel between 25 and 50 blows gets neither warning.
  const auto gravel = std::find(report.begin(), report.end(), "    LAYER NO  3----GRAVEL");
  ASSERT_NE(gravel, report.end());
  EXPECT_EQ(std::count(gravel, report.end(), "       *****************WARNING*********************"), 0);
  // Gravel beta as given, unmarked; shale alpha as given.
  EXPECT_TRUE(Has(report, V(kBetaL, " 0.600E+00", kUnmarked)));
  EXPECT_TRUE(Has(report, V(kAlphaL, " 0.400E+00", kUnmarked)));
}

TEST(InputEcho, DesignDepthBelowTheProfileWarnsInReportAndNotes) {
  ScratchDir dir;
  const auto run = RunProblem(
      dir, Join(Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 61 2 3"), kClayLayer)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines warning = {"",
                         "",
                         "     *********************WARNING**********************",
                         "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER",
                         "     THAN THE TIP OF DRILLED SHAFTS",
                         "",
                         ""};
  const Lines report = run.ReportLines();
  const auto water = std::find(report.begin(), report.end(), "     WATER TABLE DEPTH =      10.0 FT.");
  ASSERT_NE(water, report.end());
  EXPECT_EQ(Lines(water + 4, water + 4 + warning.size()), warning);
  EXPECT_EQ(NotesBeforeCases(run.NotesLines()), warning);

  ScratchDir dir2;
  const auto atBottom = RunProblem(
      dir2, Join(Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 60 2 3"), kClayLayer)));
  EXPECT_FALSE(Has(atBottom.ReportLines(), warning[2]));
}

TEST(InputEcho, VaryLengthAndChartInput) {
  ScratchDir dir;
  const Lines problem = Append(Head("1", "2 1 1 1 0 1 1 1 0 0 0", "3 4 0 0 2 1 3600000", "1 10 50 2 3"),
                               {"30 5", "0 2.5 0 3", "0.25 0.5 1 "});
  const auto run = RunProblem(dir, Join(Append(problem, kClayLayer)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  // The chart record wins over the length range: PDMIN 0.3 x 50, PDINCR 2.5, DIAMINCR 0.5.
  const Lines expected = {"",
                          "",
                          "",
                          "",
                          "     VARY SHAFT LENGTH FOR INITIAL DIAMETER",
                          Dash(38),
                          "",
                          "      MAXIMUM SHAFT LENGTH      =   50.000  FT.",
                          "      MINIMUM SHAFT LENGTH      =   21.000  FT.",  // 6 x 3 + 2 + 1
                          "      SHAFT LENGTH INCREMENT    =    2.500  FT.",
                          "",
                          "",
                          "",
                          "",
                          "     COMPUTATION OF LRFD CHARTS",
                          Dash(26),
                          "",
                          "      MAXIMUM SHAFT LENGTH      =   50.000  FT.",
                          "      MINIMUM SHAFT LENGTH      =   21.000  FT.",
                          "      SHAFT LENGTH INCREMENT    =    2.500  FT.",
                          "      DIAMETER INCREMENT        =    0.500  FT.",
                          "",
                          "",
                          "",
                          "         POINT    SETTLEMENT VALUES, IN",
                          "           1        0.2500",
                          "           2        0.5000",
                          "           3        1.0000"};
  const auto ec = std::find(report.begin(), report.end(), "      ELASTIC MODULUS, Ec       = 0.360E+07 LB/SQ IN");
  ASSERT_NE(ec, report.end());
  EXPECT_EQ(Lines(ec + 1, EchoEnd(report)), expected);
}

TEST(InputEcho, SiChartInputInMetres) {
  ScratchDir dir;
  const Lines problem = Append(Head("2", "2 1 1 0.5 0 2 0 1 0 0 0", "0.9 1.5 0 0 0 0 25000000", "1 3 15 2 3"),
                               {"0 0 0 2", "0.0127 0.0254 "});
  const auto run = RunProblem(dir, Join(Append(problem, kClayLayer)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines expected = {"      MAXIMUM SHAFT LENGTH      =   15.000  M",
                          "      MINIMUM SHAFT LENGTH      =    5.400  M",  // 6 x 0.9 above 0.3 x 15
                          "      SHAFT LENGTH INCREMENT    =    1.000  M",
                          "      DIAMETER INCREMENT        =    0.150  M",
                          "",
                          "",
                          "",
                          "         POINT    SETTLEMENT VALUES, M",
                          "           1        0.0127",
                          "           2        0.0254"};
  EXPECT_EQ(From(run.ReportLines(), expected[0], expected.size()), expected);
}

TEST(InputEcho, UnreadableInputStopsWithAMessageAndStatusTen) {
  ScratchDir dir;
  const Lines problem = Append(Head("1", "2 1 1 1 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 10 50 2 3"),
                               {"2 60 ", "9 115 0.0 12OO 0 0 0 1 1 "});
  const auto run = RunProblem(dir, Join(problem));
  EXPECT_EQ(run.status, kStatusInputUnreadable);
  const Lines block = {"",
                       "     *********************ERROR**********************",
                       "     THE INPUT FILE COULD NOT BE READ AT LINE 7,",
                       "     THE RECORD OF LAYER 1, VALUES AT THE TOP:",
                       "     ITEM 4: A NUMBER WAS EXPECTED, FOUND \"12OO\".",
                       "     NO ANALYSIS WAS MADE. PLEASE CORRECT THE INPUT FILE.",
                       ""};
  const Lines report = run.ReportLines();
  ASSERT_GE(report.size(), 22u);
  EXPECT_EQ(Lines(report.begin() + 22, report.end()), block);  // after the date block, no echo
  EXPECT_EQ(run.NotesLines(), block);
  // The files were still merged and closed.
  EXPECT_TRUE(std::filesystem::exists(run.plot));
  EXPECT_TRUE(std::filesystem::exists(run.curves));
}

}  // namespace
}  // namespace tvx

namespace tvx {
namespace {

TEST(Examples, EveryExampleRunsWithoutError) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test::ExamplePath(""))) {
    if (entry.path().extension() != ".tv8d") continue;
    ++count;
    ScratchDir dir;
    const auto run = test::RunProblemFile(dir, entry.path());
    EXPECT_EQ(run.status, kStatusNormal) << entry.path();
    EXPECT_FALSE(Has(run.ReportLines(), "     *********************ERROR**********************")) << entry.path();
  }
  EXPECT_GE(count, 2);
}

}  // namespace
}  // namespace tvx
