#include "RockSocketTables.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "Interpolation.h"
#include "ProblemRecord.h"
#include "WholeNumbers.h"

namespace tvx {
namespace {

constexpr std::array<float, 12> kRqd = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100};
constexpr std::array<float, 12> kRockMassRatio = {0.10f, 0.105f, 0.11f, 0.12f, 0.13f, 0.14f,
                                                  0.17f, 0.20f,  0.47f, 0.73f, 0.85f, 1.00f};

constexpr std::array<float, 10> kEta = {0, 1, 2, 4, 5, 6, 8, 10, 12, 20};
constexpr std::array<float, 10> kC10 = {1.1f, 0.50f, 0.44f, 0.395f, 0.385f, 0.375f, 0.373f, 0.37f, 0.367f, 0.365f};
constexpr std::array<float, 10> kC50 = {1.1f, 0.45f, 0.35f, 0.28f, 0.26f, 0.24f, 0.23f, 0.215f, 0.205f, 0.20f};
constexpr std::array<float, 10> kC100 = {1.1f, 0.43f, 0.34f, 0.255f, 0.235f, 0.21f, 0.19f, 0.18f, 0.16f, 0.155f};
constexpr std::array<float, 10> kC5000 = {1.1f, 0.40f, 0.33f, 0.23f, 0.21f, 0.19f, 0.16f, 0.13f, 0.11f, 0.085f};

constexpr int kSidePoints = 21;
constexpr float kSideStep = 0.001f;
using SideRow = std::array<float, kSidePoints>;
constexpr SideRow kSandLower = {0,    0.22f, 0.40f, 0.54f, 0.67f, 0.74f, 0.82f, 0.87f, 0.90f, 0.92f, 0.93f,
                                0.93f, 0.93f, 0.93f, 0.92f, 0.92f, 0.92f, 0.91f, 0.91f, 0.90f, 0.90f};
constexpr SideRow kClayLower = {0,    0.29f, 0.52f, 0.70f, 0.78f, 0.84f, 0.87f, 0.89f, 0.89f, 0.88f, 0.87f,
                                0.86f, 0.85f, 0.84f, 0.83f, 0.82f, 0.80f, 0.78f, 0.77f, 0.76f, 0.75f};
constexpr SideRow kSandUpper = {0,    0.45f, 0.76f, 0.90f, 0.95f, 0.98f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f,
                                1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f};
constexpr SideRow kClayUpper = {0,    0.74f, 0.92f, 0.97f, 1.00f, 1.01f, 1.02f, 1.02f, 1.02f, 1.01f, 1.01f,
                                1.00f, 1.00f, 0.99f, 0.98f, 0.97f, 0.96f, 0.95f, 0.94f, 0.93f, 0.92f};

}  // namespace

float LookupRockMassRatio(float RQD) { return InterpolateRow(kRqd, kRockMassRatio, RQD); }

float LookupInfluenceFactor(float eta, float x) {
  const float c10 = InterpolateRow(kEta, kC10, eta);
  const float c50 = InterpolateRow(kEta, kC50, eta);
  const float c100 = InterpolateRow(kEta, kC100, eta);
  const float c5000 = InterpolateRow(kEta, kC5000, eta);
  if (!(x >= 10.0f)) return c10;
  if (x < 50.0f) return c10 - (x - 10.0f) * (c10 - c50) / 40.0f;
  if (x < 100.0f) return c50 - (x - 50.0f) * (c50 - c100) / 50.0f;
  if (x < 5000.0f) return c100 - (x - 100.0f) * (c100 - c5000) / 4900.0f;
  return c5000;
}

SideLoadCurve SideLoadCurveOf(int KSOIL) { return IsCohesionless(KSOIL) ? SideLoadCurve::kSand : SideLoadCurve::kClay; }

float LookupSideLoadRatio(float m, SideLoadCurve curve, int pass) {
  const bool upper = pass >= 2;
  const SideRow& row = curve == SideLoadCurve::kSand ? (upper ? kSandUpper : kSandLower)
                                                      : (upper ? kClayUpper : kClayLower);
  if (!(m > 0.0f)) return row.front();
  const float u = m / kSideStep;
  if (u >= kSidePoints - 1) return row.back();
  const int i = IntegerPartWithin(u, 0, kSidePoints - 2);
  return row[i] + (u - static_cast<float>(i)) * (row[i + 1] - row[i]);
}

}  // namespace tvx
