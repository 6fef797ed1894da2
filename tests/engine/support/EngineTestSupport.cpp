#include "EngineTestSupport.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "EngineState.h"
#include "RunFiles.h"

extern "C" int ITORVEX(int k);

namespace tvx::test {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  fPrevious = fs::current_path();
  fPath = fs::temp_directory_path() /
          ("torvex-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(fPath);
  fs::create_directories(fPath);
  fs::current_path(fPath);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::current_path(fPrevious, ec);
  fs::remove_all(fPath, ec);
}

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> ReadLines(const fs::path& p) {
  std::vector<std::string> lines;
  std::ifstream in(p, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void WriteFile(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

std::string RunFileListFor(const fs::path& input, const std::string& version) {
  std::string list = run::RunFileListText(run::MakeRunFileSet(input));
  return version + list.substr(list.find('\n'));
}

std::tm FixedClock() {
  std::tm t{};
  t.tm_year = 2017 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 7;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 3;
  return t;
}

namespace {
EngineRun RunWritten(const ScratchDir& dir, const fs::path& input) {
  EngineRun run;
  run.input = input;
  auto with = [&](const char* ext) { return fs::path(input).replace_extension(ext); };
  run.report = with(".tv8o");
  run.plot = with(".tv8p");
  run.notes = with(".tv8r");
  run.curves = with(".tv8z");
  WriteFile(dir / "names.dat", RunFileListFor(input));
  SetRunClock(&FixedClock);
  run.status = ITORVEX(11);
  SetRunClock(nullptr);
  return run;
}
}  // namespace

EngineRun RunProblem(const ScratchDir& dir, const std::string& problemText, const std::string& name) {
  const fs::path input = dir / (name + ".tv8d");
  WriteFile(input, problemText);
  return RunWritten(dir, input);
}

EngineRun RunProblemFile(const ScratchDir& dir, const fs::path& problemFile) {
  const fs::path input = dir / problemFile.filename();
  fs::copy_file(problemFile, input, fs::copy_options::overwrite_existing);
  return RunWritten(dir, input);
}

fs::path ExamplePath(const std::string& name) { return fs::path(TORVEX_SOURCE_DIR) / "examples" / name; }

}  // namespace tvx::test
