#include "CohesiveRules.h"

#include <gtest/gtest.h>

#include <string>

#include "TestText.h"

namespace tvx {
namespace {

const ResistanceLoading kCompression{1, 1.0f, 0.0f};

CohesiveStep Clay(float z, float cuPsf, float alpha) {
  CohesiveStep s;
  s.KSOIL = kClay;
  s.alphaGivenAtBothEnds = alpha > 1e-5f;
  s.cuGivenAtEitherEnd = cuPsf > 1e-5f;
  s.z = z;
  s.CU = cuPsf;
  s.ALPHA = alpha;
  s.NC = 9.0f;
  s.DSTART = 3.0f;
  return s;
}

class CohesiveRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(units.OpenCapture(kUnitRunNotes));
    ASSERT_TRUE(units.OpenCapture(kUnitRockMsg));
  }
  float Side(const CohesiveStep& s, const ResistanceLoading& loading = kCompression) {
    return CohesiveSideResistance(s, loading, layerState, caseState, units);
  }
  UnitTable units;
  LayerWorkingState layerState;
  CaseRuleState caseState;
};

// ---- side ------------------------------------------------------------------------------

struct SideCase {
  const char* what;
  int KSOIL;
  float cu, N, alpha;
  bool estimated;
  float TRANLM;
  ResistanceLoading loading;
  float expected;  // tsf
};

class CohesiveSide : public ::testing::TestWithParam<SideCase> {};

TEST_P(CohesiveSide, MatchesTheHandValue) {
  const SideCase& c = GetParam();
  UnitTable units;
  LayerWorkingState layerState;
  CaseRuleState caseState;
  CohesiveStep s = Clay(20.0f, c.cu, c.alpha);
  s.KSOIL = c.KSOIL;
  s.BLOWS = c.N;
  s.coefEstimated = c.estimated;
  s.TRANLM = c.TRANLM;
  EXPECT_NEAR(CohesiveSideResistance(s, c.loading, layerState, caseState, units), c.expected, 1e-4f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Sides, CohesiveSide,
    ::testing::Values(
        // The adhesion factors the engine estimates (0.55 at cu/pa 1, 0.50 at 2, 0.40 at 2.5)
        // pass the 0.25..1.2 limit of an estimated layer unchanged: f = alpha cu / 2000.
        SideCase{"estimated 0.55 at 2116.8 psf", kClay, 2116.8f, 0, 0.55f, true, kNoLimit, kCompression, 0.58212f},
        SideCase{"estimated 0.50 at 4233.6 psf", kClay, 4233.6f, 0, 0.50f, true, kNoLimit, kCompression, 1.0584f},
        SideCase{"estimated 0.40 at 5292 psf", kClay, 5292.0f, 0, 0.40f, true, kNoLimit, kCompression, 1.0584f},
        SideCase{"estimated alpha limited to 1.2", kClay, 2000.0f, 0, 1.5f, true, kNoLimit, kCompression, 1.2f},
        SideCase{"given alpha above 1.2 is used as given", kClay, 2000.0f, 0, 1.5f, false, kNoLimit, kCompression, 1.5f},
        // clay strength from N: 200 N psf
        SideCase{"clay without CU, N 20: 4000 psf", kClay, 0.0f, 20, 0.5f, false, kNoLimit, kCompression, 1.0f},
        // shale strength from N: 2000 N / 53 psf
        SideCase{"shale without CU, N 53: 2000 psf", kShale, 0.0f, 53, 0.5f, false, kNoLimit, kCompression, 0.5f},
        SideCase{"zero CU and zero N", kClay, 0.0f, 0, 0.5f, false, kNoLimit, kCompression, 0.0f},
        // uplift: cu * 0.7 * 2.5
        SideCase{"uplift with a bell", kClay, 2000.0f, 0, 0.5f, false, kNoLimit, ResistanceLoading{2, 0.7f, 2.5f}, 0.875f},
        SideCase{"uplift, RATIO below 1 ignored", kClay, 2000.0f, 0, 0.5f, false, kNoLimit,
                 ResistanceLoading{2, 0.7f, 0.8f}, 0.35f},
        SideCase{"maximum transfer", kClay, 4000.0f, 0, 0.5f, false, 1500.0f, kCompression, 0.75f},
        SideCase{"no alpha", kClay, 4000.0f, 0, 0.0f, false, kNoLimit, kCompression, 0.0f}),
    test::NameByWhat());

TEST_F(CohesiveRulesTest, AlphaGivenAtOneEndOnly_GivesNoSideResistanceInTheLayer) {
  for (float z = 21.0f; z <= 30.0f; z += 1.0f) {
    CohesiveStep s = Clay(z, 2000.0f, 0.0f);
    s.ALPHA = 0.6f * (z - 20.0f) / 10.0f;  // top 0, bottom 0.6
    s.alphaGivenAtBothEnds = false;
    EXPECT_EQ(Side(s), 0.0f) << "z " << z;
  }
}

TEST_F(CohesiveRulesTest, ClayStrengthFromBlowCount_WarnsOncePerCaseInRockMessages) {
  const std::string block =
      "                     WARNING MESSAGE                \n"
      "   ------------------------------------------------------------\n"
      "     THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE\n"
      "     FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR\n"
      "     THE FINAL DESIGN.  PLEASE INPUT THE UNDRAINED SHEAR\n"
      "     STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN.\n"
      "\n"
      "\n";
  CohesiveStep s = Clay(20.0f, 0.0f, 0.5f);
  s.BLOWS = 20.0f;
  for (int step = 0; step < 5; ++step) EXPECT_NEAR(Side(s), 1.0f, 1e-5f);
  EXPECT_EQ(units.Captured(kUnitRockMsg), block);
  EXPECT_EQ(units.Captured(kUnitRunNotes), "");

  caseState = CaseRuleState{};  // next case
  Side(s);
  EXPECT_EQ(units.Captured(kUnitRockMsg), block + block);
}

TEST_F(CohesiveRulesTest, ShaleStrengthFromBlowCount_WritesNoWarning) {
  CohesiveStep s = Clay(20.0f, 0.0f, 0.5f);
  s.KSOIL = kShale;
  s.BLOWS = 30.0f;
  Side(s);
  EXPECT_EQ(units.Captured(kUnitRockMsg), "");
}

// ---- tip ---------------------------------------------------------------------------------

struct TipCase {
  const char* what;
  int KSOIL;
  bool ncEstimated;
  float z, NC, cuPsf, N, Db;
  float qb, QbPerAb;
};

class ClayTip : public ::testing::TestWithParam<TipCase> {};

TEST_P(ClayTip, MatchesTheHandValue) {
  const TipCase& c = GetParam();
  LayerWorkingState layerState;
  CohesiveStep s = Clay(c.z, c.cuPsf, 0.5f);
  s.KSOIL = c.KSOIL;
  s.ncEstimated = c.ncEstimated;
  s.NC = c.NC;
  s.BLOWS = c.N;
  const float Ab = 0.7854f * c.Db * c.Db;
  const TipResult tip = ClayTipResistance(s, BaseGeometry{Ab, c.Db}, layerState);
  EXPECT_NEAR(tip.qb, c.qb, 1e-4f) << c.what;
  EXPECT_NEAR(tip.Qb / Ab, c.QbPerAb, 1e-4f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tips, ClayTip,
    ::testing::Values(
        // Nc estimated: 6 (1 + 0.2 z / 3) at most 9, clay and shale alike
        TipCase{"estimated Nc at 21 ft: 14.4 limited to 9", kClay, true, 21, 0, 2000, 0, 3, 9, 9},
        TipCase{"estimated Nc at 30 ft", kClay, true, 30, 0, 2000, 0, 3, 9, 9},
        TipCase{"estimated Nc in shale at 3 ft: 7.2", kShale, true, 3, 0, 2000, 0, 3, 7.2f, 7.2f},
        TipCase{"estimated Nc in clay at 1.5 ft: 6.6", kClay, true, 1.5f, 0, 2000, 0, 3, 6.6f, 6.6f},
        TipCase{"given Nc", kClay, false, 30, 7.5f, 2000, 0, 3, 7.5f, 7.5f},
        // strength from N / 10 tsf where CU is missing at both ends
        TipCase{"clay without CU, N 20: 2 tsf", kClay, false, 30, 9, 0, 20, 3, 18, 18},
        TipCase{"shale without CU, N 20: also N / 10", kShale, false, 30, 9, 0, 20, 3, 18, 18},
        // cu 10 tsf, Nc 9
        TipCase{"clay limited to 40 tsf", kClay, false, 30, 9, 20000, 0, 3, 40, 40},
        TipCase{"shale not limited", kShale, false, 30, 9, 20000, 0, 3, 90, 90},
        // Db 8, z 40, cu 2: a = 0.015, b = 0.9, Fr = 2.5 / (1.44 + 2.25)
        TipCase{"large base reduction", kClay, false, 40, 9, 4000, 0, 8, 18, 18.0f * 0.67751f},
        // a = 0.0071 + 0.0021 * 10 / 8 = 0.009725: Fr = 2.5 / (0.9336 + 2.25)
        TipCase{"large base reduction near the surface", kClay, false, 10, 9, 4000, 0, 8, 18, 18.0f * 0.78527f},
        TipCase{"6.25 ft base is not reduced", kClay, false, 40, 9, 4000, 0, 6.25f, 18, 18},
        TipCase{"zero CU and zero N", kClay, false, 40, 9, 0, 0, 3, 0, 0}),
    test::NameByWhat());

struct ReductionCase {
  float Db, z, cu, expected;
};

TEST(LargeBaseReduction, LimitsTheStrengthTerm) {
  for (const ReductionCase& c : {
           // b = 0.45 sqrt(0.2) = 0.201 raised to 0.5: 2.5 / (1.44 + 1.25)
           ReductionCase{8, 40, 0.1f, 0.92937f},
           // b = 0.45 sqrt(40) = 2.85 lowered to 1.5: 2.5 / (1.44 + 3.75)
           ReductionCase{8, 40, 20, 0.48170f},
           ReductionCase{8, 40, 2, 0.67751f}}) {
    EXPECT_NEAR(LargeBaseReduction(c.Db, c.z, c.cu), c.expected, 1e-4f) << "cu " << c.cu;
  }
}

TEST(ClayTipNc, FallsBackToTheLastWorkingValueOfTheLayer) {
  LayerWorkingState layerState;
  CohesiveStep s = Clay(21.0f, 2000.0f, 0.5f);
  s.NC = 8.0f;
  EXPECT_NEAR(ClayTipResistance(s, BaseGeometry{1.0f, 1.0f}, layerState).qb, 8.0f, 1e-5f);
  s.z = 30.0f;
  s.NC = 0.0f;  // interpolated to zero at the bottom
  EXPECT_NEAR(ClayTipResistance(s, BaseGeometry{1.0f, 1.0f}, layerState).qb, 8.0f, 1e-5f);
}

}  // namespace
}  // namespace tvx
