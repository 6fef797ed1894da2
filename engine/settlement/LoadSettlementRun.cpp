#include "LoadSettlementRun.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "CurveDataFile.h"
#include "Format.h"
#include "MessageBanners.h"
#include "LoadSettlementSolver.h"
#include "LoadTransferCurves.h"
#include "PlotDataFile.h"
#include "RunStatus.h"
#include "SettlementUnits.h"
#include "SoilProfile.h"

namespace tvx {
namespace {

constexpr float kBottomNearness = 0.011f;  // in: a printed depth this close to the profile
                                           // bottom is scaled from the layer profile

const char* const kTableHeader = "        TOP  LOAD     TOP MOVEMENT       TIP LOAD      TIP  MOVEMENT";
const char* const kDefinedSettlementTitle = "        RESULT FOR DEFINED SETTLEMENTS";
const char* const kNoConvergenceLine1 = "THE MOVEMENT OF A SHAFT SEGMENT DID NOT SETTLE WITHIN";
const char* const kNoConvergenceLine3 = "THE LAST VALUES ARE TAKEN; THE CURVE MAY BE INACCURATE THERE.";

// The case's inputs in inches, pounds and psi.
struct RunInputs {
  SettlementUnits out;
  float L = 0.0f;
  float D = 0.0f;
  float Db = 0.0f;   // the larger of base and stem diameters
  float Hb = 0.0f;
  float Ec = 0.0f;
  float QB = 0.0f;
  int NSEG = 0;
  float ZSKIP = 0.0f;
  float sideEnd = 0.0f;
  int tipSoil = 0;
};

RunInputs GatherInputs(const SettlementState& state) {
  const ProblemRecord& p = state.problem;
  const CaseHandOver& h = state.handOver;
  RunInputs in;
  in.out.si = p.IsSI();
  in.L = h.tipDepth * kInchesPerFoot;
  in.D = h.D * kInchesPerFoot;
  in.Db = std::max(h.Db, h.D) * kInchesPerFoot;
  in.Hb = h.H * kInchesPerFoot;
  in.Ec = in.out.si ? p.EcInput / kKpaPerPsi : p.EcInput;
  in.QB = h.QB * kLbPerTon;
  in.NSEG = h.NSEG;
  in.ZSKIP = p.TOPLENG * kInchesPerFoot;
  // The capacity analysis stores a step at the shaft length z + BS + H taken to a whole foot,
  // so the side of a shaft of length L ends that whole-foot length above its tip.
  in.sideEnd = (h.tipDepth - RoundToWholeFoot(h.HBS)) * kInchesPerFoot;
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  const int tip = (h.tipLayer >= 2 && h.tipLayer <= last) ? h.tipLayer : last;
  in.tipSoil = p.layer[tip].KSOIL;
  return in;
}

void WriteTableHead(UnitTable& units, const SettlementUnits& out) {
  units.WriteEmpty(kUnitReport);
  units.Write(kUnitReport, kTableHeader);
  units.Write(kUnitReport, Record()
                               .X(11)
                               .T(out.LoadLabel())
                               .X(13)
                               .T(out.MovementLabel())
                               .X(14)
                               .T(out.LoadLabel())
                               .X(12)
                               .T(out.MovementLabel()));
}

void WriteTableRow(UnitTable& units, float topLoad, float topMove, float tipLoad, float tipMove) {
  units.Write(kUnitReport, Record().E(17, 4, topLoad).E(16, 4, topMove).E(16, 4, tipLoad).E(16, 4, tipMove));
}

void WriteNoConvergenceWarning(UnitTable& units, const ShaftSolution& sol) {
  for (int unit : {kUnitReport, kUnitRunNotes}) {
    units.WriteEmpty(unit);
    units.Write(unit, Record().X(29).T(kWarningMark));
    units.Write(unit, Record().X(5).T(kNoConvergenceLine1).I(6, kSegmentRoundLimit).T(" ROUNDS"));
    units.Write(unit, Record()
                          .X(5)
                          .T("AT DEPTH =")
                          .F(10, 2, sol.firstUnconvergedDepth)
                          .T(" IN. FOR THE ASSUMED TIP MOVEMENT =")
                          .E(10, 3, sol.tipMove)
                          .T(" IN."));
    units.Write(unit, Record().X(5).T(kNoConvergenceLine3));
  }
}

// Scale value of every curve and the curves themselves; false when a depth lies below the
// profile (the warning is written).
bool BuildSideCurves(UnitTable& units, const LayerProfile& profile, const SideTable& table, const RunInputs& in,
                     int KBOUND, std::vector<TzCurve>& curves) {
  const std::vector<float> depths = CurveDepths(profile);
  const std::size_t n = depths.size();
  curves.clear();
  curves.reserve(n);
  for (std::size_t j = 0; j < n; ++j) {
    const float z = depths[j];
    const ProfileValue pv = ProfileSideResistanceAtDepth(profile, z);
    if (pv.beyond) {
      WriteDepthBeyondProfileWarning(units, z);
      return false;
    }
    // The deepest curve keeps the profile value; the others take the capacity table's.
    const float tmax = j + 1 < n ? SideResistanceAtDepth(table, z) : pv.value;
    const int layer = static_cast<int>(j) / kCurvesPerLayer;
    curves.push_back(BuildSideCurve(static_cast<int>(j) + 1, z, profile.KSOIL[layer], tmax, in.D, KBOUND));
  }
  return true;
}

void DefinedSettlementPass(SettlementState& state, const RunInputs& in, const ShaftModel& shaft, const ShaftSoil& soil,
                           const QwCurve& qw) {
  UnitTable& units = state.units;
  const ProblemRecord& p = state.problem;
  const CaseHandOver& h = state.handOver;
  const SettlementTable& solved = state.settlement.results[kTrendBound];
  ChartStore& chart = state.settlement.chart;
  const int count = std::clamp(p.NPOINTPD, 0, kMaxChartSettlements);
  const int li = h.lengthIndex;
  const int di = h.diameterIndex;
  const bool inStore = li >= 1 && li <= kMaxRunLengths && di >= 1 && di <= kMaxRunDiameters;
  const float tipArea = kQuarterPiAsTabulated * (in.Db > in.D ? in.Db * in.Db : in.D * in.D);

  units.Write(kUnitChart, Record()
                              .FreeInt(p.NPOINTPD)
                              .FreeInt(in.NSEG)
                              .FreeReal(in.D)
                              .FreeReal(in.L)
                              .FreeInt(di)
                              .FreeInt(li));
  std::vector<ShaftSolution> solutions;
  for (int i = 1; i <= count; ++i) {
    float m = TipMovementForSettlement(solved.TOPMV, solved.TIPMV, p.PDSETT[i]);
    if (in.out.si) m *= kInchesPerMetreAsTabulated;
    units.Write(kUnitChart, Record().FreeInt(di).FreeReal(in.D).FreeReal(m).FreeReal(tipArea));
    const float tipLoad = m <= kNoTipMovement ? 0.0f : CurveValueAt(qw.QWW, qw.QWQ, m);
    ShaftSolution sol = SolveShaft(shaft, soil, m, tipLoad, kDefinedSettlementRoundLimit);
    const float topDepth = in.L - (static_cast<float>(in.NSEG) - 0.5f) * shaft.h;
    const float Pm = sol.segments.empty() ? sol.topLoad : sol.segments.back().Pm;
    const float wMid = sol.segments.empty() ? sol.topMove : sol.segments.back().wMid;
    units.Write(kUnitChart, Record().X(3).E(10, 3, topDepth).X(3).E(10, 3, Pm).X(3).E(10, 3, wMid));
    if (inStore) {
      if (i == 1) {
        chart.lengthIn[li] = in.L;
        chart.diameterIn[di] = in.D;
      }
      chart.load[li][di][i] = Pm;
    }
    solutions.push_back(std::move(sol));
  }

  units.WriteEmpty(kUnitReport, 2);
  units.Write(kUnitReport, kDefinedSettlementTitle);
  WriteTableHead(units, in.out);
  for (const ShaftSolution& s : solutions)
    WriteTableRow(units, in.out.Load(s.topLoad), in.out.Movement(s.topMove), in.out.Load(s.tipLoad),
                  in.out.Movement(s.tipMove));
}

}  // namespace

void ComputeLoadSettlement(SettlementState& state, int& status) {
  UnitTable& units = state.units;
  const CaseHandOver& h = state.handOver;
  SettlementRunValues& run = state.settlement;
  const int KBOUND = run.KBOUND;
  const RunInputs in = GatherInputs(state);
  const SettlementUnits& out = in.out;
  const bool firstCase = h.caseNumber == 1;
  const bool firstLength = h.lengthIndex == 1;
  // A new run replaces the listing of the one before, as it would rewrite TZDATA.DAT.
  run.tzData = std::make_shared<TzDataListing>();
  TzDataListing& listing = *run.tzData;

  const LayerProfile profile = BuildLayerProfile(state.problem, h);
  const SideTable table{h.sideDepthIn, h.sideUnitPsi, std::is_sorted(h.sideDepthIn.begin(), h.sideDepthIn.end())};
  std::vector<TzCurve> curves;
  if (!BuildSideCurves(units, profile, table, in, KBOUND, curves)) {
    status = kStatusDepthBeyondProfile;
    return;
  }
  if (status >= 1) return;
  if (TipBeyondProfile(profile, in.tipSoil, in.L)) {
    WriteTipBeyondProfileWarning(units, in.L);
    status = kStatusTipBeyondProfile;
    return;
  }
  const QwCurve qw = BuildTipCurve(in.tipSoil, in.Db, in.QB, KBOUND);
  listing.listed = true;
  listing.out = out;
  listing.curves = curves;
  listing.qw = qw;

  // Curve listings.
  if (firstCase) WriteCurveFileBound(units, curves, out, KBOUND, h.D, h.tipDepth);
  if (firstCase && KBOUND == kTrendBound)
    for (const TzCurve& c : curves) WriteTzPlotCurve(units, c, out);
  if (firstLength) WriteQwListBound(units, qw, out, KBOUND, h.diameterIndex, h.D, h.tipDepth);
  if (firstLength && KBOUND == kTrendBound && run.tzPlotWritten) {
    WriteQwPlotCurve(units, h.diameterIndex, h.D, qw, out);
    WriteQwCurveCount(units, ++run.NQW, kTzDiamFileName);
  }

  // The 15 assumed tip movements.
  const ShaftModel shaft = BuildShaftModel(in.L, in.D, in.Db, in.Hb, in.Ec, in.NSEG, in.ZSKIP, in.sideEnd);
  const ShaftSoil soil = LocateShaftSoil(shaft, curves);
  const std::array<float, kTipMovements> WTIPS = TipMovements(in.D);
  SettlementTable& result = run.results[std::clamp(KBOUND, 1, 3)];
  bool warned = false;
  listing.solutions.reserve(kTipMovements);
  for (int k = 0; k < kTipMovements; ++k) {
    const float m = WTIPS[k];
    ShaftSolution sol = SolveShaft(shaft, soil, m, CurveValueAt(qw.QWW, qw.QWQ, m), kSegmentRoundLimit);
    if (sol.unconverged > 0 && !warned) {
      WriteNoConvergenceWarning(units, sol);
      warned = true;
    }
    if (firstCase && KBOUND == kTrendBound) WriteLoadDistribution(units, sol, out);
    result.TOPLOAD[k] = out.Load(sol.topLoad);
    result.TOPMV[k] = out.Movement(sol.topMove);
    result.TIPLOAD[k] = out.Load(sol.tipLoad);
    result.TIPMV[k] = out.Movement(sol.tipMove);
    listing.solutions.push_back(std::move(sol));
  }

  units.WriteEmpty(kUnitReport, 2);
  units.Write(kUnitReport, Record().X(8).T(BoundTitle(KBOUND)));
  WriteTableHead(units, out);
  for (int k = 0; k < kTipMovements; ++k)
    WriteTableRow(units, result.TOPLOAD[k], result.TOPMV[k], result.TIPLOAD[k], result.TIPMV[k]);

  if (state.problem.ICHART != 0 && KBOUND == kTrendBound) DefinedSettlementPass(state, in, shaft, soil, qw);
}

void WriteLastTzData(SettlementState& state) {
  if (!state.settlement.tzData) return;
  UnitTable& units = state.units;
  if (units.OpenWrite(kUnitTzData, kTzDataFileName)) {
    WriteTzDataListing(units, *state.settlement.tzData);
    units.Close(kUnitTzData);
  }
  state.settlement.tzData.reset();
}

void ComputeAdditionalTzCurves(SettlementState& state, int& status) {
  UnitTable& units = state.units;
  const ProblemRecord& p = state.problem;
  const CaseHandOver& h = state.handOver;
  const int KBOUND = state.settlement.KBOUND;
  const RunInputs in = GatherInputs(state);
  const LayerProfile profile = BuildLayerProfile(p, h);
  const SideTable table{h.sideDepthIn, h.sideUnitPsi, std::is_sorted(h.sideDepthIn.begin(), h.sideDepthIn.end())};
  const int count = std::clamp(p.NTZDEP, 0, kMaxTzDepths);

  if (KBOUND == kTrendBound) WriteTzPlotCount(units, count);
  std::vector<TzCurve> curves;
  for (int k = 1; k <= count; ++k) {
    const float z = p.TZDEP[k] * kInchesPerFoot;
    const ProfileValue pv = ProfileSideResistanceAtDepth(profile, z);
    if (pv.beyond) {
      WriteDepthBeyondProfileWarning(units, z);
      status = kStatusDepthBeyondProfile;
      return;
    }
    const float tmax = std::fabs(z - profile.Bottom()) >= kBottomNearness ? SideResistanceAtDepth(table, z) : pv.value;
    curves.push_back(BuildSideCurve(k, z, SoilTypeAtDepth(profile, z), tmax, in.D, KBOUND));
    if (KBOUND == kTrendBound) WriteTzPlotAdditionalCurve(units, curves.back(), in.out);
  }
  units.WriteEmpty(kUnitReport, 2);
  units.Write(kUnitReport, Record().X(8).T(BoundTitle(KBOUND)));
  units.WriteEmpty(kUnitReport, 2);
  WriteTzCurveListing(units, kUnitReport, curves, in.out, true);
}

}  // namespace tvx
