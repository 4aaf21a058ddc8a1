// The program's artwork, compiled into the program.
#pragma once

#include <QIcon>

namespace Menu_Icons {

QIcon Program();
QIcon Folder_Show();
QIcon Make_File();
QIcon Open_File();
QIcon About();

}  // namespace Menu_Icons
