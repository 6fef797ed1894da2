#include "CohesiveRules.h"

#include <algorithm>
#include <cmath>

#include "Format.h"
#include "ParameterEstimates.h"

namespace tvx {
namespace {

void WriteBlowCountStrengthWarning(UnitTable& units) {
  WriteWarningMessageHead(units, kUnitRockMsg);
  units.Write(kUnitRockMsg, Record().X(5).T("THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE"));
  units.Write(kUnitRockMsg, Record().X(5).T("FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR"));
  units.Write(kUnitRockMsg, Record().X(5).T("THE FINAL DESIGN.  PLEASE INPUT THE UNDRAINED SHEAR"));
  units.Write(kUnitRockMsg, Record().X(5).T("STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN."));
  units.WriteEmpty(kUnitRockMsg, 2);
}

}  // namespace

float CohesiveSideResistance(const CohesiveStep& step, const ResistanceLoading& loading,
                             LayerWorkingState& layerState, CaseRuleState& caseState, UnitTable& units) {
  float cu = step.CU;
  if (cu < 1e-5f) {
    const float n = std::max(step.BLOWS, 0.0f);
    if (step.KSOIL == kShale) {
      cu = kPsfPerTsf * n / 53.0f;
    } else {
      cu = 200.0f * n;
      if (!caseState.clayBlowCountWarned) {
        caseState.clayBlowCountWarned = true;
        WriteBlowCountStrengthWarning(units);
      }
    }
  }
  cu *= UpliftSideFactor(loading);

  if (step.alphaGivenAtBothEnds) layerState.alpha = step.ALPHA;
  float alpha = layerState.alpha;
  if (step.coefEstimated) alpha = std::min(std::max(alpha, 0.25f), 1.2f);
  if (!(alpha > 0.0f)) return 0.0f;

  const float f = NonNegativeFinite(alpha * cu / kPsfPerTsf);
  return NonNegativeFinite(LimitToMaximumTransfer(f, step.TRANLM));
}

float LargeBaseReduction(float Db, float z, float cuTsf) {
  if (!(Db > 6.25f)) return 1.0f;
  const float a = std::min(0.015f, 0.0071f + 0.0021f * std::max(z, 0.0f) / Db);
  const float b = std::min(std::max(0.45f * std::sqrt(2.0f * std::max(cuTsf, 0.0f)), 0.5f), 1.5f);
  return std::min(1.0f, 2.5f / (kInchesPerFoot * a * Db + 2.5f * b));
}

TipResult ClayTipResistance(const CohesiveStep& step, const BaseGeometry& base, LayerWorkingState& layerState) {
  float nc = step.NC;
  // Nc grows with the depth in stem diameters of the run; at the steps shale takes the clay
  // limit of 9 as well.
  if (step.ncEstimated) nc = EstimateNc(step.z, step.DSTART, kClay);
  if (nc > 1e-9f)
    layerState.nc = nc;
  else
    nc = layerState.nc;

  const float cu = std::max(step.cuGivenAtEitherEnd ? step.CU / kPsfPerTsf : step.BLOWS / 10.0f, 0.0f);
  TipResult tip;
  tip.qb = nc * cu;
  if (step.KSOIL != kShale) tip.qb = std::min(tip.qb, 40.0f);
  tip.qb = NonNegativeFinite(tip.qb);
  tip.Qb = NonNegativeFinite(tip.qb * base.Ab * LargeBaseReduction(base.Db, step.z, cu));
  return tip;
}

}  // namespace tvx
