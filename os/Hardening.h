// What the program does to itself before it holds any secret.
#pragma once

namespace zazuzar::os {

// Keeps keys and messages out of crash dumps. Call it first thing in main.
// Every step only takes rights away, which the system grants any process, so
// there is nothing to report.
// - POSIX: the core limit goes to 0, soft and hard, so that a crash leaves no
//   core file: the kernel writes none where its core pattern names a file,
//   and systemd-coredump, where the pattern pipes to it, keeps to the crashed
//   process's limit and stores nothing ("Resource limits disable core
//   dumping"). The process stays dumpable, though: a desktop portal knows its
//   caller by opening /proc/<pid>/root, which no other process of the user
//   (nor the portal) may open on a process that is not dumpable, and then
//   refuses every request, the Settings portal's too, through which Qt follows
//   the desktop's dark or light colour scheme. What the process gives up so
//   is the bar on debuggers and on reading its memory (/proc/<pid>/mem) by
//   other processes of the same user; where the system restricts debugging
//   (Yama's ptrace_scope 1 or more), only those that started it may.
//   Processes of other users are kept out either way.
// - Windows: a crash ends the process at once, with no error box and without
//   Windows Error Reporting, which would otherwise write a memory dump: the
//   process's error mode leaves the reporting out, and a last exception
//   filter of its own ends the process before the reporting could start, as
//   does abort(). The exit code of such an end is kCrashExitCode.
void HardenProcess();

// The exit code of a Windows process that HardenProcess ended after a crash.
inline constexpr unsigned kCrashExitCode = 0xC0DE0DEDu;

}  // namespace zazuzar::os
