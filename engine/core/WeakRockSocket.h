// The socket solution of the cohesive intermediate-geomaterial method (weak rock), shared by
// the capacity step of a weak-rock layer and by the load-settlement curve of a shaft whose
// tip lies in weak rock: the socket and the rock top, the normal stress of the fluid
// concrete, the maximum side shear, the factors Gamma1 and Gamma2 of the socket, the tip
// factor, the mobilized share Omega of the side shear, and the base load at a socket
// movement. The capacity step takes them at the reference movement of 5 % of the socket
// diameter, the load-settlement curve at 15 movements.
//
// Units: ft, psf, the moduli Em and Ec in tsf, the base load in lb.
#pragma once

#include "ProblemRecord.h"

namespace tvx {

// Layer types that form the socket: weak rock, and strong rock with side friction and end
// bearing.
bool IsSocketRock(int KSOIL);

// The socket that reaches `depth`: walking the layer entries from the ground surface down to
// `lastEntry`, the rock top zr is the snapped top of the first socket-rock entry met (while
// zr is still at the surface, below 0.0001 ft, a later one sets it again), and the socket
// entry is the first socket-rock entry whose snapped bottom reaches the depth; 0 when none
// does.
struct RockSocket {
  float zr = 0.0f;
  int entry = 0;
};
RockSocket FindRockSocket(const ProblemRecord& problem, int lastEntry, float depth);

// Slump in inches: as given in an English problem, from metres in an SI one.
float SlumpInInches(const ProblemRecord& problem, float slump);

// The fluid-concrete head counts down to this depth at most, ft.
constexpr float kMaxConcreteHeadFt = 40.0f;

// Normal stress (psf) of fluid concrete of slump S (in) at depth zc (ft): 150 zc M, M the
// concrete-pressure factor; never negative.
float FluidConcreteStress(float slumpIn, float zcFt);

// Maximum side shear fa (psf): 0.5 qu for a rough interface (ICOND 1 or 3), else
// alpha qu tan(phiRc) / tan 30 degrees; never negative, and reduced for the jointing of the
// rock mass by the factor of the modulus ratio Em / Ei.
bool IsRoughInterface(int ICOND);
float MaximumSideShear(bool rough, float qu, float alpha, float phiRcRadians, float modulusRatio);

// The interface friction angle in radians, from degrees (pi as the method tabulates it).
float InterfaceAngle(float PHIRCdegrees);

// Gamma1 and Gamma2 of a socket of length Lc and diameter B (ft), with r = sqrt(Lc / B) and
// g = log10(Ec / Em): Gamma1 = 0.37 r + 0.13 - 0.15 (r - 1) g, Gamma2 = 1.14 r - 0.44 -
// 0.05 (r - 1) g.
struct SocketFactors {
  float r = 0.0f;
  float gamma1 = 0.0f;
  float gamma2 = 0.0f;
};
SocketFactors ComputeSocketFactors(float Lc, float B, float Ec, float Em);

// Tip factor T (Em in tsf): with c1 = 1 + Lc / B and X = 200 c1 (r - Gamma2) / (pi Lc Gamma1)
// (Lc in mm), T = 2 Em 0.0134 x 47.88 (Lc / B) X^0.67 / c1. Not defined, and 0, when Gamma1
// or X is not above 0.
struct TipFactor {
  float T = 0.0f;
  bool defined = false;
};
TipFactor ComputeTipFactor(const SocketFactors& f, float Lc, float B, float Em);

// K = Em' Gamma2 wt / (pi Lc fa Gamma1) for the socket-top movement wt (ft) and Em' in psf.
float SideShearRatio(const SocketFactors& f, float EmPsf, float wt, float Lc, float fa);

// Omega: K where K <= n, otherwise the blend n + (K - n)(1 - n) / (1 - 2n + K) toward the
// full side shear. Where the blend has no value (its denominator at or below 1e-6) the full
// side shear, 1, with `defined` cleared.
float MobilizedShearShare(float K, float n, bool& defined);

// Base load (lb) at the socket-top movement wt (ft): 0.7854 B^2 min(2.5 qu, 20.88 T
// (304.8 wt)^0.67), the movement in millimetres.
float WeakRockBaseLoad(float B, float qu, const TipFactor& tip, float wt);

}  // namespace tvx
