// One run per folder: a folder held by another run is left untouched, a lock left by a
// process that died is taken over, one of a live process or another host is not, and an
// interrupted run gives its folder back.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "RunLock.h"
#include "RunnerTestSupport.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using run::FolderRunLock;
using test::CommandResult;
using test::FolderContents;
using test::LockHolder;
using test::RunCommand;
using test::Runner;
using test::ScratchDir;

std::string BusyMessage(const fs::path& folder) {
  return "torvex-run: another analysis is running in this folder: " + folder.string() +
         "\nRun it again when that analysis has finished.\n";
}

// A folder in the middle of a run of job.tv8d: its run-file list, the scratch files and
// results being written, and a second problem beside it.
void FolderInMidRun(const ScratchDir& dir) {
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "other.tv8d");
  test::WriteFile(dir / "names.dat", test::RunFileListFor(dir / "job.tv8d"));
  for (const char* name : {"TZDIAM.DAT", "CHART.DAT", "ROCKMSG.DAT", "TZDATA.DAT", "job.tv8w", "job.tv8o"})
    test::WriteFile(dir / name, std::string("being written by the run of job.tv8d: ") + name + "\n");
}

TEST(RunLock, FolderHeldByAnotherRun_SecondRunRefusedAndTouchesNothing_RunsOnceReleased) {
  ScratchDir dir;
  FolderInMidRun(dir);
  FolderRunLock first;
  ASSERT_EQ(first.Acquire(dir.path()), FolderRunLock::Result::kLocked);
  const auto before = FolderContents(dir.path());
  // The same problem and another one of the folder.
  for (const char* problem : {"job.tv8d", "other.tv8d"}) {
    const CommandResult r = RunCommand(Runner() + " " + (dir / problem).string());
    EXPECT_EQ(r.exitCode, 75) << problem << "\n" << r.output;
    EXPECT_EQ(r.output, BusyMessage(dir.path())) << problem;
    EXPECT_EQ(FolderContents(dir.path()), before) << problem;
  }
  first.Release();
  EXPECT_FALSE(fs::exists(dir / run::kRunLockFileName));
  const CommandResult r = RunCommand(Runner() + " " + (dir / "other.tv8d").string());
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_TRUE(fs::exists(dir / "other.tv8o"));
  EXPECT_FALSE(fs::exists(dir / run::kRunLockFileName));
}

std::string OwnProgramName() { return fs::read_symlink("/proc/self/exe").filename().string(); }

pid_t DeadProcessId() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

std::string HostName() {
  char name[256] = {};
  gethostname(name, sizeof name - 1);
  return name;
}

// The lines of a lock file of process `pid` running `program` on this host, with line
// `line` (0 to 4) replaced by `replacement` when `line` >= 0.
std::string LockLines(long long pid, const std::string& program, int line = -1, const std::string& replacement = {}) {
  std::vector<std::string> lines = test::LinesOf(run::RunLockContents(pid, program));
  if (line >= 0) lines.at(std::size_t(line)) = replacement;
  std::string text;
  for (const std::string& l : lines) text += l + '\n';
  return text;
}

struct LeftLockCase {
  const char* name;
  // The lock file's text; nullptr: left by a runner's lock whose process was killed.
  std::string (*contents)();
  int ageSeconds;
  bool takenOver;
};

const LeftLockCase kLeftLocks[] = {
    {"KilledHolder", nullptr, 0, true},
    {"DeadProcess", [] { return LockLines(DeadProcessId(), "wintv2017"); }, 0, true},
    // The layout of Qt releases before 5.10: process id, program and host only.
    {"DeadProcessThreeLines",
     [] { return std::to_string(DeadProcessId()) + "\nwintv2017\n" + HostName() + "\n"; }, 0, true},
    // The process id was given to another program after the holder died.
    {"ProcessIdOfAnotherProgram", [] { return LockLines(getpid(), "wintv2017"); }, 0, true},
    {"EarlierBoot",
     [] { return LockLines(getpid(), OwnProgramName(), 4, "00000000-0000-0000-0000-000000000000"); }, 0, true},
    // The writer died between creating the file and filling it.
    {"UnfilledLongAgo", [] { return std::string(); }, 60, true},
    {"UnfilledJustNow", [] { return std::string(); }, 0, false},
    // The test process itself runs and is the program named.
    {"LiveProcess", [] { return LockLines(getpid(), OwnProgramName()); }, 3600, false},
    // Whether a process of another machine still runs cannot be told from here.
    {"AnotherMachine",
     [] { return LockLines(DeadProcessId(), "wintv2017", 3, "0123456789abcdef0123456789abcdef"); }, 0, false},
    {"AnotherHostName",
     [] { return std::to_string(DeadProcessId()) + "\nwintv2017\nsurvey-office-7\n"; }, 0, false},
};

class LeftLock : public ::testing::TestWithParam<LeftLockCase> {};

TEST_P(LeftLock, TakenOverOnlyWhenItsHolderIsGone) {
  const LeftLockCase& c = GetParam();
  ScratchDir dir;
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  const fs::path lockFile = dir / run::kRunLockFileName;
  if (c.contents) {
    test::WriteFile(lockFile, c.contents());
  } else {
    LockHolder holder([&] { return (new FolderRunLock)->Acquire(dir.path()) == FolderRunLock::Result::kLocked; });
    ASSERT_TRUE(holder.Held());
    holder.Signal(SIGKILL);
    ASSERT_TRUE(fs::exists(lockFile));
  }
  fs::last_write_time(lockFile, fs::file_time_type::clock::now() - std::chrono::seconds(c.ageSeconds));
  const auto before = FolderContents(dir.path());

  const CommandResult r = RunCommand(Runner() + " " + (dir / "job.tv8d").string());
  if (c.takenOver) {
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(fs::exists(dir / "job.tv8o"));
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_FALSE(fs::exists(lockFile.string() + ".rmlock"));
  } else {
    EXPECT_EQ(r.exitCode, 75) << r.output;
    EXPECT_EQ(r.output, BusyMessage(dir.path()));
    EXPECT_EQ(FolderContents(dir.path()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LeftLock, ::testing::ValuesIn(kLeftLocks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunLock, HoldersLockFile_NamesItsProcessProgramAndHost) {
  ScratchDir dir;
  FolderRunLock lock;
  ASSERT_EQ(lock.Acquire(dir.path()), FolderRunLock::Result::kLocked);
  const std::vector<std::string> lines = test::ReadLines(dir / run::kRunLockFileName);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], std::to_string(getpid()));
  EXPECT_EQ(lines[1], OwnProgramName());
  EXPECT_EQ(lines[2], HostName());
  EXPECT_EQ(lines[4], test::ReadLines("/proc/sys/kernel/random/boot_id").at(0));
  // A second holder in the same process is refused as well.
  FolderRunLock second;
  EXPECT_EQ(second.Acquire(dir.path()), FolderRunLock::Result::kBusy);
}

TEST(RunLock, InterruptedHolder_GivesTheFolderBack) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    ScratchDir dir;
    LockHolder holder([&] {
      // As a runner started from a terminal, whatever this test's parent ignores.
      for (int s : {SIGINT, SIGTERM, SIGHUP}) signal(s, SIG_DFL);
      FolderRunLock::ReleaseOnTerminationSignals();
      return (new FolderRunLock)->Acquire(dir.path()) == FolderRunLock::Result::kLocked;
    });
    ASSERT_TRUE(holder.Held()) << sig;
    ASSERT_TRUE(fs::exists(dir / run::kRunLockFileName)) << sig;
    const int status = holder.Signal(sig);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig << " " << status;
    EXPECT_FALSE(fs::exists(dir / run::kRunLockFileName)) << sig;
  }
}

TEST(RunLock, FolderThatCannotHoldAFile_SaysWhy) {
  ScratchDir dir;
  FolderRunLock lock;
  EXPECT_EQ(lock.Acquire(dir / "missing"), FolderRunLock::Result::kCannotWrite);
  EXPECT_EQ(lock.Reason(), "the folder does not exist");
  // Not even the superuser can make files there.
  EXPECT_EQ(lock.Acquire("/proc/self"), FolderRunLock::Result::kCannotWrite);
  EXPECT_FALSE(lock.Reason().empty());
  EXPECT_FALSE(lock.Held());
}

}  // namespace
}  // namespace tvx
