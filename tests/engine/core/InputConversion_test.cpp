#include "InputConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tvx {
namespace {

ProblemRecord Shaft(float dstart, float dialim, float ratio) {
  ProblemRecord p;
  p.DSTART = dstart;
  p.DIALIM = dialim;
  p.RATIO = ratio;
  return p;
}

TEST(DerivedShaftValues, BellRatioOfOneIsStraightAndDiameterRangeNeverShrinks) {
  struct {
    float dstart, dialim, ratio;
    float dialimAfter, ratioAfter;
  } cases[] = {
      {3, 4, 1.0f, 4, 0.0f},    // a ratio of 1: no bell
      {3, 4, 0.8f, 4, 0.8f},    // kept as read; the analysis treats it as straight
      {3, 4, 2.5f, 4, 2.5f},
      {3, 2, 0.0f, 3, 0.0f},    // largest below smallest: the smallest only
      {3, 0, 0.0f, 3, 0.0f},
  };
  for (const auto& c : cases) {
    ProblemRecord p = Shaft(c.dstart, c.dialim, c.ratio);
    ConvertProblemUnits(p);
    EXPECT_FLOAT_EQ(p.DIALIM, c.dialimAfter);
    EXPECT_FLOAT_EQ(p.RATIO, c.ratioAfter);
    EXPECT_FLOAT_EQ(p.DSTART, c.dstart);  // English: no conversion
  }
}

TEST(SiConversion, EveryLengthForceStressAndUnitWeight) {
  ProblemRecord p = Shaft(1, 1.5f, 0);
  p.UNITS = "SI";
  p.PINC = 0.5f;
  p.WTD = 2;
  p.DGH = 10;
  p.P = 1000;
  p.TOPLENG = 1;
  p.BS = 0.25f;
  p.PDMIN = 6;
  p.PDINCR = 1;
  p.DIAMINCR = 0.15f;
  p.NTZDEP = 1;
  p.TZDEP[1] = 4;
  p.PDSETT[1] = 0.0254f;
  p.NPOINTPD = 1;
  p.NLAYERS = 2;
  LayerEntry& L = p.layer[2];
  L.KSOIL = kWeakRock;
  L.XTOP = 0;
  L.XBOT = 3;
  L.GAMMA = {18, 20};
  L.CU = {50, 100};
  L.TRANLM = {100, kNoLimit};
  L.QMAX = {-2000, -2000};
  L.QUR = {5000, 6000};
  L.BDS = {1, 1.2f};
  L.SLUMP = {0.175f, 0.175f};
  ConvertProblemUnits(p);

  struct {
    const char* name;
    float value, expected;
  } cases[] = {
      {"PINC", p.PINC, 0.5f * 3.2808f},   {"WTD", p.WTD, 6.5616f},        {"DGH", p.DGH, 32.808f},
      {"P", p.P, 112.4f},                 {"DSTART", p.DSTART, 3.2808f},  {"DIALIM", p.DIALIM, 4.9212f},
      {"TOPLENG", p.TOPLENG, 3.2808f},    {"BS", p.BS, 0.8202f},          {"PDMIN", p.PDMIN, 19.6848f},
      {"PDINCR", p.PDINCR, 3.2808f},      {"DIAMINCR", p.DIAMINCR, 0.49212f},
      {"TZDEP", p.TZDEP[1], 13.1232f},    {"XBOT", L.XBOT, 9.8424f},      {"GAMMA", L.GAMMA.bot, 127.318f},
      {"CU", L.CU.top, 1044.25f},         {"TRANLM", L.TRANLM.top, 2088.5f},
      {"QMAX", L.QMAX.top, -41770.0f},
      // settlements stay in metres; rock inputs wait for the layer's echo
      {"PDSETT", p.PDSETT[1], 0.0254f},   {"QUR", L.QUR.top, 5000.0f},    {"BDS", L.BDS.bot, 1.2f},
      {"SLUMP", L.SLUMP.top, 0.175f},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-5f * std::max(1.0f, std::abs(c.expected))) << c.name;
  EXPECT_GT(L.TRANLM.bot, kNoLimit);  // no limit stays no limit

  ConvertRockInputs(p, L);
  EXPECT_NEAR(L.QUR.top, 104425.0f, 0.1f);
  EXPECT_NEAR(L.BDS.bot, 3.93696f, 1e-5f);
  EXPECT_FLOAT_EQ(L.SLUMP.top, 0.175f);  // slump becomes inches where it is used
}

TEST(RockInputs, EnglishAndSoilLayersAreLeftAlone) {
  ProblemRecord en;
  LayerEntry rock;
  rock.KSOIL = kStrongRock;
  rock.QUR = {5000, 5000};
  ConvertRockInputs(en, rock);
  EXPECT_FLOAT_EQ(rock.QUR.top, 5000.0f);

  ProblemRecord si;
  si.UNITS = "SI";
  LayerEntry clay;
  clay.KSOIL = kClay;
  clay.BDS = {1, 1};
  ConvertRockInputs(si, clay);
  EXPECT_FLOAT_EQ(clay.BDS.top, 1.0f);
}

TEST(Moduli, ShaftAndRockModuliInTsf) {
  struct {
    const char* units;
    float input, tsf;
  } cases[] = {
      {"EN", 3600000.0f, 259200.0f},           // psi x 144 / 2000
      {"SI", 25000000.0f, 261062.5f},          // kPa x 20.885 / 2000
  };
  for (const auto& c : cases) {
    ProblemRecord p;
    p.UNITS = c.units;
    p.EcInput = p.Ec = c.input;
    p.NLAYERS = 2;
    p.layer[2].EL = {c.input, c.input};
    ConvertModuliToTsf(p);
    EXPECT_NEAR(p.Ec, c.tsf, 1e-6f * c.tsf) << c.units;
    EXPECT_NEAR(p.layer[2].EL.bot, c.tsf, 1e-6f * c.tsf) << c.units;
    EXPECT_FLOAT_EQ(p.EcInput, c.input);
  }
}

}  // namespace
}  // namespace tvx
