// What the program does to itself before it holds any secret.
#pragma once

namespace zazuzar {

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

// Keeps keys and messages out of core dumps and away from other processes of
// the same user: the core limit goes to 0 (soft and hard) and, on Linux, the
// process is marked not dumpable, which also bars debuggers and
// /proc/<pid>/mem. Call it first thing in main. Both steps only take rights
// away, which Linux grants any process, so there is nothing to report. A
// sanitizer build (kSanitizerBuild) does neither.
void HardenProcess();

}  // namespace zazuzar
