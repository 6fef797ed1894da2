// torvex-run: runs the engine on a problem file without the desktop program.
//
//   torvex-run [--console] problem.tv8d
//
// Holds the problem's folder, writes names.dat there, calls the engine library from the
// runner's own folder, removes the scratch files and prints the run status and the result
// files. The exit status tells the engine's run status apart from the runner's own failures
// (kExitCodes).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "RunFiles.h"
#include "RunLock.h"

namespace fs = std::filesystem;

namespace {

// The runner's own exit codes, apart from the engine's run status (1 to 99) that it passes on.
constexpr int kExitUsage = 64;          // the command line cannot be used
constexpr int kExitProblemFile = 66;    // the problem file is missing, no file, unreadable or its path too long
constexpr int kExitEngineLibrary = 69;  // the engine library cannot be loaded or lacks ITORVEX
constexpr int kExitRunFolder = 73;      // names.dat cannot be written in the problem's folder
constexpr int kExitFolderBusy = 75;     // another run holds the problem's folder; try again later

const char* const kUsage = "usage: torvex-run [--console] problem.tv8d\n";

const char* const kHelp =
    "\n"
    "Runs the engine on the problem file: writes names.dat in the problem's folder, calls\n"
    "ITORVEX(11) in Torvex2017_DLL.so beside the runner with the numeric locale \"C\", then\n"
    "removes the scratch files and names.dat and prints the run status and the result files\n"
    "(.tv8o report, .tv8p plot data, .tv8r run notes, .tv8z curve data) beside the problem.\n"
    "\n"
    "  --console   show the engine's console lines\n"
    "\n"
    "Exit status:\n"
    "   0   the run is complete\n"
    "   1   (engine) wrong entry argument\n"
    "   2   (engine) a load-transfer depth beyond the soil profile\n"
    "   4   (engine) the tip beyond the soil profile\n"
    "   7   (engine) the profile is too short for the design load\n"
    "   8   (engine) names.dat missing or incomplete\n"
    "   9   (engine) a file of the run-file list cannot be opened\n"
    "  10   (engine) the problem file is malformed, truncated or holds a value no problem has\n"
    "  11   (engine) a computed value is not finite (results unusable)\n"
    "  99   (engine) an unexpected internal failure\n"
    "  64   the command line cannot be used\n"
    "  66   the problem file is missing or unreadable, or a run path is longer than 255\n"
    "  69   the engine library cannot be loaded or has no ITORVEX\n"
    "  73   names.dat cannot be written in the problem's folder\n"
    "  75   another analysis is running in the problem's folder\n";

fs::path OwnFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec || self.empty()) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

int Usage() {
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

int FailureExit(tvx::run::RunFailure failure) {
  switch (failure) {
    case tvx::run::RunFailure::kEngineLibrary:
      return kExitEngineLibrary;
    case tvx::run::RunFailure::kRunFolder:
      return kExitRunFolder;
    case tvx::run::RunFailure::kFolderBusy:
      return kExitFolderBusy;
    default:
      return kExitProblemFile;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string problem;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--console") {
      setenv("TORVEX_CONSOLE", "1", 1);
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      std::fputs(kHelp, stdout);
      return 0;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      std::fprintf(stderr, "torvex-run: unknown option %s\n", arg.c_str());
      return Usage();
    } else if (problem.empty()) {
      problem = arg;
    } else {
      return Usage();
    }
  }
  if (problem.empty()) return Usage();

  // An interrupted run gives the folder back to the next one.
  tvx::run::FolderRunLock::ReleaseOnTerminationSignals();
  const tvx::run::RunFileSet files = tvx::run::MakeRunFileSet(problem);
  const fs::path library = OwnFolder(argv[0]) / tvx::run::kEngineLibraryName;
  const tvx::run::RunOutcome out = tvx::run::RunEngineOnDocument(files, library);
  if (!out.called) {
    // The desktop program's message for a library it cannot load, with the loader's reason.
    if (out.failure == tvx::run::RunFailure::kEngineLibrary)
      std::fprintf(stderr, "Attempt to initialize DLL failed\n%s\n", out.error.c_str());
    else if (out.failure == tvx::run::RunFailure::kFolderBusy)
      std::fprintf(stderr, "torvex-run: %s\nRun it again when that analysis has finished.\n", out.error.c_str());
    else
      std::fprintf(stderr, "torvex-run: %s\n", out.error.c_str());
    return FailureExit(out.failure);
  }
  std::printf("status:      %d%s\n", out.status,
              out.status == 0 ? "  (Computations are completed.)"
                              : "  (Computations are completed, but there may be errors.)");
  std::printf("report:      %s\n", files.report.c_str());
  std::printf("plot data:   %s\n", files.plot.c_str());
  std::printf("run notes:   %s\n", files.notes.c_str());
  std::printf("curve data:  %s\n", files.curves.c_str());
  // The engine's run status is 0 or one of its values from 1 to 99 (RunStatus.h); anything
  // else could only be a fault of the library, reported as its internal failure.
  return out.status >= 0 && out.status <= 99 ? out.status : 99;
}
