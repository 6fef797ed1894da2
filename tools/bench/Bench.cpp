// Benchmark of the engine: a 40-layer profile of every layer type, a sweep of 20 shaft
// diameters at one design depth, run through ITORVEX in a scratch folder. Prints the time of
// the run and the time per case.
//   torvex-bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

extern "C" int ITORVEX(int k);

namespace {
namespace fs = std::filesystem;

constexpr int kLayers = 40;
constexpr int kDiameters = 20;
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

std::string Problem() {
  const int types[] = {1, 2, 8, 3, 9, 5, 6, 7, 4, 2};
  std::string text = "Benchmark: 40 layers, 20 diameters\r\n1\r\n2 1 1 1 0 2 0 0 0 0 0\r\n";
  text += "1 10.5 0 0 0 0 3600000\r\n";  // diameters 1.0, 1.5, ..., 10.5 ft
  text += std::to_string(kLayers) + " 10 " + std::to_string(static_cast<int>(kLayers * kLayerThicknessFt - 20)) +
          " 2 3\r\n";
  for (int i = 0; i < kLayers; ++i) {
    const int type = types[i % 10];
    text += std::to_string(type) + " " + std::to_string(static_cast<int>((i + 1) * kLayerThicknessFt)) + " \r\n";
    text += LayerLines(type);
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::error_code ec;
  const fs::path dir = fs::temp_directory_path() / ("torvex-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
    return 1;
  }
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream(dir / "bench.tv8d", std::ios::binary) << Problem();
  {
    std::ofstream list("names.dat");
    list << "bench\n7\n" << (dir / "bench.tv8d").string() << "\n";
    for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z", ".tv8w", ".tv8t", ".tv8q", ".tv8l"})
      list << (dir / ("bench" + std::string(ext))).string() << "\n";
  }

  int status = 0;
  double best = 1e30;
  for (int r = 0; r < runs; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    status = ITORVEX(11);
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::printf("profile: %d layers, %d diameters, %d cases; status %d\n", kLayers, kDiameters, kDiameters, status);
  std::printf("best of %d runs: %.1f ms per run, %.2f ms per case\n", runs, best, best / kDiameters);

  fs::current_path(previous);
  fs::remove_all(dir, ec);
  return status == 0 ? 0 : 1;
}
