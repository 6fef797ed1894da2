#include "CohesionlessRules.h"

#include <algorithm>
#include <cmath>

#include "FrictionAngle.h"
#include "ParameterEstimates.h"
#include "ProfileMessages.h"

namespace tvx {
namespace {

float Clamp(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

bool UsesBetaMethod(const CohesionlessStep& step) {
  return step.KSOIL == kGravellySand || step.KSOIL == kGravel || step.sandMethod == kBetaMethod;
}

}  // namespace

CohesionlessWorking CohesionlessWorkingValues(const CohesionlessStep& step, LayerWorkingState& layerState,
                                              UnitTable& units) {
  CohesionlessWorking w;
  w.N = step.BLOWS;
  w.phi = step.PHI / kDegreesPerRadianAsTabulated;
  w.delta = step.IANG / kDegreesPerRadianAsTabulated;
  if (w.delta == 0.0f) w.delta = w.phi;

  if (step.coefGivenAtBothEnds) layerState.coef = step.coef;
  float c = layerState.coef;
  if (step.coefEstimated) {
    if (step.KSOIL == kSand && step.sandMethod == kBetaMethod)
      c = EstimateSandBeta(step.z, w.N);
    else
      c = Clamp(c, 0.25f, 1.2f);
    if (step.KSOIL == kGravellySand) c = EstimateGravellySandBeta(step.z);
    if (step.KSOIL == kGravel) c = EstimateGravelBeta(step.z);
  }
  w.coef = c;

  if (step.KSOIL == kSand) {
    w.missingStrength = w.N < 0.001f && w.phi < 0.001f;
    if (w.missingStrength) {
      WriteSandStrengthMissing(units);
    } else if (w.phi < 1e-5f) {
      w.phi = EstimateFrictionAngle(w.N, step.sigmaV) / kDegreesPerRadianAsTabulated;
      w.delta = w.phi;
    }
  }
  return w;
}

float CohesionlessSideResistance(const CohesionlessStep& step, const CohesionlessWorking& w,
                                 const ResistanceLoading& loading) {
  if (!(w.coef > 0.0f)) return 0.0f;
  const float sigmaV = std::max(step.sigmaV, 0.0f);
  float f = 0.0f;

  if (UsesBetaMethod(step)) {
    // Stress at the middle of the one-foot slice above z.
    const float halfSlice = step.z > step.WTD ? 0.5f * (step.GAMMA - kWaterUnitWeight) : 0.5f * step.GAMMA;
    const float sigmaMid = std::max(sigmaV - halfSlice, 0.0f);
    f = w.coef * sigmaMid / kPsfPerTsf;
    if (IsUplift(loading)) f *= loading.RCYCL;
    if (step.KSOIL != kGravel) f = std::min(f, 2.1f);
  } else {
    const float s = sigmaV * std::tan(std::max(w.delta, 0.0f)) * UpliftSideFactor(loading);
    if (step.sandMethod == kKoMethod) {
      f = w.coef * s / kPsfPerTsf;
    } else {
      // Kulhawy and Chen: the preconsolidation stress 0.47 pa N^m, earth pressure at rest
      // of the overconsolidated sand, at most the passive pressure.
      const float m = w.coef;
      float ocr = 1.0f;
      if (w.N > 0.0f && sigmaV > 0.0f) ocr = std::max(1.0f, 0.47f * kAtmospherePsf * std::pow(w.N, m) / sigmaV);
      const float phi = std::max(w.phi, 0.0f);
      const float sinPhi = std::sin(phi);
      const float k0 = (1.0f - sinPhi) * std::pow(ocr, sinPhi);
      const float tp = std::tan(kQuarterPi + 0.5f * phi);
      const float kp = tp * tp;
      f = std::min(k0, kp) * s / kPsfPerTsf;
    }
  }
  return NonNegativeFinite(LimitToMaximumTransfer(NonNegativeFinite(f), step.TRANLM));
}

TipResult SandTipResistance(const CohesionlessWorking& w, float z, const BaseGeometry& base, int IMOD) {
  TipResult tip;
  if (w.N > 0.0f) {
    tip.qb = w.N >= 50.0f ? 30.0f : std::min(30.0f, 0.6f * w.N);
    tip.Qb = tip.qb * base.Ab;
  } else {
    const float phiDeg = w.phi * kDegreesPerRadianAsTabulated;
    if (!(phiDeg > 30.0f)) {
      tip.Qb = 1e-5f;  // no area factor and no reductions
      return tip;
    }
    if (phiDeg <= 36.0f)
      tip.Qb = 2.667f * (phiDeg - 30.0f) * base.Ab;
    else if (phiDeg <= 41.0f)
      tip.Qb = (16.0f + 2.8f * (phiDeg - 36.0f)) * base.Ab;
    else
      tip.Qb = 30.0f * base.Ab;
  }
  if (IMOD == 1) {
    // A base wider than 50 in carries 50 / (base in inches) of the unit bearing; above ten
    // base diameters the bearing grows linearly from zero at the ground.
    if (base.Db > 4.17f) tip.Qb *= 50.0f / (kInchesPerFoot * base.Db);
    if (z < 10.0f * base.Db) tip.Qb *= std::max(z, 0.0f) / (10.0f * base.Db);
  }
  tip.qb = NonNegativeFinite(tip.qb);
  tip.Qb = NonNegativeFinite(tip.Qb);
  return tip;
}

}  // namespace tvx
