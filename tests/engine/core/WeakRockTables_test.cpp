#include "WeakRockTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestText.h"

namespace tvx {
namespace {

struct ChartCase {
  const char* what;
  float (*lookup)(float, float);
  float u, v;  // as the lookup takes them
  float expected;
};

float ConcretePressure(float slump, float zc) { return LookupConcretePressureFactor(slump, zc); }
float Adhesion(float ratio, float qu) { return LookupAdhesionFactor(ratio, qu); }
float FactorN(float ratio, float quRatio) { return LookupFactorN(ratio, quRatio); }

class WeakRockChart : public ::testing::TestWithParam<ChartCase> {};

TEST_P(WeakRockChart, ReadsTheChartValue) {
  const ChartCase& c = GetParam();
  EXPECT_NEAR(c.lookup(c.u, c.v), c.expected, 1e-5f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Charts, WeakRockChart,
    ::testing::Values(
        // M(slump in, depth ft)
        ChartCase{"M slump below 5 in reads the 5 in row", ConcretePressure, 4.0f, 13.12f, 0.52f},
        ChartCase{"M slump above 8.86 in reads the 8.86 in row", ConcretePressure, 10.0f, 26.25f, 1.00f},
        ChartCase{"M depth of 40 ft reads the 39.37 ft column alone", ConcretePressure, 6.89f, 40.0f, 0.65f},
        ChartCase{"M depth of 39.37 ft is the last column", ConcretePressure, 5.0f, 39.37f, 0.35f},
        ChartCase{"M depth beyond the chart", ConcretePressure, 5.0f, 80.0f, 0.35f},
        ChartCase{"M surface", ConcretePressure, 6.0f, 0.0f, 1.00f},
        ChartCase{"M between depths 0 and 13.12 ft", ConcretePressure, 6.89f, 6.56f, 0.98f},
        ChartCase{"M between slumps 5 and 6.89 in", ConcretePressure, 5.945f, 13.12f, 0.74f},
        // (0.96+1)/2 = 0.98 at 13.12 ft, (0.75+1)/2 = 0.875 at 26.25 ft, halfway between
        ChartCase{"M between rows and columns", ConcretePressure, 7.875f, 19.685f, 0.9275f},
        // alpha(sigma_n / pa, qu psf)
        ChartCase{"alpha halfway between 0.20 and 0.34", Adhesion, 1.5f, 10415.0f, 0.27f},
        ChartCase{"alpha below the first ratio", Adhesion, 0.5f, 10415.0f, 0.20f},
        ChartCase{"alpha beyond both ends", Adhesion, 8.0f, 104150.0f, 0.156f},
        ChartCase{"alpha between the 20830 and 41660 rows", Adhesion, 3.0f, 31245.0f, 0.254f},
        ChartCase{"alpha strength below the first row", Adhesion, 3.0f, 5000.0f, 0.45f},
        ChartCase{"alpha strength above the last row", Adhesion, 2.5f, 200000.0f, 0.111f},
        // n(Em / sigma_n, qu / pa)
        ChartCase{"n 400 or less reads the 400 column", FactorN, 300.0f, 5.0f, 0.50f},
        ChartCase{"n at 400", FactorN, 400.0f, 24.0f, 0.472f},
        ChartCase{"n between 400 and 500", FactorN, 450.0f, 24.0f, 0.446f},
        ChartCase{"n between 2000 and 3000", FactorN, 2500.0f, 14.0f, 0.3075f},
        ChartCase{"n between rows and columns", FactorN, 800.0f, 19.0f, 0.37375f},
        ChartCase{"n qu / pa above the last row", FactorN, 1000.0f, 60.0f, 0.08f},
        // the chart ends at 3000: the 3000 column is held beyond it
        ChartCase{"n at 3000", FactorN, 3000.0f, 14.0f, 0.24f},
        ChartCase{"n beyond 3000, before 4000", FactorN, 3500.0f, 14.0f, 0.24f},
        ChartCase{"n far beyond 3000", FactorN, 10000.0f, 24.0f, 0.075f}),
    test::NameByWhat());

struct RowCase {
  const char* what;
  float argument;
  int ICOND;  // 0: the shear reduction
  float expected;
};

class WeakRockRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(WeakRockRow, InterpolatesTheRow) {
  const RowCase& c = GetParam();
  const float got = c.ICOND == 0 ? LookupShearReduction(c.argument) : LookupModulusRatio(c.argument, c.ICOND);
  EXPECT_NEAR(got, c.expected, 1e-6f) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WeakRockRow,
    ::testing::Values(RowCase{"RQD below 20", 10.0f, 1, 0.05f}, RowCase{"closed joints, RQD 60", 60.0f, 1, 0.425f},
                      RowCase{"open joints, RQD 60", 60.0f, 3, 0.20f},
                      RowCase{"smooth closed joints, RQD 85", 85.0f, 2, 0.85f},
                      RowCase{"smooth open joints above 100", 120.0f, 4, 0.60f},
                      RowCase{"closed joints at 100", 100.0f, 2, 1.00f},
                      RowCase{"ratio below 0.02", 0.01f, 0, 0.30f}, RowCase{"ratio 0.2", 0.2f, 0, 0.625f},
                      RowCase{"ratio 0.75", 0.75f, 0, 0.90f}, RowCase{"ratio above 1", 2.0f, 0, 1.00f}),
    test::NameByWhat());

TEST(WeakRockCharts, FactorNIsContinuousAtTheEndOfTheChart) {
  for (float q : {5.0f, 14.0f, 24.0f, 30.0f})
    EXPECT_NEAR(LookupFactorN(2999.9f, q), LookupFactorN(3000.1f, q), 1e-4f) << "qu/pa " << q;
}

TEST(WeakRockCharts, GiveFiniteValuesForAnyArgument) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float u : {nan, -inf, -1.0f, 0.0f, 1.0f, 450.0f, 1e9f, inf})
    for (float v : {nan, -inf, -1.0f, 0.0f, 7.0f, 30000.0f, 1e9f, inf}) {
      for (float got : {LookupConcretePressureFactor(v, u), LookupAdhesionFactor(u, v), LookupFactorN(u, v),
                        LookupModulusRatio(u, 1), LookupModulusRatio(u, 4), LookupShearReduction(u)}) {
        EXPECT_TRUE(std::isfinite(got));
        EXPECT_GE(got, 0.0f);
        EXPECT_LE(got, 1.0f);
      }
    }
}

}  // namespace
}  // namespace tvx
