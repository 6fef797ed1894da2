#include "ParameterEstimates.h"

#include <algorithm>
#include <cmath>

#include "FrictionAngle.h"
#include "SoilProfile.h"
#include "Constants.h"

namespace tvx {
namespace {

constexpr float kEchoThreshold = 1e-8f;         // below it at both ends: estimated and marked
constexpr float kCoefficientThreshold = 1e-5f;  // below it at both ends: default, flagged
constexpr float kDefaultCoefficient = 0.25f;    // Ko and Kulhawy-Chen m when not given

bool BothBelow(const EndValues& v, float limit) { return v.top < limit && v.bot < limit; }

void Mark(EndMarks& m) { m.top = m.bot = true; }

}  // namespace

float EstimateSandBeta(float z, float blows) {
  float beta = 1.5f - 0.135f * std::sqrt(std::max(z, 0.0f));
  if (blows > 0.0f && blows < 15.0f) beta = beta * blows / 15.0f;
  return std::clamp(beta, 0.25f, 1.2f);
}

float EstimateGravellySandBeta(float z) {
  const float beta = 2.0f - 0.15f * std::pow(kMPerFt * std::max(z, 0.0f), 0.75f);
  return std::clamp(beta, 0.25f, 1.8f);
}

float EstimateGravelBeta(float z) {
  const float beta = 3.4f * std::exp(-0.085f * kMPerFt * std::max(z, 0.0f));
  return std::clamp(beta, 0.25f, 3.0f);
}

float EstimateAlpha(float cuPsf) {
  const float r = cuPsf / kAtmospherePsfClay;
  if (r <= 1.5f) return 0.55f;
  if (r < 2.5f) return 0.55f - 0.1f * (r - 1.5f);
  return 0.4f;
}

float EstimateNc(float z, float dstart, int ksoil) {
  const float limit = ksoil == kShale ? 7.0f : 9.0f;
  if (!(dstart > 0.0f)) return limit;
  return std::min(6.0f * (1.0f + 0.2f * z / dstart), limit);
}

void EstimateCohesionlessCoefficients(ProblemRecord& p, int entry) {
  LayerEntry& L = p.layer[entry];
  if (!IsCohesionless(L.KSOIL)) return;
  const float zt = L.XTOP, zb = L.XBOT;

  if (L.KSOIL == kSand) {
    if (L.sandMethod == kBetaMethod && BothBelow(L.BETA, kEchoThreshold)) {
      L.BETA = {EstimateSandBeta(zt, L.BLOWS.top), EstimateSandBeta(zb, L.BLOWS.bot)};
      Mark(L.markBETA);
    }
    // The Kulhawy and Chen exponent left at zero: the overconsolidation ratio comes from
    // the program's default exponent, and the echo marks it.
    if (L.sandMethod == kKulhawyChenMethod && BothBelow(L.KCM, kEchoThreshold)) Mark(L.markKCM);
    if ((L.BLOWS.top > 0.0f || L.BLOWS.bot > 0.0f) && BothBelow(L.PHI, kEchoThreshold)) {
      L.PHI = {EstimateFrictionAngle(L.BLOWS.top, EffectiveStress(p, zt)),
               EstimateFrictionAngle(L.BLOWS.bot, EffectiveStress(p, zb))};
      Mark(L.markPHI);
    }
    if (BothBelow(L.IANG, kEchoThreshold)) L.IANG = L.PHI;
  }

  if (BothBelow(L.COEF, kCoefficientThreshold)) {
    L.coefEstimated = true;
    switch (L.KSOIL) {
      case kSand:
        if (L.sandMethod == kBetaMethod) {
          L.COEF = {EstimateSandBeta(zt, L.BLOWS.top), EstimateSandBeta(zb, L.BLOWS.bot)};
          L.BETA = L.COEF;
        } else {
          L.COEF = {kDefaultCoefficient, kDefaultCoefficient};
          if (L.sandMethod == kKulhawyChenMethod) L.KCM = L.COEF;
        }
        break;
      case kGravellySand:
        L.COEF = {EstimateGravellySandBeta(zt), EstimateGravellySandBeta(zb)};
        L.BETA = L.COEF;
        break;
      default:
        L.COEF = {EstimateGravelBeta(zt), EstimateGravelBeta(zb)};
        L.BETA = L.COEF;
        break;
    }
  }
}

void EstimateCohesiveCoefficients(ProblemRecord& p, int entry) {
  LayerEntry& L = p.layer[entry];
  if (!IsCohesive(L.KSOIL)) return;

  if (BothBelow(L.ALPHA, kCoefficientThreshold)) {
    if (BothBelow(L.ALPHA, kEchoThreshold)) Mark(L.markALPHA);
    L.ALPHA = {EstimateAlpha(L.CU.top), EstimateAlpha(L.CU.bot)};
    L.coefEstimated = true;
  }
  if (BothBelow(L.NC, kCoefficientThreshold)) {
    if (BothBelow(L.NC, kEchoThreshold)) Mark(L.markNC);
    L.NC = {EstimateNc(L.XTOP, p.DSTART, L.KSOIL), EstimateNc(L.XBOT, p.DSTART, L.KSOIL)};
  }
}

void EstimateLayerParameters(ProblemRecord& p) {
  for (int i = 2; i <= p.NLAYERS && i <= kMaxLayerEntries; ++i) {
    LayerEntry& L = p.layer[i];
    L.ncEstimated = BothBelow(L.NC, kCoefficientThreshold);
    EstimateCohesionlessCoefficients(p, i);
    EstimateCohesiveCoefficients(p, i);
  }
}

bool HasEstimatedValues(const ProblemRecord& p) {
  auto any = [](const EndMarks& m) { return m.top || m.bot; };
  for (int i = 2; i <= p.NLAYERS && i <= kMaxLayerEntries; ++i) {
    const LayerEntry& L = p.layer[i];
    if (L.KSOIL == kSand && L.sandMethod == kKulhawyChenMethod) return true;
    if (any(L.markPHI) || any(L.markBETA) || any(L.markKCM) || any(L.markALPHA) || any(L.markNC)) return true;
  }
  return false;
}

}  // namespace tvx
