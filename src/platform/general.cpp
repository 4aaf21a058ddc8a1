#include "platform/general.h"

#include "platform/services.h"

namespace General {

bool FileExists(const QString& path) { return Platform::Services::Files().Is_Regular_File(path); }

bool FolderExists(const QString& path) { return Platform::Services::Files().Is_Folder(path); }

void End_Program(int code) { Platform::Services::Program().End_Program(code); }

}  // namespace General
