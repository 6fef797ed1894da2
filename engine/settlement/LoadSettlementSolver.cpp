#include "LoadSettlementSolver.h"

#include <cmath>

#include "Constants.h"

namespace tvx {
namespace {

// Cross-section areas and the side areas of the segments take pi as the solver tabulates it.
float Area(float diameter) { return kQuarterPiAsTabulated * diameter * diameter; }

// One curve's load transfer at movement w.
float CurveAt(const TzCurve& c, float w) { return CurveValueAt(c.TZW, c.TZT, w); }

}  // namespace

ShaftModel BuildShaftModel(float L, float D, float Db, float Hb, float Ec, int NSEG, float ZSKIP, float sideEnd) {
  ShaftModel s;
  s.L = L;
  s.NSEG = NSEG > 0 ? NSEG : 0;
  s.h = s.NSEG > 0 ? L / static_cast<float>(s.NSEG) : 0.0f;
  s.As = kPiAsTabulated * D * s.h;
  s.ZSKIP = ZSKIP;
  s.sideEnd = sideEnd;
  s.aeDepth = {0.0f, L - Hb, L};
  s.aeValue = {Ec * Area(D), Ec * Area(D), Ec * Area(Db)};
  return s;
}

float AxialStiffnessAt(const ShaftModel& shaft, float z) {
  const auto& x = shaft.aeDepth;
  const auto& v = shaft.aeValue;
  if (z <= x[0]) return v[0];
  for (int k = 1; k < 3; ++k) {
    if (z <= x[k]) {
      if (x[k] == x[k - 1]) return v[k - 1];
      return v[k - 1] + (v[k] - v[k - 1]) * (z - x[k - 1]) / (x[k] - x[k - 1]);
    }
  }
  return v[2];
}

std::array<float, kTipMovements> TipMovements(float D) {
  std::array<float, kTipMovements> m = {0.00001f, 0.00005f, 0.0001f, 0.005f, 0.0075f, 0.01f, 0.025f, 0.05f,
                                        0.075f,   0.1f,     0.25f,   0.5f,   0.0f,    0.0f,  0.0f};
  float m13 = 0.01f * D;
  if (m13 < 0.5f) m13 = 0.625f;
  float m14 = 0.025f * D;
  if (m13 > m14) m14 = 1.25f * m13;
  float m15 = 0.05f * D;
  if (m14 > m15) m15 = 1.25f * m14;
  m[12] = m13;
  m[13] = m14;
  m[14] = m15;
  return m;
}

CurvesAtDepth LocateCurves(const std::vector<TzCurve>& curves, float z) {
  CurvesAtDepth at;
  if (curves.empty()) return at;
  // The first curve deeper than z; the depths are taken in curve order, not sorted.
  for (std::size_t j = 0; j < curves.size(); ++j) {
    const TzCurve& c = curves[j];
    if (c.ZTZ == z) {
      at.first = static_cast<int>(j);
      return at;
    }
    if (c.ZTZ > z) {
      // Above the first curve there is nothing to interpolate with: the first curve holds.
      if (j == 0) {
        at.first = 0;
      } else {
        at.first = static_cast<int>(j) - 1;
        at.second = static_cast<int>(j);
      }
      return at;
    }
  }
  at.first = static_cast<int>(curves.size()) - 1;
  return at;
}

float LoadTransferAt(const std::vector<TzCurve>& curves, const CurvesAtDepth& at, float z, float w) {
  if (at.first < 0) return 0.0f;
  const TzCurve& a = curves[static_cast<std::size_t>(at.first)];
  if (at.second < 0) return CurveAt(a, w);
  const TzCurve& c = curves[static_cast<std::size_t>(at.second)];
  const float ta = CurveAt(a, w);
  const float tb = CurveAt(c, w);
  return ta + (tb - ta) * (z - a.ZTZ) / (c.ZTZ - a.ZTZ);
}

float LoadTransferAt(const std::vector<TzCurve>& curves, float z, float w) {
  return LoadTransferAt(curves, LocateCurves(curves, z), z, w);
}

// Bottom and middle depths of segment k, counted from the tip up.
float SegmentBottom(const ShaftModel& shaft, int k) { return shaft.L - static_cast<float>(k) * shaft.h; }
float SegmentMiddle(const ShaftModel& shaft, int k) { return SegmentBottom(shaft, k) - shaft.h / 2.0f; }

ShaftSoil LocateShaftSoil(const ShaftModel& shaft, const std::vector<TzCurve>& curves) {
  ShaftSoil soil{curves, {}};
  soil.atSegment.reserve(static_cast<std::size_t>(shaft.NSEG));
  for (int k = 0; k < shaft.NSEG; ++k) soil.atSegment.push_back(LocateCurves(curves, SegmentMiddle(shaft, k)));
  return soil;
}

ShaftSolution SolveShaft(const ShaftModel& shaft, const std::vector<TzCurve>& curves, float tipMove, float tipLoad,
                         int roundLimit) {
  return SolveShaft(shaft, LocateShaftSoil(shaft, curves), tipMove, tipLoad, roundLimit);
}

ShaftSolution SolveShaft(const ShaftModel& shaft, const ShaftSoil& soil, float tipMove, float tipLoad,
                         int roundLimit) {
  ShaftSolution sol;
  sol.tipMove = tipMove;
  sol.tipLoad = tipLoad;
  float Q = tipLoad;
  float W = tipMove;
  const float h = shaft.h;
  sol.segments.reserve(static_cast<std::size_t>(shaft.NSEG));
  for (int k = 0; k < shaft.NSEG; ++k) {
    SegmentState s;
    s.bottomDepth = SegmentBottom(shaft, k);
    s.zMid = SegmentMiddle(shaft, k);
    const CurvesAtDepth& at = soil.atSegment[static_cast<std::size_t>(k)];
    s.Qb = Q;
    s.Wb = W;
    const float AE = AxialStiffnessAt(shaft, s.zMid);
    // A shaft without stiffness (no modulus or no section) is taken as rigid.
    const float flexibility = AE > 0.0f ? 1.0f / AE : 0.0f;
    float w = k == 0 ? tipMove : W;
    for (int round = 1;; ++round) {
      const bool carriesSide = s.zMid >= shaft.ZSKIP && s.zMid <= shaft.sideEnd;
      s.t = carriesSide ? LoadTransferAt(soil.curves, at, s.zMid, w) : 0.0f;
      s.dQ = s.t * shaft.As;
      s.Pt = s.Qb + s.dQ;
      s.Pm = s.Qb + s.dQ / 2.0f;
      s.delta = h * s.Pm * flexibility;
      s.Wt = s.Wb + s.delta;
      s.wMid = s.Wb + (h / 4.0f) * ((s.Qb + s.Pt) / 2.0f + s.Qb) * flexibility;
      if (std::fabs(s.wMid - w) <= kMovementTolerance) break;
      if (round >= roundLimit) {
        s.converged = false;
        if (sol.unconverged++ == 0) sol.firstUnconvergedDepth = s.zMid;
        break;
      }
      w = s.wMid;
    }
    Q = s.Pt;
    W = s.Wt;
    sol.segments.push_back(s);
  }
  sol.topLoad = Q;
  sol.topMove = W;
  return sol;
}

float TipMovementForSettlement(const std::array<float, kTipMovements>& top,
                               const std::array<float, kTipMovements>& tip, float s) {
  constexpr int n = kTipMovements;
  if (std::isnan(s) || s < top[0]) return 0.0f;
  if (s > top[n - 1]) {
    const float run = top[n - 1] - top[n - 2];
    if (run == 0.0f) return tip[n - 1];
    return tip[n - 1] + (tip[n - 1] - tip[n - 2]) / run * (s - top[n - 1]);
  }
  for (int k = 0; k < n; ++k) {
    if (s > top[k]) continue;
    if (s == top[k]) {
      if (k + 1 < n && top[k + 1] == top[k]) return 0.5f * (tip[k] + tip[k + 1]);
      return tip[k];
    }
    return tip[k - 1] + (tip[k] - tip[k - 1]) * (s - top[k - 1]) / (top[k] - top[k - 1]);
  }
  return tip[n - 1];
}

}  // namespace tvx
