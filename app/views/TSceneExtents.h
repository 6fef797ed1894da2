#pragma once
// The block of soil the 3D view shows around the shaft: 12.5 shaft diameters either side of
// the axis (wider in x when the water table lies deeper), and as deep as the shaft or the
// soil profile, whichever reaches further.
#include "TShaftProfile.h"
#include "TViewMatrix.h"

struct TSceneExtents {
  double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0, Zmin = 0, Zmax = 0;
  double DX = 0, DY = 0, DZ = 0;
  double Dmax = 0;  // the largest magnitude among DZ and the six bounds

  // The middle of the block in plan, at the middle of the soil column in depth.
  TVec3 Centre() const { return {(Xmin + Xmax) / 2, (Ymin + Ymax) / 2, Zmin / 2}; }
};

// Half the block's width in shaft diameters.
inline constexpr double kBlockHalfWidthDiameters = 12.5;

// The shaft diameter the 3D view draws: the smallest diameter of the problem.
double GetWallWidth(const TShaftProfile& profile);
// The shaft length the 3D view draws: the given length, or with a design load given (the
// length is the analysis' answer) the bottom of the soil profile.
double GetWallLength(const TShaftProfile& profile);

TSceneExtents GetMaxDims(const TShaftProfile& profile);
