// The problems the benchmarks run: a 40-layer profile of every layer type swept over 20
// diameters, the largest design-chart run, and the largest problems the document and the
// engine hold.
#pragma once

#include <string>

namespace tvx::bench {

constexpr int kLayers = 40;
// The most layers the engine's profile holds (entry 1 of its 50 is the ground surface).
constexpr int kEngineMaxLayers = 49;
// The most t-z print depths the document's depth table holds.
constexpr int kDocumentMaxTzDepths = 50;

struct Scenario {
  const char* name;
  std::string problem;  // the text of the problem file
  int layers;
  int cases;
};

// 20 diameters 1.0, 1.5, ..., 10.5 ft at a 180 ft design depth; most tips in rock.
Scenario CapacitySweep();

// Design charts of 20 diameters 2.0, 2.25, ..., 6.75 ft and 70 lengths 175, 173, ..., 37 ft,
// settlements 0.1 to 1.0 in, every tip in soil. With `printTzCurves` the t-z curves are
// also printed at three depths, so that the run fills every result plot.
Scenario DesignChartTz(bool printTzCurves = false);

// The largest problem the document holds: 40 soil layers, design charts of 20 diameters
// 2.0, 2.25, ..., 6.75 ft and 100 lengths 185, 184, ..., 86 ft, 10 settlements, and t-z
// curves printed at 50 depths.
Scenario DocumentLargest();

// The largest problem the engine reads: 49 layers of every type (5 ft each), design charts
// of 20 diameters and 100 lengths 230, 229, ..., 131 ft, 10 settlements, t-z curves printed
// at 50 depths; tips in soil and in rock.
Scenario EngineLargest();

}  // namespace tvx::bench
