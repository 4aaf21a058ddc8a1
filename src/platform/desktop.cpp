// The seams to the desktop: the file dialog facility and the shell that opens web addresses.
#include <QDesktopServices>
#include <QUrl>

#include "platform/services.h"

namespace Platform {

namespace {

class Qt_Shell final : public ShellSeam {
 public:
  bool Open_Url(const QString& url) override {
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
  }
};

struct Current_Desktop {
  FileDialogSeam* dialogs = nullptr;
  ShellSeam* shell = nullptr;
};

Current_Desktop& current() {
  static std::unique_ptr<FileDialogSeam> dialogs = Make_Qt_File_Dialogs();
  static std::unique_ptr<ShellSeam> shell = Make_Qt_Shell();
  static Current_Desktop c{dialogs.get(), shell.get()};
  return c;
}

}  // namespace

std::unique_ptr<ShellSeam> Make_Qt_Shell() { return std::make_unique<Qt_Shell>(); }

FileDialogSeam& Services::File_Dialogs() { return *current().dialogs; }
ShellSeam& Services::Shell() { return *current().shell; }

Services::Scoped_Desktop::Scoped_Desktop(FileDialogSeam* dialogs, ShellSeam* shell) {
  Current_Desktop& c = current();
  dialogs_ = c.dialogs;
  shell_ = c.shell;
  if (dialogs) c.dialogs = dialogs;
  if (shell) c.shell = shell;
}

Services::Scoped_Desktop::~Scoped_Desktop() {
  Current_Desktop& c = current();
  c.dialogs = dialogs_;
  c.shell = shell_;
}

}  // namespace Platform
