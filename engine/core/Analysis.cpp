#include "Analysis.h"

#include "CapacityAnalysis.h"
#include "DesignCharts.h"
#include "InputConversion.h"
#include "InputEcho.h"
#include "InputReader.h"
#include "LoadSettlementRun.h"
#include "PlotDataFile.h"
#include "ParameterEstimates.h"
#include "ProfileMessages.h"
#include "RockSettlement.h"
#include "RunStatus.h"
#include "SoilProfile.h"

namespace tvx {

void PrepareProblem(EngineState& state) {
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

void FinishAnalysis(EngineState& state) {
  WriteLastTzData(state);
  WriteHeldPlottedLines(state);
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
  SearchDesign(state, status);
  FinishAnalysis(state);
  if (status != kStatusNormal) return;
  // After the last case: the note on weak rock, then the design charts.
  WriteRockStrengthNote(state);
  WriteDesignCharts(state);
}

}  // namespace tvx
