#pragma once
// The benchmark scenarios of the engine, shared by the engine benchmark and the plot
// benchmark: problem texts for ITORVEX and one run of a scenario in a scratch folder.
#include <filesystem>
#include <string>

namespace tvx::bench {

constexpr int kLayers = 40;
constexpr double kLayerThicknessFt = 5.0;

struct Scenario {
  const char* name;
  std::string problem;
  int cases;
};

// 20 diameters 1.0, 1.5, ..., 10.5 ft at a 180 ft design depth.
Scenario CapacitySweep();
// The largest design-chart run: 40 soil layers, 20 diameters x 70 lengths, 10 settlements.
Scenario DesignChartTz();

// Runs one scenario `runs` times in `dir` (as bench.tv8d with its result files beside it);
// returns the best time in ms and the run status of the last run.
double RunScenario(const Scenario& s, const std::filesystem::path& dir, int runs, int& status);

}  // namespace tvx::bench
