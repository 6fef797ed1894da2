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

#include "BenchProblems.h"

extern "C" int ITORVEX(int k);

namespace {
namespace fs = std::filesystem;

using tvx::bench::kLayers;
using tvx::bench::Scenario;

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
  for (const Scenario& s : {tvx::bench::CapacitySweep(), tvx::bench::DesignChartTz()}) {
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
