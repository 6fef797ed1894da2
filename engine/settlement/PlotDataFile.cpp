#include "PlotDataFile.h"

#include <algorithm>

#include "Format.h"
#include "UnitConversion.h"

namespace tvx {
namespace {

// The capacity curve starts at the ground surface with nothing mobilized, then repeats the
// first increment's depth with zero resistances.
const char* const kSurfacePoint = "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ";
const char* const kFirstDepthZeros = "   0.0   0.0  0.0 0.0  0.0  0.0 ";


// Values written 5(1X,E10.3): five to a line.
void WriteFiveToALine(UnitTable& units, const float* values, int count) {
  for (int first = 0; first < count; first += 5) {
    Record r;
    for (int k = first; k < std::min(count, first + 5); ++k) r.X(1).E(10, 3, values[k]);
    units.Write(kUnitPlot, r);
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

}  // namespace

void WritePlottedLine(EngineState& state) {
  UnitTable& units = state.units;
  const CaseHandOver& h = state.handOver;
  const bool si = state.problem.IsSI();
  const float perFt = si ? kFtPerM : 1.0f;
  const float perTon = si ? kTonsPerKn : 1.0f;
  const int nseg = std::max(h.NSEG, 0);

  units.Write(kUnitPlot, Record().FreeInt(state.run.NLINES).FreeInt(nseg + 2).FreeInt(kPlotBlocks));

  units.Write(kUnitPlot, kSurfacePoint);
  const float firstDepth = h.curve.empty() ? 0.0f : h.curve.front().L;
  units.Write(kUnitPlot, Record().X(1).E(10, 3, firstDepth / perFt).T(kFirstDepthZeros));
  // One point per increment; a curve shorter than the increments repeats its last point, so
  // the line always holds the point count of its header.
  for (int k = 0; k < nseg; ++k) {
    CapacityPoint c;
    if (!h.curve.empty()) c = h.curve[std::min<std::size_t>(static_cast<std::size_t>(k), h.curve.size() - 1)];
    const float values[7] = {c.L / perFt,       c.QS / perTon,      c.QB / perTon,     c.QU / perTon,
                             c.design1 / perTon, c.design2 / perTon, c.design3 / perTon};
    WriteFiveToALine(units, values, 7);
  }

  for (int bound = kTrendBound; bound <= kLowerBound; ++bound) WriteSettlementBlock(units, state.run.results[bound]);
}

void WriteEmptyPlottedLine(EngineState& state) {
  UnitTable& units = state.units;
  units.Write(kUnitPlot, Record().FreeInt(state.run.NLINES).FreeInt(2).FreeInt(kPlotBlocks));
  units.Write(kUnitPlot, kSurfacePoint);
  units.Write(kUnitPlot, Record().X(1).E(10, 3, 0.0f).T(kFirstDepthZeros));
  const SettlementTable none{};
  for (int bound = kTrendBound; bound <= kLowerBound; ++bound) WriteSettlementBlock(units, none);
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
