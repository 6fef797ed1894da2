#include "WeakRockTables.h"

#include <array>
#include <cstddef>

#include "Interpolation.h"

namespace tvx {
namespace {

// A design chart: columns by the argument u, rows by the argument v; table[row][column].
template <std::size_t R, std::size_t C>
struct Chart {
  std::array<float, C> columns;
  std::array<float, R> rows;
  std::array<std::array<float, C>, R> table;

  // Column c: rows interpolated linearly in v, the first and last row outside them.
  float InColumn(std::size_t c, float v) const {
    std::array<float, R> col{};
    for (std::size_t r = 0; r < R; ++r) col[r] = table[r][c];
    return InterpolateRow(rows, col, v);
  }

  // The column whose range [u_c, u_c+1) holds u (the first at or below the first abscissa,
  // the last at or above the last one), blended linearly in u with the next column.
  float Lookup(float u, float v) const {
    if (!(u > columns.front())) return InColumn(0, v);
    std::size_t c = 0;
    while (c + 1 < C && u >= columns[c + 1]) ++c;
    const float here = InColumn(c, v);
    if (c + 1 == C) return here;
    const float next = InColumn(c + 1, v);
    return here + (u - columns[c]) * (next - here) / (columns[c + 1] - columns[c]);
  }
};

constexpr std::array<float, 4> kRqdPoints = {20.0f, 50.0f, 70.0f, 100.0f};
constexpr std::array<float, 4> kRatioClosedJoints = {0.05f, 0.15f, 0.70f, 1.00f};
constexpr std::array<float, 4> kRatioOpenJoints = {0.05f, 0.10f, 0.30f, 0.60f};

constexpr std::array<float, 6> kRatioPoints = {0.02f, 0.05f, 0.1f, 0.3f, 0.5f, 1.0f};
constexpr std::array<float, 6> kShearReduction = {0.30f, 0.45f, 0.55f, 0.70f, 0.80f, 1.00f};

// Columns: depth zc, ft (4 m steps). Rows: slump, in.
constexpr Chart<3, 4> kConcretePressure = {
    {0.0f, 13.12f, 26.25f, 39.37f},
    {5.0f, 6.89f, 8.86f},
    {{{1.00f, 0.52f, 0.47f, 0.35f}, {1.00f, 0.96f, 0.75f, 0.65f}, {1.00f, 1.00f, 1.00f, 0.90f}}}};

// Columns: sigma_n / pa. Rows: qu, lb/ft^2.
constexpr Chart<6, 7> kAdhesion = {
    {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f},
    {10415.0f, 20830.0f, 41660.0f, 62490.0f, 83320.0f, 104150.0f},
    {{{0.20f, 0.34f, 0.45f, 0.50f, 0.50f, 0.50f, 0.50f},
      {0.145f, 0.235f, 0.30f, 0.36f, 0.40f, 0.44f, 0.47f},
      {0.107f, 0.16f, 0.208f, 0.245f, 0.26f, 0.275f, 0.29f},
      {0.085f, 0.14f, 0.16f, 0.185f, 0.21f, 0.22f, 0.225f},
      {0.07f, 0.118f, 0.14f, 0.155f, 0.16f, 0.168f, 0.172f},
      {0.066f, 0.10f, 0.122f, 0.14f, 0.15f, 0.153f, 0.156f}}}};

// Columns: Em / sigma_n. Rows: qu / pa. The chart's abscissae run on to 4000 without values:
// its 4000 column repeats the 3000 column, so the 3000 values hold from 3000 on.
constexpr Chart<6, 8> kFactorN = {
    {400.0f, 500.0f, 600.0f, 1000.0f, 1500.0f, 2000.0f, 3000.0f, 4000.0f},
    {5.0f, 14.0f, 24.0f, 28.0f, 36.0f, 48.0f},
    {{{0.50f, 0.50f, 0.50f, 0.46f, 0.42f, 0.405f, 0.40f, 0.40f},
      {0.50f, 0.48f, 0.45f, 0.38f, 0.35f, 0.375f, 0.24f, 0.24f},
      {0.472f, 0.42f, 0.375f, 0.29f, 0.255f, 0.145f, 0.075f, 0.075f},
      {0.458f, 0.40f, 0.345f, 0.26f, 0.22f, 0.11f, 0.0f, 0.0f},
      {0.43f, 0.36f, 0.29f, 0.18f, 0.15f, 0.04f, 0.0f, 0.0f},
      {0.40f, 0.30f, 0.21f, 0.08f, 0.05f, 0.018f, 0.0f, 0.0f}}}};

}  // namespace

float LookupModulusRatio(float RQD, int ICOND) {
  const bool openJoints = ICOND == 3 || ICOND == 4;
  return InterpolateRow(kRqdPoints, openJoints ? kRatioOpenJoints : kRatioClosedJoints, RQD);
}

float LookupShearReduction(float modulusRatio) {
  return InterpolateRow(kRatioPoints, kShearReduction, modulusRatio);
}

float LookupConcretePressureFactor(float slumpIn, float zcFt) { return kConcretePressure.Lookup(zcFt, slumpIn); }

float LookupAdhesionFactor(float normalStressRatio, float quPsf) { return kAdhesion.Lookup(normalStressRatio, quPsf); }

float LookupFactorN(float modulusToNormalStress, float quRatio) { return kFactorN.Lookup(modulusToNormalStress, quRatio); }

}  // namespace tvx
