// Unit side resistance and tip resistance of a drilled shaft in rock and intermediate
// geomaterials at one depth step of a case: strong rock (types 4 and 7), decomposed rock or
// gravel (type 5) and weak rock (type 6).
//
// Calling order at a step in a layer of type 4 to 7 (one call per step):
//   types 4, 7: r = StrongRockResistance(step, loading, caseState, units);
//               when r.replacesBase: the case's Ab := r.Ab and N2D := r.N2D from here on;
//   type 5:     L = ShaftLengthAtRockStep(problem, step.entry, L);   // kept by the caller
//               r = DecomposedRockResistance(problem, step, L, loading, caseState, units);
//   type 6:     L = ShaftLengthAtRockStep(problem, step.entry, L);
//               r = WeakRockResistance(problem, step, L, loading, caseState, units);
// The side resistance of the step is r.p * r.f (tons per foot), the tip r.Qb (tons).
//
// The layer table is read with the depths the stepping uses: the snapped top and bottom of
// every entry (XTOPSNAP, XBOTSNAP), which the preparation of the problem sets before the
// first case.
#pragma once

#include "StepResistance.h"

namespace tvx {

// The values of a rock-like layer at the step, interpolated in the layer by the caller.
struct RockStepInput {
  int entry = 0;        // layer entry of the step (2..NLAYERS)
  int KSOIL = kStrongRock;
  float z = 0.0f;       // depth of the end of the step, ft
  float D = 0.0f;       // stem diameter of the case, ft
  float DSTART = 0.0f;  // smallest stem diameter of the run (BDS is given for it), ft
  float sigmaV = 0.0f;  // effective vertical stress at z, psf
  float QUR = 0.0f;     // compressive strength of the rock, psf
  float QUCON = 0.0f;   // compressive strength of the concrete, psf
  float CS = 0.0f;      // spacing of discontinuities, ft
  float DISCT = 0.0f;   // thickness of discontinuities, ft
  float BDS = 0.0f;     // socket diameter for a stem of DSTART, ft
  float EL = 0.0f;      // intact rock modulus, tsf
  float RQD = 0.0f;     // rock quality designation, %
  float SLUMP = 0.0f;   // concrete slump, in (SI problems: m)
  float PHIRC = 0.0f;   // interface friction angle, degrees
  float BLOWS = 0.0f;   // blow count N (decomposed rock)
  float TRANLM = kNoLimit;  // maximum unit side resistance, psf
};

struct RockStepResult {
  float qu = 0.0f;   // min(QUR, QUCON), psf: the strength of the side rule
  float c = 0.0f;    // side coefficient
  float b = 0.0f;    // side base, psf (the layer's rule, before the uplift factors)
  float p = 0.0f;    // socket perimeter, ft
  float f = 0.0f;    // unit side resistance, tsf
  float Qb = 0.0f;   // tip resistance, tons
  bool replacesBase = false;  // strong rock: Ab and N2D below hold for the rest of the case
  float Ab = 0.0f;   // socket area, ft^2
  int N2D = 0;       // points of the two-diameter zone below the tip
};

// Socket diameter of the case's stem: BDS scaled by D / DSTART (BDS as given when the run
// has no DSTART).
float SocketDiameter(float BDS, float D, float DSTART);

// The side rule shared by types 4 to 7: qu, c, b (c = 2.5 and b = 2.5 sqrt(qu psi) in psf
// above 40320 psf, else c = 0.15 and b = qu; no side resistance in type 4 under compression
// above 144000 psf) and the socket perimeter (pi D when the socket diameter is missing).
RockStepResult RockSideRule(const RockStepInput& step, int KCYCL);

// Unit side resistance f (tsf) of a rock step from its side coefficient and base: c b / 2000
// for strong rock, b / 2000 for types 5 and 6, the uplift factors on b, limited to TRANLM.
float RockSideResistance(int KSOIL, float c, float b, float TRANLMpsf, const ResistanceLoading& loading);

// Types 4 and 7: the side rule, the side resistance, and the tip from the rock strength QUR
// with the discontinuity factor Ksp over three socket areas (type 4 only above 144000 psf).
// The socket area becomes the case's base area.
RockStepResult StrongRockResistance(const RockStepInput& step, const ResistanceLoading& loading,
                                    CaseRuleState& caseState, UnitTable& units);

// The shaft length a type 5 or 6 step works with: METHOD 1 runs take the mid-depth of the
// current layer plus TOPLENG (kept by the caller afterwards); METHOD 2 runs the case length.
float ShaftLengthAtRockStep(const ProblemRecord& problem, int entry, float currentLength);

// Type 5: side base and tip of the cohesionless intermediate geomaterial from N, the
// effective stress at the step (or at the layer's mid-depth from two socket diameters
// below the shaft length L on) and the overconsolidation from N.
RockStepResult DecomposedRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                        const ResistanceLoading& loading, CaseRuleState& caseState,
                                        UnitTable& units);

// Overconsolidation of decomposed rock from the blow count N and the effective stress
// (psf): a preconsolidation stress of 0.2 N atmospheres over the stress.
float PreconsolidationRatio(float N, float sigma);

// Base load (lb) of decomposed rock on a base of diameter Bt (ft): 0.7854 Bt^2 2.1459
// sigma OCR^0.8.
float DecomposedRockBaseLoad(float N, float sigma, float Bt);

// Type 6: the cohesive intermediate-geomaterial socket. Adds the step's EL to the case's
// running modulus sum, writes the socket warnings to the run notes at every step and to
// ROCKMSG.DAT once per case and warning.
RockStepResult WeakRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                  const ResistanceLoading& loading, CaseRuleState& caseState, UnitTable& units);

}  // namespace tvx
