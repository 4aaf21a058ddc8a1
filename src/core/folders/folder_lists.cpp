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

bool Is_Listable(const QString& name) {
  return !name.isEmpty() && !Is_Hidden(name) && !name.contains(QLatin1Char('\r')) &&
         !name.contains(QLatin1Char('\n'));
}

bool Is_Picture_Name(const QString& name) {
  static const QLatin1String extensions[] = {QLatin1String(".bmp"), QLatin1String(".jpg"),
                                             QLatin1String(".jpeg"), QLatin1String(".gif")};
  bool matches = false;
  for (const QLatin1String& e : extensions) {
    if (name.endsWith(e, Qt::CaseInsensitive)) {
      matches = true;
      break;
    }
  }
  return matches && Is_Listable(name);
}

void Sort_Names(QStringList& names) {
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
}

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

}  // namespace Folder_Lists
