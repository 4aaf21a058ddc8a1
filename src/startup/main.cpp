// Vistabel: a picture slide show for the desktop.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "player/picture_source.h"
#include "startup/start_up.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vistabel"));
  QApplication::setApplicationVersion(QStringLiteral("0.51b"));
  // Hidden windows keep the program running: it ends when its last window has closed.
  QApplication::setQuitOnLastWindowClosed(false);

  const QStringList args = QApplication::arguments();
  const int status = General::Start_Up(args.size() > 1 ? args.at(1) : QString());
  if (status >= 0) return status;
  const int code = QApplication::exec();
  // A picture still being decoded is not waited for.
  if (Picture_Source::Busy()) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}
