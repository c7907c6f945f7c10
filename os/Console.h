// The command line's answers (--version, --help, a refused argument).
#pragma once

#include <string_view>

namespace zazuzar::os {

enum class Answer { kInformation, kError };

// Tells `utf8` as a program without a window does on this system.
// - POSIX: on standard output (kInformation) or standard error (kError).
// - Windows: the program has no console of its own. Where the one who started
//   it took its standard output or error (a console, a pipe or a file), the
//   text goes there; otherwise (started from Explorer, a shortcut or the Run
//   box) it shows in a message box titled `title`.
void Tell(Answer answer, std::string_view utf8, std::string_view title);

}  // namespace zazuzar::os
