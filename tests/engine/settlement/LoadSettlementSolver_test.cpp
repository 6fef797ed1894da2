#include "LoadSettlementSolver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestText.h"

namespace tvx {
namespace {

TEST(TipMovements, LastThreeFollowTheShaftDiameter) {
  struct Case {
    float D;
    float m13, m14, m15;
  };
  for (const Case& c : {Case{6.0f, 0.625f, 0.78125f, 0.9765625f}, Case{100.0f, 1.0f, 2.5f, 5.0f}}) {
    const auto m = TipMovements(c.D);
    EXPECT_FLOAT_EQ(m[3], 0.005f);
    EXPECT_FLOAT_EQ(m[11], 0.5f);
    EXPECT_FLOAT_EQ(m[12], c.m13) << c.D;
    EXPECT_FLOAT_EQ(m[13], c.m14) << c.D;
    EXPECT_FLOAT_EQ(m[14], c.m15) << c.D;
  }
}

TEST(AxialStiffness, StraightShaftIsConstant_BellGrowsToTheBase) {
  const ShaftModel straight = BuildShaftModel(360.0f, 36.0f, 36.0f, 0.0f, 4.0e6f, 30, 0.0f, 360.0f);
  const float stem = 4.0e6f * 0.7854f * 36.0f * 36.0f;
  for (float z : {0.0f, 100.0f, 359.0f, 360.0f}) EXPECT_FLOAT_EQ(AxialStiffnessAt(straight, z), stem) << z;

  const ShaftModel belled = BuildShaftModel(360.0f, 36.0f, 72.0f, 48.0f, 4.0e6f, 30, 0.0f, 360.0f);
  const float base = 4.0e6f * 0.7854f * 72.0f * 72.0f;
  EXPECT_FLOAT_EQ(AxialStiffnessAt(belled, 312.0f), stem);
  EXPECT_NEAR(AxialStiffnessAt(belled, 336.0f), 0.5f * (stem + base), 1e-6f * base);
  EXPECT_FLOAT_EQ(AxialStiffnessAt(belled, 360.0f), base);
}

TEST(LoadTransfer, InterpolatesInDepthBetweenCurves) {
  std::vector<TzCurve> curves = {BuildSideCurve(1, 0.0f, kClay, 10.0f, 36.0f, kTrendBound),
                                 BuildSideCurve(2, 100.0f, kClay, 20.0f, 36.0f, kTrendBound)};
  const float w = 10.0f;  // beyond both curves: their last values
  EXPECT_NEAR(LoadTransferAt(curves, 25.0f, w), 0.835f * 12.5f, 1e-4f);
  EXPECT_NEAR(LoadTransferAt(curves, 100.0f, w), 0.835f * 20.0f, 1e-4f);
  EXPECT_NEAR(LoadTransferAt(curves, 500.0f, w), 0.835f * 20.0f, 1e-4f);
}

TEST(SolveShaft, NoSideTransferAboveTheIgnoredTop_TopMovesByElasticShorteningOnly) {
  const float L = 360.0f, D = 36.0f, Ec = 4.0e6f, Q = 150000.0f, m = 0.25f;
  const std::vector<TzCurve> curves = {BuildSideCurve(1, 0.0f, kSand, 15.0f, D, kTrendBound),
                                       BuildSideCurve(2, 360.0f, kSand, 15.0f, D, kTrendBound)};
  const ShaftModel shaft = BuildShaftModel(L, D, D, 0.0f, Ec, 30, L, L);
  const ShaftSolution sol = SolveShaft(shaft, curves, m, Q, kSegmentRoundLimit);
  const double shortening = static_cast<double>(Q) * L / (Ec * 3.14159265 / 4.0 * D * D);
  EXPECT_FLOAT_EQ(sol.topLoad, Q);
  EXPECT_NEAR(sol.topMove - m, shortening, 1e-4 * shortening);
  EXPECT_EQ(sol.unconverged, 0);
}

// One 10 ft segment of a 12 in shaft, moved far beyond the clay curve's last point so the
// load transfer is the flat 0.835 tmax: side area 3.1416 x 12 x 120 = 4523.904 sq in, load
// taken 37774.6 lb, middle load 68887.3 lb, AE = 4e6 x 0.7854 x 144 = 452390400 lb.
TEST(SolveShaft, OneSegment_LoadsAndMovementsMatchHandValues) {
  const std::vector<TzCurve> curves = {BuildSideCurve(1, 0.0f, kClay, 10.0f, 12.0f, kTrendBound),
                                       BuildSideCurve(2, 120.0f, kClay, 10.0f, 12.0f, kTrendBound)};
  const ShaftModel shaft = BuildShaftModel(120.0f, 12.0f, 12.0f, 0.0f, 4.0e6f, 1, 0.0f, 120.0f);
  const ShaftSolution sol = SolveShaft(shaft, curves, 1.0f, 50000.0f, kSegmentRoundLimit);
  ASSERT_EQ(sol.segments.size(), 1u);
  const SegmentState& s = sol.segments.front();
  EXPECT_FLOAT_EQ(s.zMid, 60.0f);
  EXPECT_NEAR(s.t, 8.35f, 1e-5f);
  EXPECT_NEAR(s.dQ, 37774.6f, 0.1f);
  EXPECT_NEAR(s.Pm, 68887.3f, 0.1f);
  EXPECT_NEAR(sol.topLoad, 87774.6f, 0.1f);
  EXPECT_NEAR(s.delta, 0.0182729f, 1e-6f);
  EXPECT_NEAR(sol.topMove, 1.0182729f, 1e-6f);
  // The middle moves by a quarter segment under the mean of the bottom and the segment loads.
  EXPECT_NEAR(s.wMid, 1.0078839f, 1e-6f);
  EXPECT_TRUE(s.converged);
}

TEST(SolveShaft, RoundLimitTakesTheLastValuesAndSaysWhere) {
  const std::vector<TzCurve> curves = {BuildSideCurve(1, 0.0f, kSand, 15.0f, 36.0f, kTrendBound),
                                       BuildSideCurve(2, 360.0f, kSand, 15.0f, 36.0f, kTrendBound)};
  const ShaftModel shaft = BuildShaftModel(360.0f, 36.0f, 36.0f, 0.0f, 4.0e6f, 30, 0.0f, 360.0f);
  const ShaftSolution sol = SolveShaft(shaft, curves, 0.001f, 1.0e6f, 1);
  EXPECT_GT(sol.unconverged, 0);
  EXPECT_FLOAT_EQ(sol.firstUnconvergedDepth, 354.0f);
  EXPECT_TRUE(std::isfinite(sol.topLoad));
  EXPECT_GT(sol.topLoad, 1.0e6f);
}

struct SettlementCase {
  const char* what;
  float s;
  float expectedTip;
};

class DefinedSettlement : public ::testing::TestWithParam<SettlementCase> {};

TEST_P(DefinedSettlement, TipMovementFromTheSolvedPairs) {
  std::array<float, kTipMovements> top{}, tip{};
  for (int k = 0; k < kTipMovements; ++k) {
    top[k] = 0.1f * static_cast<float>(k + 1);
    tip[k] = 0.05f * static_cast<float>(k + 1);
  }
  top[5] = top[4];  // rows 5 and 6 (1-based) share a top movement
  tip[14] = 0.9f;   // the last segment is steeper: 0.2 over 0.1
  EXPECT_NEAR(TipMovementForSettlement(top, tip, GetParam().s), GetParam().expectedTip, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, DefinedSettlement,
    ::testing::Values(SettlementCase{"below the first gives no tip movement", 0.05f, 0.0f},
                      SettlementCase{"at the first", 0.1f, 0.05f},
                      SettlementCase{"between rows", 0.25f, 0.125f},
                      SettlementCase{"equal top movements take the mean", 0.5f, 0.275f},
                      SettlementCase{"above the last extends the last segment", 1.7f, 0.9f + 2.0f * 0.2f}),
    test::NameByWhat{});

}  // namespace
}  // namespace tvx
