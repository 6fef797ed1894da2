// Load-transfer curves of one load-settlement run: the layer profile the curves are placed
// in, the depths of the t-z curves, the normalized side and tip curves of the sand and clay
// families for the three bounds, and their scaling by the case's ultimate resistances.
//
// Units: inches, pounds and psi throughout.
#pragma once

#include <array>
#include <vector>

#include "CaseHandOver.h"
#include "ProblemRecord.h"
#include "UnitTable.h"

namespace tvx {

constexpr int kCurvePoints = 10;
constexpr int kCurvesPerLayer = 5;

// Bound of the normalized curves (KBOUND).
enum CurveBound : int { kTrendBound = 1, kUpperBound = 2, kLowerBound = 3 };

// Layers as the curves see them: contiguous tops and bottoms (in), the soil type, and the
// side-resistance profile of two points per layer (depth in, unit side resistance psi).
struct LayerProfile {
  std::vector<float> top;
  std::vector<float> bot;
  std::vector<int> KSOIL;
  std::vector<float> Z;
  std::vector<float> V;
  bool ascending = false;  // Z never decreases (always so for snapped layers): searched by halving

  int Count() const { return static_cast<int>(top.size()); }
  // Deepest point of the side-resistance profile: the bottom of the last layer (0 if none).
  float Bottom() const { return Z.empty() ? 0.0f : Z.back(); }
};

// One t-z curve: unit load transfer TZT (psi) against shaft movement TZW (in).
struct TzCurve {
  int serial = 0;
  float ZTZ = 0.0f;  // depth of the curve, in
  int KSOIL = 0;
  std::array<float, kCurvePoints> TZW{};
  std::array<float, kCurvePoints> TZT{};
};

// The q-w curve: tip load QWQ (lb) against tip movement QWW (in).
struct QwCurve {
  std::array<float, kCurvePoints> QWW{};
  std::array<float, kCurvePoints> QWQ{};
};

// The capacity analysis' unit side resistance (psi) against depth (in) of the case.
struct SideTable {
  const std::vector<float>& depth;
  const std::vector<float>& value;
  bool ascending = false;  // the depths never decrease: searched by halving
};

// Builds the layer profile from the snapped layer table of the problem. A layer's side
// resistance at its top and bottom is that of the first and of the last depth step of the
// capacity analysis that lies in the layer; a layer without a step in it takes 0 above the
// first step and the deepest step's value below the last.
LayerProfile BuildLayerProfile(const ProblemRecord& problem, const CaseHandOver& handOver);

// Depths of the five curves of every layer, top layer first (not re-sorted).
std::vector<float> CurveDepths(const LayerProfile& profile);

// The capacity table interpolated at depth z; below the deepest entry, the deepest value.
float SideResistanceAtDepth(const SideTable& table, float z);

// The layer profile interpolated at depth z. `beyond` is set when z lies 0.1 in or more
// below the profile; the value is then 0.
struct ProfileValue {
  float value = 0.0f;
  bool beyond = false;
};
ProfileValue ProfileSideResistanceAtDepth(const LayerProfile& profile, float z);

// A t-z curve of the family of soil type `ksoil` (sand, or clay for every other type) for
// the bound, scaled by the shaft diameter D (in) and the ultimate unit side resistance tmax.
TzCurve BuildSideCurve(int serial, float ZTZ, int ksoil, float tmax, float D, int KBOUND);

// The q-w curve for a tip in soil type `ksoil` (sand, gravelly sand and gravel: the sand
// table; clay, shale and rock: the clay table), scaled by the base diameter Db (in) and the
// ultimate base resistance QB (lb).
QwCurve BuildTipCurve(int ksoil, float Db, float QB, int KBOUND);

// The tip check of the clay tip routine (every tip type but sand): the shaft length L (in)
// lies below the bottom of the profile.
bool TipBeyondProfile(const LayerProfile& profile, int ksoil, float L);

// Soil type at a printed t-z depth z (in): the first layer whose bottom is at or below z;
// below the last layer, the last layer's type.
int SoilTypeAtDepth(const LayerProfile& profile, float z);

// Linear interpolation between (x0, y0) and (x1, y1); the mean where x0 equals x1.
inline float InterpolateBetween(float x0, float y0, float x1, float y1, float x) {
  if (x1 == x0) return 0.5f * (y0 + y1);
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

// A curve read at x: linear between the two points that enclose x, the first point's value
// at or below the first abscissa, the last point's value at or beyond the last. Inline: the
// t-z solver reads two curves in every round of every segment.
inline float CurveValueAt(const std::array<float, kCurvePoints>& xs, const std::array<float, kCurvePoints>& ys,
                          float x) {
  if (x <= xs[0]) return ys[0];
  for (int p = 1; p < kCurvePoints; ++p) {
    if (xs[p] >= x) return InterpolateBetween(xs[p - 1], ys[p - 1], xs[p], ys[p], x);
  }
  return ys[kCurvePoints - 1];
}

// The warning of a depth beyond the profile (report), and of a tip beyond the profile
// (report and run notes). Depths in inches.
void WriteDepthBeyondProfileWarning(UnitTable& units, float z);
void WriteTipBeyondProfileWarning(UnitTable& units, float L);

}  // namespace tvx
