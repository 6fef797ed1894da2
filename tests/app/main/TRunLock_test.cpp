// One analysis per folder: the lock is exclusive, released when its holder goes, taken over
// from a holder that was killed, and says when the folder cannot hold it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "RunLockHolder.h"
#include "TRunLock.h"

namespace {

using R = TRunLock::TResult;

QString LockFile(const QTemporaryDir& dir) { return dir.filePath(TRunLock::kLockFileName); }

TEST(RunLock, ExclusiveWhileHeld_GoneWithItsHolder) {
  QTemporaryDir dir;
  {
    TRunLock first;
    ASSERT_EQ(first.Acquire(dir.path()), R::Locked);
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(QFileInfo::exists(LockFile(dir)));
    TRunLock second;
    EXPECT_EQ(second.Acquire(dir.path()), R::Busy);
    EXPECT_FALSE(second.Held());
  }
  EXPECT_FALSE(QFileInfo::exists(LockFile(dir)));
  TRunLock again;
  EXPECT_EQ(again.Acquire(dir.path()), R::Locked);
}

TEST(RunLock, HeldByAnotherProcess_Busy_TakenOverOnceThatProcessWasKilled) {
  QTemporaryDir dir;
  TForeignRunLock other(dir.path());
  ASSERT_TRUE(other.Held());
  TRunLock lock;
  EXPECT_EQ(lock.Acquire(dir.path()), R::Busy);
  other.Kill();
  // The killed process left its lock file behind.
  EXPECT_TRUE(QFileInfo::exists(LockFile(dir)));
  EXPECT_EQ(lock.Acquire(dir.path()), R::Locked);
}

TEST(RunLock, FolderThatCannotHoldAFile_CannotWrite) {
  QTemporaryDir dir;
  struct Case {
    QString folder;
    const char* reason;
  } cases[] = {
      {dir.filePath("missing"), "the folder does not exist"},
      // Not even the superuser can make files there.
      {"/proc/self", nullptr},
  };
  for (const Case& c : cases) {
    TRunLock lock;
    EXPECT_EQ(lock.Acquire(c.folder), R::CannotWrite) << c.folder.toStdString();
    EXPECT_FALSE(lock.Reason().isEmpty());
    if (c.reason) {
      EXPECT_EQ(lock.Reason(), c.reason);
    }
  }
}

}  // namespace
