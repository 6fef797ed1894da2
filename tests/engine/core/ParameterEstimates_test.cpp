#include "ParameterEstimates.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(EstimateAlpha, FollowsTheStrengthRatio) {
  struct {
    float cu, alpha;
  } cases[] = {
      {0.0f, 0.55f},     {2116.8f, 0.55f},  // r = 1
      {3175.2f, 0.55f},                     // r = 1.5, the end of the constant part
      {4233.6f, 0.50f},                     // r = 2
      {5292.0f, 0.40f},                     // r = 2.5: 0.4, not the 0.45 of the sloped part
      {5300.0f, 0.40f},  {20000.0f, 0.40f},
  };
  for (const auto& c : cases) EXPECT_NEAR(EstimateAlpha(c.cu), c.alpha, 1e-5f) << c.cu;
}

TEST(EstimateNc, GrowsWithDepthUpToTheLimitOfTheType) {
  struct {
    float z, dstart;
    int ksoil;
    float nc;
  } cases[] = {
      {20, 3, kClay, 9.0f},    // 6 (1 + 0.2 x 20 / 3) = 14, limited to 9
      {5, 3, kClay, 8.0f},     // 6 (1 + 1/3)
      {0, 3, kClay, 6.0f},
      {3, 3, kShale, 7.0f},    // 7.2 limited to 7
      {1.5, 3, kShale, 6.6f},
  };
  for (const auto& c : cases) EXPECT_NEAR(EstimateNc(c.z, c.dstart, c.ksoil), c.nc, 1e-5f) << c.z;
}

TEST(EstimateBeta, SandGravellySandAndGravelByDepth) {
  struct {
    const char* what;
    float value, expected;
  } cases[] = {
      {"sand 25 ft N 10", EstimateSandBeta(25, 10), (1.5f - 0.135f * 5) * 10 / 15},  // 0.55
      {"sand 25 ft N 20", EstimateSandBeta(25, 20), 0.825f},
      {"sand 144 ft", EstimateSandBeta(144, 20), 0.25f},  // 1.5 - 1.62 below the limit
      {"sand at the surface", EstimateSandBeta(0, 0), 1.2f},
      {"gravelly sand at the surface", EstimateGravellySandBeta(0), 1.8f},
      // 0.3048 x 32.8084 = 10 m: 2 - 0.15 x 10^0.75 = 1.15649
      {"gravelly sand at 10 m", EstimateGravellySandBeta(32.8084f), 1.15649f},
      {"gravel at the surface", EstimateGravelBeta(0), 3.0f},  // 3.4 limited to 3.0
      // 3.4 exp(-0.85) = 1.45321
      {"gravel at 10 m", EstimateGravelBeta(32.8084f), 1.45321f},
      {"gravel very deep", EstimateGravelBeta(1000), 0.25f},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, 2e-5f) << c.what;
}

// One layer from 0 to 20 ft (120 pcf, dry) under a 3 ft shaft.
ProblemRecord OneLayer(int ksoil) {
  ProblemRecord p;
  p.DSTART = 3.0f;
  p.WTD = 100.0f;
  p.NLAYERS = 2;
  LayerEntry& L = p.layer[2];
  L.KSOIL = ksoil;
  L.XTOP = 0.0f;
  L.XBOT = 20.0f;
  L.GAMMA = {120.0f, 120.0f};
  return p;
}

TEST(EstimateCohesionless, FrictionAngleFromBlowCountIsMarkedAndLeftUnknownForTheSteps) {
  ProblemRecord p = OneLayer(kSand);
  LayerEntry& L = p.layer[2];
  L.sandMethod = kKoMethod;
  L.COEF = {0.5f, 0.5f};
  L.BLOWS = {3.0f, 30.0f};
  EstimateLayerParameters(p);
  // Top: no stress, curve C at N 3 gives 33. Bottom: 2400 psf = 16.67 psi, N 30:
  // B(30) + (20 - 16.67)(45 - B(30)) / 20 = 39 + 1 = 40.
  EXPECT_NEAR(L.PHI.top, 33.0f, 1e-4f);
  EXPECT_NEAR(L.PHI.bot, 40.0f, 1e-3f);
  EXPECT_TRUE(L.markPHI.top && L.markPHI.bot);
  EXPECT_EQ(L.PHIW.top, 0.0f);
  EXPECT_EQ(L.PHIW.bot, 0.0f);
  EXPECT_FLOAT_EQ(L.IANG.bot, L.PHI.bot);  // the interface angle follows
  EXPECT_FALSE(L.coefEstimated);
  EXPECT_TRUE(HasEstimatedValues(p));
}

TEST(EstimateCohesionless, GivenFrictionAngleOrNoBlowCountIsNotEstimated) {
  ProblemRecord p = OneLayer(kSand);
  LayerEntry& L = p.layer[2];
  L.sandMethod = kKoMethod;
  L.COEF = {0.5f, 0.5f};
  L.PHI = {0.0f, 30.0f};  // given at one end
  L.BLOWS = {10.0f, 20.0f};
  EstimateLayerParameters(p);
  EXPECT_EQ(L.PHI.top, 0.0f);
  EXPECT_FALSE(L.markPHI.top || L.markPHI.bot);
  EXPECT_FALSE(HasEstimatedValues(p));

  ProblemRecord q = OneLayer(kSand);
  q.layer[2].sandMethod = kKoMethod;
  q.layer[2].COEF = {0.5f, 0.5f};
  EstimateLayerParameters(q);  // neither N nor an angle
  EXPECT_EQ(q.layer[2].PHI.bot, 0.0f);
  EXPECT_FALSE(q.layer[2].markPHI.bot);
}

struct CoefficientCase {
  const char* name;
  int ksoil, method;
  EndValues given;
  EndValues echoed;   // the value the soil echo shows
  EndValues working;  // COEF
  bool marked, flagged;
};

class CoefficientEstimate : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(CoefficientEstimate, FillsTheMethodCoefficient) {
  const CoefficientCase& c = GetParam();
  ProblemRecord p = OneLayer(c.ksoil);
  LayerEntry& L = p.layer[2];
  L.sandMethod = c.method;
  L.PHI = {30.0f, 32.0f};
  L.BLOWS = {10.0f, 20.0f};
  L.COEF = c.given;
  if (c.method == kBetaMethod) L.BETA = c.given;
  if (c.method == kKulhawyChenMethod) L.KCM = c.given;
  EstimateLayerParameters(p);

  const EndValues& echoed = c.method == kKoMethod ? L.COEF : c.method == kKulhawyChenMethod ? L.KCM : L.BETA;
  const EndMarks& mark = c.method == kKulhawyChenMethod ? L.markKCM : L.markBETA;
  EXPECT_NEAR(echoed.top, c.echoed.top, 1e-5f);
  EXPECT_NEAR(echoed.bot, c.echoed.bot, 1e-5f);
  EXPECT_NEAR(L.COEF.top, c.working.top, 1e-5f);
  EXPECT_NEAR(L.COEF.bot, c.working.bot, 1e-5f);
  EXPECT_EQ(mark.top, c.marked);
  EXPECT_EQ(mark.bot, c.marked);
  EXPECT_EQ(L.coefEstimated, c.flagged);
}

// Sand beta at 0 ft (N 10): 1.5 x 10/15 = 1.0; at 20 ft (N 20): 1.5 - 0.135 sqrt(20) = 0.89626.
// Gravelly sand: 1.8 at 0 ft, 2 - 0.15 (6.096)^0.75 = 1.41806 at 20 ft.
// Gravel: 3.0 at 0 ft, 3.4 exp(-0.085 x 6.096) = 2.02509 at 20 ft.
INSTANTIATE_TEST_SUITE_P(
    Layers, CoefficientEstimate,
    ::testing::Values(
        CoefficientCase{"SandBetaEstimated", kSand, kBetaMethod, {0, 0}, {1.0f, 0.89626f}, {1.0f, 0.89626f}, true,
                        true},
        // between the two thresholds: filled in for the steps, not marked
        CoefficientCase{"SandBetaTiny", kSand, kBetaMethod, {5e-6f, 5e-6f}, {1.0f, 0.89626f}, {1.0f, 0.89626f},
                        false, true},
        CoefficientCase{"SandBetaGiven", kSand, kBetaMethod, {0.6f, 0.5f}, {0.6f, 0.5f}, {0.6f, 0.5f}, false, false},
        CoefficientCase{"SandBetaOneEnd", kSand, kBetaMethod, {0.6f, 0}, {0.6f, 0}, {0.6f, 0}, false, false},
        CoefficientCase{"SandKoDefault", kSand, kKoMethod, {0, 0}, {0.25f, 0.25f}, {0.25f, 0.25f}, false, true},
        // the Kulhawy and Chen exponent left out: marked, the default 0.25 for the steps
        CoefficientCase{"SandKulhawyChenDefault", kSand, kKulhawyChenMethod, {0, 0}, {0.25f, 0.25f},
                        {0.25f, 0.25f}, true, true},
        CoefficientCase{"GravellySandDefault", kGravellySand, kBetaMethod, {0, 0}, {1.8f, 1.41806f},
                        {1.8f, 1.41806f}, false, true},
        CoefficientCase{"GravelDefault", kGravel, kBetaMethod, {0, 0}, {3.0f, 2.02509f}, {3.0f, 2.02509f}, false,
                        true},
        CoefficientCase{"GravelGiven", kGravel, kBetaMethod, {0.8f, 0.7f}, {0.8f, 0.7f}, {0.8f, 0.7f}, false,
                        false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EstimateCohesionless, KulhawyChenLayerAlwaysCarriesTheNote) {
  ProblemRecord p = OneLayer(kSand);
  LayerEntry& L = p.layer[2];
  L.sandMethod = kKulhawyChenMethod;
  L.PHI = {30.0f, 32.0f};
  L.KCM = L.COEF = {0.6f, 0.8f};
  EstimateLayerParameters(p);
  EXPECT_FALSE(L.markKCM.top);
  EXPECT_TRUE(HasEstimatedValues(p));
}

TEST(EstimateCohesive, HighStrengthClayGetsAlphaPointFourMarked) {
  ProblemRecord p = OneLayer(kClay);
  LayerEntry& L = p.layer[2];
  L.CU = {5300.0f, 1000.0f};
  L.NC = {9.0f, 9.0f};
  EstimateLayerParameters(p);
  EXPECT_NEAR(L.ALPHA.top, 0.4f, 1e-6f);
  EXPECT_NEAR(L.ALPHA.bot, 0.55f, 1e-6f);
  EXPECT_TRUE(L.markALPHA.top && L.markALPHA.bot);
  EXPECT_TRUE(L.coefEstimated);
  EXPECT_FALSE(L.markNC.top);
  EXPECT_FALSE(L.ncEstimated);
  EXPECT_TRUE(HasEstimatedValues(p));
}

TEST(EstimateCohesive, NcFromDepthAtBothEndsAndFlagged) {
  ProblemRecord p = OneLayer(kShale);
  LayerEntry& L = p.layer[2];
  L.XTOP = 1.5f;
  L.ALPHA = {0.5f, 0.5f};
  EstimateLayerParameters(p);
  EXPECT_NEAR(L.NC.top, 6.6f, 1e-5f);
  EXPECT_NEAR(L.NC.bot, 7.0f, 1e-5f);
  EXPECT_TRUE(L.markNC.top && L.markNC.bot);
  EXPECT_TRUE(L.ncEstimated);
  EXPECT_FALSE(L.coefEstimated);
  EXPECT_FALSE(L.markALPHA.top);
}

TEST(EstimateCohesive, TinyAlphaIsFilledWithoutMark) {
  ProblemRecord p = OneLayer(kClay);
  LayerEntry& L = p.layer[2];
  L.CU = {1000.0f, 1000.0f};
  L.ALPHA = {5e-6f, 0.0f};
  L.NC = {5e-6f, 5e-6f};
  EstimateLayerParameters(p);
  EXPECT_NEAR(L.ALPHA.top, 0.55f, 1e-6f);
  EXPECT_FALSE(L.markALPHA.top);
  EXPECT_TRUE(L.coefEstimated);
  EXPECT_NEAR(L.NC.top, 6.0f, 1e-6f);
  EXPECT_FALSE(L.markNC.top);
  EXPECT_TRUE(L.ncEstimated);
  EXPECT_FALSE(HasEstimatedValues(p));
}

}  // namespace
}  // namespace tvx
