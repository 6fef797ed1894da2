#include "CohesionlessRules.h"

#include <gtest/gtest.h>

#include <string>

#include "TestText.h"

namespace tvx {
namespace {

// Counts the occurrences of `line` in `text`.
int CountLines(const std::string& text, const std::string& line) {
  int n = 0;
  std::size_t pos = 0;
  while ((pos = text.find(line, pos)) != std::string::npos) {
    ++n;
    pos += line.size();
  }
  return n;
}

class CohesionlessRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(units.OpenCapture(kUnitRunNotes)); }
  CohesionlessWorking Work(const CohesionlessStep& s) { return CohesionlessWorkingValues(s, layerState, units); }

  UnitTable units;
  LayerWorkingState layerState;
  ResistanceLoading compression;
};

// ---- working coefficient -------------------------------------------------------------

struct CoefCase {
  const char* what;
  int KSOIL, method;
  bool estimated, givenAtBothEnds;
  float z, N, coef;
  float expected;
};

class WorkingCoefficient : public ::testing::TestWithParam<CoefCase> {};

TEST_P(WorkingCoefficient, FollowsTheLayerKindAndFlag) {
  const CoefCase& c = GetParam();
  UnitTable units;
  LayerWorkingState state;
  CohesionlessStep s;
  s.KSOIL = c.KSOIL;
  s.sandMethod = c.method;
  s.coefEstimated = c.estimated;
  s.coefGivenAtBothEnds = c.givenAtBothEnds;
  s.z = c.z;
  s.BLOWS = c.N;
  s.PHI = 32.0f;
  s.coef = c.coef;
  s.sigmaV = 1000.0f;
  EXPECT_NEAR(CohesionlessWorkingValues(s, state, units).coef, c.expected, 1e-4f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Coefficients, WorkingCoefficient,
    ::testing::Values(
        // (1.5 - 0.135 * 5) * 10 / 15
        CoefCase{"estimated sand beta at 25 ft, N 10", kSand, kBetaMethod, true, true, 25, 10, 0.3f, 0.55f},
        // 1.5 - 0.135 * 12 = -0.12, at least 0.25
        CoefCase{"estimated sand beta at 144 ft", kSand, kBetaMethod, true, true, 144, 20, 0.3f, 0.25f},
        CoefCase{"estimated sand beta near the surface", kSand, kBetaMethod, true, true, 0, 20, 0.3f, 1.2f},
        CoefCase{"estimated gravel at the surface: 3.4 limited", kGravel, kBetaMethod, true, true, 0, 20, 0.3f, 3.0f},
        // 3.4 exp(-0.085 * 15.24)
        CoefCase{"estimated gravel at 50 ft", kGravel, kBetaMethod, true, true, 50, 20, 0.3f, 0.93088f},
        CoefCase{"estimated gravelly sand at the surface: 2.0 limited", kGravellySand, kBetaMethod, true, true, 0, 20,
                 0.3f, 1.8f},
        // 2.0 - 0.15 * 15.24^0.75
        CoefCase{"estimated gravelly sand at 50 ft", kGravellySand, kBetaMethod, true, true, 50, 20, 0.3f, 0.84301f},
        CoefCase{"estimated Ko keeps its default", kSand, kKoMethod, true, true, 20, 20, 0.25f, 0.25f},
        CoefCase{"estimated Ko is limited to 1.2", kSand, kKoMethod, true, true, 20, 20, 1.6f, 1.2f},
        CoefCase{"given beta is used as given", kSand, kBetaMethod, false, true, 20, 20, 1.5f, 1.5f},
        CoefCase{"given gravel beta is used as given", kGravel, kBetaMethod, false, true, 0, 20, 3.3f, 3.3f},
        CoefCase{"Ko given at one end only", kSand, kKoMethod, false, false, 20, 20, 0.7f, 0.0f}),
    test::NameByWhat());

TEST_F(CohesionlessRulesTest, KoGivenAtTheTopOnly_GivesNoSideResistanceInTheLayer) {
  CohesionlessStep s;
  s.sandMethod = kKoMethod;
  s.PHI = 32.0f;
  s.BLOWS = 20.0f;
  s.coefGivenAtBothEnds = false;
  for (float z = 11.0f; z <= 20.0f; z += 1.0f) {
    s.z = z;
    s.coef = 0.8f * (20.0f - z) / 10.0f;  // top 0.8, bottom 0
    s.sigmaV = 120.0f * z;
    EXPECT_EQ(CohesionlessSideResistance(s, Work(s), compression), 0.0f) << "z " << z;
  }
}

TEST_F(CohesionlessRulesTest, CoefficientGivenAtBothEnds_IsKeptForTheLayer) {
  CohesionlessStep s;
  s.sandMethod = kKoMethod;
  s.coefGivenAtBothEnds = true;
  s.coef = 0.6f;
  Work(s);
  EXPECT_FLOAT_EQ(layerState.coef, 0.6f);
  // A fresh layer starts from zero.
  LayerWorkingState fresh;
  s.coefGivenAtBothEnds = false;
  EXPECT_EQ(CohesionlessWorkingValues(s, fresh, units).coef, 0.0f);
}

// ---- unit side resistance --------------------------------------------------------------

struct SideCase {
  const char* what;
  int KSOIL, method;
  float z, sigmaV, gamma, WTD, phi, iang, N, coef, TRANLM;
  ResistanceLoading loading;
  float expected;  // tsf
};

class CohesionlessSide : public ::testing::TestWithParam<SideCase> {};

TEST_P(CohesionlessSide, MatchesTheHandValue) {
  const SideCase& c = GetParam();
  UnitTable units;
  LayerWorkingState state;
  CohesionlessStep s;
  s.KSOIL = c.KSOIL;
  s.sandMethod = c.method;
  s.coefGivenAtBothEnds = true;
  s.z = c.z;
  s.sigmaV = c.sigmaV;
  s.GAMMA = c.gamma;
  s.WTD = c.WTD;
  s.PHI = c.phi;
  s.IANG = c.iang;
  s.BLOWS = c.N;
  s.coef = c.coef;
  s.TRANLM = c.TRANLM;
  const CohesionlessWorking w = CohesionlessWorkingValues(s, state, units);
  EXPECT_NEAR(CohesionlessSideResistance(s, w, c.loading), c.expected, 2e-4f) << c.what;
}

const ResistanceLoading kCompression{1, 1.0f, 0.0f};
const ResistanceLoading kUpliftBell{2, 0.8f, 2.0f};
const ResistanceLoading kUpliftStraight{2, 0.7f, 0.0f};

INSTANTIATE_TEST_SUITE_P(
    Sides, CohesionlessSide,
    ::testing::Values(
        // 0.5 * 2000 * tan(30 / 57.29) / 2000
        SideCase{"Ko", kSand, kKoMethod, 20, 2000, 120, 100, 30, 0, 20, 0.5f, kNoLimit, kCompression, 0.28871f},
        SideCase{"Ko uplift with a bell: times RCYCL and RATIO", kSand, kKoMethod, 20, 2000, 120, 100, 30, 0, 20, 0.5f,
                 kNoLimit, kUpliftBell, 0.46194f},
        SideCase{"Ko limited by the maximum transfer", kSand, kKoMethod, 20, 2000, 120, 100, 30, 0, 20, 0.5f, 400.0f,
                 kCompression, 0.2f},
        // the interface angle, not the friction angle: 0.5 * 2000 * tan(20 / 57.29) / 2000
        SideCase{"Ko on the interface angle", kSand, kKoMethod, 20, 2000, 120, 100, 30, 20, 20, 0.5f, kNoLimit,
                 kCompression, 0.18197f},
        // mid-slice stress below the water table: 1500 - 0.5 (120 - 62.4) = 1471.2
        SideCase{"beta below the water table", kSand, kBetaMethod, 20, 1500, 120, 10, 30, 0, 20, 0.8f, kNoLimit,
                 kCompression, 0.58848f},
        SideCase{"beta above the water table", kSand, kBetaMethod, 20, 1500, 120, 30, 30, 0, 20, 0.8f, kNoLimit,
                 kCompression, 0.576f},
        SideCase{"beta uplift: RCYCL only, no RATIO", kSand, kBetaMethod, 20, 1500, 120, 30, 30, 0, 20, 0.8f, kNoLimit,
                 kUpliftBell, 0.4608f},
        SideCase{"beta uplift straight shaft", kSand, kBetaMethod, 20, 1500, 120, 30, 30, 0, 20, 0.8f, kNoLimit,
                 kUpliftStraight, 0.4032f},
        // 3 * (3000 - 60) / 2000 = 4.41
        SideCase{"gravel has no 2.1 tsf limit", kGravel, kBetaMethod, 25, 3000, 120, 100, 0, 0, 30, 3.0f, kNoLimit,
                 kCompression, 4.41f},
        SideCase{"gravelly sand is limited to 2.1 tsf", kGravellySand, kBetaMethod, 25, 3000, 120, 100, 0, 0, 30, 3.0f,
                 kNoLimit, kCompression, 2.1f},
        SideCase{"sand beta is limited to 2.1 tsf", kSand, kBetaMethod, 25, 3000, 120, 100, 0, 0, 30, 3.0f, kNoLimit,
                 kCompression, 2.1f},
        // OCR = 994.37897 * 20^0.6 / 2000 = 3.0001; K0 = (1 - sin p) OCR^sin p = 0.80074 < Kp
        SideCase{"Kulhawy and Chen, earth pressure at rest", kSand, kKulhawyChenMethod, 20, 2000, 120, 100, 35, 0, 20,
                 0.6f, kNoLimit, kCompression, 0.56076f},
        // OCR = 248.59, K0 = 7.885 above Kp = 3.0004
        SideCase{"Kulhawy and Chen, at most passive", kSand, kKulhawyChenMethod, 5, 200, 120, 100, 30, 0, 50, 1.0f,
                 kNoLimit, kCompression, 0.17325f},
        SideCase{"no coefficient, no side resistance", kSand, kKoMethod, 20, 2000, 120, 100, 30, 0, 20, 0.0f, kNoLimit,
                 kCompression, 0.0f}),
    test::NameByWhat());

TEST_F(CohesionlessRulesTest, SandWithoutFrictionAngle_TakesItFromBlowCountAndStress) {
  CohesionlessStep s;
  s.sandMethod = kKoMethod;
  s.coefGivenAtBothEnds = true;
  s.coef = 0.4f;
  s.BLOWS = 30.0f;
  s.sigmaV = 30.0f * 144.0f;  // 30 psi: 37.5 degrees
  s.IANG = 20.0f;             // replaced by the estimated friction angle
  s.z = 40.0f;
  const CohesionlessWorking w = Work(s);
  EXPECT_NEAR(w.phi * kDegreesPerRadianAsTabulated, 37.5f, 1e-4f);
  EXPECT_FLOAT_EQ(w.delta, w.phi);
  // 0.4 * 4320 * tan(37.5 / 57.29) / 2000
  EXPECT_NEAR(CohesionlessSideResistance(s, w, compression), 0.66306f, 2e-4f);
  EXPECT_EQ(units.Captured(kUnitRunNotes), "");
}

TEST_F(CohesionlessRulesTest, SandWithNeitherBlowCountNorAngle_WritesTheErrorAtEveryStepAndGivesNoResistance) {
  for (int method : {kKoMethod, kKulhawyChenMethod}) {
    CohesionlessStep s;
    s.sandMethod = method;
    s.coefGivenAtBothEnds = true;
    s.coef = 0.5f;
    for (float z = 1.0f; z <= 3.0f; z += 1.0f) {
      s.z = z;
      s.sigmaV = 115.0f * z;
      const CohesionlessWorking w = Work(s);
      EXPECT_TRUE(w.missingStrength);
      EXPECT_EQ(CohesionlessSideResistance(s, w, compression), 0.0f);
      const TipResult tip = SandTipResistance(w, z, BaseGeometry{7.0686f, 3.0f}, 1);
      EXPECT_FLOAT_EQ(tip.Qb, 1e-5f);
      EXPECT_EQ(tip.qb, 0.0f);
    }
  }
  const std::string notes = units.Captured(kUnitRunNotes);
  EXPECT_EQ(CountLines(notes, "     *********************ERROR**********************\n"), 6);
  EXPECT_EQ(CountLines(notes, "     PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS\n"), 6);
  EXPECT_EQ(CountLines(notes, "     OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS\n"), 6);
}

TEST_F(CohesionlessRulesTest, GravelWithoutBlowCount_WritesNoSandError) {
  CohesionlessStep s;
  s.KSOIL = kGravel;
  s.coefGivenAtBothEnds = true;
  s.coef = 1.0f;
  s.z = 10.0f;
  s.sigmaV = 1200.0f;
  Work(s);
  EXPECT_EQ(units.Captured(kUnitRunNotes), "");
}

// ---- tip ---------------------------------------------------------------------------------

struct TipCase {
  const char* what;
  float N, phiDeg, z, Db;
  int IMOD;
  float qb, QbPerAb;  // expected unit tip and Qb / Ab
};

class SandTip : public ::testing::TestWithParam<TipCase> {};

TEST_P(SandTip, MatchesTheHandValue) {
  const TipCase& c = GetParam();
  CohesionlessWorking w;
  w.N = c.N;
  w.phi = c.phiDeg / kDegreesPerRadianAsTabulated;
  const float Ab = 0.7854f * c.Db * c.Db;
  const TipResult tip = SandTipResistance(w, c.z, BaseGeometry{Ab, c.Db}, c.IMOD);
  EXPECT_NEAR(tip.qb, c.qb, 1e-4f) << c.what;
  EXPECT_NEAR(tip.Qb / Ab, c.QbPerAb, 1e-4f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tips, SandTip,
    ::testing::Values(TipCase{"N 60: 30 tsf", 60, 0, 50, 3, 0, 30, 30}, TipCase{"N 50: 30 tsf", 50, 0, 50, 3, 0, 30, 30},
                      TipCase{"N 40: 24 tsf", 40, 0, 50, 3, 0, 24, 24}, TipCase{"N 10: 6 tsf", 10, 0, 50, 3, 0, 6, 6},
                      // N = 0: from the friction angle
                      TipCase{"N 0, 33 degrees", 0, 33, 50, 3, 0, 0, 8.001f},
                      TipCase{"N 0, 38 degrees", 0, 38, 50, 3, 0, 0, 21.6f},
                      TipCase{"N 0, 45 degrees", 0, 45, 50, 3, 0, 0, 30},
                      // IMOD 1: a 6 ft base carries 50/72 of the unit bearing
                      TipCase{"IMOD 1, 6 ft base, deep", 40, 0, 100, 6, 1, 24, 24.0f * 50.0f / 72.0f},
                      TipCase{"IMOD 1, 6 ft base at 30 ft: also 30/60", 40, 0, 30, 6, 1, 24, 24.0f * 50.0f / 72.0f * 0.5f},
                      TipCase{"IMOD 1, 4 ft base at 20 ft: depth only", 40, 0, 20, 4, 1, 24, 12},
                      TipCase{"IMOD 0, 6 ft base near the surface", 40, 0, 5, 6, 0, 24, 24}),
    test::NameByWhat());

TEST(SandTipWeakAngle, IsANominalValueWithoutAreaOrReductions) {
  CohesionlessWorking w;
  w.phi = 28.0f / kDegreesPerRadianAsTabulated;
  for (int imod : {0, 1}) {
    const TipResult tip = SandTipResistance(w, 3.0f, BaseGeometry{50.27f, 8.0f}, imod);
    EXPECT_FLOAT_EQ(tip.Qb, 1e-5f);
  }
}

}  // namespace
}  // namespace tvx
