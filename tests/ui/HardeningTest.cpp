// The program's first step: no core dumps, and no other process of the same
// user may read its memory.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/Hardening.h"

namespace zazuzar {
namespace {

TEST(HardenProcess, LeavesNoCoreLimitAndAProcessThatIsNotDumpable) {
  if (kSanitizerBuild) {
    GTEST_SKIP()
        << "left out where a sanitizer is built in: LeakSanitizer needs a dumpable process";
  }
  // In a child, so that this test process stays as it is. (A test that
  // changed the user, as the save tests do as root, has already made it not
  // dumpable.)
  const int dumpable = prctl(PR_GET_DUMPABLE);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit core{1, 1};
    HardenProcess();
    getrlimit(RLIMIT_CORE, &core);
    _exit((core.rlim_cur == 0 && core.rlim_max == 0 ? 0 : 1) |
          (prctl(PR_GET_DUMPABLE) == 0 ? 0 : 2));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: core limit not 0/0, 2: dumpable";
  EXPECT_EQ(prctl(PR_GET_DUMPABLE), dumpable);
}

}  // namespace
}  // namespace zazuzar
