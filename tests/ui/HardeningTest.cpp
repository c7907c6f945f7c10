// The program's first step on Windows: a crash leaves no memory dump. The row
// hardens a child process, so that this test process stays as it is. (The
// POSIX hardening is seen on the running program from outside, by
// tests/e2e/command_line.sh.)
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "os/Hardening.h"

namespace zazuzar::os {
namespace {

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

}  // namespace
}  // namespace zazuzar::os

#endif
