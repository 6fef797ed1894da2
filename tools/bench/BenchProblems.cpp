#include "BenchProblems.h"

#include <vector>

namespace tvx::bench {
namespace {

constexpr double kLayerThicknessFt = 5.0;

// The two parameter lines (and the lines that follow) of one layer of the given type.
std::string LayerLines(int type) {
  switch (type) {
    case 1: return "0.0 120 32 0 20 0 0 1 1 \r\n0.0 122 34 0 25 0 0 1 1 \r\n1 \r\n0.5 0.45 \r\n";
    case 2: return "0 118 0.0 2000 0 0 0 1 1 \r\n0 120 0.0 2400 0 0 0 1 1 \r\n0 0\r\n";
    case 3: return "0 125 0.0 8000 0 0 0 1 1 \r\n0 126 0.0 9000 0 0 0 1 1 \r\n0 0\r\n";
    case 4:
    case 7: return "200000 580000 3 0.01 3 0 1000000 80 0 1 1 \r\n220000 580000 3 0.01 3 0 1100000 85 0 1 1 \r\n";
    case 5: return "125 40 0.3 20000 3 0 0 1 1 \r\n128 50 0.3 22000 3 0 0 1 1 \r\n";
    case 6: return "60000 1 6 30 3 0 600000 60 0 1 1 \r\n70000 1 6 30 3 0 700000 70 0 1 1 \r\n";
    case 8: return "125 30 0 0 0 1 1 \r\n128 40 0 0 0 1 1 \r\n";
    default: return "130 35 0 0 0 1 1 \r\n132 50 0 0 0 1 1 \r\n";
  }
}

std::string Layers(const std::vector<int>& cycle, int layers = kLayers) {
  std::string text;
  for (int i = 0; i < layers; ++i) {
    const int type = cycle[static_cast<std::size_t>(i) % cycle.size()];
    text += std::to_string(type) + " " + std::to_string(static_cast<int>((i + 1) * kLayerThicknessFt)) + " \r\n";
    text += LayerLines(type);
  }
  return text;
}

// The chart settlements 0.1 to 1.0 in.
const char* const kChartSettlements = "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1 \r\n";

// The t-z print depths: `count` depths 3 ft apart from 2 ft down.
std::string TzDepths(int count) {
  std::string text = std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i) text += std::to_string(2 + 3 * i) + "\r\n";
  return text;
}

// A design-chart problem of 20 diameters 2.0 to 6.75 ft and 100 lengths from `length` ft
// down in steps of 1 ft, 10 settlements and t-z curves printed at 50 depths.
std::string LargestChartProblem(const char* title, int layers, int length, const std::vector<int>& cycle) {
  std::string text = std::string(title) + "\r\n1\r\n2 1 1 1 0 1 0 1 0 0 1\r\n";
  text += "2 6.75 0 0 0 0 3600000\r\n";
  text += std::to_string(layers) + " 10 " + std::to_string(length) + " 1 1\r\n";
  text += std::to_string(length - 100) + ".5 1 0.25 10\r\n";
  text += kChartSettlements;
  text += Layers(cycle, layers);
  text += TzDepths(kDocumentMaxTzDepths);
  return text;
}

}  // namespace

Scenario CapacitySweep() {
  std::string text = "Benchmark: 40 layers, 20 diameters\r\n1\r\n2 1 1 1 0 2 0 0 0 0 0\r\n";
  text += "1 10.5 0 0 0 0 3600000\r\n";
  text += std::to_string(kLayers) + " 10 " + std::to_string(static_cast<int>(kLayers * kLayerThicknessFt - 20)) +
          " 2 3\r\n";
  text += Layers({1, 2, 8, 3, 9, 5, 6, 7, 4, 2});
  return {"capacity", text, kLayers, 20};
}

// The deepest two-diameter zone (13.5 ft below 175 ft) stays inside the 200 ft profile.
Scenario DesignChartTz(bool printTzCurves) {
  std::string text = "Benchmark: 40 soil layers, design charts of 20 diameters and 70 lengths\r\n1\r\n";
  text += printTzCurves ? "2 1 1 1 0 1 0 1 0 0 1\r\n" : "2 1 1 1 0 1 0 1 0 0 0\r\n";
  text += "2 6.75 0 0 0 0 3600000\r\n";
  text += std::to_string(kLayers) + " 10 175 1 1\r\n";
  text += "36 2 0.25 10\r\n";
  text += kChartSettlements;
  text += Layers({1, 2, 8, 3, 9});
  if (printTzCurves) text += "3\r\n20\r\n60\r\n120\r\n";
  return {"chart-tz", text, kLayers, 20 * 70};
}

// The deepest two-diameter zone (13.5 ft below 185 ft) stays inside the 200 ft profile.
Scenario DocumentLargest() {
  return {"document-max",
          LargestChartProblem("Benchmark: the largest document, 40 layers, 20 x 100 design charts", kLayers, 185,
                              {1, 2, 8, 3, 9}),
          kLayers, 20 * 100};
}

// The deepest two-diameter zone (13.5 ft below 230 ft) stays inside the 245 ft profile.
Scenario EngineLargest() {
  return {"engine-max",
          LargestChartProblem("Benchmark: the largest engine problem, 49 layers, 20 x 100 design charts",
                              kEngineMaxLayers, 230, {1, 2, 8, 3, 9, 5, 6, 7, 4, 2}),
          kEngineMaxLayers, 20 * 100};
}

}  // namespace tvx::bench
