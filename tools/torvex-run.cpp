// torvex-run: runs the engine on a problem file without the desktop program.
//
//   torvex-run [--console] problem.tv8d
//
// Writes names.dat in the problem's folder, calls the engine library from the runner's own
// folder, removes the scratch files and prints the run status and the result files.
// Exits with the run status (non-zero when the run found errors), or 2 when the engine
// could not be called.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "RunFiles.h"

namespace fs = std::filesystem;

namespace {

fs::path OwnFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec || self.empty()) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

int Usage() {
  std::fprintf(stderr, "usage: torvex-run [--console] problem.tv8d\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string problem;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--console") {
      setenv("TORVEX_CONSOLE", "1", 1);
    } else if (arg == "-h" || arg == "--help") {
      Usage();
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

  const tvx::run::RunFileSet files = tvx::run::MakeRunFileSet(problem);
  const fs::path library = OwnFolder(argv[0]) / tvx::run::kEngineLibraryName;
  const tvx::run::RunOutcome out = tvx::run::RunEngineOnDocument(files, library);
  if (!out.called) {
    std::fprintf(stderr, "Attempt to initialize DLL failed\n%s\n", out.error.c_str());
    return 2;
  }
  std::printf("status:      %d%s\n", out.status,
              out.status == 0 ? "  (Computations are completed.)"
                              : "  (Computations are completed, but there may be errors.)");
  std::printf("report:      %s\n", files.report.c_str());
  std::printf("plot data:   %s\n", files.plot.c_str());
  std::printf("run notes:   %s\n", files.notes.c_str());
  std::printf("curve data:  %s\n", files.curves.c_str());
  return out.status == 0 ? 0 : (out.status > 0 && out.status < 256 ? out.status : 1);
}
