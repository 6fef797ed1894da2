// The analysis proper: reads the problem from the input unit, prepares it, and runs the case
// enumeration of the capacity analysis with the load-settlement step of every case; the end
// of the analysis and of the run is FinishRun (RunEngine.h).
#pragma once

#include "CapacityAnalysis.h"
#include "EngineState.h"

namespace tvx {

void RunAnalysis(EngineState& state, int& status);

// The steps between reading and the capacity analysis, on a problem just read into
// state.problem: the title and control echo, the conversion to English units, the
// two-diameter warning, the factors of safety, the estimates, the soil information with the
// rock conversions after each layer, the estimate note, the shaft, length-range and chart
// input, then the moduli in tsf and the layer bottoms snapped to whole feet.
void PrepareProblem(CapacityState& state);

// What follows the capacity analysis of a case: the case counts in the design-chart extent,
// then the load-settlement computations of a case that has a tip row, or the empty plotted
// line of a plotted case without one. Returns the run status (1 or more ends the run).
int SettleAnalysedCase(SettlementState& state, const CasePlan& plan, const CaseOutcome& outcome);

// The steps after the last case, also after a run stopped early: the TZDATA.DAT listing of
// the last load-settlement run and the plotted lines still held for their block count; when
// the run went through (status 0), the note on weak rock and the design charts.
void FinishAnalysis(SettlementState& state, int status);

// The last guard of the results: once a value that is not a finite number has been printed
// (as asterisks, Format.h) the message block goes to the report and the run notes, and a run
// still at status 0 ends with kStatusNotFinite. A run stopped for another reason keeps its
// status. Returns the status.
int StopOnNonFiniteValue(SettlementState& state, int status);

}  // namespace tvx
