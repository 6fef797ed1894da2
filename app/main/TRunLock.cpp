#include "TRunLock.h"

#include <QDir>
#include <QLockFile>

TRunLock::TRunLock() = default;

TRunLock::~TRunLock() { Release(); }

TRunLock::TResult TRunLock::Acquire(const QString& folder) {
  Release();
  fFolder = folder;
  fReason.clear();
  auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kLockFileName)));
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    fLock = std::move(lock);
    return TResult::Locked;
  }
  switch (lock->error()) {
    case QLockFile::LockFailedError:
      return TResult::Busy;
    case QLockFile::PermissionError:
      fReason = QStringLiteral("permission denied");
      return TResult::CannotWrite;
    default:
      fReason = QDir(folder).exists() ? QStringLiteral("no file can be created there")
                                      : QStringLiteral("the folder does not exist");
      return TResult::CannotWrite;
  }
}

bool TRunLock::Held() const { return fLock != nullptr; }

void TRunLock::Release() {
  if (fLock) fLock->unlock();
  fLock.reset();
}
