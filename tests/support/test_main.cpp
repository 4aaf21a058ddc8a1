// The one main of every test binary: an offscreen Qt application whose settings, data, cache and
// runtime folders are fresh temporary folders, so tests never touch the user's own files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
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
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vistabel"));
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
