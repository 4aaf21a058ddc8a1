#include "platform/open_save_dialog.h"

#include <QDir>
#include <algorithm>
#include <limits>

#include "platform/services.h"

namespace Platform {

OpenSaveDialog::OpenSaveDialog(QWidget* container) : container_(container) {}

void OpenSaveDialog::MaxFileSize(std::int16_t vData) {
  if (vData < 0) throw Dialog_Error(380, QStringLiteral("Invalid property value"));
  max_file_size_ = vData;
}

QString OpenSaveDialog::ConvertFilter(const QString& filter) {
  QString out;
  out.reserve(filter.size() + 2);
  for (const QChar c : filter) out += c == u'|' ? QChar(0) : c;
  out += QChar(0);
  out += QChar(0);
  return out;
}

QString OpenSaveDialog::TrimAtNull(const QString& text) {
  const qsizetype nul = text.indexOf(QChar(0));
  return nul < 0 ? text : text.left(nul);
}

void OpenSaveDialog::ShowOpen() { Show(false); }
void OpenSaveDialog::ShowSave() { Show(true); }

void OpenSaveDialog::Show(bool save) {
  Dialog_Record record;
  record.hwndOwner = container_ ? container_->window() : nullptr;
  record.lpstrFilter = filter_.isEmpty() ? QString() : ConvertFilter(filter_);
  // With a filter, index 0 would select nothing: the first pair is meant.
  if (!record.lpstrFilter.isEmpty() && filter_index_ == 0) filter_index_ = 1;
  record.nFilterIndex = filter_index_;
  const bool multiple = !save && (flags_ & OFN_ALLOWMULTISELECT) != 0;
  record.nMaxFile = multiple ? Multi_Buffer : Path_Max;
  record.nMaxFileTitle = multiple ? Multi_Buffer : max_file_size_;
  record.lpstrFile = QString(record.nMaxFile, QChar(0));
  record.lpstrFileTitle = QString(record.nMaxFileTitle, QChar(0));
  record.lpstrInitialDir = init_dir_;
  record.lpstrTitle = dialog_title_;
  record.Flags = flags_;

  FileDialogSeam& facility = Services::File_Dialogs();
  const bool chosen = save ? facility.GetSaveFileName(record) : facility.GetOpenFileName(record);
  if (!chosen) {
    if (cancel_error_)
      throw Dialog_Error(cdlCancel, QStringLiteral("Cancel was selected."),
                         QStringLiteral("cmdlg98.chm"), cdlCancel);
    return;
  }
  if (multiple) {
    file_name_ = record.lpstrFile;
  } else {
    file_name_ = TrimAtNull(record.lpstrFile);
    file_title_ = TrimAtNull(record.lpstrFileTitle);
  }
  flags_ = record.Flags;
  filter_index_ = static_cast<std::int16_t>(
      std::clamp<int>(record.nFilterIndex, std::numeric_limits<std::int16_t>::min(),
                      std::numeric_limits<std::int16_t>::max()));
}

namespace {

bool Is_Separator(QChar c) {
  return c == u'/' || (QDir::separator() == u'\\' && c == u'\\');
}

}  // namespace

void OpenSaveDialog::ParseMultiFileName(QString& strDir, QStringList& strFiles,
                                        std::int32_t& lngFileCount) {
  const QString pair(2, QChar(0));
  const qsizetype end = file_name_.indexOf(pair);
  if (end < 0) {
    // A plain path.
    lngFileCount = 1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < file_name_.size(); ++i)
      if (Is_Separator(file_name_[i])) last = i;
    if (last < 0) {
      strDir.clear();
      strFiles = QStringList{file_name_};
    } else if (last == 0) {
#ifdef Q_OS_WIN
      // "\a.jpg" names no folder of its own.
      strDir.clear();
      strFiles = QStringList{file_name_};
#else
      // A file in the root folder: the folder is the root itself.
      strDir = file_name_.left(1);
      strFiles = QStringList{file_name_.mid(1)};
#endif
    } else {
      strDir = file_name_.left(last);
      strFiles = QStringList{file_name_.mid(last + 1)};
    }
    return;
  }
  // The raw buffer of a multiple selection: the folder and the names, or one full path.
  const QString names = file_name_.left(end);
  QString dir = strDir;
  QStringList added;
  if (!names.isEmpty()) {
    const QStringList pieces = names.split(QChar(0));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
      if (dir.isEmpty())
        dir = pieces[i];
      else
        added << pieces[i];
    }
    added << pieces.last();
  }
  // A count below zero would index before the first file: count on from zero instead. A count
  // that would pass the largest number changes nothing.
  const std::int32_t first = std::max(lngFileCount, 0);
  if (added.size() > std::numeric_limits<std::int32_t>::max() - first)
    throw Dialog_Error(6, QStringLiteral("Overflow"));
  lngFileCount = first + static_cast<std::int32_t>(added.size());
  if (!added.isEmpty()) {
    strFiles.resize(lngFileCount);
    std::copy(added.cbegin(), added.cend(), strFiles.begin() + first);
  }
  strDir = dir;
  file_name_ = TrimAtNull(file_name_);
}

}  // namespace Platform
