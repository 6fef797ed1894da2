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
#include "LockHolder.h"

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

}  // namespace tvx::test
