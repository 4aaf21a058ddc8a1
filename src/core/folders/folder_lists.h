// What the folder lists and the picture file lists show of a folder, as plain rules on names: the
// picture pattern "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp" matched ignoring case, hidden (dot) names
// and names holding a line break left out, and names sorted ignoring case.
#pragma once

#include <QString>
#include <QStringList>

namespace Folder_Lists {

// A folder's text as the lists take it: absolute and clean, without a trailing separator but for
// a root. Empty text stays empty.
QString Full_Path(const QString& text);

// The pattern of every picture file list.
inline constexpr char Picture_Pattern[] = "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp";

// A name starting with "." is hidden.
bool Is_Hidden(const QString& name);
// A name the lists can show: not hidden and without CR or LF (a show file line cannot hold them).
bool Is_Listable(const QString& name);
// A name that ends in one of the pattern's extensions, ignoring case ("IMG_1.JPG" does).
bool Has_Picture_Extension(const QString& name);
// A listable name that matches the picture pattern.
bool Is_Picture_Name(const QString& name);

// Sorts names by their text ignoring case; names equal but for case by their exact text.
void Sort_Names(QStringList& names);

// The picture names among `files`, sorted.
QStringList Picture_Files(const QStringList& files);
// The listable names among `folders`, sorted.
QStringList Sub_Folders(const QStringList& folders);

// The names of a show started at one picture of a folder whose files are `files`: the folder's
// pictures in list order, the picture itself among them even when the list leaves it out (a
// hidden name, an extension of another picture format), from that picture to the last and then
// from the first up to the one before it. A name holding a line break cannot stand in a show file:
// the show then starts where that name would stand.
QStringList Pictures_From(const QStringList& files, const QString& picture);

}  // namespace Folder_Lists
