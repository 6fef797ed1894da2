// Unit side resistance and tip resistance of a drilled shaft in sand (Ko, beta and Kulhawy
// and Chen methods), gravelly sand and gravel at one depth step of a case.
//
// Calling order at a step in a layer of type 1, 8 or 9:
//   w  = CohesionlessWorkingValues(step, layerState, units);   // may write the N/phi error
//   f  = CohesionlessSideResistance(step, w, loading);         // tsf
//   tip = SandTipResistance(w, step.z, base, IMOD);            // tsf / tons
#pragma once

#include "StepResistance.h"

namespace tvx {

// The values of a cohesionless layer at the step, interpolated in the layer by the caller.
struct CohesionlessStep {
  int KSOIL = kSand;             // kSand, kGravellySand or kGravel
  int sandMethod = kKoMethod;    // sand only; anything but Ko or beta is Kulhawy and Chen
  bool coefEstimated = false;    // the layer's coefficient was filled in by the engine
  bool coefGivenAtBothEnds = false;  // both end values of the coefficient exceed 1e-5
  float z = 0.0f;       // depth of the step, ft
  float BLOWS = 0.0f;   // blow count N
  float PHI = 0.0f;     // working friction angle PHIW, degrees (0: unknown)
  float IANG = 0.0f;    // interface friction angle, degrees (0: the friction angle)
  float coef = 0.0f;    // the method's coefficient: Ko, beta, or the Kulhawy and Chen m
  float GAMMA = 0.0f;   // total unit weight, pcf
  float TRANLM = kNoLimit;  // maximum unit side resistance, psf
  float sigmaV = 0.0f;  // effective vertical stress at z, psf
  float WTD = 0.0f;     // water table depth, ft
  int layerNo = 0;      // layer number of the soil echo, for messages
};

// Working values of the step.
struct CohesionlessWorking {
  float N = 0.0f;       // blow count
  float phi = 0.0f;     // friction angle, radians
  float delta = 0.0f;   // interface angle of the base stress, radians
  float coef = 0.0f;    // working coefficient
  bool missingStrength = false;  // sand with neither N nor a friction angle
};

// Working values: angles from degrees, the coefficient interpolated when given at both ends
// (else the layer's last one), recomputed at the step depth for an estimated layer, and a
// sand friction angle from N and sigma'v when none is known. A sand step with N below 0.001
// and a friction angle below 0.001 rad writes the error block to the run notes; its angle
// then stays 0 (no strength credit without either value).
CohesionlessWorking CohesionlessWorkingValues(const CohesionlessStep& step, LayerWorkingState& layerState,
                                              UnitTable& units);

// Unit side resistance f in tsf.
float CohesionlessSideResistance(const CohesionlessStep& step, const CohesionlessWorking& w,
                                 const ResistanceLoading& loading);

// Tip resistance at the step from N (or, with N = 0, the friction angle), with the IMOD 1
// reductions for a large base and for a depth under ten base diameters.
TipResult SandTipResistance(const CohesionlessWorking& w, float z, const BaseGeometry& base, int IMOD);

}  // namespace tvx
