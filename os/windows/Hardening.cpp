#include "os/Hardening.h"

#include <windows.h>

#include <csignal>

namespace zazuzar::os {
namespace {

// Ends the process before Windows Error Reporting sees the crash.
LONG WINAPI EndAtOnce(EXCEPTION_POINTERS*) {
  TerminateProcess(GetCurrentProcess(), kCrashExitCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void HardenProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(EndAtOnce);
  // abort() ends the process the same way, before the C runtime's box.
  std::signal(SIGABRT, [](int) { TerminateProcess(GetCurrentProcess(), kCrashExitCode); });
  // A corrupted heap ends the process instead of going on.
  HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
}

}  // namespace zazuzar::os
