// The problems the benchmarks run: a 40-layer profile of every layer type swept over 20
// diameters, and the largest design-chart run.
#pragma once

#include <string>

namespace tvx::bench {

constexpr int kLayers = 40;

struct Scenario {
  const char* name;
  std::string problem;  // the text of the problem file
  int cases;
};

// 20 diameters 1.0, 1.5, ..., 10.5 ft at a 180 ft design depth; most tips in rock.
Scenario CapacitySweep();

// Design charts of 20 diameters 2.0, 2.25, ..., 6.75 ft and 70 lengths 175, 173, ..., 37 ft,
// settlements 0.1 to 1.0 in, every tip in soil. With `printTzCurves` the t-z curves are
// also printed at three depths, so that the run fills every result plot.
Scenario DesignChartTz(bool printTzCurves = false);

}  // namespace tvx::bench
