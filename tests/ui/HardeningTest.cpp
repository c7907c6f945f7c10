// The program's first step: no crash dumps, and no other process of the same
// user may read its memory. Each row hardens a child process, so that this
// test process stays as it is.
#include <gtest/gtest.h>

#include "os/Hardening.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zazuzar::os {
namespace {

#ifdef _WIN32

// The child: hardened, then a crash. It ends with exit code 1 when the error
// mode would still let Windows Error Reporting in, and with HardenProcess's
// own code when its filter ended the crash; without the filter Windows (or
// Wine's debugger) would take it.
TEST(HardenProcessChild, DISABLED_CrashesAfterHardening) {
  HardenProcess();
  if (!(GetErrorMode() & SEM_NOGPFAULTERRORBOX)) {
    ExitProcess(1);
  }
  *static_cast<volatile int*>(nullptr) = 1;
}

TEST(HardenProcess, EndsACrashAtOnceWithoutWindowsErrorReporting) {
  if (kSanitizerBuild) {
    GTEST_SKIP() << "left out where a sanitizer is built in";
  }
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  std::wstring command = L"\"" + std::wstring(self) +
                         L"\" --gtest_also_run_disabled_tests "
                         L"--gtest_filter=HardenProcessChild.DISABLED_CrashesAfterHardening";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(child.hProcess, &code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(code, kCrashExitCode) << "1: error mode without SEM_NOGPFAULTERRORBOX";
}

#else

TEST(HardenProcess, LeavesNoCoreLimitAndAProcessThatIsNotDumpable) {
  if (kSanitizerBuild) {
    GTEST_SKIP()
        << "left out where a sanitizer is built in: LeakSanitizer needs a dumpable process";
  }
  // (A test that changed the user, as the save tests do as root, has already
  // made this process not dumpable.)
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

#endif

}  // namespace
}  // namespace zazuzar::os
