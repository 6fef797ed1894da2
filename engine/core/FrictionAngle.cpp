#include "FrictionAngle.h"

#include <array>
#include <cstddef>

namespace tvx {
namespace {

constexpr float kPsfPerPsi = 144.0f;

struct CurvePoint {
  float n, phi;
};

template <std::size_t K>
float Interpolate(const std::array<CurvePoint, K>& curve, float n) {
  if (n <= curve.front().n) return curve.front().phi;
  for (std::size_t i = 1; i < K; ++i) {
    if (n <= curve[i].n) {
      const CurvePoint& a = curve[i - 1];
      const CurvePoint& b = curve[i];
      return a.phi + (n - a.n) * (b.phi - a.phi) / (b.n - a.n);
    }
  }
  return curve.back().phi;
}

constexpr std::array<CurvePoint, 7> kCurveC = {{{0, 0}, {2, 32}, {4, 34}, {6, 36}, {10, 38}, {15, 42}, {20, 45}}};
constexpr std::array<CurvePoint, 11> kCurveB = {{{6, 30}, {10, 32}, {15, 34}, {20, 36}, {25, 37}, {30, 39},
                                                 {35, 40}, {40, 41}, {45, 42}, {50, 44}, {55, 45}}};
constexpr std::array<CurvePoint, 17> kCurveA = {{{10, 31}, {15, 32}, {20, 34}, {25, 35}, {30, 36}, {35, 36},
                                                 {40, 37}, {45, 38}, {50, 39}, {55, 39}, {60, 40}, {65, 41},
                                                 {70, 42}, {75, 42}, {80, 43}, {85, 44}, {90, 44}}};

}  // namespace

float FrictionCurveC(float blows) { return Interpolate(kCurveC, blows); }
float FrictionCurveB(float blows) { return Interpolate(kCurveB, blows); }
float FrictionCurveA(float blows) { return Interpolate(kCurveA, blows); }

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
