#pragma once
// Another process holding a folder's run lock, as a second analysis in the folder does:
// a child process that takes the desktop program's lock and waits until it is killed.
#include <QString>

#include "LockHolder.h"

class TForeignRunLock {
 public:
  // Returns once the child holds the lock (or failed to take it: Held() false).
  explicit TForeignRunLock(const QString& folder);
  bool Held() const { return fHolder.Held(); }
  // Kills the child without letting it release anything, as a crash would.
  void Kill() { fHolder.Signal(SIGKILL); }

 private:
  tvx::test::LockHolder fHolder;
};
