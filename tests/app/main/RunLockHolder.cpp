#include "RunLockHolder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TRunLock.h"

TForeignRunLock::TForeignRunLock(const QString& folder) {
  int ready[2];
  if (pipe(ready) != 0) return;
  fChild = fork();
  if (fChild == 0) {
    close(ready[0]);
    TRunLock lock;
    const char answer = lock.Acquire(folder) == TRunLock::TResult::Locked ? 'y' : 'n';
    (void)!write(ready[1], &answer, 1);
    for (;;) pause();
  }
  close(ready[1]);
  char answer = 'n';
  if (fChild > 0 && read(ready[0], &answer, 1) == 1) fHeld = answer == 'y';
  close(ready[0]);
}

TForeignRunLock::~TForeignRunLock() { Kill(); }

void TForeignRunLock::Kill() {
  if (fChild <= 0) return;
  kill(fChild, SIGKILL);
  waitpid(fChild, nullptr, 0);
  fChild = -1;
}
