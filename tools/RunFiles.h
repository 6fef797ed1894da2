// Running the engine on a problem file: the run-file list, the numeric locale, loading
// the engine library, and the clean-up of scratch files afterwards. Used by the
// command-line runner; plain C++ so that any front end can share it.
#pragma once

#include <filesystem>
#include <string>

#include "TorvexVersion.h"

namespace tvx::run {

constexpr const char* kEngineLibraryName = "Torvex2017_DLL.so";
constexpr const char* kEntryPointName = "ITORVEX";
constexpr int kEngineRunArgument = 11;
constexpr std::size_t kMaxRunPathLength = 255;

// The files of one run, named after the document (its path with the extension replaced).
struct RunFileSet {
  std::filesystem::path document;  // .tv8d, absolute
  std::filesystem::path report;    // .tv8o
  std::filesystem::path plot;      // .tv8p
  std::filesystem::path notes;     // .tv8r
  std::filesystem::path curves;    // .tv8z
  std::filesystem::path qwList;    // .tv8w  scratch
  std::filesystem::path tzPlot;    // .tv8t  scratch
  std::filesystem::path qwPlot;    // .tv8q  scratch
  std::filesystem::path loadDist;  // .tv8l  scratch
};

RunFileSet MakeRunFileSet(const std::filesystem::path& document);

// The 11 lines of the run-file list for `files`.
std::string RunFileListText(const RunFileSet& files);

// Sets the numeric locale to "C" for its lifetime and restores the previous one.
class NumericLocaleGuard {
 public:
  NumericLocaleGuard();
  ~NumericLocaleGuard();
  NumericLocaleGuard(const NumericLocaleGuard&) = delete;
  NumericLocaleGuard& operator=(const NumericLocaleGuard&) = delete;

 private:
  std::string fPrevious;
};

// Why the engine was not called.
enum class RunFailure {
  kNone,
  kProblemFile,    // the problem file is missing, no regular file or unreadable, or a run
                   // path too long
  kFolderBusy,     // another run holds the problem's folder
  kRunFolder,      // the problem's folder could not be entered or names.dat not written
  kEngineLibrary,  // the engine library could not be loaded or lacks its entry point
};

struct RunOutcome {
  bool called = false;  // the entry point was found and called
  int status = 0;       // the engine's run status when called
  RunFailure failure = RunFailure::kNone;
  std::string error;    // why nothing was called
};

// The scratch files the engine opens by bare name in the current folder, removed after a
// run. TZDATA.DAT, the t-z detail listing, is a result and stays.
constexpr const char* kFolderScratchFiles[] = {"TZDIAM.DAT", "CHART.DAT", "ROCKMSG.DAT"};

// Why `document` cannot be run, in the desktop program's words: it does not exist, is a
// folder or a special file, or cannot be read. Empty when it is a readable regular file.
std::string ProblemFileProblem(const std::filesystem::path& document);

// Runs the engine library `library` on `files`: checks the problem file, holds the
// document's folder (FolderRunLock) for the whole run, writes names.dat there, calls the
// entry point with the numeric locale forced to "C", then removes the scratch files and
// names.dat. Nothing is written before the checks pass and the folder is held; a folder held
// by another run is left untouched. The working directory is restored afterwards. When the
// library cannot be loaded, names.dat stays, as the desktop program leaves it.
RunOutcome RunEngineOnDocument(const RunFileSet& files, const std::filesystem::path& library);

}  // namespace tvx::run
