// What the program does to itself before it holds any secret.
#pragma once

namespace zazuzar::os {

// Whether a sanitizer is built in, as far as the compiler tells: GCC names
// AddressSanitizer only, Clang UndefinedBehaviorSanitizer too. The
// LeakSanitizer that comes with AddressSanitizer cannot look at a process that
// is not dumpable, so such builds leave the hardening out.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
inline constexpr bool kSanitizerBuild = true;
#else
inline constexpr bool kSanitizerBuild = false;
#endif
#else
inline constexpr bool kSanitizerBuild = false;
#endif

// Keeps keys and messages out of crash dumps and away from other processes of
// the same user. Call it first thing in main. Every step only takes rights
// away, which the system grants any process, so there is nothing to report. A
// sanitizer build (kSanitizerBuild) does nothing.
// - POSIX: the core limit goes to 0 (soft and hard) and, on Linux, the process
//   is marked not dumpable, which also bars debuggers and /proc/<pid>/mem.
// - Windows: a crash ends the process at once, with no error box and without
//   Windows Error Reporting, which would otherwise write a memory dump: the
//   process's error mode leaves the reporting out, and a last exception
//   filter of its own ends the process before the reporting could start, as
//   does abort(). The exit code of such an end is kCrashExitCode.
void HardenProcess();

// The exit code of a Windows process that HardenProcess ended after a crash.
inline constexpr unsigned kCrashExitCode = 0xC0DE0DEDu;

}  // namespace zazuzar::os
