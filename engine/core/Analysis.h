// The analysis proper: reads the problem from the input unit and writes the report, run
// notes, plot data and curve data of every case.
#pragma once

#include "EngineState.h"

namespace tvx {

void RunAnalysis(EngineState& state, int& status);

}  // namespace tvx
