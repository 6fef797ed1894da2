#include "PlotDataFile.h"

#include <algorithm>

#include "Format.h"
#include "Constants.h"

namespace tvx {
namespace {

// The capacity curve starts at the ground surface with nothing mobilized, then repeats the
// first increment's depth with zero resistances.
const char* const kSurfacePoint = "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ";
const char* const kFirstDepthZeros = "   0.0   0.0  0.0 0.0  0.0  0.0 ";


// Values written 5(1X,E10.3): five to a line.
void AppendFiveToALine(std::vector<std::string>& lines, const float* values, int count) {
  for (int first = 0; first < count; first += 5) {
    Record r;
    for (int k = first; k < std::min(count, first + 5); ++k) r.X(1).E(10, 3, values[k]);
    lines.push_back(r.str());
  }
}

void WriteSettlementBlock(UnitTable& units, const SettlementTable& t) {
  for (int k = 0; k < kSettlementPoints; ++k)
    units.Write(kUnitPlot, Record()
                               .X(1)
                               .E(10, 3, t.TOPLOAD[k])
                               .X(1)
                               .E(10, 3, t.TOPMV[k])
                               .X(1)
                               .E(10, 3, t.TIPLOAD[k])
                               .X(1)
                               .E(10, 3, t.TIPMV[k]));
}

void WritePointLines(UnitTable& units, const TzCurve& curve, const SettlementUnits& out) {
  for (int p = 0; p < kCurvePoints; ++p)
    units.Write(kUnitTzPlot, Record().FreeReal(out.Transfer(curve.TZT[p])).FreeReal(out.Movement(curve.TZW[p])));
}

void EmitPlottedLine(SettlementState& state, const HeldPlottedLine& line, int NBLK) {
  UnitTable& units = state.units;
  units.Write(kUnitPlot, Record().FreeInt(state.capacity.NLINES).FreeInt(line.NPTS).FreeInt(NBLK));
  for (const std::string& text : line.capacityLines) units.Write(kUnitPlot, text);
  const int blocks = NBLK == kPlotBlocksWithBounds ? 3 : 1;
  for (int b = 0; b < blocks; ++b) WriteSettlementBlock(units, line.blocks[static_cast<std::size_t>(b)]);
}

// Writes the line when the run's block count is known, holds it otherwise. The first plotted
// soil-tip case writes the held lines before its own, all with the bound blocks.
void PlaceLine(SettlementState& state, HeldPlottedLine line, bool tipInSoil) {
  SettlementRunValues& run = state.settlement;
  if (tipInSoil && !run.plottedSoilTip) {
    run.plottedSoilTip = true;
    for (const HeldPlottedLine& held : run.heldLines) EmitPlottedLine(state, held, kPlotBlocksWithBounds);
    run.heldLines.clear();
  }
  if (run.plottedSoilTip)
    EmitPlottedLine(state, line, kPlotBlocksWithBounds);
  else
    run.heldLines.push_back(std::move(line));
}

}  // namespace

void WritePlottedLine(SettlementState& state, bool tipInSoil) {
  const CaseHandOver& h = state.handOver;
  const bool si = state.problem.IsSI();
  const float perFt = si ? kFtPerM : 1.0f;
  const float perTon = si ? kTonsPerKn : 1.0f;
  const int nseg = std::max(h.NSEG, 0);

  HeldPlottedLine line;
  line.NPTS = nseg + 2;
  line.capacityLines.push_back(kSurfacePoint);
  const float firstDepth = h.curve.empty() ? 0.0f : h.curve.front().L;
  line.capacityLines.push_back(Record().X(1).E(10, 3, firstDepth / perFt).T(kFirstDepthZeros).str());
  // One point per increment; a curve shorter than the increments repeats its last point, so
  // the line always holds the point count of its header.
  for (int k = 0; k < nseg; ++k) {
    CapacityPoint c;
    if (!h.curve.empty()) c = h.curve[std::min<std::size_t>(static_cast<std::size_t>(k), h.curve.size() - 1)];
    const float values[7] = {c.L / perFt,       c.QS / perTon,      c.QB / perTon,     c.QU / perTon,
                             c.design1 / perTon, c.design2 / perTon, c.design3 / perTon};
    AppendFiveToALine(line.capacityLines, values, 7);
  }
  for (int bound = kTrendBound; bound <= kLowerBound; ++bound)
    line.blocks[static_cast<std::size_t>(bound - kTrendBound)] = state.settlement.results[bound];
  PlaceLine(state, std::move(line), tipInSoil);
}

void WriteEmptyPlottedLine(SettlementState& state) {
  HeldPlottedLine line;
  line.NPTS = 2;
  line.capacityLines.push_back(kSurfacePoint);
  line.capacityLines.push_back(Record().X(1).E(10, 3, 0.0f).T(kFirstDepthZeros).str());
  PlaceLine(state, std::move(line), false);
}

void WriteHeldPlottedLines(SettlementState& state) {
  for (const HeldPlottedLine& held : state.settlement.heldLines) EmitPlottedLine(state, held, kPlotBlocksTrendOnly);
  state.settlement.heldLines.clear();
}

void WriteTzPlotCount(UnitTable& units, int count) { units.Write(kUnitTzPlot, Record().FreeInt(count)); }

void WriteTzPlotAdditionalCurve(UnitTable& units, const TzCurve& curve, const SettlementUnits& out) {
  units.Write(kUnitTzPlot, Record().X(8).I(5, curve.serial).I(11, kCurvePoints).E(16, 4, out.Length(curve.ZTZ)));
  WritePointLines(units, curve, out);
}

void WriteTzPlotCurve(UnitTable& units, const TzCurve& curve, const SettlementUnits& out) {
  units.Write(kUnitTzPlot, Record().I(5, curve.serial).I(5, kCurvePoints).F(10, 2, out.Length(curve.ZTZ)));
  WritePointLines(units, curve, out);
}

void WriteQwPlotCurve(UnitTable& units, int diameterIndex, float Dft, const QwCurve& qw, const SettlementUnits& out) {
  const float perFt = out.si ? kFtPerM : 1.0f;
  units.Write(kUnitQwPlot, Record().I(5, diameterIndex).F(10, 2, Dft / perFt).I(5, kCurvePoints));
  for (int p = 0; p < kCurvePoints; ++p)
    units.Write(kUnitQwPlot, Record().FreeReal(out.Load(qw.QWQ[p])).FreeReal(out.Movement(qw.QWW[p])));
}

void WriteQwCurveCount(UnitTable& units, int count, const std::string& path) {
  if (!units.OpenWrite(kUnitTzDiam, path)) return;
  units.Write(kUnitTzDiam, Record().FreeInt(count));
  units.Close(kUnitTzDiam);
}

void WriteLoadDistribution(UnitTable& units, const ShaftSolution& solution, const SettlementUnits& out) {
  // The movement stays in inches in both unit systems.
  for (const SegmentState& s : solution.segments)
    units.Write(kUnitLoadDist,
                Record().X(3).E(10, 3, out.Length(s.zMid)).X(3).E(10, 3, out.Load(s.Pm)).X(3).E(10, 3, s.wMid));
}

}  // namespace tvx
