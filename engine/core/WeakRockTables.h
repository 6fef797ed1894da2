// Chart lookups of the cohesive intermediate-geomaterial (weak rock) method: the rock-mass
// modulus ratio against RQD, the reduction of the maximum side shear against that ratio,
// and the three design charts of fluid-concrete pressure, interface adhesion and the smooth
// socket factor n. Pure functions over constant tables.
#pragma once

#include "Constants.h"  // kAtmospherePsf, the normalising pressure of the charts

namespace tvx {

// Ratio Em / Ei of rock-mass to intact-rock modulus for RQD in percent. ICOND 3 and 4 (open
// joints) read the open-joint row, any other condition the closed-joint row. Linear between
// the RQD points 20, 50, 70, 100; the end values outside them.
float LookupModulusRatio(float RQD, int ICOND);

// Reduction factor of the maximum side shear for a modulus ratio Em / Ei. Linear between
// the ratio points 0.02 .. 1.0; the end values outside them.
float LookupShearReduction(float modulusRatio);

// Concrete-pressure factor M of fluid concrete for slump S in inches at depth zc in ft.
float LookupConcretePressureFactor(float slumpIn, float zcFt);

// Adhesion factor of the rock-concrete interface for the normal stress ratio sigma_n / pa
// and the rock strength qu in lb/ft^2.
float LookupAdhesionFactor(float normalStressRatio, float quPsf);

// Factor n of a smooth socket for Em / sigma_n (both lb/ft^2) and qu / pa. The chart gives
// values up to Em / sigma_n = 3000; beyond it the 3000 column is held, the flattest
// continuation the chart's trend allows.
float LookupFactorN(float modulusToNormalStress, float quRatio);

}  // namespace tvx
