#include "CaseSettlement.h"

#include <algorithm>
#include <string>

#include "CurveDataFile.h"
#include "Format.h"
#include "LoadSettlementRun.h"
#include "LoadTransferCurves.h"
#include "PlotDataFile.h"
#include "RockSettlement.h"
#include "RunStatus.h"

namespace tvx {
namespace {

const char* const kSettlementHeading = "AXIAL LOAD VS SETTLEMENT CURVES";
const char* const kAdditionalCurvesHeading = "ADDITIONAL TZ CURVES";

int TipSoil(const SettlementState& state) {
  const ProblemRecord& p = state.problem;
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  const int tip = state.handOver.tipLayer;
  return p.layer[(tip >= 2 && tip <= last) ? tip : last].KSOIL;
}

void WriteHeading(UnitTable& units, const char* text) {
  units.WriteEmpty(kUnitReport, 3);
  units.Write(kUnitReport, Record().X(5).T(text));
  units.Write(kUnitReport, Record().X(5).T(std::string(std::string_view(text).size(), '-')));
}

// The t-z analysis of a case with its tip in soil: the printed curves on the first case,
// the first case's listing headings, then the trend, upper-bound and lower-bound runs.
int SettleSoilTip(SettlementState& state) {
  UnitTable& units = state.units;
  const ProblemRecord& p = state.problem;
  const CaseHandOver& h = state.handOver;
  SettlementRunValues& run = state.settlement;
  int status = kStatusNormal;
  const bool firstCase = h.caseNumber == 1;

  if (firstCase && p.PrintTZCurves == 1) {
    WriteHeading(units, kAdditionalCurvesHeading);
    units.WriteEmpty(kUnitReport);
    units.Write(kUnitReport, Record().X(5).T(kTzAndQwNote));
    for (int bound = kTrendBound; bound <= kLowerBound; ++bound) {
      run.KBOUND = bound;
      ComputeAdditionalTzCurves(state, status);
      if (status >= 1) return status;
    }
    run.KBOUND = kTrendBound;
  }
  WriteHeading(units, kSettlementHeading);

  if (firstCase) {
    WriteQwListHeading(units);
    WriteCurveFileHeading(units, p.TITLE);
    WriteTzPlotCount(units, kCurvesPerLayer * p.LayerCount());
    run.tzPlotWritten = true;
  }

  for (int bound = kTrendBound; bound <= kLowerBound; ++bound) {
    run.KBOUND = bound;
    ComputeLoadSettlement(state, status);
    if (status >= 1) return status;
  }
  return status;
}

}  // namespace

int SettleCase(SettlementState& state) {
  int status = kStatusNormal;
  // A tip in rock takes the rock-socket method of its type, which leaves the bound and the
  // upper- and lower-bound tables as the last soil-tip case left them.
  const bool tipInSoil = !IsRockLike(TipSoil(state)) || !SettleRockTip(state);
  if (tipInSoil) status = SettleSoilTip(state);
  if (status >= 1) return status;
  if (state.handOver.plotted) WritePlottedLine(state, tipInSoil);
  return status;
}

}  // namespace tvx
