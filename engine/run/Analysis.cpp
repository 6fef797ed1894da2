#include "Analysis.h"

#include <algorithm>

#include "CaseSettlement.h"
#include "DesignCharts.h"
#include "Format.h"
#include "InputConversion.h"
#include "InputEcho.h"
#include "InputReader.h"
#include "LoadSettlementRun.h"
#include "ParameterEstimates.h"
#include "PlotDataFile.h"
#include "ProfileMessages.h"
#include "RockSettlement.h"
#include "RunStatus.h"
#include "SoilProfile.h"

namespace tvx {

void PrepareProblem(CapacityState& state) {
  ProblemRecord& p = state.problem;
  WriteTitle(state);
  WriteControlEcho(state);
  ConvertProblemUnits(p);
  if (p.METHOD == 2 && p.DGH > p.layer[p.NLAYERS].XBOT) WriteTwoDiameterWarning(state);
  if (p.NLRFD != 1) WriteSafetyFactors(state);
  EstimateLayerParameters(p);
  WriteSoilInformationHeading(state);
  for (int i = 2; i <= p.NLAYERS; ++i) {
    WriteLayerBlock(state, i);
    ConvertRockInputs(p, p.layer[i]);
  }
  if (HasEstimatedValues(p)) WriteEstimateNote(state);
  WriteShaftInformation(state);
  if (p.IPENT == 1) WriteVaryLengthInput(state);
  if (p.ICHART == 1) WriteChartInput(state);
  ConvertModuliToTsf(p);
  SnapLayerBottoms(p);
}

int SettleAnalysedCase(SettlementState& state, const CasePlan& plan, const CaseOutcome& outcome) {
  ChartStore& chart = state.settlement.chart;
  chart.NDIAC = std::max(chart.NDIAC, plan.diameterIndex);
  chart.NLENC = plan.lengthIndex;
  if (outcome.handedOver) return SettleCase(state);
  if (plan.plotted) WriteEmptyPlottedLine(state);
  return kStatusNormal;
}

void FinishAnalysis(SettlementState& state, int status) {
  WriteLastTzData(state);
  WriteHeldPlottedLines(state);
  if (status != kStatusNormal) return;
  WriteRockStrengthNote(state);
  WriteDesignCharts(state);
}

int StopOnNonFiniteValue(SettlementState& state, int status) {
  if (status == kStatusNotFinite || NonFiniteFieldCount() == 0) return status;
  WriteValueNotFinite(state);
  return status == kStatusNormal ? kStatusNotFinite : status;
}

void RunAnalysis(EngineState& state, int& status) {
  UnitLineSource input(state.units, kUnitInput);
  InputError error;
  if (!ReadProblemInput(input, state.problem, error)) {
    WriteInputError(state, error);
    status = kStatusInputUnreadable;
    return;
  }
  PrepareProblem(state);
  SearchDesign(state, [&state](const CasePlan& plan, const CaseOutcome& outcome) {
    const int settled = SettleAnalysedCase(state, plan, outcome);
    return settled != kStatusNormal ? settled : StopOnNonFiniteValue(state, settled);
  }, status);
}

}  // namespace tvx
