// The plot-data file that the desktop program draws from: the plotted lines of the run
// (line header, capacity curve, load-settlement curves) written after each plotted case,
// and the scratch sections appended after the run (t-z curves of the first case, the count
// of q-w curves, the q-w curves, and the load distributions of the first case).
#pragma once

#include <string>

#include "SettlementState.h"
#include "LoadSettlementSolver.h"
#include "LoadTransferCurves.h"
#include "SettlementUnits.h"

namespace tvx {

// Load-settlement blocks of a plotted line (NBLK of its header): the trend, upper-bound and
// lower-bound curves once a plotted case of the run has had its tip in soil, the trend curve
// alone in a run whose plotted cases all end in rock. All lines of a run carry the same
// count, so the desktop program reads them alike.
constexpr int kPlotBlocksWithBounds = 3;
constexpr int kPlotBlocksTrendOnly = 0;

// The plotted line of the case in state.handOver: the line header, the capacity curve and the
// load-settlement blocks from state.settlement.results. tipInSoil: the case's curve came from the
// t-z analysis (so the run has bound curves). A line written before the run's first plotted
// soil-tip case is held until that case or the end of the analysis decides its block count.
void WritePlottedLine(SettlementState& state, bool tipInSoil);

// A plotted line for a case whose profile gave no shaft-length row (nothing to hand on): the
// header with the two surface points only and blocks of zeros, so the file still holds the
// number of lines its header announces.
void WriteEmptyPlottedLine(SettlementState& state);

// End of the analysis: plotted lines still held (no plotted case had its tip in soil) are
// written with the trend block alone.
void WriteHeldPlottedLines(SettlementState& state);

// t-z scratch (.tv8t): a count line, a printed (additional) curve, a curve of the first case.
void WriteTzPlotCount(UnitTable& units, int count);
void WriteTzPlotAdditionalCurve(UnitTable& units, const TzCurve& curve, const SettlementUnits& out);
void WriteTzPlotCurve(UnitTable& units, const TzCurve& curve, const SettlementUnits& out);

// q-w scratch (.tv8q): the q-w curve of a diameter (ft) at the first length.
void WriteQwPlotCurve(UnitTable& units, int diameterIndex, float Dft, const QwCurve& qw, const SettlementUnits& out);

// TZDIAM.DAT: the number of q-w curves in the q-w scratch, rewritten with every new curve.
void WriteQwCurveCount(UnitTable& units, int count, const std::string& path);

// Load-distribution scratch (.tv8l): one line per segment, from the tip up.
void WriteLoadDistribution(UnitTable& units, const ShaftSolution& solution, const SettlementUnits& out);

}  // namespace tvx
