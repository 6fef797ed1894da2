// Benchmark of the engine, run through ITORVEX in a scratch folder:
//   capacity    a 40-layer profile of every layer type, a sweep of 20 shaft diameters at one
//               design depth (most tips in rock: mainly the capacity analysis);
//   chart-tz    the largest design-chart run: 40 soil layers, 20 diameters x 70 lengths,
//               10 defined settlements, every tip in soil, so every case runs the three t-z
//               bounds and the defined-settlement pass.
//   document-max  the largest problem the document holds: 40 layers, 20 diameters x 100
//               lengths, 10 settlements, 50 t-z print depths;
//   engine-max  the largest problem the engine reads: 49 layers of every type, the same
//               charts and print depths.
// Each run is a child process of its own, so that its peak memory is its own. Prints the
// best time of the runs, the time per case and the largest peak memory; a run that does
// not end with status 0, or writes a value that is not finite, fails the benchmark.
//   torvex-bench [runs] [--keep DIR] [--only SCENARIO]
// With --keep the result files of the last run of each scenario stay in DIR/<scenario>/,
// so two builds can be compared file by file.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cctype>
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

using tvx::bench::Scenario;

struct Timing {
  double bestMs = 1e30;
  long peakKiB = 0;  // the largest resident set of a run
  int status = 0;    // the run status of the last run, or -1 when a run did not end normally
};

// One engine run in a child process; the child's exit status is the run status.
int RunOnce(double& ms, long& peakKiB) {
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) _exit(ITORVEX(11) & 0xff);
  int wstatus = 0;
  rusage usage{};
  if (wait4(pid, &wstatus, 0, &usage) != pid) return -1;
  const auto t1 = std::chrono::steady_clock::now();
  ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
  peakKiB = usage.ru_maxrss;
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// Runs one scenario `runs` times in `dir`.
Timing RunScenario(const Scenario& s, const fs::path& dir, int runs) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream(dir / "bench.tv8d", std::ios::binary) << s.problem;
  {
    std::ofstream list("names.dat");
    list << "bench\n7\n" << (dir / "bench.tv8d").string() << "\n";
    for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z", ".tv8w", ".tv8t", ".tv8q", ".tv8l"})
      list << (dir / ("bench" + std::string(ext))).string() << "\n";
  }
  Timing t;
  for (int r = 0; r < runs; ++r) {
    double ms = 0;
    long peak = 0;
    t.status = RunOnce(ms, peak);
    if (t.status != 0) break;
    t.bestMs = std::min(t.bestMs, ms);
    t.peakKiB = std::max(t.peakKiB, peak);
  }
  fs::current_path(previous);
  return t;
}

// Whether `text` holds "nan" or "inf" (any case, "infinity" too) as a word of its own, as a
// formatted NaN or infinity reads; "INFORMATION" does not count.
bool HoldsNonFinite(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto letter = [&](std::size_t i) { return i < lower.size() && std::isalpha(static_cast<unsigned char>(lower[i])); };
  for (const std::string word : {"nan", "infinity", "inf"}) {
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
      if ((at == 0 || !letter(at - 1)) && !letter(at + word.size())) return true;
    }
  }
  return false;
}

// The first line of the result files in `dir` with a value that is not finite; empty when
// there is none.
std::string NonFiniteLine(const fs::path& dir) {
  for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z"}) {
    std::ifstream in(dir / ("bench" + std::string(ext)));
    std::string line;
    while (std::getline(in, line)) {
      if (HoldsNonFinite(line)) return "bench" + std::string(ext) + ": " + line;
    }
  }
  return std::string();
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  fs::path keep;
  std::string only;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc)
      keep = argv[++i];
    else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
      only = argv[++i];
    else
      runs = std::max(1, std::atoi(argv[i]));
  }
  std::error_code ec;
  const fs::path scratch =
      fs::temp_directory_path() /
      ("torvex-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path root = keep.empty() ? scratch : fs::absolute(keep);

  int failures = 0;
  int ran = 0;
  for (const Scenario& s : {tvx::bench::CapacitySweep(), tvx::bench::DesignChartTz(), tvx::bench::DocumentLargest(),
                            tvx::bench::EngineLargest()}) {
    if (!only.empty() && only != s.name) continue;
    ++ran;
    const fs::path dir = root / s.name;
    fs::remove_all(dir, ec);
    fs::create_directories(dir, ec);
    if (ec) {
      std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
      return 1;
    }
    const Timing t = RunScenario(s, dir, runs);
    if (t.status != 0) {
      std::printf("%-12s %d layers, %d cases; status %d\n", s.name, s.layers, s.cases, t.status);
      ++failures;
      continue;
    }
    std::printf("%-12s %d layers, %d cases; status 0; best of %d runs: %.1f ms per run, %.3f ms per case; "
                "peak memory %.1f MiB\n",
                s.name, s.layers, s.cases, runs, t.bestMs, t.bestMs / s.cases, t.peakKiB / 1024.0);
    const std::string bad = NonFiniteLine(dir);
    if (!bad.empty()) {
      std::printf("%-12s a value that is not finite: %s\n", s.name, bad.c_str());
      ++failures;
    }
  }
  if (keep.empty()) fs::remove_all(scratch, ec);
  if (ran == 0) {
    std::fprintf(stderr, "torvex-bench: no scenario %s (capacity, chart-tz, document-max, engine-max)\n", only.c_str());
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
