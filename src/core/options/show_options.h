// The rules of the windows that set a show's options (the set-up window and the maker): the delay
// as its label shows it, the background colour as the settings keep it, and the folder window's
// options as the settings hold them.
#pragma once

#include <QString>
#include <cstdint>

#include "core/settings/settings.h"
#include "core/show_file/show_file.h"

namespace Window_Options {

// The delay as the label shows it: "Forever" for 0, "1 Second", otherwise "N Seconds".
QString Delay_Text(int seconds);

// The saved background colour, or black when it is no colour a show could hold (a damaged
// setting would otherwise make every show file written with it invalid).
std::int32_t Saved_Colour(const Settings::Key& key);

// The options that the folder window ("Slide Show from Folder") shows when it loads, read from the
// settings as it reads them: a subfolder search that runs without the window plays with these.
ShowFile::Options Folder_Show_Options();

}  // namespace Window_Options
