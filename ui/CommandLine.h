// The program's own command line: --version and --help are answered, and any
// argument that neither the program nor Qt knows is refused, all before the
// application needs a screen, so that both answers come on a machine without
// a display. Qt's own options (-platform and the like) are left to Qt.
#pragma once

#include <optional>

namespace zazuzar {

// The exit status when the command line ends the program here: 0 after the
// version or the usage on stdout, 2 after a one-line error on stderr. Nothing
// when the window is to start, as it does with no arguments.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace zazuzar
