#include "RunFiles.h"

#include <dlfcn.h>

#include <clocale>
#include <fstream>
#include <system_error>
#include <utility>

namespace tvx::run {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRunFileListName = "names.dat";
constexpr const char* kTzDiamFileName = "TZDIAM.DAT";

fs::path WithExtension(fs::path p, const char* ext) { return p.replace_extension(ext); }

void RemoveIfPresent(const fs::path& p) {
  std::error_code ec;
  fs::remove(p, ec);
}

// Restores the working directory when it goes out of scope.
class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() {
    std::error_code ec;
    fPrevious = fs::current_path(ec);
  }
  ~CurrentDirectoryGuard() {
    std::error_code ec;
    if (!fPrevious.empty()) fs::current_path(fPrevious, ec);
  }

 private:
  fs::path fPrevious;
};

}  // namespace

RunFileSet MakeRunFileSet(const fs::path& document) {
  RunFileSet f;
  std::error_code ec;
  f.document = fs::absolute(document, ec).lexically_normal();
  f.report = WithExtension(f.document, ".tv8o");
  f.plot = WithExtension(f.document, ".tv8p");
  f.notes = WithExtension(f.document, ".tv8r");
  f.curves = WithExtension(f.document, ".tv8z");
  f.qwList = WithExtension(f.document, ".tv8w");
  f.tzPlot = WithExtension(f.document, ".tv8t");
  f.qwPlot = WithExtension(f.document, ".tv8q");
  f.loadDist = WithExtension(f.document, ".tv8l");
  return f;
}

std::string RunFileListText(const RunFileSet& f) {
  std::string text;
  text += kProgramVersion;
  text += "\n1\n";
  for (const fs::path* p : {&f.document, &f.report, &f.plot, &f.notes, &f.curves, &f.qwList, &f.tzPlot,
                            &f.qwPlot, &f.loadDist}) {
    text += p->string();
    text += '\n';
  }
  return text;
}

NumericLocaleGuard::NumericLocaleGuard() {
  if (const char* prev = std::setlocale(LC_NUMERIC, nullptr)) fPrevious = prev;
  std::setlocale(LC_NUMERIC, "C");
}

NumericLocaleGuard::~NumericLocaleGuard() {
  if (!fPrevious.empty()) std::setlocale(LC_NUMERIC, fPrevious.c_str());
}

RunOutcome RunEngineOnDocument(const RunFileSet& files, const fs::path& library) {
  RunOutcome out;
  auto fail = [&out](RunFailure failure, std::string why) {
    out.failure = failure;
    out.error = std::move(why);
    return out;
  };
  for (const fs::path* p : {&files.document, &files.report, &files.plot, &files.notes, &files.curves,
                            &files.qwList, &files.tzPlot, &files.qwPlot, &files.loadDist}) {
    if (p->string().size() > kMaxRunPathLength)
      return fail(RunFailure::kProblemFile, "The path " + p->string() + " is longer than " +
                                                std::to_string(kMaxRunPathLength) +
                                                " characters, which the engine cannot take.");
  }
  std::error_code ec;
  if (!fs::exists(files.document, ec))
    return fail(RunFailure::kProblemFile, "The problem file " + files.document.string() + " does not exist.");
  if (!fs::is_regular_file(files.document, ec) || !std::ifstream(files.document, std::ios::binary))
    return fail(RunFailure::kProblemFile, "The problem file " + files.document.string() + " cannot be read.");

  CurrentDirectoryGuard restoreCwd;
  fs::current_path(files.document.parent_path(), ec);
  if (ec)
    return fail(RunFailure::kRunFolder,
                "Cannot change to the folder " + files.document.parent_path().string() + ": " + ec.message());
  {
    std::ofstream list(kRunFileListName, std::ios::binary | std::ios::trunc);
    list << RunFileListText(files);
    if (!list)
      return fail(RunFailure::kRunFolder,
                  "Cannot write the run-file list " + (files.document.parent_path() / kRunFileListName).string());
  }

  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    return fail(RunFailure::kEngineLibrary, why ? why : "the library could not be loaded");
  }
  dlerror();
  auto entry = reinterpret_cast<int (*)(int)>(dlsym(handle, kEntryPointName));
  if (!entry) {
    const char* why = dlerror();
    dlclose(handle);
    return fail(RunFailure::kEngineLibrary, std::string("Error Getting Function: ") + (why ? why : kEntryPointName));
  }
  {
    NumericLocaleGuard cLocale;
    out.status = entry(kEngineRunArgument);
    out.called = true;
  }
  dlclose(handle);

  RemoveIfPresent(kTzDiamFileName);
  for (const fs::path* p : {&files.qwList, &files.tzPlot, &files.qwPlot, &files.loadDist}) RemoveIfPresent(*p);
  RemoveIfPresent(kRunFileListName);
  return out;
}

}  // namespace tvx::run
