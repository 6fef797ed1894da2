#include "SoilProfile.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "InputConversion.h"
#include "InputReader.h"

namespace tvx {
namespace {

struct TestLayer {
  float bottom, gammaTop, gammaBot;
};

ProblemRecord Profile(std::initializer_list<TestLayer> layers, float wtd) {
  ProblemRecord p;
  p.WTD = wtd;
  int i = 1;
  float top = 0.0f;
  for (const TestLayer& l : layers) {
    LayerEntry& e = p.layer[++i];
    e.KSOIL = kClay;
    e.XTOP = top;
    e.XBOT = l.bottom;
    e.GAMMA = {l.gammaTop, l.gammaBot};
    top = l.bottom;
  }
  p.NLAYERS = i;
  return p;
}

struct StressCase {
  const char* name;
  ProblemRecord profile;
  float z;
  float psf;  // by hand, slice by slice
};

class EffectiveStressAt : public ::testing::TestWithParam<StressCase> {};

TEST_P(EffectiveStressAt, SumsWholeFootSlices) {
  const StressCase& c = GetParam();
  EXPECT_NEAR(EffectiveStress(c.profile, c.z), c.psf, 1e-3f * (1.0f + c.psf)) << "z = " << c.z;
}

const ProblemRecord kUniform = Profile({{30, 120, 120}}, 100);
const ProblemRecord kWaterAt10_5 = Profile({{30, 120, 120}}, 10.5f);
const ProblemRecord kTwoDry = Profile({{12.25f, 120, 120}, {40, 100, 100}}, 100);
const ProblemRecord kLinear = Profile({{10, 100, 120}}, 100);
const ProblemRecord kThinMiddle = Profile({{5.2f, 120, 120}, {5.6f, 100, 100}, {20, 110, 110}}, 100);

INSTANTIATE_TEST_SUITE_P(
    Slices, EffectiveStressAt,
    ::testing::Values(
        StressCase{"AboveTheFirstFoot", kUniform, 0.9f, 0.0f},
        StressCase{"AtTheSurface", kUniform, 0.0f, 0.0f},
        StressCase{"TenFeet", kUniform, 10.0f, 1200.0f},
        // the fraction below the whole foot does not count
        StressCase{"TenPointNine", kUniform, 10.9f, 1200.0f},
        // the slice from 10 to 11 ft ends below the water table at 10.5 ft: wholly submerged
        StressCase{"SliceEndingBelowWater", kWaterAt10_5, 11.0f, 1200.0f + 57.6f},
        StressCase{"TwoSubmergedSlices", kWaterAt10_5, 12.0f, 1200.0f + 2 * 57.6f},
        // 12 x 120, then 0.25 x 120 + 0.75 x 100 = 105 for the slice across 12.25 ft
        StressCase{"SliceAcrossALayerBottom", kTwoDry, 13.0f, 1440.0f + 105.0f},
        StressCase{"BelowTheBoundarySlice", kTwoDry, 15.0f, 1545.0f + 200.0f},
        // unit weight at each slice's lower end: 102, 104, ..., 120
        StressCase{"LinearUnitWeight", kLinear, 10.0f, 1110.0f},
        // below the last layer: the last slice counts to the bottom only, deeper ones not
        StressCase{"BelowTheProfile", Profile({{10.5f, 100, 100}}, 100), 15.0f, 1050.0f},
        StressCase{"FarBelowTheProfile", Profile({{10.5f, 100, 100}}, 100), 1e30f, 1050.0f},
        // a slice across two bottoms: 0.2 x 120 + 0.4 x 100 + 0.4 x 110
        StressCase{"SliceAcrossTwoBottoms", kThinMiddle, 6.0f, 600.0f + 24.0f + 40.0f + 44.0f},
        StressCase{"AfterTheThinLayer", kThinMiddle, 8.0f, 708.0f + 220.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EffectiveStress, NoLayersGiveNoStress) {
  ProblemRecord p;
  p.NLAYERS = 1;
  EXPECT_EQ(EffectiveStress(p, 20.0f), 0.0f);
}

struct SnapCase {
  float bottom, snapped;
};

TEST(LayerBottoms, SnapToTheNearestWholeFootHalfUp) {
  const SnapCase cases[] = {{12.5f, 13.0f}, {12.49f, 12.0f}, {12.0f, 12.0f}, {0.4f, 0.0f}, {9.8424f, 10.0f}};
  for (const SnapCase& c : cases) EXPECT_EQ(RoundToWholeFoot(c.bottom), c.snapped) << c.bottom;
}

TEST(LayerBottoms, SnappingKeepsTheDepthsAsRead) {
  ProblemRecord p = Profile({{12.25f, 120, 120}, {20.5f, 100, 100}, {31.4f, 110, 110}}, 100);
  const float before = EffectiveStress(p, 13.0f);
  SnapLayerBottoms(p);
  const float expected[][2] = {{0, 12}, {12, 21}, {21, 31}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p.layer[i + 2].XTOPSNAP, expected[i][0]);
    EXPECT_EQ(p.layer[i + 2].XBOTSNAP, expected[i][1]);
  }
  EXPECT_FLOAT_EQ(p.layer[2].XBOT, 12.25f);
  EXPECT_FLOAT_EQ(p.layer[3].XTOP, 12.25f);
  // The effective stress still splits the slice at 12.25 ft.
  EXPECT_FLOAT_EQ(EffectiveStress(p, 13.0f), before);
}

TEST(LayerBottoms, SiLayerOfThreeMetresIsTenFeetDeep) {
  const std::string text =
      "si\r\n2\r\n2 1 1 1 0 2 0 0 0 0 0\r\n1 1 0 0 0 0 25000000\r\n2 2 8 2 3\r\n"
      "2 3.0 \r\n0 18 0.0 50 0 0 0 1 1 \r\n0 18 0.0 50 0 0 0 1 1 \r\n0 0\r\n"
      "2 12 \r\n0 19 0.0 80 0 0 0 1 1 \r\n0 19 0.0 80 0 0 0 1 1 \r\n0 0\r\n";
  ProblemRecord p;
  InputError e;
  ASSERT_TRUE(ReadProblemText(text, p, e)) << e.problem;
  ConvertProblemUnits(p);
  SnapLayerBottoms(p);
  EXPECT_NEAR(p.layer[2].XBOT, 9.8424f, 1e-4f);
  EXPECT_EQ(p.layer[2].XBOTSNAP, 10.0f);
  EXPECT_EQ(p.layer[3].XTOPSNAP, 10.0f);
  EXPECT_NEAR(p.layer[3].XTOP, 9.8424f, 1e-4f);
  EXPECT_EQ(p.layer[3].XBOTSNAP, 39.0f);  // 12 m = 39.37 ft
}

TEST(InterpolateInLayer, RunsOverTheSnappedThickness) {
  LayerEntry layer;
  layer.XTOPSNAP = 12.0f;
  layer.XBOTSNAP = 22.0f;
  const EndValues cu{1000.0f, 2000.0f};
  struct {
    float x, value;
  } cases[] = {{0, 1000}, {1, 1100}, {5, 1500}, {10, 2000}, {12, 2200}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(InterpolateInLayer(layer, cu, c.x), c.value) << c.x;

  layer.XBOTSNAP = 12.0f;  // a layer that snapped to no thickness
  EXPECT_FLOAT_EQ(InterpolateInLayer(layer, cu, 0.0f), 1000.0f);
}

}  // namespace
}  // namespace tvx
