#include "RockRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestText.h"
#include "CohesionlessRules.h"

namespace tvx {
namespace {

const ResistanceLoading kCompression{1, 1.0f, 0.0f};

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + part.size())) ++n;
  return n;
}

using test::LinesOf;

const char* const kNoteHead = "     *********************WARNING**********************";

class RockRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(units.OpenCapture(kUnitRunNotes));
    ASSERT_TRUE(units.OpenCapture(kUnitRockMsg));
  }
  std::string Notes() { return units.Captured(kUnitRunNotes); }
  std::string RockMsg() { return units.Captured(kUnitRockMsg); }

  // Adds a layer entry from the bottom of the one above to `bottom`, snapped as the
  // preparation of the problem snaps them.
  LayerEntry& AddLayer(int KSOIL, float bottom) {
    const int e = ++problem.NLAYERS;
    LayerEntry& layer = problem.layer[e];
    layer.KSOIL = KSOIL;
    layer.XTOP = problem.layer[e - 1].XBOT;
    layer.XBOT = bottom;
    layer.XTOPSNAP = problem.layer[e - 1].XBOTSNAP;
    layer.XBOTSNAP = bottom;
    return layer;
  }

  UnitTable units;
  CaseRuleState caseState;
  ProblemRecord problem = [] {
    ProblemRecord p;
    p.NLAYERS = 1;  // the ground-surface entry
    p.METHOD = 2;
    return p;
  }();
};

// ---- strong rock ----------------------------------------------------------------------

struct StrongCase {
  const char* what;
  int KSOIL;
  ResistanceLoading loading;
  float QUR, QUCON, BDS, D, CS, DISCT;
  float f, Qb, p, Ab;  // expected; Ab 0: the base is not replaced
  int N2D;
};

class StrongRock : public ::testing::TestWithParam<StrongCase> {};

TEST_P(StrongRock, MatchesTheHandValue) {
  const StrongCase& c = GetParam();
  UnitTable units;
  CaseRuleState caseState;
  RockStepInput s;
  s.entry = 3;
  s.KSOIL = c.KSOIL;
  s.z = 30.0f;
  s.D = c.D;
  s.DSTART = 3.0f;
  s.QUR = c.QUR;
  s.QUCON = c.QUCON;
  s.BDS = c.BDS;
  s.CS = c.CS;
  s.DISCT = c.DISCT;
  const RockStepResult r = StrongRockResistance(s, c.loading, caseState, units);
  EXPECT_NEAR(r.f, c.f, 2e-4f) << c.what;
  EXPECT_NEAR(r.Qb, c.Qb, 1e-5f * c.Qb + 1e-4f) << c.what;
  EXPECT_NEAR(r.p, c.p, 1e-4f) << c.what;
  EXPECT_EQ(r.replacesBase, c.Ab > 0.0f) << c.what;
  if (c.Ab > 0.0f) {
    EXPECT_NEAR(r.Ab, c.Ab, 1e-4f) << c.what;
    EXPECT_EQ(r.N2D, c.N2D) << c.what;
  }
}

const ResistanceLoading kUplift{2, 0.7f, 0.0f};

INSTANTIATE_TEST_SUITE_P(
    Cases, StrongRock,
    ::testing::Values(
        // 0.15 * 40320 / 2000; tip 2.3562 * 9 * 20.16 * Ksp, Ksp = (3 + 2/3) / (10 sqrt(2.5))
        StrongCase{"40320 psf uses 0.15 qu", kStrongRockBoth, kCompression, 40320, 40320, 3, 3, 2, 0.01f, 3.024f,
                   99.1395f, 9.426f, 7.0686f, 6},
        // 2.5 * 144 sqrt(40321 / 144) / 2000
        StrongCase{"just above 40320 psf uses 2.5 sqrt(qu psi)", kStrongRockBoth, kCompression, 40321, 40321, 3, 3, 2,
                   0.01f, 3.01201f, 99.1419f, 9.426f, 7.0686f, 6},
        StrongCase{"side from the weaker concrete, tip from the rock", kStrongRockBoth, kCompression, 100000, 50000, 3,
                   3, 2, 0.01f, 3.3541f, 245.8816f, 9.426f, 7.0686f, 6},
        StrongCase{"side from the weaker rock, tip from the rock", kStrongRockBoth, kCompression, 100000, 200000, 3, 3,
                   2, 0.01f, 4.74342f, 245.8816f, 9.426f, 7.0686f, 6},
        StrongCase{"type 4 at 144000 psf: side, no tip", kStrongRock, kCompression, 144000, 144000, 3, 3, 2, 0.01f,
                   5.6921f, 0.0f, 9.426f, 7.0686f, 6},
        StrongCase{"type 4 above 144000 psf: tip, no side", kStrongRock, kCompression, 150000, 150000, 3, 3, 2, 0.01f,
                   0.0f, 368.8225f, 9.426f, 7.0686f, 6},
        StrongCase{"type 4 in uplift keeps its side", kStrongRock, kUplift, 150000, 150000, 3, 3, 2, 0.01f, 4.06663f,
                   368.8225f, 9.426f, 7.0686f, 6},
        StrongCase{"type 7 above 144000 psf: side and tip", kStrongRockBoth, kCompression, 150000, 150000, 3, 3, 2,
                   0.01f, 5.80948f, 368.8225f, 9.426f, 7.0686f, 6},
        // B = 2 * 4 / 3: p = 3.142 B, Ab = 0.7854 B^2, N2D = int(2 B)
        StrongCase{"socket scaled to the stem", kStrongRockBoth, kCompression, 150000, 150000, 2, 4, 2, 0.01f,
                   5.80948f, 298.0383f, 8.37867f, 5.58507f, 5},
        StrongCase{"no socket diameter: stem perimeter, no tip", kStrongRockBoth, kCompression, 150000, 150000, 0, 3,
                   2, 0.01f, 5.80948f, 0.0f, 9.42478f, 0.0f, 0},
        // Ksp = (3 + 4/3) / 10
        StrongCase{"closed discontinuities", kStrongRockBoth, kCompression, 150000, 150000, 3, 3, 4, 0.0f, 5.80948f,
                   689.1885f, 9.426f, 7.0686f, 6},
        StrongCase{"zero spacing of discontinuities: no tip", kStrongRockBoth, kCompression, 150000, 150000, 3, 3, 0,
                   0.01f, 5.80948f, 0.0f, 9.426f, 7.0686f, 6}),
    test::NameByWhat());

TEST(StrongRockSide, AgreesAcrossTheSwitchAt40320Psf) {
  UnitTable units;
  CaseRuleState caseState;
  RockStepInput s;
  s.KSOIL = kStrongRockBoth;
  s.D = s.DSTART = s.BDS = 3.0f;
  s.CS = 2.0f;
  s.QUR = s.QUCON = 40320.0f;
  const float below = StrongRockResistance(s, kCompression, caseState, units).f;
  s.QUR = s.QUCON = 40320.5f;
  const float above = StrongRockResistance(s, kCompression, caseState, units).f;
  EXPECT_FLOAT_EQ(below, 0.15f * 40320.0f / 2000.0f);
  EXPECT_LT(std::fabs(above - below) / below, 0.005f);
}

TEST(StrongRockSide, IsLimitedByTheMaximumTransfer) {
  const float f = RockSideResistance(kStrongRockBoth, 2.5f, 4000.0f, 6000.0f, kCompression);
  EXPECT_FLOAT_EQ(f, 3.0f);
  // Uplift of a belled shaft: the base times RCYCL and RATIO.
  EXPECT_FLOAT_EQ(RockSideResistance(kWeakRock, 2.5f, 1000.0f, kNoLimit, ResistanceLoading{2, 0.5f, 3.0f}), 0.75f);
}

TEST_F(RockRulesTest, TwoStrongRockLayers_TheLaterSocketAreaServesTheTipsBelow) {
  BaseGeometry base{0.7854f * 16.0f, 4.0f};  // 4 ft stem
  int N2D = 8;
  RockStepInput s;
  s.KSOIL = kStrongRockBoth;
  s.D = s.DSTART = 4.0f;
  s.QUR = s.QUCON = 150000.0f;
  s.CS = 2.0f;
  for (float bds : {3.0f, 2.0f}) {
    s.BDS = bds;
    const RockStepResult r = StrongRockResistance(s, kCompression, caseState, units);
    ASSERT_TRUE(r.replacesBase);
    base.Ab = r.Ab;
    N2D = r.N2D;
  }
  EXPECT_NEAR(base.Ab, 3.1416f, 1e-4f);
  EXPECT_EQ(N2D, 4);
  CohesionlessWorking sand;
  sand.N = 40.0f;  // 24 tsf
  EXPECT_NEAR(SandTipResistance(sand, 40.0f, base, 0).Qb, 24.0f * 3.1416f, 1e-3f);
}

TEST_F(RockRulesTest, UnusableStrongRockInputs_AreNotedOncePerCase) {
  RockStepInput s;
  s.entry = 4;
  s.KSOIL = kStrongRockBoth;
  s.D = s.DSTART = 3.0f;
  s.QUR = s.QUCON = 150000.0f;
  s.CS = 2.0f;
  for (int step = 0; step < 4; ++step) {
    s.z = 20.0f + step;
    s.BDS = 0.0f;
    EXPECT_EQ(StrongRockResistance(s, kCompression, caseState, units).Qb, 0.0f);
    s.BDS = 3.0f;
    s.CS = 0.0f;
    EXPECT_EQ(StrongRockResistance(s, kCompression, caseState, units).Qb, 0.0f);
    s.CS = 2.0f;
  }
  const std::vector<std::string> lines = LinesOf(Notes());
  const std::vector<std::string> expected = {
      "",
      kNoteHead,
      "     LAYER NO  3   FIRST AT DEPTH (FT) =    20.00",
      "     THE SOCKET DIAMETER OF THIS STRONG ROCK LAYER IS ZERO.",
      "     NO TIP RESISTANCE IS TAKEN IN IT; THE BASE AREA IS KEPT.",
      "     (THIS NOTE IS WRITTEN ONCE FOR EACH CASE.)",
      "",
      "",
      kNoteHead,
      "     LAYER NO  3   FIRST AT DEPTH (FT) =    20.00",
      "     THE SPACING OF DISCONTINUITIES OF THIS STRONG ROCK IS ZERO.",
      "     NO TIP RESISTANCE IS TAKEN IN IT.",
      "     (THIS NOTE IS WRITTEN ONCE FOR EACH CASE.)",
      "",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(RockMsg(), "");
}

// ---- decomposed rock ------------------------------------------------------------------

class DecomposedRockTest : public RockRulesTest {
 protected:
  void SetUp() override {
    RockRulesTest::SetUp();
    LayerEntry& sand = AddLayer(kSand, 10.0f);
    sand.GAMMA = {120.0f, 120.0f};
    LayerEntry& rock = AddLayer(kDecomposedRock, 30.0f);
    rock.GAMMA = {130.0f, 130.0f};
    problem.WTD = 5.0f;
    // Mid-depth 20 ft: 120 * 10 + 0.25 * 260 * 20 - 62.4 * 15 = 1564 psf.
    step.entry = 3;
    step.KSOIL = kDecomposedRock;
    step.D = step.DSTART = step.BDS = 3.0f;
    step.BLOWS = 30.0f;
  }
  RockStepResult Run(float z, float sigmaV, float L) {
    step.z = z;
    step.sigmaV = sigmaV;
    return DecomposedRockResistance(problem, step, L, kCompression, caseState, units);
  }
  RockStepInput step;
};

struct DecomposedCase {
  const char* what;
  float z, sigmaV, L, BDS, D;
  float f, Qb;
};

class DecomposedRock : public DecomposedRockTest, public ::testing::WithParamInterface<DecomposedCase> {};

TEST_P(DecomposedRock, MatchesTheHandValue) {
  const DecomposedCase& c = GetParam();
  step.BDS = c.BDS;
  step.D = c.D;
  const RockStepResult r = Run(c.z, c.sigmaV, c.L);
  EXPECT_NEAR(r.f, c.f, 1e-3f * c.f) << c.what;
  EXPECT_NEAR(r.Qb, c.Qb, 1e-3f * c.Qb) << c.what;
  EXPECT_EQ(Notes(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecomposedRock,
    ::testing::Values(
        // sigma' 1000: phi' = atan((30 / (12.2 + 20.3 * 1000 / 2115.7))^0.34) = 48.106 deg,
        // OCR = 423.14 * 30 / 1000 = 12.694, b = 1234.88 psf, Qb = 1.6853898 * 1000 * OCR^0.8 * 9 / 2000
        DecomposedCase{"above two socket diameters below the shaft: stress at the step", 15, 1000, 40, 3, 3,
                       0.617439f, 57.9158f},
        // 29 ft is below L + 2B = 26 ft: the mid-depth stress 1564 psf
        DecomposedCase{"deeper: stress at the layer's mid-depth", 29, 1000, 20, 3, 3, 0.679911f, 63.3351f},
        // no socket diameter: the tip with DSTART = 3 ft
        DecomposedCase{"no socket diameter: tip over DSTART", 15, 1000, 40, 0, 4, 0.617439f, 57.9158f}),
    test::NameByWhat());

TEST_F(DecomposedRockTest, ZeroStress_GivesNoResistanceAndOneNotePerCase) {
  for (float z = 11.0f; z <= 14.0f; z += 1.0f) {
    const RockStepResult r = Run(z, 0.0f, 40.0f);
    EXPECT_EQ(r.f, 0.0f);
    EXPECT_EQ(r.Qb, 0.0f);
  }
  EXPECT_EQ(Count(Notes(), kNoteHead), 1);
  EXPECT_EQ(Count(Notes(), "THE EFFECTIVE STRESS IN THIS DECOMPOSED ROCK IS ZERO."), 1);
  caseState = CaseRuleState{};
  Run(11.0f, 0.0f, 40.0f);
  EXPECT_EQ(Count(Notes(), kNoteHead), 2);
}

TEST_F(DecomposedRockTest, ShaftLengthOfADesignLoadRun_IsTheLayerMidDepthBelowTheIgnoredTop) {
  problem.TOPLENG = 2.0f;
  EXPECT_FLOAT_EQ(ShaftLengthAtRockStep(problem, 3, 55.0f), 55.0f);  // design depth run
  problem.METHOD = 1;
  EXPECT_FLOAT_EQ(ShaftLengthAtRockStep(problem, 3, 55.0f), 22.0f);
}

// ---- weak rock -------------------------------------------------------------------------

class WeakRockTest : public RockRulesTest {
 protected:
  void SetUp() override {
    RockRulesTest::SetUp();
    AddLayer(kClay, 10.0f);
    rock = &AddLayer(kWeakRock, 40.0f);
    rock->ICOND = 1;
    rock->BDS = {3.0f, 3.0f};
    problem.Ec = 3.6e6f * 144.0f / 2000.0f;  // 3.6e6 psi
    step.entry = 3;
    step.KSOIL = kWeakRock;
    step.D = step.DSTART = step.BDS = 3.0f;
    step.QUR = 40000.0f;
    step.EL = 7200.0f;
    step.RQD = 60.0f;
    step.SLUMP = 6.0f;
    step.PHIRC = 30.0f;
  }
  RockStepResult Run(float z, float L) {
    step.z = z;
    return WeakRockResistance(problem, step, L, kCompression, caseState, units);
  }
  LayerEntry* rock = nullptr;
  RockStepInput step;
};

struct WeakCase {
  const char* what;
  int ICOND;
  float slump;
  float f, Qb;
};

class WeakRock : public WeakRockTest, public ::testing::WithParamInterface<WeakCase> {};

// Step at 20 ft in weak rock from 10 ft, shaft 35 ft, 3 ft socket: Lc = 10 ft, zc = 22.5 ft,
// RQD 60 (closed joints: Em/Ei 0.425, shear reduction 0.7625; open: 0.20 and 0.625),
// Ei = 7200 tsf, Ec / Em = 84.7 (closed) or 180 (open), so no warning.
TEST_P(WeakRock, MatchesTheHandValue) {
  const WeakCase& c = GetParam();
  rock->ICOND = c.ICOND;
  step.SLUMP = c.slump;
  const RockStepResult r = Run(20.0f, 35.0f);
  EXPECT_NEAR(r.f, c.f, 1e-3f * c.f) << c.what;
  EXPECT_NEAR(r.Qb, c.Qb, 1e-3f * c.Qb) << c.what;
  EXPECT_NEAR(r.p, 9.426f, 1e-4f) << c.what;
  EXPECT_EQ(Notes(), "") << c.what;
  EXPECT_EQ(RockMsg(), "") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeakRock,
    ::testing::Values(
        // rough: fa = 0.5 qu * 0.7625 = 15250 psf; sigma_n = 150 * 22.5 * 0.65661 = 2216.0 psf,
        // n = 0.05540; r = 1.82574, g = 1.92791: Gamma1 0.56673, Gamma2 1.56175; K = 5.2803,
        // Omega = 0.85537: b = 13044.4 psf; tip factor T = 362.04: Qb = 0.7854 * 9 * 97893.6 / 2000
        WeakCase{"rough interface, closed joints", 1, 6.0f, 6.52222f, 345.985f},
        // smooth: alpha(1.0474, 40000) = 0.11268, fa = 0.11268 * 40000 * tan 30 / tan 30 * 0.7625
        WeakCase{"smooth interface, closed joints", 2, 6.0f, 1.71840f, 345.985f},
        // slump 6.89: M = 0.80998, sigma_n = 2733.7, alpha 0.12637, Em = 1440 tsf, T = 185.15
        WeakCase{"smooth interface, open joints", 4, 6.89f, 1.57963f, 176.941f}),
    test::NameByWhat());

TEST_F(WeakRockTest, ShortSocketOverTenSteps_WritesTenRunNoteBlocksAndOneRockMessage) {
  // Rock top 10 ft, shaft 14 ft: Ls / B = 4 / 3.
  for (float z = 11.0f; z <= 20.0f; z += 1.0f) Run(z, 14.0f);
  const std::string block =
      "                     WARNING MESSAGE                \n"
      "   ------------------------------------------------------------\n"
      "                SOCKET LENGTH/SOCKET DIAMETER =      1.33\n"
      "     L/D SHOULD BE GREATER THAN 2.0 AND LESS THAN 20.0\n"
      "\n"
      "\n";
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += block;
  EXPECT_EQ(Notes(), ten);
  EXPECT_EQ(RockMsg(), block);

  // A long socket later in the same case (Lx / B = (60 + 6) / 3 = 22): run notes only.
  Run(21.0f, 70.0f);
  EXPECT_EQ(Count(Notes(), "SOCKET LENGTH/SOCKET DIAMETER =     22.00"), 1);
  EXPECT_EQ(RockMsg(), block);

  // The next case starts with clear flags.
  caseState = CaseRuleState{};
  Run(11.0f, 14.0f);
  EXPECT_EQ(RockMsg(), block + block);
}

TEST_F(WeakRockTest, ModulusRatioAndSmallSocketWarnings_GoToRockMessagesOncePerFlag) {
  problem.Ec = 2.0e6f;  // Ec / Em = 2e6 / (7200 * 0.425) = 653.59
  step.BDS = 1.5f;      // below 1.64 ft
  for (float z = 21.0f; z <= 23.0f; z += 1.0f) Run(z, 25.0f);  // Ls / B 10, Lx / B 14
  EXPECT_EQ(Count(Notes(), "                         Ec/Em =    653.59\n"), 3);
  EXPECT_EQ(Count(Notes(), "                         Diameter (FT) =      1.50\n"), 3);
  const std::string rockMsg =
      "                     WARNING MESSAGE                \n"
      "   ------------------------------------------------------------\n"
      "                         Ec/Em =    653.59\n"
      "     Ec/Em SHOULD BE GREATER THAN 10.0 AND LESS THAN 500.0\n"
      "\n"
      "\n"
      "                     WARNING MESSAGE                \n"
      "   ------------------------------------------------------------\n"
      "                         Diameter (FT) =      1.50\n"
      "     SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft\n"
      "     AND LESS THAN 1.53 m or 5 ft.\n"
      "\n"
      "\n";
  EXPECT_EQ(RockMsg(), rockMsg);
}

TEST_F(WeakRockTest, SocketAboveFiveFeet_GivesNoDiameterWarning) {
  step.BDS = 6.0f;
  Run(30.0f, 39.0f);
  EXPECT_EQ(Count(Notes(), "Diameter (FT)"), 0);
}

TEST_F(WeakRockTest, RunningMeanOfTheModulus_IsTheMeanOverTheCaseSteps) {
  problem.Ec = 2.0e6f;  // keeps Ec / Em above 500 so that its line shows Em
  for (float el : {7200.0f, 7200.0f, 7200.0f}) {
    step.EL = el;
    Run(15.0f, 35.0f);
  }
  EXPECT_FLOAT_EQ(caseState.weakRockSumEL / caseState.weakRockSteps, 7200.0f);
  // 6000 then 8400 more: the mean is 27600 / 4 = 6900 at the fourth step and
  // (27600 + 8400) / 5 = 7200 again at the fifth.
  step.EL = 6000.0f;
  Run(16.0f, 35.0f);
  EXPECT_EQ(Count(Notes(), "Ec/Em =    682.01\n"), 1);  // 2e6 / (6900 * 0.425)
  step.EL = 8400.0f;
  Run(17.0f, 35.0f);
  EXPECT_EQ(Count(Notes(), "Ec/Em =    653.59\n"), 4);
}

TEST_F(WeakRockTest, SlumpOfAnSIProblem_IsTakenInInches) {
  rock->ICOND = 2;  // the smooth interface: the slump sets the adhesion
  step.SLUMP = 6.889764f;
  const RockStepResult english = Run(20.0f, 35.0f);
  problem.UNITS = "SI";
  step.SLUMP = 0.175f;  // m
  const RockStepResult si = Run(20.0f, 35.0f);
  EXPECT_NEAR(si.f, english.f, 1e-5f * english.f);
  // 0.175 m is the 6.89 in row of the concrete-pressure chart.
  problem.UNITS = "EN";
  step.SLUMP = 6.89f;
  EXPECT_NEAR(Run(20.0f, 35.0f).f, si.f, 1e-4f * si.f);
}

TEST_F(WeakRockTest, RockTopIsTheFirstRockMetAboveTheSocket) {
  // weak rock 10-20, clay 20-30, weak rock 30-40: a step at 35 ft has its rock top at 10 ft.
  problem.NLAYERS = 1;
  AddLayer(kClay, 10.0f);
  AddLayer(kWeakRock, 20.0f).ICOND = 1;
  AddLayer(kClay, 30.0f);
  AddLayer(kWeakRock, 40.0f).ICOND = 1;
  step.entry = 5;
  Run(35.0f, 14.0f);  // Ls / B = (14 - 10) / 3
  EXPECT_EQ(Count(Notes(), "SOCKET LENGTH/SOCKET DIAMETER =      1.33\n"), 1);
}

TEST_F(WeakRockTest, RockFromTheSurface_LetsTheNextRockSetTheRockTop) {
  problem.NLAYERS = 1;
  AddLayer(kWeakRock, 10.0f).ICOND = 1;
  AddLayer(kClay, 20.0f);
  AddLayer(kWeakRock, 40.0f).ICOND = 1;
  step.entry = 4;
  Run(25.0f, 24.0f);  // rock top 20 ft: Ls / B = 4 / 3
  EXPECT_EQ(Count(Notes(), "SOCKET LENGTH/SOCKET DIAMETER =      1.33\n"), 1);
}

struct FactorCase {
  const char* what;
  float BDS, z, Ec;
  bool sideRemains;
};

class WeakRockFactorsOutOfRange : public WeakRockTest, public ::testing::WithParamInterface<FactorCase> {};

// A rough socket (ICOND 1) from 10 ft, shaft 45 ft, Em = 3060 tsf.
TEST_P(WeakRockFactorsOutOfRange, TakeTheTermAsZeroWithOneNotePerCase) {
  const FactorCase& c = GetParam();
  step.BDS = c.BDS;
  problem.Ec = c.Ec;
  for (int i = 0; i < 3; ++i) {
    const RockStepResult r = Run(c.z, 45.0f);
    EXPECT_EQ(r.Qb, 0.0f) << c.what;
    EXPECT_EQ(r.f > 0.0f, c.sideRemains) << c.what;
    EXPECT_TRUE(std::isfinite(r.f) && r.f >= 0.0f) << c.what;
  }
  EXPECT_EQ(Count(Notes(), "THE SOCKET FACTORS OF THIS WEAK ROCK ARE OUT OF RANGE."), 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeakRockFactorsOutOfRange,
    ::testing::Values(
        // Lc / B = 60, Ec / Em = 10: r = 7.746, Gamma2 = 8.053 above r, so the tip factor's
        // base is negative and has no power 0.67; the side is still formed.
        FactorCase{"long thin socket: no tip factor", 0.5f, 40.0f, 30600.0f, true},
        // r = 3, Ec / Em = 16340: Gamma1 = -0.024, which would make the side shear negative.
        FactorCase{"very stiff concrete: Gamma1 below zero", 3.0f, 37.0f, 5.0e7f, false}),
    test::NameByWhat());

struct UnusableCase {
  const char* what;
  float BDS, QUR, EL, Ec;
  const char* noteLine;
};

class UnusableWeakRock : public WeakRockTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableWeakRock, GivesNoResistanceAndOneNotePerCase) {
  const UnusableCase& c = GetParam();
  step.BDS = c.BDS;
  step.QUR = c.QUR;
  step.EL = c.EL;
  problem.Ec = c.Ec;
  for (float z = 21.0f; z <= 25.0f; z += 1.0f) {
    const RockStepResult r = Run(z, 35.0f);
    EXPECT_EQ(r.f, 0.0f) << c.what;
    EXPECT_EQ(r.Qb, 0.0f) << c.what;
    EXPECT_TRUE(std::isfinite(r.p) && r.p > 0.0f) << c.what;
  }
  EXPECT_EQ(Count(Notes(), kNoteHead), 1) << c.what;
  EXPECT_EQ(Count(Notes(), c.noteLine), 1) << c.what;
  EXPECT_EQ(Count(Notes(), "     LAYER NO  2   FIRST AT DEPTH (FT) =    21.00\n"), 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusableWeakRock,
    ::testing::Values(
        UnusableCase{"zero socket diameter", 0.0f, 40000, 7200, 259200, "SOCKET DIAMETER OF THIS WEAK ROCK LAYER IS ZERO"},
        UnusableCase{"zero strength", 3.0f, 0, 7200, 259200, "COMPRESSIVE STRENGTH OF THIS WEAK ROCK LAYER IS ZERO"},
        UnusableCase{"zero rock modulus", 3.0f, 40000, 0, 259200, "ROCK OR CONCRETE MODULUS FOR THIS WEAK ROCK IS ZERO"},
        UnusableCase{"zero concrete modulus", 3.0f, 40000, 7200, 0,
                     "ROCK OR CONCRETE MODULUS FOR THIS WEAK ROCK IS ZERO"}),
    test::NameByWhat());

}  // namespace
}  // namespace tvx
