#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "EngineTestSupport.h"
#include "RunFiles.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using test::ScratchDir;

struct CommandResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr
};

CommandResult RunCommand(const std::string& command) {
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

const fs::path kBin = TORVEX_BIN_DIR;

TEST(Runner, RunsTheBundledExampleAndCleansUp) {
  ScratchDir dir;
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  const CommandResult r = RunCommand((kBin / "torvex-run").string() + " " + (dir / "job.tv8d").string());
  ASSERT_EQ(r.exitCode, 0) << r.output;
  EXPECT_NE(r.output.find("status:      0"), std::string::npos) << r.output;
  for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z"}) {
    const fs::path result = dir / ("job" + std::string(ext));
    EXPECT_TRUE(fs::exists(result)) << result;
    EXPECT_NE(r.output.find(result.string()), std::string::npos) << r.output;
  }
  for (const char* gone : {"job.tv8w", "job.tv8t", "job.tv8q", "job.tv8l", "TZDIAM.DAT", "names.dat"})
    EXPECT_FALSE(fs::exists(dir / gone)) << gone;
  const auto report = test::ReadLines(dir / "job.tv8o");
  ASSERT_GT(report.size(), 11u);
  EXPECT_EQ(report[11], "     Name of input data file     : job.tv8d");
}

TEST(Runner, ReportsALibraryThatCannotBeLoaded) {
  ScratchDir dir;
  fs::copy_file(kBin / "torvex-run", dir / "torvex-run");
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  const CommandResult r = RunCommand((dir / "torvex-run").string() + " " + (dir / "job.tv8d").string());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.output.find("Attempt to initialize DLL failed"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("Torvex2017_DLL.so"), std::string::npos) << r.output;
}

TEST(Runner, RefusesAMissingProblemFile) {
  ScratchDir dir;
  const CommandResult r = RunCommand((kBin / "torvex-run").string() + " " + (dir / "none.tv8d").string());
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.output.find("does not exist"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(dir / "names.dat"));
}

TEST(EngineLibrary, ExportsOnlyTheEntryPoint) {
  const CommandResult r = RunCommand("nm -D --defined-only " + (kBin / "Torvex2017_DLL.so").string());
  ASSERT_EQ(r.exitCode, 0) << r.output;
  std::set<std::string> names;
  std::istringstream lines(r.output);
  std::string line;
  while (std::getline(lines, line)) {
    const auto sp = line.find_last_of(' ');
    if (sp != std::string::npos) names.insert(line.substr(sp + 1));
  }
  EXPECT_EQ(names, std::set<std::string>{"ITORVEX"}) << r.output;
}

TEST(RunFileList, NamesEveryFileAfterTheDocument) {
  const run::RunFileSet f = run::MakeRunFileSet("/jobs/pier 4/shaft.tv8d");
  std::istringstream text(run::RunFileListText(f));
  std::vector<std::string> lines;
  for (std::string l; std::getline(text, l);) lines.push_back(l);
  const std::vector<std::string> expected = {
      "2017.8.11",           "1",
      "/jobs/pier 4/shaft.tv8d", "/jobs/pier 4/shaft.tv8o", "/jobs/pier 4/shaft.tv8p", "/jobs/pier 4/shaft.tv8r",
      "/jobs/pier 4/shaft.tv8z", "/jobs/pier 4/shaft.tv8w", "/jobs/pier 4/shaft.tv8t", "/jobs/pier 4/shaft.tv8q",
      "/jobs/pier 4/shaft.tv8l"};
  EXPECT_EQ(lines, expected);
}

TEST(RunFileList, RefusesPathsTheEngineWouldCut) {
  ScratchDir dir;
  const std::string longName(260, 'a');
  const run::RunOutcome out =
      run::RunEngineOnDocument(run::MakeRunFileSet(dir / (longName + ".tv8d")), kBin / "Torvex2017_DLL.so");
  EXPECT_FALSE(out.called);
  EXPECT_NE(out.error.find("255"), std::string::npos);
}

TEST(NumericLocale, IsForcedToCAndRestored) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  {
    run::NumericLocaleGuard guard;
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  }
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
}

}  // namespace
}  // namespace tvx
