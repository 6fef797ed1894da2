// Layer parameters the engine fills in when the user left them at zero, before the soil
// echo and the capacity analysis.
//
// Two thresholds are at work. Values below 1e-8 at both ends of a layer are estimated at
// the layer's top and bottom depth and marked "  (*)" in the soil echo. Coefficients below
// 1e-5 at both ends are filled with their defaults and the layer is flagged, so that the
// depth stepping recomputes them at every step; those defaults are not marked.
#pragma once

#include "ProblemRecord.h"

namespace tvx {

// Sand beta at depth z ft for blow count N: 1.5 - 0.135 sqrt(z), reduced by N / 15 for
// 0 < N < 15, limited to 0.25..1.2.
float EstimateSandBeta(float z, float blows);
// Gravelly sand beta at depth z ft: 2.0 - 0.15 (0.3048 z)^0.75, limited to 0.25..1.8.
float EstimateGravellySandBeta(float z);
// Gravel beta at depth z ft: 3.4 exp(-0.085 x 0.3048 z), limited to 0.25..3.0.
float EstimateGravelBeta(float z);
// Clay adhesion factor from the undrained shear strength in psf.
float EstimateAlpha(float cuPsf);
// Bearing capacity factor 6 (1 + 0.2 z / DSTART) at depth z ft, at most 9 for clay and 7
// for shale.
float EstimateNc(float z, float dstart, int ksoil);

// Sand, gravelly sand and gravel: beta, the Kulhawy and Chen exponent, the friction angle
// from N and the effective stress (echo values only: PHIW stays as read), the interface
// angle, and the method coefficient defaults. Needs the profile in English units.
void EstimateCohesionlessCoefficients(ProblemRecord& p, int entry);

// Clay and shale: alpha from the strength, Nc from the depth and DSTART.
void EstimateCohesiveCoefficients(ProblemRecord& p, int entry);

// Both estimates for every layer, and the Nc-estimated flag of every layer.
void EstimateLayerParameters(ProblemRecord& p);

// True when the soil echo carries an estimate mark or a Kulhawy and Chen sand layer (whose
// overconsolidation ratio the program always estimates): the estimate note is then printed.
bool HasEstimatedValues(const ProblemRecord& p);

}  // namespace tvx
