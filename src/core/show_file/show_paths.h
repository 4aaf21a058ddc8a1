// Reading a show file as the player and the maker do: a relative path in it is taken from the show
// file's own folder, as playlists do (the program itself writes full paths); and telling a show
// file from any other file.
#pragma once

#include <QString>

#include "core/show_file/show_file.h"

namespace ShowFile {

// A path as read from a show file in `folder` (a full path): a relative path joined to the folder
// and cleaned; an absolute path, and an empty line (the empty picture), unchanged.
QString From_Folder(const QString& folder, const QString& path);

// Scan, with the pictures' and the music's relative paths taken from the show file's folder.
Scan_Result Read(const QString& show_file, Sink& sink);

// Whether the player can play the file at `path` as a show: text (no path can hold a NUL byte, and
// every picture format's header does) that the positional scan accepts, with a Delay and a
// BackCol the player takes.
bool Is_Show_File(const QString& path);

}  // namespace ShowFile
