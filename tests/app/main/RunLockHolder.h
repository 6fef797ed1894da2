#pragma once
// Another process holding a folder's run lock, as a second analysis in the folder does:
// a child process that takes the lock and waits until it is killed.
#include <QString>
#include <sys/types.h>

class TForeignRunLock {
 public:
  // Returns once the child holds the lock (or failed to take it: Held() false).
  explicit TForeignRunLock(const QString& folder);
  ~TForeignRunLock();  // kills the child if it still runs
  bool Held() const { return fHeld; }
  // Kills the child without letting it release anything, as a crash would.
  void Kill();

 private:
  pid_t fChild = -1;
  bool fHeld = false;
};
