// The options the program reads before any window exists (--help, --version, --), and the start of
// the window system, which ends the program with one clear line when there is no display.
#pragma once

#include <QString>
#include <memory>

class QApplication;

namespace Command_Line {

enum class Action { Run, Help, Version };

struct Parsed {
  Action action = Action::Run;
  QString argument;  // the show file or folder for Run; empty: none was given
};

// Reads the command line as the system passed it (argv[0] is the program). Only the first
// argument counts: "-h"/"--help" and "-v"/"--version" ask for the usage or the version, "--" makes
// the argument after it the show file or folder whatever it looks like, and any other argument is
// the show file or folder itself.
Parsed Parse(int argc, char** argv);

QString Usage();
QString Version();

// Creates the application object with the program's name as its only argument, so that Qt takes
// none of the user's arguments as its own options (Qt is set through its environment variables).
// When the window system cannot start, prints one line on standard error and ends the process
// with status 1.
std::unique_ptr<QApplication> Start_Gui(char* program);

}  // namespace Command_Line
