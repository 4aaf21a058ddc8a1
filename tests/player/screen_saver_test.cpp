// The screen stays awake while a show plays: the real player, through the real D-Bus adapter, on a
// private session bus (dbus-daemon) where a fake screen-saver service records what it is asked.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QProcess>
#include <QTest>

#include "player/picture_box.h"
#include "player/player_fixture.h"

namespace {

class Fake_Screen_Saver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
 public:
  QStringList calls;

 public slots:
  uint Inhibit(const QString& application, const QString& reason) {
    calls << "Inhibit " + application + ": " + reason;
    return ++cookie_;
  }
  void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }

 private:
  uint cookie_ = 40;
};

// Whatever Qt says meanwhile.
QStringList* said = nullptr;
void Record(QtMsgType, const QMessageLogContext&, const QString& text) { *said << text; }

class ScreenSaver : public Player {
 protected:
  void SetUp() override {
    Player::SetUp();
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(daemon.waitForStarted(10000)) << "dbus-daemon (package dbus) is needed";
    ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 10000));
    address = QString::fromUtf8(daemon.readLine()).trimmed();
  }
  void TearDown() override {
    Player::TearDown();
    for (const char* name : {"service", "player"}) QDBusConnection::disconnectFromBus(name);
    daemon.kill();
    daemon.waitForFinished();
  }

  // The fake service on the bus.
  void Serve() {
    QDBusConnection bus = QDBusConnection::connectToBus(address, "service");
    ASSERT_TRUE(bus.registerService("org.freedesktop.ScreenSaver"));
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/ScreenSaver", &service,
                                   QDBusConnection::ExportAllSlots));
  }
  // The player's screen saver: the D-Bus adapter on `bus`.
  void Use(const QDBusConnection& bus) {
    adapter = Platform::Make_DBus_Screen_Saver(bus);
    real.screen_saver(*adapter);
  }
  bool Calls_Reach(qsizetype n) {
    return QTest::qWaitFor([&] { return service.calls.size() >= n; }, 10000);
  }
  Main_Frm* Two_Pictures(const QString& loop, const QString& delay) {
    return Play_Pictures(Options("False", "0", loop, delay), {"/p/1.jpg", "/p/2.jpg"});
  }

  QProcess daemon;
  QString address;
  Fake_Screen_Saver service;
  std::unique_ptr<Platform::ScreenSaverSeam> adapter;
  Platform::Services::Guard real;
};

const QString Inhibit = "Inhibit Vistabel: Playing a slide show";

TEST_F(ScreenSaver, APlayingShowHoldsTheScreenAwakeAndPausingOrLeavingReleasesIt) {
  Serve();
  Use(QDBusConnection::connectToBus(address, "player"));
  Main_Frm* f = Two_Pictures("1", "5");
  // Each call is awaited before the next key, so the order on the bus is the order of the keys.
  const QStringList expected{Inhibit,         "UnInhibit 41", Inhibit,
                             "UnInhibit 42",  Inhibit,        "UnInhibit 43"};
  ASSERT_TRUE(Calls_Reach(1));
  QTest::keyClick(f, Qt::Key_Space);  // pause
  ASSERT_TRUE(Calls_Reach(2));
  QTest::mouseClick(f->Image1, Qt::LeftButton);  // resume
  ASSERT_TRUE(Calls_Reach(3));
  QTest::keyClick(f, Qt::Key_Space);  // pause, then a step resumes
  ASSERT_TRUE(Calls_Reach(4));
  f->Forward();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  ASSERT_TRUE(Calls_Reach(5));
  f->Forward();  // playing on: nothing more is asked
  QTest::keyClick(f, Qt::Key_Escape);
  ASSERT_TRUE(Calls_Reach(6));
  EXPECT_FALSE(Playing());
  Flush_Events();
  EXPECT_EQ(service.calls, expected);
}

TEST_F(ScreenSaver, AShowThatEndsByItselfAndAHoldDroppedBeforeItsCookieCameAreReleased) {
  Serve();
  Use(QDBusConnection::connectToBus(address, "player"));
  Two_Pictures("0", "0.05");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Playing(); }, 10000));
  ASSERT_TRUE(Calls_Reach(2));
  EXPECT_EQ(service.calls, (QStringList{Inhibit, "UnInhibit 41"}));
  // Dropped at once: the release waits for the cookie.
  service.calls.clear();
  adapter->Keep_Awake("x").reset();
  ASSERT_TRUE(Calls_Reach(2));
  Flush_Events();
  EXPECT_EQ(service.calls, (QStringList{"Inhibit Vistabel: x", "UnInhibit 42"}));
}

TEST_F(ScreenSaver, WithoutTheServiceOrWithoutABusTheShowPlaysSilently) {
  QStringList messages;
  said = &messages;
  const QtMessageHandler previous = qInstallMessageHandler(Record);
  for (const QString& bus : {address, "unix:path=" + dir.filePath("no-bus")}) {
    Use(QDBusConnection::connectToBus(bus, "player"));
    Main_Frm* f = Two_Pictures("1", "5");
    EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
    QTest::keyClick(f, Qt::Key_Space);
    QTest::keyClick(f, Qt::Key_Space);
    QTest::qWait(200);  // time for the bus's answers
    EXPECT_TRUE(f->isVisible());
    QTest::keyClick(f, Qt::Key_Escape);
    Flush_Events();
    EXPECT_FALSE(Playing());
    QDBusConnection::disconnectFromBus("player");
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(messages, QStringList());
}

}  // namespace

#include "screen_saver_test.moc"
