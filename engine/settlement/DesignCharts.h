// Design charts of a run: for each defined settlement, the top load against shaft length
// for every chart diameter, from the design-chart store (state.settlement.chart) that the cases'
// trend runs filled. Written once, after the last case.
#pragma once

#include "SettlementState.h"

namespace tvx {

// With ICHART 1: the report section "DESIGN CHART CURVES" and the design-chart section of
// the plot-data file. Nothing otherwise. Settlements beyond 10, diameters beyond 20 and
// lengths beyond 100 are not held by the store and are not written.
void WriteDesignCharts(SettlementState& state);

}  // namespace tvx
