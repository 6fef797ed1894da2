// Benchmark of the engine, run through ITORVEX in a scratch folder:
//   capacity    a 40-layer profile of every layer type, a sweep of 20 shaft diameters at one
//               design depth (most tips in rock: mainly the capacity analysis);
//   chart-tz    the largest design-chart run: 40 soil layers, 20 diameters x 70 lengths,
//               10 defined settlements, every tip in soil, so every case runs the three t-z
//               bounds and the defined-settlement pass.
// Prints the time of each run and per case.
//   torvex-bench [runs] [--keep DIR]
// With --keep the result files of the last run of each scenario stay in DIR/<scenario>/,
// so two builds can be compared file by file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

extern "C" int ITORVEX(int k);

namespace {
namespace fs = std::filesystem;

constexpr int kLayers = 40;
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

std::string Layers(const std::vector<int>& cycle) {
  std::string text;
  for (int i = 0; i < kLayers; ++i) {
    const int type = cycle[static_cast<std::size_t>(i) % cycle.size()];
    text += std::to_string(type) + " " + std::to_string(static_cast<int>((i + 1) * kLayerThicknessFt)) + " \r\n";
    text += LayerLines(type);
  }
  return text;
}

struct Scenario {
  const char* name;
  std::string problem;
  int cases;
};

// 20 diameters 1.0, 1.5, ..., 10.5 ft at a 180 ft design depth.
Scenario CapacitySweep() {
  std::string text = "Benchmark: 40 layers, 20 diameters\r\n1\r\n2 1 1 1 0 2 0 0 0 0 0\r\n";
  text += "1 10.5 0 0 0 0 3600000\r\n";
  text += std::to_string(kLayers) + " 10 " + std::to_string(static_cast<int>(kLayers * kLayerThicknessFt - 20)) +
          " 2 3\r\n";
  text += Layers({1, 2, 8, 3, 9, 5, 6, 7, 4, 2});
  return {"capacity", text, 20};
}

// Diameters 2.0, 2.25, ..., 6.75 ft; lengths 175, 173, ..., 37 ft; settlements 0.1 to 1.0 in.
// The deepest two-diameter zone (13.5 ft below 175 ft) stays inside the 200 ft profile.
Scenario DesignChartTz() {
  std::string text = "Benchmark: 40 soil layers, design charts of 20 diameters and 70 lengths\r\n1\r\n";
  text += "2 1 1 1 0 1 0 1 0 0 0\r\n";
  text += "2 6.75 0 0 0 0 3600000\r\n";
  text += std::to_string(kLayers) + " 10 175 1 1\r\n";
  text += "36 2 0.25 10\r\n";
  text += "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1 \r\n";
  text += Layers({1, 2, 8, 3, 9});
  return {"chart-tz", text, 20 * 70};
}

// Runs one scenario `runs` times in `dir`; returns the best time in ms, or a negative value
// when a run ends with a non-zero status.
double RunScenario(const Scenario& s, const fs::path& dir, int runs, int& status) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream(dir / "bench.tv8d", std::ios::binary) << s.problem;
  {
    std::ofstream list("names.dat");
    list << "bench\n7\n" << (dir / "bench.tv8d").string() << "\n";
    for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z", ".tv8w", ".tv8t", ".tv8q", ".tv8l"})
      list << (dir / ("bench" + std::string(ext))).string() << "\n";
  }
  double best = 1e30;
  for (int r = 0; r < runs; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    status = ITORVEX(11);
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  fs::current_path(previous);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  fs::path keep;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc)
      keep = argv[++i];
    else
      runs = std::max(1, std::atoi(argv[i]));
  }
  std::error_code ec;
  const fs::path scratch =
      fs::temp_directory_path() /
      ("torvex-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path root = keep.empty() ? scratch : fs::absolute(keep);

  int failures = 0;
  for (const Scenario& s : {CapacitySweep(), DesignChartTz()}) {
    const fs::path dir = root / s.name;
    fs::remove_all(dir, ec);
    fs::create_directories(dir, ec);
    if (ec) {
      std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
      return 1;
    }
    int status = 0;
    const double best = RunScenario(s, dir, runs, status);
    std::printf("%-9s %d layers, %d cases; status %d; best of %d runs: %.1f ms per run, %.3f ms per case\n", s.name,
                kLayers, s.cases, status, runs, best, best / s.cases);
    if (status != 0) ++failures;
  }
  if (keep.empty()) fs::remove_all(scratch, ec);
  return failures == 0 ? 0 : 1;
}
