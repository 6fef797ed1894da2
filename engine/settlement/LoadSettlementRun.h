// One load-settlement run of a case with its tip in soil, for the bound in
// state.settlement.KBOUND: the curves, their listings, the 15 solutions of the assumed tip
// movements, the report table, the result table of the bound and, in the trend run with
// design charts, the solutions for the defined settlements. Also the printed t-z curves at
// the depths the user asked for.
#pragma once

#include "SettlementState.h"

namespace tvx {

// Sets status to 2 (a curve depth below the soil profile) or 4 (the tip below the profile)
// and returns at once on those failures; otherwise leaves it unchanged.
void ComputeLoadSettlement(SettlementState& state, int& status);

// Writes TZDATA.DAT with the listing of the last load-settlement run of the analysis: the
// file each run would have rewritten from its start. Nothing when no run began; an empty
// file when the last run stopped before its curves.
void WriteLastTzData(SettlementState& state);

// The additional t-z curves at the depths TZDEP for the bound in state.settlement.KBOUND: printed
// in the report and, in the trend run, written to the t-z scratch. Sets status to 2 when a
// depth lies below the soil profile.
void ComputeAdditionalTzCurves(SettlementState& state, int& status);

}  // namespace tvx
