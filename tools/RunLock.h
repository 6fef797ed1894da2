// The exclusive hold of a problem's folder for one run. The engine writes fixed-name scratch
// files and reads the run-file list names.dat in the current folder, so two runs there at
// once would spoil each other's results; a run holds the lock file "torvex-run.lock" in the
// folder for its whole length. The desktop program holds the same file with a QLockFile, so
// the file has that layout and is kept the same way, and the runner and the desktop program
// keep each other out of a folder:
//
//   - created with O_CREAT | O_EXCL, then kept under an advisory flock() while held;
//   - five lines: the process id, the program's file name, the host name, the machine id
//     and the boot id;
//   - removed when released.
//
// A lock left behind by a process that was killed is taken over: its host (machine id, else
// host name) is this one and its process no longer runs (or the process id now belongs to
// another program, or the lock dates from an earlier boot), and nobody holds its flock().
// The age of a lock with a process id never counts, since a large run may take minutes; a
// lock file without one (its writer died between creating and filling it) is taken over once
// it is older than 30 s and nobody holds its flock(). Plain C++ and POSIX, no Qt.
#pragma once

#include <filesystem>
#include <string>

namespace tvx::run {

constexpr const char* kRunLockFileName = "torvex-run.lock";

class FolderRunLock {
 public:
  enum class Result {
    kLocked,       // the folder is held by this object
    kBusy,         // another run holds the folder
    kCannotWrite,  // no file can be created in the folder (Reason() says why)
  };

  FolderRunLock() = default;
  ~FolderRunLock();
  FolderRunLock(const FolderRunLock&) = delete;
  FolderRunLock& operator=(const FolderRunLock&) = delete;

  // Tries once, without waiting. A lock already held by this object is released first.
  Result Acquire(const std::filesystem::path& folder);
  bool Held() const { return fFd >= 0; }
  const std::filesystem::path& LockFile() const { return fFile; }
  const std::string& Reason() const { return fReason; }
  void Release();

  // From now on, SIGINT, SIGTERM and SIGHUP remove the lock file of a held lock before the
  // process ends by the signal as it would have without the handler. For a program that
  // holds at most one lock at a time.
  static void ReleaseOnTerminationSignals();

 private:
  int fFd = -1;
  std::filesystem::path fFile;
  std::string fReason;
};

// The five lines of a lock file written by process `pid` of the program `programName` on
// this host.
std::string RunLockContents(long long pid, const std::string& programName);

}  // namespace tvx::run
