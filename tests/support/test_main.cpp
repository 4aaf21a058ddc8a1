// The one main of every test binary: an offscreen Qt application whose settings, data, cache and
// runtime folders are fresh temporary folders, so tests never touch the user's own files, and whose
// locale is fixed. The rule tests, which use no widget, get a GUI application without the widgets
// module.
#include <gtest/gtest.h>

#ifdef VISTABEL_TESTS_WITHOUT_WIDGETS
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QApplication>
using Application = QApplication;
#endif
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  // The tests write their numbers with a decimal point, whatever the machine's locale; the tests
  // of locale-dependent reading name their locale.
  setenv("LC_ALL", "C.UTF-8", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  QTemporaryDir home;
  if (!home.isValid()) return 3;
  const QByteArray root = home.path().toLocal8Bit();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
    const QByteArray dir = root + "/" + name;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    QFile::setPermissions(QString::fromLocal8Bit(dir), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv(name, dir.constData(), 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
  Application app(argc, argv);
  Application::setApplicationName(QStringLiteral("Vistabel"));
  Application::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
