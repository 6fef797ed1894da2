// What the capacity analysis of one case hands to the load-settlement computations. The
// capacity analysis fills it after each case's table; the t-z solver, the rock-socket
// methods and the plot-data writer read it. Units are stated per field.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ProblemRecord.h"

namespace tvx {

struct TzDataListing;  // the load-settlement side's listing of one run

// One stored shaft length of the case's capacity curve (the values of the report row,
// before interpolation to PINC rows), tons and ft.
struct CapacityPoint {
  float L = 0.0f;       // shaft length, ft
  float QS = 0.0f;      // ultimate side resistance
  float QB = 0.0f;      // ultimate tip resistance (uplift: shaft weight WT)
  float QU = 0.0f;      // QS + QB
  float design1 = 0.0f; // ASD: QS/FST; LRFD: factored side resistance
  float design2 = 0.0f; // ASD: QB/FSB; LRFD: factored tip resistance
  float design3 = 0.0f; // ASD: allowable total QDN; LRFD: factored total
};

struct CaseHandOver {
  // Case counters of the enumeration (case from 1 for the run, diameter index from 1 for
  // each length, length index from 1).
  int caseNumber = 0;
  int diameterIndex = 0;
  int lengthIndex = 0;
  bool plotted = false;  // the case is written as a plotted line of the plot-data file

  // Load-transfer input: one entry per stored length, the depth of its step in the soil in
  // inches (12 z, where z = L - H - BS) and its unit side resistance 2000 f / 144 in psi;
  // NSEG is their count.
  int NSEG = 0;
  std::vector<float> sideDepthIn;
  std::vector<float> sideUnitPsi;
  float tipDepth = 0.0f;  // shaft length handed on, ft
  float QB = 0.0f;        // tip resistance at the tip (uplift: WT), tons
  float D = 0.0f;         // stem diameter, ft
  float Db = 0.0f;        // base diameter, ft
  float HBS = 0.0f;       // bell height plus bottom length, H + BS, ft
  float H = 0.0f;         // bell height alone (end of stem to base), ft; 0 for a straight shaft
  float Ec = 0.0f;        // concrete modulus, tsf
  int tipLayer = 0;       // layer entry (2..NLAYERS) that holds the tip

  // For the rock-socket methods: cumulative side resistance (tons) at the last step of
  // each layer entry; the effective stress (psf) and depth (ft) of the case's last step.
  std::array<float, kMaxLayerEntries + 1> layerEndSide{};
  float sigmaLast = 0.0f;
  float zLast = 0.0f;

  // The capacity curve for the plot-data file, one point per stored length.
  std::vector<CapacityPoint> curve;
};

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
constexpr int kMaxChartLengths = 100;
constexpr int kMaxChartDiameters = 20;
struct ChartStore {
  std::array<float, kMaxChartLengths + 1> lengthIn{};
  std::array<float, kMaxChartDiameters + 1> diameterIn{};
  std::array<std::array<std::array<float, kMaxChartSettlements + 1>, kMaxChartDiameters + 1>,
             kMaxChartLengths + 1>
      load{};
  int NDIAC = 0;
  int NLENC = 0;
};

// A plotted line whose number of load-settlement blocks is not known yet: its capacity
// curve as written and the trend, upper-bound and lower-bound tables as they stood after
// its case.
struct HeldPlottedLine {
  int NPTS = 0;
  std::vector<std::string> capacityLines;
  std::array<SettlementTable, 3> blocks{};
};

// Values kept across the cases of one run.
struct RunHandOver {
  // Number of plotted lines of the run (the cases the enumeration plans to plot), set before
  // the first case.
  int NLINES = 0;
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

  // Cumulative side resistance (tons) at the first step of the run in a weak-rock layer;
  // taken once per run, later cases use the same value.
  float QSW = 0.0f;
  bool QSWTaken = false;
  // Compressive strength (psf) of the last rock step (types 4 to 7), for the report note
  // on rock weaker than 1000 psi.
  float lastRockQu = 0.0f;
  bool anyRockStep = false;
};

}  // namespace tvx
