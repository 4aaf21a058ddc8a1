// Vistabel: a picture slide show for the desktop.
#include <QApplication>
#include <QStringList>

#include "app/start_up.h"
#include "app/window_navigator.h"
#include "platform/services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vistabel"));
  QApplication::setApplicationVersion(QStringLiteral("0.51b"));
  // Hidden windows keep the program running: it ends when its last window has closed.
  QApplication::setQuitOnLastWindowClosed(false);
  // The windows reach each other through the navigator over the Forms registry.
  Platform::Services::Guard services;
  services.navigator(Forms::Navigator());

  const QStringList args = QApplication::arguments();
  const int status = General::Start_Up(args.size() > 1 ? args.at(1) : QString());
  if (status >= 0) return status;
  return QApplication::exec();
}
