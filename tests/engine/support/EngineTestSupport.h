// Helpers for engine tests: a scratch folder that is the working directory for the test,
// file reading, and running the engine on a problem text with a fixed clock.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "TestText.h"
#include "TorvexVersion.h"

namespace tvx::test {

// A fresh folder under the system temp folder, made the working directory while the object
// lives; the previous working directory is restored and the folder removed afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return fPath; }
  std::filesystem::path operator/(const std::string& name) const { return fPath / name; }

 private:
  std::filesystem::path fPath;
  std::filesystem::path fPrevious;
};

std::string ReadFile(const std::filesystem::path& p);
std::vector<std::string> ReadLines(const std::filesystem::path& p);
void WriteFile(const std::filesystem::path& p, const std::string& text);

// The run-file list names.dat for the problem file `input` and its result and scratch files
// beside it, as the runner writes it, with `version` on its first line.
std::string RunFileListFor(const std::filesystem::path& input, const std::string& version = kProgramVersion);

// 7 March 2017, 09:05:03: the fixed clock of engine tests.
std::tm FixedClock();

// The result files of one engine run on a problem.
struct EngineRun {
  int status = 0;
  std::filesystem::path input, report, plot, notes, curves;
  std::vector<std::string> ReportLines() const { return ReadLines(report); }
  std::vector<std::string> NotesLines() const { return ReadLines(notes); }
  std::vector<std::string> PlotLines() const { return ReadLines(plot); }
  std::vector<std::string> CurveLines() const { return ReadLines(curves); }
};

// Writes `problemText` as <dir>/<name>.tv8d and names.dat in the working directory, runs
// ITORVEX(11) with the fixed clock, and returns the status and the result paths.
EngineRun RunProblem(const ScratchDir& dir, const std::string& problemText, const std::string& name = "problem");

// The same for an existing problem file (copied into `dir` first).
EngineRun RunProblemFile(const ScratchDir& dir, const std::filesystem::path& problemFile);

// Path of a file in the source tree's examples/ folder.
std::filesystem::path ExamplePath(const std::string& name);

}  // namespace tvx::test
