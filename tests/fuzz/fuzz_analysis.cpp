// Runs the whole engine on arbitrary bytes as the text of a problem file: the run-file list
// and the problem are written to a scratch folder and ITORVEX reads the problem, runs the
// capacity analysis and the load-settlement computations and writes every result file.
// A run must end with one of the engine's status values, write no NaN or infinity into its
// files (a value that is not finite prints as asterisks and ends the run with its own
// status), and leave a plot-data file that the desktop program's reader takes whole.
//
// The reader already bounds the profile (49 layers, 1000 ft); problems whose cases times
// profile depth would take seconds per run are skipped, so the fuzzer spends its time on
// many small runs.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Analysis.h"
#include "CapacityAnalysis.h"
#include "EngineState.h"
#include "InputReader.h"
#include "PlotDataReader.h"
#include "RunFiles.h"
#include "RunStatus.h"

extern "C" int ITORVEX(int k);

namespace {
namespace fs = std::filesystem;

// Cases of the run times one-foot steps of the profile.
constexpr double kWorkBudget = 4000.0;

const fs::path& ScratchFolder() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("torvex-fuzz-analysis-" + std::to_string(::getpid()));
    fs::create_directories(d);
    std::ofstream(d / "names.dat") << tvx::run::RunFileListText(tvx::run::MakeRunFileSet(d / "problem.tv8d"));
    return d;
  }();
  return dir;
}

[[noreturn]] void Fault(const std::string& what) {
  std::fprintf(stderr, "fuzz_analysis: %s\n", what.c_str());
  std::abort();
}

// The problem as the engine will see it, or false when the reader rejects it.
bool ReadForScreening(std::string_view text, tvx::ProblemRecord& problem) {
  auto state = std::make_unique<tvx::EngineState>();
  state->units.OpenCapture(tvx::kUnitReport);
  state->units.OpenCapture(tvx::kUnitRunNotes);
  tvx::InputError error;
  if (!tvx::ReadProblemText(text, state->problem, error)) return false;
  tvx::PrepareProblem(*state);
  problem = state->problem;
  return true;
}

double Work(const tvx::ProblemRecord& p) {
  const double cases = static_cast<double>(tvx::SweepDiameters(p).size() * tvx::RunLengths(p).size());
  double depth = 0.0;
  for (int i = 2; i <= p.NLAYERS && i <= tvx::kMaxLayerEntries; ++i) depth = std::max(depth, double(p.layer[i].XBOTSNAP));
  return cases * (depth + 1.0);
}

std::vector<std::string> Lines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

bool HasNonFinite(const std::string& line) {
  return line.find("NaN") != std::string::npos || line.find("Inf") != std::string::npos ||
         line.find("nan") != std::string::npos || line.find("inf") != std::string::npos;
}

void CheckNoNonFinite(const fs::path& path, const std::string& title) {
  for (const std::string& line : Lines(path)) {
    // The title is the user's text, echoed as it is.
    if (!title.empty() && line.find(title) != std::string::npos) continue;
    if (HasNonFinite(line)) Fault("non-finite value in " + path.filename().string() + ": " + line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& dir = ScratchFolder();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tvx::ProblemRecord problem;
  const bool readable = ReadForScreening(text, problem);
  if (readable && Work(problem) > kWorkBudget) return 0;

  std::ofstream(dir / "problem.tv8d", std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
  // The engine reads names.dat in the working folder; libFuzzer's own paths are relative to
  // the folder it started in.
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  const int status = ITORVEX(11);
  fs::current_path(previous);
  switch (status) {
    case tvx::kStatusNormal:
    case tvx::kStatusDepthBeyondProfile:
    case tvx::kStatusTipBeyondProfile:
    case tvx::kStatusNeedAnotherLayer:
    case tvx::kStatusInputUnreadable:
    case tvx::kStatusNotFinite:
      break;
    default:
      Fault("run status " + std::to_string(status));
  }
  if (readable != (status != tvx::kStatusInputUnreadable)) Fault("the engine and the reader disagree on the problem");
  if (!readable) return 0;

  std::string title = problem.TITLE;
  while (!title.empty() && (title.back() == ' ' || title.back() == '\r')) title.pop_back();
  for (const char* ext : {".tv8p", ".tv8o", ".tv8r", ".tv8z"}) CheckNoNonFinite(dir / ("problem" + std::string(ext)), title);
  if (status == tvx::kStatusNormal) {
    try {
      tvx::test::ReadPlotFile(Lines(dir / "problem.tv8p"), problem.PrintTZCurves == 1, problem.ICHART == 1);
    } catch (const std::exception& e) {
      Fault(std::string("plot data does not read back: ") + e.what());
    }
  }
  return 0;
}
