// The General procedures that reach outside the program, over the seams: what counts as a file or
// a folder, and the end of the program.
#pragma once

#include <QString>

namespace General {

// A regular file (links followed); folders, FIFOs, sockets and devices are not files.
bool FileExists(const QString& path);
// A folder (links followed).
bool FolderExists(const QString& path);

// Ends the program at once (the fatal messages), exit status `code`.
void End_Program(int code);

}  // namespace General
