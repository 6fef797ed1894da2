// The plot-data file that the desktop program draws from: the plotted lines of the run
// (line header, capacity curve, load-settlement curves) written after each plotted case,
// and the scratch sections appended after the run (t-z curves of the first case, the count
// of q-w curves, the q-w curves, and the load distributions of the first case).
#pragma once

#include <string>

#include "EngineState.h"
#include "LoadSettlementSolver.h"
#include "LoadTransferCurves.h"
#include "SettlementUnits.h"

namespace tvx {

// Number of load-settlement blocks of every plotted line. Every line carries the trend,
// upper-bound and lower-bound blocks, also a rock-tip line written before the first soil-tip
// case of the run, so the desktop program reads all lines alike.
constexpr int kPlotBlocks = 3;

// The line header, the capacity curve and the three load-settlement blocks of the case in
// state.handOver, from state.run.results.
void WritePlottedLine(EngineState& state);

// A plotted line for a case whose profile gave no shaft-length row (nothing to hand on): the
// header with the two surface points only and three blocks of zeros, so the file still holds
// the number of lines its header announces.
void WriteEmptyPlottedLine(EngineState& state);

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
