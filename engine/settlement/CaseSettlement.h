// Load-settlement computations of one analysed case, called by the capacity analysis after
// the case's table: the t-z solver for a tip in soil (three bounds), the rock-socket methods
// for a tip in rock, then the case's blocks of the plot-data file.
#pragma once

#include "SettlementState.h"

namespace tvx {

// Reads state.handOver; returns the run status (0 to go on, 1 or more ends the analysis).
int SettleCase(SettlementState& state);

}  // namespace tvx
