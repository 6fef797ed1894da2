// The t-z solution of one drilled shaft in soil: the shaft cut into segments, the soil
// acting on each segment through the t-z curves and on the tip through the q-w curve. For
// an assumed tip movement the load and movement are carried up the shaft segment by
// segment to the top.
//
// Units: inches, pounds and psi.
#pragma once

#include <array>
#include <vector>

#include "SettlementState.h"
#include "LoadTransferCurves.h"

namespace tvx {

constexpr int kTipMovements = kSettlementPoints;
// A segment has converged when its middle movement changes by no more than this, in.
constexpr float kMovementTolerance = 1e-5f;
// Rounds of one segment before the last values are taken: for the assumed tip movements
// (the iteration converges in a few rounds on any sound input; the limit only guards
// against a cycle), and for the defined settlements of the design charts.
constexpr int kSegmentRoundLimit = 1000;
constexpr int kDefinedSettlementRoundLimit = 100;
// A tip movement at or below this carries no tip load in the defined-settlement pass, in.
constexpr float kNoTipMovement = 1e-10f;

// The shaft of one case as the solver sees it.
struct ShaftModel {
  float L = 0.0f;      // shaft length
  int NSEG = 0;        // segments
  float h = 0.0f;      // segment length L / NSEG
  float As = 0.0f;     // side area of one segment
  float ZSKIP = 0.0f;  // no side load transfer above this depth
  // ... nor below this one: the bottom of the side-resistance zone, above the ignored bottom
  // portion and the bell, as the capacity analysis counts it.
  float sideEnd = 0.0f;
  std::array<float, 3> aeDepth{};  // axial stiffness table: depth, lb
  std::array<float, 3> aeValue{};
};

ShaftModel BuildShaftModel(float L, float D, float Db, float Hb, float Ec, int NSEG, float ZSKIP, float sideEnd);

// Axial stiffness AE (lb) at depth z, linear in the three-point table.
float AxialStiffnessAt(const ShaftModel& shaft, float z);

// The 15 assumed tip movements (in) of a shaft of diameter D (in).
std::array<float, kTipMovements> TipMovements(float D);

// Unit load transfer (psi) at depth z and movement w: the two curves around z interpolated
// in depth; a curve at z exactly, the deepest curve below the last one and the first curve
// above the first are used alone.
float LoadTransferAt(const std::vector<TzCurve>& curves, float z, float w);

// The curves that give the load transfer at depth z: `first` alone when `second` is -1,
// else interpolated in depth between `first` and `second`; none when `first` is -1.
struct CurvesAtDepth {
  int first = -1;
  int second = -1;
};
CurvesAtDepth LocateCurves(const std::vector<TzCurve>& curves, float z);
float LoadTransferAt(const std::vector<TzCurve>& curves, const CurvesAtDepth& at, float z, float w);

// The soil around the shaft of one run: the t-z curves and, for every segment from the tip
// up, the curves at its middle depth (the same for every assumed tip movement).
struct ShaftSoil {
  const std::vector<TzCurve>& curves;
  std::vector<CurvesAtDepth> atSegment;
};
ShaftSoil LocateShaftSoil(const ShaftModel& shaft, const std::vector<TzCurve>& curves);

// One segment of a solution, at its last round.
struct SegmentState {
  float bottomDepth = 0.0f;
  float Qb = 0.0f;     // load at the bottom
  float Wb = 0.0f;     // movement at the bottom
  float zMid = 0.0f;   // middle depth
  float t = 0.0f;      // unit load transfer at the middle
  float dQ = 0.0f;     // load taken by the segment's side
  float Pm = 0.0f;     // load at the middle
  float delta = 0.0f;  // compression of the segment
  float wMid = 0.0f;   // movement at the middle
  float Pt = 0.0f;     // load at the top
  float Wt = 0.0f;     // movement at the top
  bool converged = true;
};

struct ShaftSolution {
  float tipMove = 0.0f;
  float tipLoad = 0.0f;
  float topLoad = 0.0f;
  float topMove = 0.0f;
  std::vector<SegmentState> segments;  // from the tip upwards
  int unconverged = 0;                 // segments that reached the round limit
  float firstUnconvergedDepth = 0.0f;  // middle depth of the first of them
};

ShaftSolution SolveShaft(const ShaftModel& shaft, const ShaftSoil& soil, float tipMove, float tipLoad,
                         int roundLimit);
ShaftSolution SolveShaft(const ShaftModel& shaft, const std::vector<TzCurve>& curves, float tipMove, float tipLoad,
                         int roundLimit);

// The tip movement that gives the top movement s, from the 15 solved pairs (top movement,
// tip movement): 0 below the first, the last two pairs extended above the last.
float TipMovementForSettlement(const std::array<float, kTipMovements>& top,
                               const std::array<float, kTipMovements>& tip, float s);

}  // namespace tvx
