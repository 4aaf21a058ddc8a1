// Vistabel: a picture slide show for the desktop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/start_up.h"
#include "app/window_navigator.h"
#include "platform/services.h"
#include "player/picture_source.h"
#include "vistabel_version.h"

namespace {

// Prints the usage or the version on standard output; a failed write counts as a failure.
int Print(const QString& text) {
  const bool written = std::fputs(text.toLocal8Bit().constData(), stdout) >= 0;
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const Command_Line::Parsed command = Command_Line::Parse(argc, argv);
  if (command.action == Command_Line::Action::Help) return Print(Command_Line::Usage());
  if (command.action == Command_Line::Action::Version) return Print(Command_Line::Version());

  const auto app = Command_Line::Start_Gui(argc > 0 ? argv[0] : nullptr);
  QApplication::setApplicationName(QStringLiteral("Vistabel"));
  QApplication::setApplicationVersion(QStringLiteral(VISTABEL_VERSION));
  // Hidden windows keep the program running: it ends when its last window has closed.
  QApplication::setQuitOnLastWindowClosed(false);
  // The windows reach each other through the navigator over the Forms registry.
  Platform::Services::Guard services;
  services.navigator(Forms::Navigator());

  const int status = General::Start_Up(command.argument);
  if (status >= 0) return status;
  const int code = QApplication::exec();
  // A picture still being decoded is not waited for.
  if (Picture_Source::Busy()) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}
