// Helpers for the runner's tests: running a command line, the files of a folder, and a
// child process that holds a folder's run lock until it is killed or signalled.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "EngineTestSupport.h"

namespace tvx::test {

struct CommandResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr
};

inline CommandResult RunCommand(const std::string& command) {
  CommandResult r;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.output.append(buf.data(), n);
  const int st = pclose(pipe);
  r.exitCode = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

inline const std::filesystem::path kBin = TORVEX_BIN_DIR;

inline std::string Runner(const std::filesystem::path& folder = kBin) { return (folder / "torvex-run").string(); }

inline std::set<std::string> FilesIn(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

// Every file of a folder with its contents (a folder as "<folder>"), to show that a run
// changed nothing.
inline std::map<std::string, std::string> FolderContents(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    files[entry.path().filename().string()] = entry.is_directory() ? "<folder>" : ReadFile(entry.path());
  return files;
}

// A child process that runs `hold` (which takes a lock and answers whether it holds it) and
// then waits until it is killed or signalled.
class LockHolder {
 public:
  explicit LockHolder(const std::function<bool()>& hold) {
    int ready[2];
    if (pipe(ready) != 0) return;
    fChild = fork();
    if (fChild == 0) {
      close(ready[0]);
      const char answer = hold() ? 'y' : 'n';
      (void)!write(ready[1], &answer, 1);
      for (;;) pause();
    }
    close(ready[1]);
    char answer = 'n';
    if (fChild > 0 && read(ready[0], &answer, 1) == 1) fHeld = answer == 'y';
    close(ready[0]);
  }
  ~LockHolder() { Signal(SIGKILL); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  bool Held() const { return fHeld; }
  pid_t Pid() const { return fChild; }
  // Sends `sig` and waits for the child to end; its wait status. SIGKILL lets it release
  // nothing, as a crash would. A child still running after 5 s is killed.
  int Signal(int sig) {
    if (fChild <= 0) return -1;
    kill(fChild, sig);
    int status = 0;
    for (int waited = 0; waitpid(fChild, &status, WNOHANG) == 0; ++waited) {
      if (waited == 500) kill(fChild, SIGKILL);
      usleep(10000);
    }
    fChild = -1;
    return status;
  }

 private:
  pid_t fChild = -1;
  bool fHeld = false;
};

}  // namespace tvx::test
