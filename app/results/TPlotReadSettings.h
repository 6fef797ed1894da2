#pragma once

#include <array>

// What loading results and the Graphics menu need of the document, in the document's own
// unit system. The main window fills it from the document before loading and writes ID2
// back afterwards; tests fill it by hand.
struct TPlotReadSettings {
  static constexpr int kChartSettlements = 10;

  int Units = 1;                  // 1 English, 2 SI
  int UseElevation = 0;           // 1: plots by elevation instead of depth
  long double ValElevation = 0;   // elevation of the top of the shaft
  int NLRFD = 2;                  // 1 LRFD, 2 ASD
  int KCYCL = 1;                  // 1 compression, 2 uplift
  bool Yesnewversion = true;      // the document is in the current format
  long double FST = 2.5;          // factor of safety on side friction
  long double FSB = 3.0;          // factor of safety on base capacity
  int IChart = 0;                 // 1: design charts computed
  int IPENT = 0;                  // 1: several shaft lengths evaluated
  long double DSTART = 0;         // first shaft diameter (ft / m)
  long double DIAMINCR = 0;       // diameter step of the design charts (ft / m)
  int PrintTZCurves = 0;          // 1: additional t-z curves at the t-z depths
  int NPOINTPD = 0;               // number of design-chart settlements in use
  std::array<long double, kChartSettlements> PDSETT{};  // chart settlements (in / m)
  // Number of load-settlement blocks per plotted shaft; written by loading results.
  int ID2 = 0;
};

// One row of the soil-layer table as the layer strip of a graph needs it.
struct TSoilLayerRow {
  int SoilType = 0;        // layer type code 1..9
  long double Bottom = 0;  // depth at the bottom of the layer (ft / m)
};
