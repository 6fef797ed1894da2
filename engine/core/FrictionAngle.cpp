#include "FrictionAngle.h"

#include <array>

#include "Constants.h"
#include "Interpolation.h"

namespace tvx {
namespace {

// Each curve: blow counts N and the friction angles in degrees at them.
constexpr std::array<float, 7> kBlowsC = {0, 2, 4, 6, 10, 15, 20};
constexpr std::array<float, 7> kAngleC = {0, 32, 34, 36, 38, 42, 45};
constexpr std::array<float, 11> kBlowsB = {6, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};
constexpr std::array<float, 11> kAngleB = {30, 32, 34, 36, 37, 39, 40, 41, 42, 44, 45};
constexpr std::array<float, 17> kBlowsA = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90};
constexpr std::array<float, 17> kAngleA = {31, 32, 34, 35, 36, 36, 37, 38, 39, 39, 40, 41, 42, 42, 43, 44, 44};

}  // namespace

float FrictionCurveC(float blows) { return InterpolateRow(kBlowsC, kAngleC, blows); }
float FrictionCurveB(float blows) { return InterpolateRow(kBlowsB, kAngleB, blows); }
float FrictionCurveA(float blows) { return InterpolateRow(kBlowsA, kAngleA, blows); }

float EstimateFrictionAngle(float blows, float sigmaVPsf) {
  const float n = blows > 0.0f ? blows : 0.0f;
  const float p = sigmaVPsf > 0.0f ? sigmaVPsf / kPsfPerPsi : 0.0f;

  if (p > 20.0f && p < 40.0f) {
    if (n <= 6.0f) return 5.0f * n;
    if (n < 10.0f) return 30.0f + 0.5f * (n - 6.0f);
    if (n <= 55.0f) {
      const float b = FrictionCurveB(n), a = FrictionCurveA(n);
      return b - (p - 20.0f) * (b - a) / 20.0f;
    }
    if (n <= 90.0f) {
      const float a = FrictionCurveA(n);
      return a + (40.0f - p) * (45.0f - a) / 20.0f;
    }
    return 45.0f;
  }
  if (p >= 40.0f) {
    if (n <= 10.0f) return 3.0f * n;
    // Beyond N = 90 the 40 psi curve has no value: it is held at its last value, 44 degrees.
    return FrictionCurveA(n);
  }
  // p <= 20 psi. At N = 0 the 0 psi curve starts at 0 degrees, so the angle grows from 0
  // at the surface to 30 degrees at 20 psi: a blow count of zero gets no strength credit.
  if (n < 6.0f) {
    const float c = FrictionCurveC(n);
    return c - (p / 20.0f) * (c - 30.0f);
  }
  if (n <= 20.0f) {
    const float c = FrictionCurveC(n), b = FrictionCurveB(n);
    return c - (p / 20.0f) * (c - b);
  }
  if (n <= 55.0f) {
    const float b = FrictionCurveB(n);
    return b + (20.0f - p) * (45.0f - b) / 20.0f;
  }
  return 45.0f;
}

}  // namespace tvx
