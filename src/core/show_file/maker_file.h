// The maker's rules for the name a save writes.
#pragma once

#include <QString>

namespace Maker_File {

// The name a save writes: the chosen name with ".sli" appended unless its last four characters
// already read ".sli" in any case ("show" gives "show.sli", "show.SLI" stays, "show.txt" gives
// "show.txt.sli").
QString Save_Target(const QString& chosen);

}  // namespace Maker_File
