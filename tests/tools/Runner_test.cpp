#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "EngineTestSupport.h"
#include "RunFiles.h"
#include "RunnerTestSupport.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using test::ScratchDir;

using test::CommandResult;
using test::FilesIn;
using test::kBin;
using test::RunCommand;
using test::Runner;

TEST(Runner, RunsTheBundledExample_LeavesTheResultsAndTheEngineFilesOnly) {
  ScratchDir dir;
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  const CommandResult r = RunCommand(Runner() + " " + (dir / "job.tv8d").string());
  ASSERT_EQ(r.exitCode, 0) << r.output;
  EXPECT_NE(r.output.find("status:      0  (Computations are completed.)"), std::string::npos) << r.output;
  for (const char* ext : {".tv8o", ".tv8p", ".tv8r", ".tv8z"})
    EXPECT_NE(r.output.find((dir / ("job" + std::string(ext))).string()), std::string::npos) << r.output;
  // The problem, its four result files and the last t-z listing; the scratch files of the
  // document, the folder's scratch files (TZDIAM.DAT, the design-chart scratch CHART.DAT,
  // the rock-message scratch ROCKMSG.DAT), names.dat and the folder's run lock are gone.
  const std::set<std::string> expected = {"job.tv8d", "job.tv8o", "job.tv8p", "job.tv8r", "job.tv8z", "TZDATA.DAT"};
  EXPECT_EQ(FilesIn(dir.path()), expected);
  const auto report = test::ReadLines(dir / "job.tv8o");
  ASSERT_GT(report.size(), 11u);
  EXPECT_EQ(report[11], "     Name of input data file     : job.tv8d");
}

TEST(Runner, ProblemFileTheEngineCannotRead_ExitsWithTheRunStatus) {
  ScratchDir dir;
  test::WriteFile(dir / "job.tv8d", "A title\n1\nnot a number\n");
  const CommandResult r = RunCommand(Runner() + " " + (dir / "job.tv8d").string());
  EXPECT_EQ(r.exitCode, 10) << r.output;
  EXPECT_NE(r.output.find("status:      10  (Computations are completed, but there may be errors.)"),
            std::string::npos)
      << r.output;
  EXPECT_FALSE(fs::exists(dir / "names.dat"));
}

// The runner's own failures: each its exit code and message, and what it leaves behind.
struct FailureCase {
  const char* name;
  std::string (*command)(const ScratchDir& dir);  // the command line, in the scratch folder
  int exitCode;
  const char* message;
  std::set<std::string> left;  // the scratch folder's files afterwards
};

std::string CopyExample(const ScratchDir& dir) {
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  return (dir / "job.tv8d").string();
}

const FailureCase kFailures[] = {
    {"NoProblemFile", [](const ScratchDir&) { return Runner(); }, 64, "usage: torvex-run [--console] problem.tv8d",
     {}},
    {"UnknownOption", [](const ScratchDir& dir) { return Runner() + " --fast " + CopyExample(dir); }, 64,
     "torvex-run: unknown option --fast", {"job.tv8d"}},
    {"TwoProblemFiles",
     [](const ScratchDir& dir) { return Runner() + " " + CopyExample(dir) + " " + (dir / "b.tv8d").string(); }, 64,
     "usage: torvex-run", {"job.tv8d"}},
    {"MissingProblemFile", [](const ScratchDir& dir) { return Runner() + " " + (dir / "none.tv8d").string(); }, 66,
     "does not exist", {}},
    {"ProblemPathIsAFolder",
     [](const ScratchDir& dir) {
       fs::create_directory(dir / "folder.tv8d");
       return Runner() + " " + (dir / "folder.tv8d").string();
     },
     66, "folder.tv8d cannot be used: it is a folder, not a file.", {"folder.tv8d"}},
    // Reading a pipe would never end.
    {"ProblemPathIsAPipe",
     [](const ScratchDir& dir) {
       mkfifo((dir / "pipe.tv8d").c_str(), 0644);
       return Runner() + " " + (dir / "pipe.tv8d").string();
     },
     66, "pipe.tv8d cannot be used: it is a device, pipe or other special file, not a regular file.", {"pipe.tv8d"}},
    // The folder takes files, but names.dat cannot be one of them; the lock is given back.
    {"RunFileListCannotBeWritten",
     [](const ScratchDir& dir) {
       fs::create_directory(dir / "names.dat");
       return Runner() + " " + CopyExample(dir);
     },
     73, "The run-file list names.dat cannot be written in the folder ", {"job.tv8d", "names.dat"}},
    {"PathLongerThanTheEngineTakes",
     [](const ScratchDir& dir) { return Runner() + " " + (dir / (std::string(250, 'a') + ".tv8d")).string(); }, 66,
     "longer than 255 characters", {}},
    // A runner without the engine library beside it: the desktop program's message, and
    // names.dat left in the folder as the desktop program leaves it.
    {"NoEngineLibrary",
     [](const ScratchDir& dir) {
       fs::create_directory(dir / "bin");
       fs::copy_file(kBin / "torvex-run", dir / "bin" / "torvex-run");
       return Runner(dir / "bin") + " " + CopyExample(dir);
     },
     69, "Attempt to initialize DLL failed", {"bin", "job.tv8d", "names.dat"}},
};

class RunnerFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RunnerFailure, ExitsWithItsOwnCodeAndMessage) {
  const FailureCase& c = GetParam();
  ScratchDir dir;
  const CommandResult r = RunCommand(c.command(dir));
  EXPECT_EQ(r.exitCode, c.exitCode) << r.output;
  EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
  if (c.exitCode != 69) {
    EXPECT_EQ(r.output.find("Attempt to initialize DLL failed"), std::string::npos) << r.output;
  }
  EXPECT_EQ(r.output.find("status:"), std::string::npos) << r.output;
  EXPECT_EQ(FilesIn(dir.path()), c.left);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Faults that only permission bits make, which the superuser does not see: as root the
// runner runs as the unprivileged user 65534 (copied with the engine library to a folder
// that user can reach), otherwise as the user running the tests.
struct PermissionCase {
  const char* name;
  fs::perms folder;   // the problem's folder
  fs::perms problem;  // the problem file
  int exitCode;
  std::string (*message)(const fs::path& folder);  // all the runner says
};

const PermissionCase kPermissionFaults[] = {
    {"ReadOnlyFolder", fs::perms(0555), fs::perms(0644), 73,
     [](const fs::path& folder) {
       return "torvex-run: The run-file list names.dat cannot be written in the folder " + folder.string() +
              " (permission denied).\n";
     }},
    {"UnreadableProblemFile", fs::perms(0777), fs::perms(0), 66,
     [](const fs::path& folder) {
       return "torvex-run: The problem file " + (folder / "job.tv8d").string() +
              " cannot be used: the file cannot be read (Permission denied).\n";
     }},
};

class RunnerPermissionFault : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(RunnerPermissionFault, RefusedBeforeAnythingIsWritten) {
  const PermissionCase& c = GetParam();
  ScratchDir bin;
  std::string asUser;
  if (geteuid() == 0) {
    asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    if (RunCommand(asUser + "true").exitCode != 0) GTEST_SKIP() << "setpriv cannot drop the superuser's rights here";
    fs::permissions(bin.path(), fs::perms(0755));
    for (const char* file : {"torvex-run", run::kEngineLibraryName}) fs::copy_file(kBin / file, bin / file);
  }
  const fs::path runnerFolder = asUser.empty() ? kBin : bin.path();
  ScratchDir dir;
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  fs::permissions(dir / "job.tv8d", c.problem);
  fs::permissions(dir.path(), c.folder);
  const auto before = test::FolderContents(dir.path());
  const CommandResult r = RunCommand(asUser + Runner(runnerFolder) + " " + (dir / "job.tv8d").string());
  EXPECT_EQ(r.exitCode, c.exitCode) << r.output;
  EXPECT_EQ(r.output, c.message(dir.path()));
  EXPECT_EQ(test::FolderContents(dir.path()), before);
  fs::permissions(dir.path(), fs::perms(0755));
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerPermissionFault, ::testing::ValuesIn(kPermissionFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Runner, HelpNamesEveryExitCode) {
  const CommandResult r = RunCommand(Runner() + " --help");
  ASSERT_EQ(r.exitCode, 0) << r.output;
  for (const char* code : {"   0   ", "   1   ", "   2   ", "   4   ", "   7   ", "   8   ", "   9   ", "  10   ",
                           "  99   ", "  64   ", "  66   ", "  69   ", "  73   ",
                           "  75   "})
    EXPECT_NE(r.output.find(std::string("\n") + code), std::string::npos) << code;
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

TEST(RunFileList, NamesTheProgramVersionAndEveryFileAfterTheDocument) {
  const run::RunFileSet f = run::MakeRunFileSet("/jobs/pier 4/shaft.tv8d");
  const std::vector<std::string> expected = {
      "2017.8.11",           "1",
      "/jobs/pier 4/shaft.tv8d", "/jobs/pier 4/shaft.tv8o", "/jobs/pier 4/shaft.tv8p", "/jobs/pier 4/shaft.tv8r",
      "/jobs/pier 4/shaft.tv8z", "/jobs/pier 4/shaft.tv8w", "/jobs/pier 4/shaft.tv8t", "/jobs/pier 4/shaft.tv8q",
      "/jobs/pier 4/shaft.tv8l"};
  EXPECT_EQ(test::LinesOf(run::RunFileListText(f)), expected);
}

// LC_NUMERIC in a locale whose decimal separator is ",": de_DE.UTF-8 of the system where it
// is installed, else one built with localedef from the sources of the locales package into a
// scratch folder that LOCPATH names. "C" again afterwards.
class CommaNumericLocale {
 public:
  CommaNumericLocale() {
    if (Set()) return;
    const fs::path compiled = fLocales / "de_DE.UTF-8";
    const std::string command = "localedef -i de_DE -f UTF-8 " + compiled.string() + " 2>&1";
    fBuildOutput = RunCommand(command).output;
    setenv("LOCPATH", fLocales.path().c_str(), 1);
    Set();
  }
  ~CommaNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
  bool Active() const { return std::string(std::localeconv()->decimal_point) == ","; }
  const std::string& BuildOutput() const { return fBuildOutput; }

 private:
  bool Set() { return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr && Active(); }

  ScratchDir fLocales;
  std::string fBuildOutput;
};

TEST(NumericLocale, CommaLocaleIsForcedToCForTheEngineAndRestored) {
  CommaNumericLocale comma;
  ASSERT_TRUE(comma.Active()) << "no locale with a decimal comma (scripts/bootstrap installs the locales package): "
                              << comma.BuildOutput();
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  {
    run::NumericLocaleGuard guard;
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  }
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
  EXPECT_TRUE(comma.Active());
}

TEST(NumericLocale, RunInACommaLocale_WritesTheSameNumbersAsInC) {
  std::vector<std::string> reports[2];
  for (int commaRun = 0; commaRun < 2; ++commaRun) {
    ScratchDir dir;
    fs::copy_file(test::ExamplePath("si-layered-lrfd-charts.tv8d"), dir / "job.tv8d");
    std::unique_ptr<CommaNumericLocale> comma;
    if (commaRun) {
      comma = std::make_unique<CommaNumericLocale>();
      ASSERT_TRUE(comma->Active()) << comma->BuildOutput();
    }
    const run::RunOutcome out =
        run::RunEngineOnDocument(run::MakeRunFileSet(dir / "job.tv8d"), kBin / run::kEngineLibraryName);
    ASSERT_TRUE(out.called) << out.error;
    ASSERT_EQ(out.status, 0);
    if (comma) {
      EXPECT_TRUE(comma->Active());
    }
    for (const std::string& line : test::ReadLines(dir / "job.tv8o"))
      if (!test::StartsWith(line, "               Date:  ") && !test::StartsWith(line, "     Path to file"))
        reports[commaRun].push_back(line);
  }
  EXPECT_EQ(reports[1], reports[0]);
}

}  // namespace
}  // namespace tvx
