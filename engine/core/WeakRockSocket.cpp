#include "WeakRockSocket.h"

#include <algorithm>
#include <cmath>

#include "Constants.h"
#include "WeakRockTables.h"

namespace tvx {
namespace {

constexpr float kAtSurfaceFt = 0.0001f;  // a rock top above it is at the ground surface
constexpr float kDepthTolerance = 1e-4f;  // ft, a bottom this close above the depth reaches it
// pi Lc with Lc in millimetres: 3.1416 x 304.8 as the method rounds it.
constexpr float kPiMmPerFt = 957.5597f;
// The tip factor's 0.0134 Em with Em in kPa: 2 Em (tsf) is Em in ksf, and a ksf is 47.88 kPa.
constexpr float kTipFactorPerTsf = 0.0134f * 47.88f;
constexpr float kNoBlendBelow = 1e-6f;

}  // namespace

bool IsSocketRock(int KSOIL) { return KSOIL == kWeakRock || KSOIL == kStrongRockBoth; }

RockSocket FindRockSocket(const ProblemRecord& problem, int lastEntry, float depth) {
  RockSocket s;
  const int last = std::min(lastEntry, kMaxLayerEntries);
  for (int e = 2; e <= last; ++e) {
    const LayerEntry& layer = problem.layer[e];
    if (!IsSocketRock(layer.KSOIL)) continue;
    if (s.zr < kAtSurfaceFt) s.zr = layer.XTOPSNAP;
    if (layer.XBOTSNAP >= depth - kDepthTolerance) {
      s.entry = e;
      break;
    }
  }
  return s;
}

float SlumpInInches(const ProblemRecord& problem, float slump) {
  return problem.IsSI() ? slump * kInchesPerMetre : slump;
}

float FluidConcreteStress(float slumpIn, float zcFt) {
  const float M = LookupConcretePressureFactor(slumpIn, zcFt);
  return std::max(kConcreteUnitWeight * zcFt * M, 0.0f);
}

bool IsRoughInterface(int ICOND) { return ICOND == 1 || ICOND == 3; }

float MaximumSideShear(bool rough, float qu, float alpha, float phiRcRadians, float modulusRatio) {
  const float fa = rough ? 0.5f * qu : alpha * qu * std::tan(phiRcRadians) / kTan30AsTabulated;
  return std::max(fa, 0.0f) * LookupShearReduction(modulusRatio);
}

float InterfaceAngle(float PHIRCdegrees) { return PHIRCdegrees * kPiAsTabulated / 180.0f; }

SocketFactors ComputeSocketFactors(float Lc, float B, float Ec, float Em) {
  SocketFactors f;
  f.r = std::sqrt(Lc / B);
  const float g = std::log10(Ec / Em);
  f.gamma1 = 0.37f * f.r + 0.13f - 0.15f * (f.r - 1.0f) * g;
  f.gamma2 = 1.14f * f.r - 0.44f - 0.05f * (f.r - 1.0f) * g;
  return f;
}

TipFactor ComputeTipFactor(const SocketFactors& f, float Lc, float B, float Em) {
  TipFactor t;
  if (!(f.gamma1 > 0.0f)) return t;
  const float c1 = 1.0f + Lc / B;
  const float X = 200.0f * c1 * (f.r - f.gamma2) / (kPiMmPerFt * Lc * f.gamma1);
  if (!(X > 0.0f)) return t;
  t.T = 2.0f * Em * kTipFactorPerTsf * (Lc / B) * std::pow(X, 0.67f) / c1;
  t.defined = true;
  return t;
}

float SideShearRatio(const SocketFactors& f, float EmPsf, float wt, float Lc, float fa) {
  return EmPsf * f.gamma2 * wt / (kPiAsTabulated * Lc * fa * f.gamma1);
}

float MobilizedShearShare(float K, float n, bool& defined) {
  if (K <= n) return K;
  const float den = 1.0f - 2.0f * n + K;
  if (den > kNoBlendBelow) return n + (K - n) * (1.0f - n) / den;
  defined = false;
  return 1.0f;
}

float WeakRockBaseLoad(float B, float qu, const TipFactor& tip, float wt) {
  const float bearing = kPsfPerKpaAsTabulated * std::pow(kMmPerFt * wt, 0.67f) * tip.T;
  return kQuarterPiAsTabulated * B * B * std::min(2.5f * qu, bearing);
}

}  // namespace tvx
