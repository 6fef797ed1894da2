// The engine around the analysis: the run-file list, the files and their unit numbers,
// the report and curve-file headers, the merge of the scratch files, and the closing.
#pragma once

#include <string>

#include "EngineState.h"

namespace tvx {

constexpr const char* kRunFileListName = "names.dat";
constexpr int kVersionWidth = 12;
constexpr int kPathWidth = 255;
constexpr int kMergeWidth = 80;

// Reads the run-file list. False when the file is missing, shorter than 11 lines, or its
// second line holds no integer.
bool ReadRunFileList(const std::string& path, RunFileNames& names);

// A path split into its parts; the directory keeps its trailing separator and the
// extension its leading point.
struct PathParts {
  std::string drive, dir, name, ext;
};
PathParts SplitPath(const std::string& path);

void WriteBanner(EngineState& state, int unit);
void WriteFileNames(EngineState& state);
void WriteRunDateTime(EngineState& state);
// Copies every record of `path` to `toUnit`, each cut or padded to 80 columns.
void MergeScratchFile(EngineState& state, const std::string& path, int scratchUnit, int toUnit);

// The main program: the run-file list, the files, the headers, the analysis, then FinishRun.
void RunEngine(EngineState& state, int& status);

// The end of a run, also of one stopped early: the end of the analysis (FinishAnalysis), the
// guard against values that are not finite numbers (which may set the status), the scratch
// files closed and appended to the curve-data and plot-data files, every file closed.
void FinishRun(EngineState& state, int& status);

}  // namespace tvx
