#include "core/folders/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Folder_Lists {

QString Full_Path(const QString& text) {
  if (text.isEmpty()) return text;
  return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(text).absoluteFilePath()));
}

bool Is_Hidden(const QString& name) { return name.startsWith(QLatin1Char('.')); }

namespace {

bool Holds_Line_Break(const QString& name) {
  return name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n'));
}

// The lists' order: by text ignoring case, names equal but for case by their exact text.
bool Name_Before(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

}  // namespace

bool Is_Listable(const QString& name) {
  return !name.isEmpty() && !Is_Hidden(name) && !Holds_Line_Break(name);
}

bool Has_Picture_Extension(const QString& name) {
  static const QLatin1String extensions[] = {QLatin1String(".bmp"), QLatin1String(".jpg"),
                                             QLatin1String(".jpeg"), QLatin1String(".gif"),
                                             QLatin1String(".png"), QLatin1String(".webp")};
  for (const QLatin1String& e : extensions) {
    if (name.endsWith(e, Qt::CaseInsensitive)) return true;
  }
  return false;
}

bool Is_Picture_Name(const QString& name) { return Has_Picture_Extension(name) && Is_Listable(name); }

void Sort_Names(QStringList& names) { std::sort(names.begin(), names.end(), Name_Before); }

QStringList Picture_Files(const QStringList& files) {
  QStringList pictures;
  for (const QString& name : files)
    if (Is_Picture_Name(name)) pictures.push_back(name);
  Sort_Names(pictures);
  return pictures;
}

QStringList Sub_Folders(const QStringList& folders) {
  QStringList shown;
  shown.reserve(folders.size());
  for (const QString& name : folders)
    if (Is_Listable(name)) shown.push_back(name);
  Sort_Names(shown);
  return shown;
}

QStringList Pictures_From(const QStringList& files, const QString& picture) {
  QStringList pictures = Picture_Files(files);
  const qsizetype start =
      std::lower_bound(pictures.cbegin(), pictures.cend(), picture, Name_Before) - pictures.cbegin();
  const bool listed = start < pictures.size() && pictures[start] == picture;
  if (!listed && !picture.isEmpty() && !Holds_Line_Break(picture)) pictures.insert(start, picture);
  return pictures.mid(start) + pictures.first(start);
}

}  // namespace Folder_Lists
