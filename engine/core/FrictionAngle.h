// Friction angle of sand from the SPT blow count and the effective overburden stress.
#pragma once

namespace tvx {

// Friction angle in degrees for blow count N and effective vertical stress in psf, from
// three curves of angle against N at 0, 20 and 40 psi overburden.
float EstimateFrictionAngle(float blows, float sigmaVPsf);

// The curves themselves, interpolated linearly in N and held at their end values outside
// their range: C at 0 psi, B at 20 psi, A at 40 psi.
float FrictionCurveC(float blows);
float FrictionCurveB(float blows);
float FrictionCurveA(float blows);

}  // namespace tvx
