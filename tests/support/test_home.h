// The surroundings of a test or fuzz binary: Qt's offscreen platform, no sound device, a fixed
// locale, and the user's settings, data, cache and runtime folders pointed at fresh folders inside
// a temporary folder, so that nothing touches the user's own files. Made before the Qt application; the
// folders last as long as the Test_Home, inside `base` (the system's temporary folder unless
// given).
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

class Test_Home {
 public:
  explicit Test_Home(const QString& base = QDir::tempPath())
      : home_(base + QStringLiteral("/vistabel-XXXXXX")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The tests write their numbers with a decimal point, whatever the machine's locale; the tests
    // of locale-dependent reading name their locale.
    setenv("LC_ALL", "C.UTF-8", 1);
    if (!home_.isValid()) return;
    const QByteArray root = home_.path().toLocal8Bit();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
      const QByteArray dir = root + "/" + name;
      QDir().mkpath(QString::fromLocal8Bit(dir));
      QFile::setPermissions(QString::fromLocal8Bit(dir),
                            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      setenv(name, dir.constData(), 1);
    }
  }
  bool isValid() const { return home_.isValid(); }
  QString path() const { return home_.path(); }

 private:
  QTemporaryDir home_;
};
