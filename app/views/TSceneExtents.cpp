#include "TSceneExtents.h"

#include <algorithm>
#include <cmath>

double GetWallWidth(const TShaftProfile& profile) { return double(profile.DSTART); }

double GetWallLength(const TShaftProfile& profile) {
  return double(profile.METHOD == 1 ? profile.LastBottom() : profile.PD);
}

TSceneExtents GetMaxDims(const TShaftProfile& profile) {
  const double D = GetWallWidth(profile);
  const double L = GetWallLength(profile);
  const double WTD = double(profile.WTD);
  TSceneExtents e;
  e.Ymax = kBlockHalfWidthDiameters * D;
  e.Ymin = -e.Ymax;
  e.Xmax = WTD > 0 ? std::max(kBlockHalfWidthDiameters * D, WTD) : kBlockHalfWidthDiameters * D;
  e.Xmin = -e.Xmax;
  e.Zmax = std::max(L, double(profile.LastBottom()));
  e.Zmin = -e.Zmax;
  e.DX = e.Xmax - e.Xmin;
  e.DY = e.Ymax - e.Ymin;
  e.DZ = e.Zmax - e.Zmin;
  e.Dmax = 0;
  for (double v : {e.DZ, e.Xmax, e.Ymax, e.Zmax, e.Xmin, e.Ymin, e.Zmin})
    e.Dmax = std::max(e.Dmax, std::fabs(v));
  return e;
}
