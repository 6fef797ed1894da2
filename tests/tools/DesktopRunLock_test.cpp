// The runner and the desktop program keep each other out of a folder: each refuses a
// folder the other holds, and takes over the lock the other left when it was killed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSysInfo>

#include <filesystem>
#include <string>

#include "EngineTestSupport.h"
#include "RunLock.h"
#include "RunnerTestSupport.h"
#include "TRunLock.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using test::CommandResult;
using test::LockHolder;
using test::RunCommand;
using test::Runner;
using test::ScratchDir;

QString Folder(const ScratchDir& dir) { return QString::fromStdString(dir.path().string()); }

TEST(DesktopRunLock, DesktopHoldsTheFolder_RunnerRefusedAndTouchesNothing_TakesOverOnceTheDesktopWasKilled) {
  ScratchDir dir;
  fs::copy_file(test::ExamplePath("sand-over-clay.tv8d"), dir / "job.tv8d");
  test::WriteFile(dir / "names.dat", test::RunFileListFor(dir / "job.tv8d"));
  test::WriteFile(dir / "CHART.DAT", "the desktop's run\n");
  LockHolder desktop([&] { return (new TRunLock)->Acquire(Folder(dir)) == TRunLock::TResult::Locked; });
  ASSERT_TRUE(desktop.Held());
  const auto before = test::FolderContents(dir.path());

  CommandResult r = RunCommand(Runner() + " " + (dir / "job.tv8d").string());
  EXPECT_EQ(r.exitCode, 75) << r.output;
  EXPECT_NE(r.output.find("another analysis is running in this folder"), std::string::npos) << r.output;
  EXPECT_EQ(test::FolderContents(dir.path()), before);

  desktop.Signal(SIGKILL);
  ASSERT_TRUE(fs::exists(dir / run::kRunLockFileName));
  r = RunCommand(Runner() + " " + (dir / "job.tv8d").string());
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_FALSE(fs::exists(dir / run::kRunLockFileName));
}

TEST(DesktopRunLock, RunnerHoldsTheFolder_DesktopBusy_TakesOverOnceTheRunnerWasKilled) {
  ScratchDir dir;
  LockHolder runner([&] { return (new run::FolderRunLock)->Acquire(dir.path()) == run::FolderRunLock::Result::kLocked; });
  ASSERT_TRUE(runner.Held());

  // The desktop reads the runner's lock as one of its own.
  QLockFile reader(QDir(Folder(dir)).filePath(TRunLock::kLockFileName));
  qint64 pid = 0;
  QString host, program;
  ASSERT_TRUE(reader.getLockInfo(&pid, &host, &program));
  EXPECT_EQ(pid, runner.Pid());
  EXPECT_EQ(host, QSysInfo::machineHostName());
  EXPECT_EQ(program.toStdString(), fs::read_symlink("/proc/self/exe").filename().string());

  TRunLock desktop;
  EXPECT_EQ(desktop.Acquire(Folder(dir)), TRunLock::TResult::Busy);
  runner.Signal(SIGKILL);
  ASSERT_TRUE(fs::exists(dir / run::kRunLockFileName));
  EXPECT_EQ(desktop.Acquire(Folder(dir)), TRunLock::TResult::Locked);
  desktop.Release();
  EXPECT_FALSE(fs::exists(dir / run::kRunLockFileName));
}

}  // namespace
}  // namespace tvx

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
