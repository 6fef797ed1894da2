#include "LoadTransferCurves.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestText.h"

namespace tvx {
namespace {

// A problem whose layers (type, bottom ft) start at the ground surface, snapped already.
ProblemRecord Layers(std::initializer_list<std::pair<int, float>> layers) {
  ProblemRecord p;
  p.NLAYERS = 1;
  float top = 0.0f;
  for (const auto& [type, bottom] : layers) {
    LayerEntry& e = p.layer[++p.NLAYERS];
    e.KSOIL = type;
    e.XTOP = e.XTOPSNAP = top;
    e.XBOT = e.XBOTSNAP = bottom;
    top = bottom;
  }
  return p;
}

// One capacity step per foot down to `tipFt`, with a unit side resistance per step.
CaseHandOver SideSteps(float tipFt, float (*psiAt)(float zFt)) {
  CaseHandOver h;
  for (float L = 1.0f; L <= tipFt; L += 1.0f) {
    h.sideDepthIn.push_back(12.0f * L);
    h.sideUnitPsi.push_back(psiAt(L));
  }
  h.NSEG = static_cast<int>(h.sideDepthIn.size());
  return h;
}

TEST(CurveDepths, SingleSandLayer_FiveCurvesAtQuarterPoints) {
  const LayerProfile profile = BuildLayerProfile(Layers({{kSand, 30.0f}}), CaseHandOver{});
  const std::vector<float> z = CurveDepths(profile);
  ASSERT_EQ(z.size(), 5u);
  const float expected[] = {0.0f, 90.0f, 180.0f, 269.995f, 359.99f};
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(z[k], expected[k], 1e-3f) << k;
  const TzCurve c = BuildSideCurve(1, z[0], kSand, 10.0f, 36.0f, kTrendBound);
  EXPECT_NEAR(c.TZW[9], 3.6f, 1e-5f);
}

TEST(CurveDepths, LowerLayerStartsBelowItsTop_EvenBelowItsSecondCurveWhenThin) {
  const LayerProfile profile = BuildLayerProfile(Layers({{kClay, 10.0f}, {kSand, 13.0f}}), CaseHandOver{});
  const std::vector<float> z = CurveDepths(profile);
  ASSERT_EQ(z.size(), 10u);
  EXPECT_NEAR(z[5], 120.0f + 12.01f, 1e-3f);
  EXPECT_NEAR(z[6], (120.0f + 138.0f) / 2.0f, 1e-3f);
  EXPECT_GT(z[5], z[6]);  // kept in this order
}

TEST(LayerProfile, ZeroThicknessLayerGetsATenthOfAnInchAndLayersStayContiguous) {
  const LayerProfile profile = BuildLayerProfile(Layers({{kSand, 10.0f}, {kClay, 10.0f}, {kClay, 20.0f}}), CaseHandOver{});
  ASSERT_EQ(profile.Count(), 3);
  EXPECT_FLOAT_EQ(profile.bot[1], 120.1f);
  EXPECT_FLOAT_EQ(profile.top[2], 120.1f);
  EXPECT_FLOAT_EQ(profile.Bottom(), 240.0f);
}

TEST(LayerProfile, LayerEndsTakeTheFirstAndLastStepInTheLayer) {
  const ProblemRecord p = Layers({{kSand, 10.0f}, {kClay, 20.0f}});
  const CaseHandOver h = SideSteps(20.0f, [](float z) { return z; });
  const LayerProfile profile = BuildLayerProfile(p, h);
  ASSERT_EQ(profile.V.size(), 4u);
  EXPECT_FLOAT_EQ(profile.V[0], 1.0f);
  EXPECT_FLOAT_EQ(profile.V[1], 10.0f);
  EXPECT_FLOAT_EQ(profile.V[2], 11.0f);
  EXPECT_FLOAT_EQ(profile.V[3], 20.0f);
}

TEST(ProfileSideResistance, BoundariesShortReachAndBeyond) {
  const ProblemRecord p = Layers({{kSand, 10.0f}, {kClay, 20.0f}});
  const LayerProfile profile = BuildLayerProfile(p, SideSteps(20.0f, [](float z) { return z; }));
  // A boundary takes the top of the lower layer.
  EXPECT_FLOAT_EQ(ProfileSideResistanceAtDepth(profile, 120.0f).value, 11.0f);
  EXPECT_NEAR(ProfileSideResistanceAtDepth(profile, 60.0f).value, 5.5f, 1e-5f);
  // Just below the bottom: extended on the last interval.
  const ProfileValue near = ProfileSideResistanceAtDepth(profile, 240.05f);
  EXPECT_FALSE(near.beyond);
  EXPECT_NEAR(near.value, 20.0f + 9.0f * 0.05f / 120.0f, 1e-4f);
  const ProfileValue far = ProfileSideResistanceAtDepth(profile, 240.1f);
  EXPECT_TRUE(far.beyond);
  EXPECT_EQ(far.value, 0.0f);
}

TEST(SideResistanceTable, InterpolatesAndHoldsTheDeepestValue) {
  const std::vector<float> depth = {12.0f, 24.0f, 24.0f, 36.0f};
  const std::vector<float> value = {1.0f, 3.0f, 5.0f, 7.0f};
  const SideTable t{depth, value};
  EXPECT_FLOAT_EQ(SideResistanceAtDepth(t, 18.0f), 2.0f);
  EXPECT_FLOAT_EQ(SideResistanceAtDepth(t, 30.0f), 6.0f);
  EXPECT_FLOAT_EQ(SideResistanceAtDepth(t, 50.0f), 7.0f);
  EXPECT_FLOAT_EQ(SideResistanceAtDepth(t, 5.0f), 1.0f);
}

struct SideFamilyCase {
  const char* what;
  int ksoil;
  int KBOUND;
  int point;         // 0-based
  float ratio;       // movement / D
  float share;       // load transfer / tmax
};

class SideCurveFamily : public ::testing::TestWithParam<SideFamilyCase> {};

TEST_P(SideCurveFamily, PointMatchesTheTable) {
  const SideFamilyCase& c = GetParam();
  const TzCurve curve = BuildSideCurve(1, 0.0f, c.ksoil, 20.0f, 30.0f, c.KBOUND);
  EXPECT_FLOAT_EQ(curve.TZW[0], 0.0f);
  EXPECT_FLOAT_EQ(curve.TZT[0], 0.0f);
  EXPECT_NEAR(curve.TZW[c.point], c.ratio * 30.0f, 1e-5f);
  EXPECT_NEAR(curve.TZT[c.point], c.share * 20.0f, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Families, SideCurveFamily,
    ::testing::Values(SideFamilyCase{"sand trend last point at a tenth of D", kSand, kTrendBound, 9, .1f, .95f},
                      SideFamilyCase{"sand upper", kSand, kUpperBound, 4, .005f, .98f},
                      SideFamilyCase{"sand lower", kSand, kLowerBound, 7, .012f, .93f},
                      SideFamilyCase{"clay trend softens", kClay, kTrendBound, 9, .02f, .835f},
                      SideFamilyCase{"clay upper exceeds one", kClay, kUpperBound, 5, .006f, 1.02f},
                      SideFamilyCase{"clay lower", kClay, kLowerBound, 1, .001f, .29f},
                      SideFamilyCase{"shale takes clay", kShale, kTrendBound, 9, .02f, .835f},
                      SideFamilyCase{"gravel takes clay", kGravel, kTrendBound, 9, .02f, .835f},
                      SideFamilyCase{"gravelly sand takes clay", kGravellySand, kTrendBound, 9, .02f, .835f},
                      SideFamilyCase{"weak rock takes clay", kWeakRock, kUpperBound, 4, .005f, 1.01f}),
    test::NameByWhat{});

struct TipFamilyCase {
  const char* what;
  int ksoil;
  int KBOUND;
  int point;
  float share;
};

class TipCurveFamily : public ::testing::TestWithParam<TipFamilyCase> {};

TEST_P(TipCurveFamily, PointMatchesTheTable) {
  const TipFamilyCase& c = GetParam();
  const QwCurve qw = BuildTipCurve(c.ksoil, 48.0f, 1000.0f, c.KBOUND);
  EXPECT_NEAR(qw.QWQ[c.point], c.share * 1000.0f, 1e-3f);
  EXPECT_NEAR(qw.QWW[9], 4.8f, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Families, TipCurveFamily,
    ::testing::Values(TipFamilyCase{"sand exceeds QB beyond five percent", kSand, kTrendBound, 7, 1.015f},
                      TipFamilyCase{"gravelly sand takes sand", kGravellySand, kUpperBound, 9, 1.61f},
                      TipFamilyCase{"gravel takes sand", kGravel, kLowerBound, 4, .52f},
                      TipFamilyCase{"clay", kClay, kTrendBound, 9, .991f},
                      TipFamilyCase{"shale takes clay", kShale, kUpperBound, 1, .59f},
                      TipFamilyCase{"decomposed rock takes clay", kDecomposedRock, kLowerBound, 3, .54f}),
    test::NameByWhat{});

TEST(TipCheck, OnlyANonSandTipBelowTheProfileFails) {
  const LayerProfile profile = BuildLayerProfile(Layers({{kSand, 10.0f}}), CaseHandOver{});
  EXPECT_FALSE(TipBeyondProfile(profile, kSand, 200.0f));
  EXPECT_TRUE(TipBeyondProfile(profile, kGravel, 120.5f));
  EXPECT_TRUE(TipBeyondProfile(profile, kClay, 120.5f));
  EXPECT_FALSE(TipBeyondProfile(profile, kClay, 120.0f));
}

TEST(PrintedDepthSoilType, FirstLayerReachingTheDepth) {
  const LayerProfile profile = BuildLayerProfile(Layers({{kSand, 10.0f}, {kClay, 20.0f}}), CaseHandOver{});
  EXPECT_EQ(SoilTypeAtDepth(profile, 0.0f), kSand);
  EXPECT_EQ(SoilTypeAtDepth(profile, 120.0f), kSand);
  EXPECT_EQ(SoilTypeAtDepth(profile, 120.5f), kClay);
  EXPECT_EQ(SoilTypeAtDepth(profile, 900.0f), kClay);
}

TEST(CurveReading, LinearInsideFlatBeyondTheLastPoint) {
  const TzCurve c = BuildSideCurve(1, 0.0f, kClay, 10.0f, 100.0f, kTrendBound);
  EXPECT_NEAR(CurveValueAt(c.TZW, c.TZT, 0.15f), 5.1f + (7.2f - 5.1f) * 0.5f, 1e-4f);
  EXPECT_FLOAT_EQ(CurveValueAt(c.TZW, c.TZT, 50.0f), 8.35f);
  EXPECT_FLOAT_EQ(CurveValueAt(c.TZW, c.TZT, 0.0f), 0.0f);
}

}  // namespace
}  // namespace tvx
