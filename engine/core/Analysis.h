// The analysis proper: reads the problem from the input unit and writes the report, run
// notes, plot data and curve data of every case.
#pragma once

#include "EngineState.h"

namespace tvx {

void RunAnalysis(EngineState& state, int& status);

// The steps between reading and the capacity analysis, on a problem just read into
// state.problem: the title and control echo, the conversion to English units, the
// two-diameter warning, the factors of safety, the estimates, the soil information with the
// rock conversions after each layer, the estimate note, the shaft, length-range and chart
// input, then the moduli in tsf and the layer bottoms snapped to whole feet.
void PrepareProblem(EngineState& state);

// The steps after the last case, also after a run stopped early: the TZDATA.DAT listing of
// the last load-settlement run and the plotted lines still held for their block count.
void FinishAnalysis(EngineState& state);

}  // namespace tvx
