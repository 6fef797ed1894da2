#include "RunLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <vector>

namespace tvx::run {
namespace fs = std::filesystem;

namespace {

// A lock file without a process id is left by a writer that died between creating and
// filling it; after this long nobody is still about to fill it.
constexpr auto kUnfilledLockAge = std::chrono::seconds(30);
// A stale lock is removed while holding "<lock>.rmlock", so that two processes that both
// found it stale do not remove one another's new lock; that guard can itself be stale.
constexpr int kMaxRemovalGuards = 2;

std::string FirstLine(const char* file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string MachineId() {
  for (const char* file : {"/var/lib/dbus/machine-id", "/usr/local/var/lib/dbus/machine-id", "/etc/machine-id"})
    if (std::string id = FirstLine(file); !id.empty()) return id;
  return {};
}

std::string BootId() { return FirstLine("/proc/sys/kernel/random/boot_id"); }

// The file name of the program that process `pid` runs; empty, with the reason in `error`,
// when it cannot be read (the process is gone, or belongs to another user).
std::string ProgramNameOf(const std::string& pid, int& error) {
  std::vector<char> buf(4096);
  const std::string link = "/proc/" + pid + "/exe";
  const ssize_t n = readlink(link.c_str(), buf.data(), buf.size() - 1);
  error = n <= 0 ? errno : 0;
  if (n <= 0) return {};
  std::string target(buf.data(), std::size_t(n));
  constexpr std::string_view kDeleted = " (deleted)";
  if (target.ends_with(kDeleted)) target.resize(target.size() - kDeleted.size());
  return fs::path(target).filename().string();
}

bool ProcessRuns(long long pid, const std::string& programName) {
  if (kill(pid_t(pid), 0) == -1 && errno == ESRCH) return false;
  int error = 0;
  const std::string running = ProgramNameOf(std::to_string(pid), error);
  if (running.empty()) return error == EACCES || error == EPERM;  // else gone, or a zombie
  // The process id now belongs to another program.
  return running == fs::path(programName).filename().string();
}

struct LockInfo {
  long long pid = 0;
  std::string program, host, machineId, bootId;
};

bool ReadLockInfo(const fs::path& file, LockInfo& info) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string pid;
  std::getline(in, pid);
  std::getline(in, info.program);
  std::getline(in, info.host);
  std::getline(in, info.machineId);
  std::getline(in, info.bootId);
  const auto [end, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), info.pid);
  return ec == std::errc() && end == pid.data() + pid.size() && info.pid > 0;
}

bool IsApparentlyStale(const fs::path& file) {
  LockInfo info;
  if (!ReadLockInfo(file, info)) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return false;
    const auto age = std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(st.st_mtime);
    return age > kUnfilledLockAge || age < -kUnfilledLockAge;
  }
  bool sameHost = info.host.empty() || info.host == HostName();
  if (!info.machineId.empty()) {
    if (const std::string ours = MachineId(); !ours.empty()) sameHost = info.machineId == ours;
  }
  if (!sameHost) return false;
  if (!info.bootId.empty()) {
    if (const std::string ours = BootId(); !ours.empty() && ours != info.bootId) return true;
  }
  return !ProcessRuns(info.pid, info.program);
}

// Removes a stale lock file unless somebody holds its flock(): a live holder always does.
bool RemoveStaleLock(const fs::path& file) {
  const int fd = open(file.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool removed = flock(fd, LOCK_EX | LOCK_NB) == 0 && unlink(file.c_str()) == 0;
  close(fd);
  return removed;
}

std::string OwnProgramName() {
  int error = 0;
  const std::string name = ProgramNameOf("self", error);
  return name.empty() ? std::string("torvex-run") : name;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += std::size_t(n);
  }
  return true;
}

enum class Create { kCreated, kBusy, kFailed };

// Creates the lock file `file` and keeps it under flock(); a stale one is removed first.
// `fd` is the held file on kCreated, errno tells why on kFailed.
Create CreateLockFile(const fs::path& file, int guardDepth, int& fd) {
  for (;;) {
    fd = open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) break;
    if (errno != EEXIST) return Create::kFailed;
    if (guardDepth >= kMaxRemovalGuards || !IsApparentlyStale(file)) return Create::kBusy;
    int guard = -1;
    const fs::path guardFile = file.string() + ".rmlock";
    if (CreateLockFile(guardFile, guardDepth + 1, guard) != Create::kCreated) return Create::kBusy;
    const bool removed = IsApparentlyStale(file) && RemoveStaleLock(file);
    unlink(guardFile.c_str());
    close(guard);
    if (!removed) return Create::kBusy;
  }
  flock(fd, LOCK_EX | LOCK_NB);  // nobody else has the new file open yet
  if (!WriteAll(fd, RunLockContents(getpid(), OwnProgramName()))) {
    const int why = errno ? errno : ENOSPC;
    unlink(file.c_str());
    close(fd);
    fd = -1;
    errno = why;
    return Create::kFailed;
  }
  fdatasync(fd);
  return Create::kCreated;
}

// The lock file that the termination signals remove, set while a lock is held.
bool gReleaseOnSignals = false;
char gSignalLockFile[4096];
volatile sig_atomic_t gSignalLockArmed = 0;
constexpr int kTerminationSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnTerminationSignal(int sig) {
  if (gSignalLockArmed) unlink(gSignalLockFile);
  gSignalLockArmed = 0;
  // Ends the process by the signal once the handler returns.
  std::signal(sig, SIG_DFL);
  raise(sig);
}

// Blocks the termination signals for its lifetime.
class TerminationSignalsBlocked {
 public:
  TerminationSignalsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kTerminationSignals) sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, &fPrevious);
  }
  ~TerminationSignalsBlocked() { sigprocmask(SIG_SETMASK, &fPrevious, nullptr); }

 private:
  sigset_t fPrevious;
};

}  // namespace

std::string RunLockContents(long long pid, const std::string& programName) {
  return std::to_string(pid) + '\n' + programName + '\n' + HostName() + '\n' + MachineId() + '\n' + BootId() + '\n';
}

FolderRunLock::~FolderRunLock() { Release(); }

FolderRunLock::Result FolderRunLock::Acquire(const fs::path& folder) {
  Release();
  fReason.clear();
  fFile = folder / kRunLockFileName;
  int fd = -1;
  switch (CreateLockFile(fFile, 0, fd)) {
    case Create::kCreated:
      break;
    case Create::kBusy:
      return Result::kBusy;
    case Create::kFailed: {
      const int why = errno;
      std::error_code ec;
      if (why == EACCES || why == EROFS || why == EPERM)
        fReason = "permission denied";
      else if (!fs::is_directory(folder, ec))
        fReason = "the folder does not exist";
      else
        fReason = std::string("no file can be created there: ") + std::strerror(why);
      return Result::kCannotWrite;
    }
  }
  TerminationSignalsBlocked blocked;
  fFd = fd;
  if (gReleaseOnSignals && fFile.string().size() < sizeof gSignalLockFile) {
    std::memcpy(gSignalLockFile, fFile.c_str(), fFile.string().size() + 1);
    gSignalLockArmed = 1;
  }
  return Result::kLocked;
}

void FolderRunLock::Release() {
  if (fFd < 0) return;
  TerminationSignalsBlocked blocked;
  gSignalLockArmed = 0;
  unlink(fFile.c_str());
  close(fFd);
  fFd = -1;
}

void FolderRunLock::ReleaseOnTerminationSignals() {
  gReleaseOnSignals = true;
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  for (int sig : kTerminationSignals) {
    struct sigaction previous {};
    // A signal the shell set to be ignored (a background job's SIGINT) stays ignored.
    if (sigaction(sig, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(sig, &action, nullptr);
  }
}

}  // namespace tvx::run
