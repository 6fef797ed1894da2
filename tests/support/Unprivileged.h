// Runs the code of a scope as an unprivileged user when the tests run as the superuser, who
// may write into any folder: a folder's permissions then apply to what the scope does.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

namespace tvx::test {

class Unprivileged {
 public:
  static constexpr uid_t kNobody = 65534;

  Unprivileged() : fWasRoot(geteuid() == 0) {
    if (fWasRoot) {
      EXPECT_EQ(setegid(kNobody), 0);
      EXPECT_EQ(seteuid(kNobody), 0);
    }
  }
  ~Unprivileged() {
    if (fWasRoot) {
      EXPECT_EQ(seteuid(0), 0);
      EXPECT_EQ(setegid(0), 0);
    }
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;

 private:
  bool fWasRoot;
};

}  // namespace tvx::test
