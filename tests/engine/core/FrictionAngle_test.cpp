#include "FrictionAngle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestText.h"

namespace tvx {
namespace {

struct AngleCase {
  float n, psi, degrees;
};

class FrictionAngleFromBlowCount : public ::testing::TestWithParam<AngleCase> {};

TEST_P(FrictionAngleFromBlowCount, MatchesTheCurves) {
  const AngleCase& c = GetParam();
  EXPECT_NEAR(EstimateFrictionAngle(c.n, c.psi * 144.0f), c.degrees, 1e-4f) << "N=" << c.n << " p=" << c.psi;
}

INSTANTIATE_TEST_SUITE_P(
    Curves, FrictionAngleFromBlowCount,
    ::testing::Values(
        // between the 20 and 40 psi curves: 39 - 10 * 3 / 20
        AngleCase{30, 30, 37.5f},
        // at zero stress the 0 psi curve, interpolated between N 2 and 4
        AngleCase{3, 0, 33.0f},
        // above 40 psi the 40 psi curve
        AngleCase{60, 50, 40.0f}, AngleCase{5, 45, 15.0f},
        // 20..40 psi, the low-N branches and the high-N blend toward 45
        AngleCase{4, 30, 20.0f}, AngleCase{8, 30, 31.0f}, AngleCase{70, 30, 43.5f}, AngleCase{95, 30, 45.0f},
        // below 20 psi: blends of C with 30 degrees, C with B, B with 45
        AngleCase{4, 10, 32.0f}, AngleCase{10, 10, 35.0f}, AngleCase{30, 10, 42.0f}, AngleCase{60, 10, 45.0f},
        // N = 0 below 20 psi: no strength credit at the surface, 30 degrees at 20 psi
        AngleCase{0, 0, 0.0f}, AngleCase{0, 20, 30.0f},
        // N above 90 at 40 psi or more: the last value of the 40 psi curve
        AngleCase{120, 60, 44.0f}),
    [](const auto& info) {
      return "N" + test::CaseName(test::ShortNumber(info.param.n)) + "_at_" +
             test::CaseName(test::ShortNumber(info.param.psi)) + "_psi";
    });

TEST(FrictionAngleFromBlowCount, IsFiniteForDegenerateInputs) {
  for (float n : {-5.0f, 0.0f, 1e-6f, 1e6f, 1e30f})
    for (float s : {-100.0f, 0.0f, 2880.0f, 5760.0f, 1e9f, 1e30f}) {
      const float phi = EstimateFrictionAngle(n, s);
      EXPECT_TRUE(std::isfinite(phi));
      EXPECT_GE(phi, 0.0f);
      EXPECT_LE(phi, 45.0f);
    }
}

}  // namespace
}  // namespace tvx
