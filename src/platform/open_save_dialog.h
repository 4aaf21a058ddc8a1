// OpenSaveDialog: the program's file dialog control. A window holds one (named Dialog1), sets its
// properties, calls ShowOpen or ShowSave and reads FileName back. The control keeps its settings
// between calls, converts the filter into the facility's form, sizes and trims the result buffers,
// takes back the flags and the filter index that the dialog returns, can turn a cancel into an
// error, and splits a multiple selection into a folder and file names. The dialog itself is the
// file dialog facility of Platform::Services.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <utility>

namespace Platform {

// An error raised to the caller: its number, description, help file and context, and source.
struct Dialog_Error : std::exception {
  std::int32_t Number = 0;
  QString Description;
  QString HelpFile;
  std::int32_t HelpContext = 0;
  QString Source;
  Dialog_Error(std::int32_t number, QString description, QString help_file = {},
               std::int32_t help_context = 0)
      : Number(number), Description(std::move(description)), HelpFile(std::move(help_file)),
        HelpContext(help_context) {}
  const char* what() const noexcept override { return "dialog error"; }
};

class OpenSaveDialog {
 public:
  // The flag that allows several files in the Open dialog; all other flags are passed through.
  static constexpr std::int32_t OFN_ALLOWMULTISELECT = 0x200;
  // The longest path the platform takes, the length of the single-selection buffers.
#ifdef Q_OS_WIN
  static constexpr int Path_Max = 260;
#else
  static constexpr int Path_Max = 4096;
#endif
  // The length of both buffers of a multiple selection.
  static constexpr int Multi_Buffer = 8192;
  // The error of a cancelled dialog when CancelError is set.
  static constexpr std::int32_t cdlCancel = 32755;

  // `container` is the window hosting the control: the dialogs belong to it.
  explicit OpenSaveDialog(QWidget* container = nullptr);

  // The properties, each with its getter and its setter.
  std::int32_t Flags() const { return flags_; }
  void Flags(std::int32_t vData) { flags_ = vData; }
  std::int16_t MaxFileSize() const { return max_file_size_; }
  void MaxFileSize(std::int16_t vData);  // a negative size raises error 380
  QString FileTitle() const { return file_title_; }
  void FileTitle(const QString& vData) { file_title_ = vData; }
  QString FileName() const { return file_name_; }
  void FileName(const QString& vData) { file_name_ = vData; }
  std::int16_t FilterIndex() const { return filter_index_; }
  void FilterIndex(std::int16_t vData) { filter_index_ = vData; }
  QString InitDir() const { return init_dir_; }
  void InitDir(const QString& vData) { init_dir_ = vData; }
  QString Filter() const { return filter_; }
  void Filter(const QString& vData) { filter_ = vData; }
  bool CancelError() const { return cancel_error_; }
  void CancelError(bool vData) { cancel_error_ = vData; }
  QString DialogTitle() const { return dialog_title_; }
  void DialogTitle(const QString& vData) { dialog_title_ = vData; }

  // Show the dialog and return when the user has closed it; the results are in the properties.
  // A cancel leaves them as they were and, with CancelError set, raises error 32755.
  void ShowOpen();
  void ShowSave();

  // Splits FileName into a folder and file names: a plain path gives its folder and its name; the
  // raw buffer of a multiple selection gives the folder and the names added to strFiles (counting
  // on from lngFileCount; strFiles[i - 1] holds file i), and FileName is cut at its first NUL.
  // A count that would pass the largest 32-bit number raises error 6 (Overflow) and changes
  // nothing.
  void ParseMultiFileName(QString& strDir, QStringList& strFiles, std::int32_t& lngFileCount);

  // "A|B|C|D" becomes A NUL B NUL C NUL D NUL NUL.
  static QString ConvertFilter(const QString& filter);
  // The text before the first NUL; a text without NUL stays whole.
  static QString TrimAtNull(const QString& text);

 private:
  void Show(bool save);

  QPointer<QWidget> container_;
  QString dialog_title_;
  bool cancel_error_ = false;
  QString filter_;
  QString init_dir_;
  std::int16_t filter_index_ = 0;
  QString file_name_;
  QString file_title_;
  std::int16_t max_file_size_ = Path_Max;
  std::int32_t flags_ = 0;
};

}  // namespace Platform
