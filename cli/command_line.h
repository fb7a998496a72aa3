#pragma once

namespace coldesign {

// Whether the program was started as a command (design, schedule, --help, --version) rather
// than as the desktop program. Looks at the arguments only: no display is needed.
bool IsCommandLine(int argc, char* argv[]);

// Runs the command and gives the exit status: 0 when every level was designed, 1 when some
// level failed (the schedule still written, the failures marked), 2 for bad input or usage
// (a message on stderr, nothing written).
int RunCommandLine(int argc, char* argv[]);

}  // namespace coldesign
