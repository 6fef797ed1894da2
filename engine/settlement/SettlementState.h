// The load-settlement computations' part of the state of a run: the result tables of the
// bounds, the design-chart store, the plotted lines held for their block count and the
// scratch sections written so far. It builds on the capacity analysis' state, whose
// hand-over record and run values the computations read.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "CapacityState.h"

namespace tvx {

struct TzDataListing;  // the TZDATA.DAT listing of one load-settlement run (CurveDataFile.h)

// One load-settlement curve of 15 points in output units (English: tons and inches; SI: kN
// and metres).
constexpr int kSettlementPoints = 15;
struct SettlementTable {
  std::array<float, kSettlementPoints> TOPLOAD{};
  std::array<float, kSettlementPoints> TOPMV{};
  std::array<float, kSettlementPoints> TIPLOAD{};
  std::array<float, kSettlementPoints> TIPMV{};
};

// Design-chart store: lengths and diameters in inches, loads in pounds, indexed from 1 by
// length index (1..100), diameter index (1..20) and defined settlement (1..10). Entries of
// rock-tip cases stay 0.
struct ChartStore {
  std::array<float, kMaxRunLengths + 1> lengthIn{};
  std::array<float, kMaxRunDiameters + 1> diameterIn{};
  std::array<std::array<std::array<float, kMaxChartSettlements + 1>, kMaxRunDiameters + 1>, kMaxRunLengths + 1>
      load{};
  int NDIAC = 0;  // diameters of the chart: the highest diameter index of the cases
  int NLENC = 0;  // lengths of the chart: the length index of the last case
};

// A plotted line whose number of load-settlement blocks is not known yet: its capacity
// curve as written and the trend, upper-bound and lower-bound tables as they stood after
// its case.
struct HeldPlottedLine {
  int NPTS = 0;
  std::vector<std::string> capacityLines;
  std::array<SettlementTable, 3> blocks{};
};

// Values the load-settlement computations keep across the cases of one run.
struct SettlementRunValues {
  // Bound of the last load-transfer run: 1 trend, 2 upper, 3 lower; 0 while only rock-tip
  // cases have run (the rock-socket methods leave it as it was).
  int KBOUND = 0;
  // Result tables by bound (index 1..3); the rock-socket methods write the trend table, so
  // the upper and lower tables keep those of the last soil-tip case.
  std::array<SettlementTable, 4> results{};
  ChartStore chart;

  // Every plotted line of a run carries three load-settlement blocks (NBLK 3) once a plotted
  // case has had its tip in soil, and only the trend block (NBLK 0) in a run where none has.
  // Lines of rock-tip cases that come before the first plotted soil-tip case are held until
  // that case comes (then all carry three) or the analysis ends (then all carry one).
  bool plottedSoilTip = false;
  std::vector<HeldPlottedLine> heldLines;

  // q-w curves written to the plot-data scratch (one per diameter at the first length, trend
  // bound): the count heads their section. They are written only when the first case's t-z
  // curves head the appended sections, so the sections read back in order.
  int NQW = 0;
  bool tzPlotWritten = false;

  // The TZDATA.DAT listing of the last load-settlement run. Every run would rewrite the file
  // from its start, so the runs keep their listing here and the file is written once, when
  // the analysis ends (null until a run begins).
  std::shared_ptr<TzDataListing> tzData;
};

struct SettlementState : CapacityState {
  SettlementRunValues settlement;
};

}  // namespace tvx
