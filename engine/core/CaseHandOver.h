// What the capacity analysis of one case hands to the load-settlement computations. The
// capacity analysis fills it after each case's table; the t-z solver, the rock-socket
// methods and the plot-data writer read it. Units are stated per field.
#pragma once

#include <array>
#include <vector>

#include "ProblemRecord.h"

namespace tvx {

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
  int tipLayer = 0;       // layer entry (2..NLAYERS) that holds the tip

  // For the rock-socket methods: cumulative side resistance (tons) at the last step of
  // each layer entry; the effective stress (psf) and depth (ft) of the case's last step.
  std::array<float, kMaxLayerEntries + 1> layerEndSide{};
  float sigmaLast = 0.0f;
  float zLast = 0.0f;

  // The capacity curve for the plot-data file, one point per stored length.
  std::vector<CapacityPoint> curve;
};

}  // namespace tvx
