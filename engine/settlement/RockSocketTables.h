// Interpolation tables of the strong-rock socket settlement method: the rock-mass modulus
// ratio against RQD, the socket settlement influence factor against the socket slenderness
// and the modulus ratio, and the normalized side-load curves of the soil above the rock.
// Pure functions over constant tables, linear between the points, the end values outside.
#pragma once

namespace tvx {

// Em / Ei of the rock mass for the average RQD in percent (0..100).
float LookupRockMassRatio(float RQD);

// Settlement influence factor I of a rock socket for eta = Ls / B and x = Ec / Em. Each of
// the curves C10, C50, C100 and C5000 is read at eta (its value at 20 for eta of 20 or
// more, at 0 for eta below 0); between two curves I is linear in x, and each range of x
// starts at its curve (x = 10 reads C10, x = 50 reads C50, ...).
float LookupInfluenceFactor(float eta, float x);

// Which family of normalized side-load curves a layer above the rock uses.
enum class SideLoadCurve : int { kSand, kClay };

// Curve family of a layer type: sand, gravelly sand and gravel the sand curves; clay,
// shale and rock the clay curves.
SideLoadCurve SideLoadCurveOf(int KSOIL);

// Mobilized fraction r of a layer's ultimate side resistance at relative movement m = w / D
// (steps of 0.001 up to 0.020, the last value held beyond). Pass 1 reads the lower-bound
// curves, pass 2 the upper-bound curves.
float LookupSideLoadRatio(float m, SideLoadCurve curve, int pass);

}  // namespace tvx
