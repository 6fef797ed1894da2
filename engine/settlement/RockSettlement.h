// Load-settlement curve of a case whose tip lies in rock, by closed-form socket methods in
// place of the t-z solver: strong rock (types 4 and 7) by the socket influence-factor method
// with the soil above the rock carried by normalized side-load curves, weak rock (type 6) by
// the cohesive intermediate-geomaterial method, decomposed rock or gravel (type 5) by the
// cohesionless intermediate-geomaterial (elastic shaft) method.
//
// Each method reads the problem record, the case hand-over (state.handOver: tipDepth L, D,
// QB, tipLayer, layerEndSide, sigmaLast/zLast) and the run's QSW, writes the report heading
// "LOAD SETTLEMENT RELATIONSHIP", and fills the trend table state.settlement.results[1] with 15
// points in output units (English tons and inches, SI kN and metres). None of them touches
// KBOUND, the upper- and lower-bound tables or the run status. Inputs the closed forms
// cannot use (a zero socket diameter, a zero modulus, no socket length, a logarithm or root
// of a value that is not positive) give a warning in the run notes and a finite table.
//
// Layer depths are the ones the capacity stepping used (the snapped layer tops and
// bottoms), so they agree with the cumulative side resistances handed over per layer.
#pragma once

#include "SettlementState.h"

namespace tvx {

// The load-settlement computation of a case whose tip is in rock: the method of the tip
// layer's type (ComputeStrongRockSettlement, ComputeWeakRockSettlement or
// ComputeDecomposedRockSettlement), the report table when no soil-tip case has run the bounds yet (KBOUND 1 or
// less), and, in a design-chart run, the case's chart length and diameter (its chart loads
// stay 0). Returns false, doing nothing, when the tip layer is not rock. The caller writes
// the case's plot-data blocks afterwards.
bool SettleRockTip(SettlementState& state);

// After the last case, before the design charts: the report note on rock weaker than
// 1000 psi, when the deepest layer is shale and the strength of the last rock step of the
// capacity analysis (0 when there was none) is below 1000 psi.
void WriteRockStrengthNote(SettlementState& state);

}  // namespace tvx
