#include "LoadTransferCurves.h"

#include <algorithm>
#include <cmath>

#include "Constants.h"
#include "Format.h"
#include "MessageBanners.h"
#include "SoilProfile.h"

namespace tvx {
namespace {

constexpr float kThinLayer = 1e-12f;        // a layer no thicker than this gets 0.1 in
constexpr float kThinLayerBottom = 0.1f;    // in
constexpr float kNextLayerOffset = 12.01f;  // first curve of a lower layer below its top, in
constexpr float kCurveAboveBottom = 0.01f;  // last curve of a layer above its bottom, in
constexpr float kProfileReach = 0.1f;       // depth below the profile still read, in

using Row = std::array<float, kCurvePoints>;

// Normalized side curves: movement / shaft diameter, and load transfer / ultimate value by
// bound (trend, upper, lower).
constexpr Row kSandSideRatio = {0, .001f, .002f, .003f, .005f, .006f, .008f, .012f, .016f, .1f};
constexpr std::array<Row, 3> kSandSideShare = {{
    {0, .335f, .58f, .72f, .86f, .91f, .95f, .965f, .96f, .95f},
    {0, .45f, .76f, .90f, .98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
    {0, .22f, .40f, .54f, .74f, .82f, .90f, .93f, .92f, .90f},
}};
constexpr Row kClaySideRatio = {0, .001f, .002f, .003f, .005f, .006f, .008f, .012f, .016f, .02f};
constexpr std::array<Row, 3> kClaySideShare = {{
    {0, .51f, .72f, .90f, .925f, .945f, .955f, .925f, .90f, .835f},
    {0, .74f, .92f, .97f, 1.01f, 1.02f, 1.02f, 1.0f, .96f, .92f},
    {0, .29f, .52f, .70f, .84f, .87f, .89f, .85f, .80f, .75f},
}};

// Normalized tip curves: movement / base diameter, and tip load / ultimate base resistance.
constexpr Row kTipRatio = {0, .005f, .01f, .015f, .025f, .03f, .04f, .05f, .07f, .10f};
constexpr std::array<Row, 3> kSandTipShare = {{
    {0, .175f, .345f, .485f, .64f, .73f, .88f, 1.015f, 1.195f, 1.46f},
    {0, .25f, .48f, .67f, .76f, .84f, .96f, 1.08f, 1.28f, 1.61f},
    {0, .10f, .21f, .30f, .52f, .62f, .80f, .95f, 1.11f, 1.32f},
}};
constexpr std::array<Row, 3> kClayTipShare = {{
    {0, .395f, .56f, .70f, .865f, .90f, .95f, .97f, .98f, .991f},
    {0, .59f, .75f, .86f, .96f, .98f, .995f, .995f, .994f, .992f},
    {0, .20f, .37f, .54f, .77f, .82f, .90f, .94f, .97f, .99f},
}};

int BoundRow(int KBOUND) { return std::clamp(KBOUND, 1, 3) - 1; }

float Between(float x0, float y0, float x1, float y1, float x) { return InterpolateBetween(x0, y0, x1, y1, x); }

// The first index k in [from, n) with v[k] > z, or n. Where v never decreases the halving
// search finds the same index as the scan.
std::size_t FirstDeeper(const std::vector<float>& v, std::size_t from, std::size_t n, float z, bool ascending) {
  if (ascending) {
    const auto first = v.begin() + static_cast<std::ptrdiff_t>(from);
    return static_cast<std::size_t>(std::upper_bound(first, v.begin() + static_cast<std::ptrdiff_t>(n), z) - v.begin());
  }
  for (std::size_t k = from; k < n; ++k)
    if (v[k] > z) return k;
  return n;
}

// Side resistance (psi) at the first and last capacity steps inside a layer (ft, snapped).
void LayerEndValues(const CaseHandOver& h, float topFt, float botFt, float& vTop, float& vBot) {
  const std::size_t n = std::min(h.sideDepthIn.size(), h.sideUnitPsi.size());
  bool found = false;
  for (std::size_t k = 0; k < n; ++k) {
    const float z = h.sideDepthIn[k] / kInchesPerFoot;
    if (z <= topFt || z > botFt + 1e-3f) continue;
    if (!found) vTop = h.sideUnitPsi[k];
    vBot = h.sideUnitPsi[k];
    found = true;
  }
  if (found) return;
  if (n == 0 || botFt <= h.sideDepthIn[0] / kInchesPerFoot) {
    vTop = vBot = 0.0f;
  } else {
    vTop = vBot = h.sideUnitPsi[n - 1];
  }
}

}  // namespace

LayerProfile BuildLayerProfile(const ProblemRecord& problem, const CaseHandOver& handOver) {
  LayerProfile p;
  const int last = std::min(problem.NLAYERS, kMaxLayerEntries);
  for (int i = 2; i <= last; ++i) {
    const LayerEntry& layer = problem.layer[i];
    float t = layer.XTOPSNAP * kInchesPerFoot;
    float b = layer.XBOTSNAP * kInchesPerFoot;
    if (b - t <= kThinLayer) b = t + kThinLayerBottom;
    if (!p.top.empty()) t = p.bot.back();
    p.top.push_back(t);
    p.bot.push_back(b);
    p.KSOIL.push_back(layer.KSOIL);
    float vTop = 0.0f, vBot = 0.0f;
    LayerEndValues(handOver, layer.XTOPSNAP, layer.XBOTSNAP, vTop, vBot);
    p.Z.push_back(t);
    p.V.push_back(vTop);
    p.Z.push_back(b);
    p.V.push_back(vBot);
  }
  p.ascending = std::is_sorted(p.Z.begin(), p.Z.end());
  return p;
}

std::vector<float> CurveDepths(const LayerProfile& profile) {
  std::vector<float> z;
  z.reserve(static_cast<std::size_t>(profile.Count()) * kCurvesPerLayer);
  for (int i = 0; i < profile.Count(); ++i) {
    const float t = profile.top[i];
    const float b = profile.bot[i];
    const float m = (t + b) / 2.0f;
    z.push_back(i == 0 ? t : t + kNextLayerOffset);
    z.push_back((t + m) / 2.0f);
    z.push_back(m);
    z.push_back((m + b - kCurveAboveBottom) / 2.0f);
    z.push_back(b - kCurveAboveBottom);
  }
  return z;
}

float SideResistanceAtDepth(const SideTable& table, float z) {
  const std::size_t n = std::min(table.depth.size(), table.value.size());
  if (n == 0) return 0.0f;
  const std::size_t k = FirstDeeper(table.depth, 0, n, z, table.ascending);
  if (k == n) return table.value[n - 1];
  if (k == 0) return table.value[0];
  return Between(table.depth[k - 1], table.value[k - 1], table.depth[k], table.value[k], z);
}

ProfileValue ProfileSideResistanceAtDepth(const LayerProfile& profile, float z) {
  const std::size_t n = profile.Z.size();
  if (n < 2) return {0.0f, n == 0 || z - profile.Bottom() >= kProfileReach};
  const std::size_t k = FirstDeeper(profile.Z, 1, n, z, profile.ascending);
  if (k < n) return {Between(profile.Z[k - 1], profile.V[k - 1], profile.Z[k], profile.V[k], z), false};
  if (z - profile.Z[n - 1] < kProfileReach)
    return {Between(profile.Z[n - 2], profile.V[n - 2], profile.Z[n - 1], profile.V[n - 1], z), false};
  return {0.0f, true};
}

TzCurve BuildSideCurve(int serial, float ZTZ, int ksoil, float tmax, float D, int KBOUND) {
  const bool sand = ksoil == kSand;
  const Row& ratio = sand ? kSandSideRatio : kClaySideRatio;
  const Row& share = (sand ? kSandSideShare : kClaySideShare)[BoundRow(KBOUND)];
  TzCurve c;
  c.serial = serial;
  c.ZTZ = ZTZ;
  c.KSOIL = ksoil;
  for (int p = 0; p < kCurvePoints; ++p) {
    c.TZW[p] = ratio[p] * D;
    c.TZT[p] = share[p] * tmax;
  }
  return c;
}

QwCurve BuildTipCurve(int ksoil, float Db, float QB, int KBOUND) {
  const Row& share = (IsCohesionless(ksoil) ? kSandTipShare : kClayTipShare)[BoundRow(KBOUND)];
  QwCurve c;
  for (int p = 0; p < kCurvePoints; ++p) {
    c.QWW[p] = kTipRatio[p] * Db;
    c.QWQ[p] = share[p] * QB;
  }
  return c;
}

bool TipBeyondProfile(const LayerProfile& profile, int ksoil, float L) {
  return ksoil != kSand && L > profile.Bottom();
}

int SoilTypeAtDepth(const LayerProfile& profile, float z) {
  for (int i = 0; i < profile.Count(); ++i)
    if (profile.bot[i] >= z) return profile.KSOIL[i];
  return profile.Count() > 0 ? profile.KSOIL.back() : 0;
}

void WriteDepthBeyondProfileWarning(UnitTable& units, float z) {
  units.Write(kUnitReport, Record().X(29).T(kWarningMark));
  units.Write(kUnitReport,
              Record().X(5).T("THE VALUE OF X =").E(10, 3, z).T(" IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1"));
}

void WriteTipBeyondProfileWarning(UnitTable& units, float L) {
  for (int unit : {kUnitReport, kUnitRunNotes}) {
    units.Write(unit, Record().X(29).T(kWarningMark));
    units.Write(unit, Record().X(5).T("THE VALUE OF X =").E(9, 2, L).T(" IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"));
  }
}

}  // namespace tvx
