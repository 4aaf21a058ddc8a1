// The one main of every test binary: an offscreen Qt application whose settings, data, cache and
// runtime folders are fresh temporary folders, so tests never touch the user's own files, and whose
// locale is fixed (support/test_home.h). The rule tests, which use no widget, get a GUI application
// without the widgets module.
#include <gtest/gtest.h>

#ifdef VISTABEL_TESTS_WITHOUT_WIDGETS
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QApplication>
using Application = QApplication;
#endif
#include "support/test_home.h"

int main(int argc, char** argv) {
  Test_Home home;
  if (!home.isValid()) return 3;
  ::testing::InitGoogleTest(&argc, argv);
  Application app(argc, argv);
  Application::setApplicationName(QStringLiteral("Vistabel"));
  Application::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
