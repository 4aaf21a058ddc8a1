#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "core/settings/settings.h"

namespace Platform::File_Dialog {

namespace {

QString Pad(const QString& text, int length) {
  return text + QString(length - text.size(), QChar(0));
}

}  // namespace

QStringList Name_Filters(const QString& converted_filter) {
  QStringList parts = converted_filter.split(QChar(0));
  // The list ends in two NULs: drop the empty parts they leave at the end.
  while (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString pattern = p.trimmed();
      // On this desktop a name need not have a dot: "*.*" is meant as every file.
      patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return filters;
}

int Filter_Number(const QStringList& name_filters, const QString& selected) {
  for (qsizetype i = 0; i < name_filters.size(); ++i)
    if (name_filters[i] == selected) return int(i) + 1;
  // The dialog shows, and reports, the description without the patterns that Name_Filters added.
  for (qsizetype i = 0; i < name_filters.size(); ++i) {
    const qsizetype patterns = name_filters[i].lastIndexOf(QLatin1String(" ("));
    if (patterns >= 0 && name_filters[i].left(patterns) == selected) return int(i) + 1;
  }
  return 0;
}

bool Fill_Single(Dialog_Record& record, const QString& path) {
  const QString full = QDir::toNativeSeparators(path);
  if (full.size() >= record.nMaxFile) return false;
  record.lpstrFile = Pad(full, record.nMaxFile);
  const QString title = QFileInfo(path).fileName();
  record.lpstrFileTitle =
      Pad(title.size() < record.nMaxFileTitle ? title : QString(), std::max(record.nMaxFileTitle, 0));
  return true;
}

bool Fill_Multiple(Dialog_Record& record, const QStringList& paths) {
  if (paths.isEmpty()) return false;
  if (paths.size() == 1) return Fill_Single(record, paths.first());
  const QString folder = QFileInfo(paths.first()).absolutePath();
  QString buffer = QDir::toNativeSeparators(folder) + QChar(0);
  for (const QString& p : paths) {
    const QFileInfo info(p);
    if (info.absolutePath() != folder) return false;
    buffer += info.fileName() + QChar(0);
  }
  buffer += QChar(0);
  if (buffer.size() > record.nMaxFile) return false;
  record.lpstrFile = Pad(buffer, record.nMaxFile);
  return true;
}

namespace {

// The file list's columns: the size, type and date as wide as their texts in each folder shown, the
// name taking the rest.
void Fit_Columns(QFileDialog& dialog) {
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  auto* model = list ? qobject_cast<QFileSystemModel*>(list->model()) : nullptr;
  if (!model) return;
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  QObject::connect(model, &QFileSystemModel::directoryLoaded, list, [list] {
    for (int column = 1; column < list->header()->count(); ++column) list->resizeColumnToContents(column);
  });
}

// The size a dialog opens at: the one it was last left at, at first one with room for the file
// list's four columns; never larger than the screen's work area.
QSize Opening_Size(const QWidget& dialog) {
  const int line = dialog.fontMetrics().height();
  QSize size = Settings::Restore_Window_Size(Settings::DialogX, Settings::DialogY)
                   .value_or(QSize(50 * line, 32 * line));
  if (const QScreen* screen = dialog.screen()) size = size.boundedTo(screen->availableGeometry().size());
  return size;
}

class Qt_File_Dialogs final : public FileDialogSeam {
 public:
  bool GetOpenFileName(Dialog_Record& record) override { return Run(record, false); }
  bool GetSaveFileName(Dialog_Record& record) override { return Run(record, true); }

 private:
  static bool Run(Dialog_Record& record, bool save) {
    // Without a folder of its own the dialog opens where the last one was left, in this run or an
    // earlier one; at first, or when that folder is gone, in the user's home folder.
    const QString last = Settings::Get_Text(Settings::Dialog_Path);
    const QString folder = !record.lpstrInitialDir.isEmpty()        ? record.lpstrInitialDir
                           : !last.isEmpty() && QDir(last).exists() ? last
                                                                    : QDir::homePath();
    QFileDialog dialog(record.hwndOwner, record.lpstrTitle, folder);
    dialog.resize(Opening_Size(dialog));
    Fit_Columns(dialog);
    // The descriptions already name their patterns: show them as they are.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = Name_Filters(record.lpstrFilter);
    if (!filters.isEmpty()) {
      dialog.setNameFilters(filters);
      const int index = record.nFilterIndex >= 1 && record.nFilterIndex <= filters.size()
                            ? record.nFilterIndex - 1
                            : 0;
      dialog.selectNameFilter(filters[index]);
    }
    const bool multiple = !save && (record.Flags & OFN_ALLOWMULTISELECT) != 0;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save       ? QFileDialog::AnyFile
                       : multiple ? QFileDialog::ExistingFiles
                                  : QFileDialog::ExistingFile);
    const int result = dialog.exec();
    Settings::Save_Window_Size(Settings::DialogX, Settings::DialogY, dialog.size());
    if (result != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    Settings::Save_Text(Settings::Dialog_Path, dialog.directory().absolutePath());
    if (!filters.isEmpty()) {
      const int i = Filter_Number(filters, dialog.selectedNameFilter());
      if (i > 0) record.nFilterIndex = i;
    }
    return multiple ? Fill_Multiple(record, chosen) : Fill_Single(record, chosen.first());
  }
};

}  // namespace

}  // namespace Platform::File_Dialog

namespace Platform {

std::unique_ptr<FileDialogSeam> Make_Qt_File_Dialogs() {
  return std::make_unique<File_Dialog::Qt_File_Dialogs>();
}

}  // namespace Platform
