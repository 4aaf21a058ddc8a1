// The program's start: looks at the command-line argument and opens exactly one window, or refuses
// the argument and ends.
#pragma once

#include <QString>

namespace General {

// Returns -1 when a window was opened and the event loop should run, otherwise the exit status.
int Start_Up(const QString& argument);

}  // namespace General
