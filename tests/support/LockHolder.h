// Another process holding a folder's run lock, as a second analysis in the folder does.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tvx::test {

// A child process that runs `hold` (which takes a lock and answers whether it holds it) and
// then waits until it is killed or signalled.
class LockHolder {
 public:
  explicit LockHolder(const std::function<bool()>& hold) {
    int ready[2];
    if (pipe(ready) != 0) return;
    fChild = fork();
    if (fChild == 0) {
      close(ready[0]);
      const char answer = hold() ? 'y' : 'n';
      (void)!write(ready[1], &answer, 1);
      for (;;) pause();
    }
    close(ready[1]);
    char answer = 'n';
    if (fChild > 0 && read(ready[0], &answer, 1) == 1) fHeld = answer == 'y';
    close(ready[0]);
  }
  ~LockHolder() { Signal(SIGKILL); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  bool Held() const { return fHeld; }
  pid_t Pid() const { return fChild; }
  // Sends `sig` and waits for the child to end; its wait status. SIGKILL lets it release
  // nothing, as a crash would. A child still running after 5 s is killed.
  int Signal(int sig) {
    if (fChild <= 0) return -1;
    kill(fChild, sig);
    int status = 0;
    for (int waited = 0; waitpid(fChild, &status, WNOHANG) == 0; ++waited) {
      if (waited == 500) kill(fChild, SIGKILL);
      usleep(10000);
    }
    fChild = -1;
    return status;
  }

 private:
  pid_t fChild = -1;
  bool fHeld = false;
};

}  // namespace tvx::test
