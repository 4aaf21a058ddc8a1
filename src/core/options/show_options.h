// The rules of the windows that set a show's options (the set-up window and the maker): the delay
// as its label shows it, and the background colour as the settings keep it.
#pragma once

#include <QString>
#include <cstdint>

#include "core/settings/settings.h"

namespace Window_Options {

// The delay as the label shows it: "Forever" for 0, "1 Second", otherwise "N Seconds".
QString Delay_Text(int seconds);

// The saved background colour, or black when it is no colour a show could hold (a damaged
// setting would otherwise make every show file written with it invalid).
std::int32_t Saved_Colour(const Settings::Key& key);

}  // namespace Window_Options
