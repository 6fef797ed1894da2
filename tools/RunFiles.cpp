#include "RunFiles.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <system_error>
#include <utility>

#include "RunLock.h"

namespace tvx::run {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRunFileListName = "names.dat";

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

// Writes the run-file list in the current folder; the reason of a failure, empty on success.
std::string WriteRunFileList(const RunFileSet& files) {
  const std::string text = RunFileListText(files);
  const int fd = open(kRunFileListName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return std::strerror(errno);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string reason = std::strerror(n < 0 ? errno : ENOSPC);
      close(fd);
      RemoveIfPresent(kRunFileListName);
      return reason;
    }
    done += std::size_t(n);
  }
  if (close(fd) != 0) {
    const std::string reason = std::strerror(errno);
    RemoveIfPresent(kRunFileListName);
    return reason;
  }
  return {};
}

std::string CannotWriteRunFileList(const fs::path& folder, const std::string& reason) {
  return "The run-file list " + std::string(kRunFileListName) + " cannot be written in the folder " +
         folder.string() + " (" + reason + ").";
}

}  // namespace

std::string ProblemFileProblem(const fs::path& document) {
  const std::string lead = "The problem file " + document.string() + " cannot be used: ";
  struct stat st {};
  if (stat(document.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return lead + "the file does not exist.";
    return lead + "the file cannot be read (" + std::strerror(errno) + ").";
  }
  if (S_ISDIR(st.st_mode)) return lead + "it is a folder, not a file.";
  if (!S_ISREG(st.st_mode)) return lead + "it is a device, pipe or other special file, not a regular file.";
  const int fd = open(document.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return lead + "the file cannot be read (" + std::strerror(errno) + ").";
  close(fd);
  return {};
}

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
  if (std::string problem = ProblemFileProblem(files.document); !problem.empty())
    return fail(RunFailure::kProblemFile, std::move(problem));

  const fs::path folder = files.document.parent_path();
  FolderRunLock lock;
  switch (lock.Acquire(folder)) {
    case FolderRunLock::Result::kLocked:
      break;
    case FolderRunLock::Result::kBusy:
      return fail(RunFailure::kFolderBusy, "another analysis is running in this folder: " + folder.string());
    case FolderRunLock::Result::kCannotWrite:
      return fail(RunFailure::kRunFolder, CannotWriteRunFileList(folder, lock.Reason()));
  }
  CurrentDirectoryGuard restoreCwd;
  std::error_code ec;
  fs::current_path(folder, ec);
  if (ec) return fail(RunFailure::kRunFolder, "Cannot change to the folder " + folder.string() + ": " + ec.message());
  if (const std::string reason = WriteRunFileList(files); !reason.empty())
    return fail(RunFailure::kRunFolder, CannotWriteRunFileList(folder, reason));

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

  for (const char* name : kFolderScratchFiles) RemoveIfPresent(name);
  for (const fs::path* p : {&files.qwList, &files.tzPlot, &files.qwPlot, &files.loadDist}) RemoveIfPresent(*p);
  RemoveIfPresent(kRunFileListName);
  return out;
}

}  // namespace tvx::run
