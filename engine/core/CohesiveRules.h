// Unit side resistance and tip resistance of a drilled shaft in clay and in clay shale at
// one depth step of a case.
//
// Calling order at a step in a layer of type 2 or 3:
//   f   = CohesiveSideResistance(step, loading, layerState, caseState, units);  // tsf
//   tip = ClayTipResistance(step, base, layerState);                            // tsf / tons
#pragma once

#include "StepResistance.h"

namespace tvx {

// The values of a clay or shale layer at the step, interpolated in the layer by the caller.
struct CohesiveStep {
  int KSOIL = kClay;               // kClay or kShale
  bool coefEstimated = false;      // the layer's ALPHA was filled in by the engine
  bool ncEstimated = false;        // NC below 1e-5 at both ends of the layer
  bool alphaGivenAtBothEnds = false;  // both end values of ALPHA exceed 1e-5
  bool cuGivenAtEitherEnd = false;    // an end value of CU exceeds 1e-5
  float z = 0.0f;       // depth of the step, ft
  float CU = 0.0f;      // undrained shear strength, psf
  float BLOWS = 0.0f;   // blow count N
  float ALPHA = 0.0f;   // adhesion factor
  float NC = 0.0f;      // bearing capacity factor
  float TRANLM = kNoLimit;  // maximum unit side resistance, psf
  float DSTART = 0.0f;  // smallest stem diameter of the run, ft
};

// Unit side resistance f in tsf: alpha times the strength (from N when CU is missing: clay
// N/10 tsf with a once-per-case warning to ROCKMSG.DAT, shale N/53 tsf), the uplift
// factors applied to the strength, limited to TRANLM.
float CohesiveSideResistance(const CohesiveStep& step, const ResistanceLoading& loading,
                             LayerWorkingState& layerState, CaseRuleState& caseState, UnitTable& units);

// Tip resistance: Nc times the strength, at most 40 tsf in clay, times the reduction Fr of a
// base wider than 6.25 ft. qb is the unit tip Nc cu (with the clay limit, before Fr).
TipResult ClayTipResistance(const CohesiveStep& step, const BaseGeometry& base, LayerWorkingState& layerState);

// Reduction factor of the tip of a large base: 1 up to Db = 6.25 ft; beyond,
// min(1, 2.5 / (12 a Db + 2.5 b)) with a = min(0.015, 0.0071 + 0.0021 z / Db) and
// b = 0.45 sqrt(2 cu) limited to 0.5..1.5 (cu in tsf).
float LargeBaseReduction(float Db, float z, float cuTsf);

}  // namespace tvx
