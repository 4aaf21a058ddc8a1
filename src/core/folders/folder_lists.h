// What the folder lists and the picture file lists show of a folder, as plain rules on names: the
// picture pattern "*.bmp;*.jpg;*.jpeg;*.gif" matched ignoring case, hidden (dot) names and names
// holding a line break left out, and names sorted ignoring case.
#pragma once

#include <QString>
#include <QStringList>

namespace Folder_Lists {

// A folder's text as the lists take it: absolute and clean, without a trailing separator but for
// a root. Empty text stays empty.
QString Full_Path(const QString& text);

// The pattern of every picture file list.
inline constexpr char Picture_Pattern[] = "*.bmp;*.jpg;*.jpeg;*.gif";

// A name starting with "." is hidden.
bool Is_Hidden(const QString& name);
// A name the lists can show: not hidden and without CR or LF (a show file line cannot hold them).
bool Is_Listable(const QString& name);
// A listable name that matches the picture pattern, ignoring case ("IMG_1.JPG" does).
bool Is_Picture_Name(const QString& name);

// Sorts names by their text ignoring case; names equal but for case by their exact text.
void Sort_Names(QStringList& names);

// The picture names among `files`, sorted.
QStringList Picture_Files(const QStringList& files);
// The listable names among `folders`, sorted.
QStringList Sub_Folders(const QStringList& folders);

}  // namespace Folder_Lists
