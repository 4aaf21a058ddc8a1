// The seam that keeps the screen awake, over the desktop's screen-saver service on the session bus:
// org.freedesktop.ScreenSaver's Inhibit answers with a cookie, and UnInhibit with that cookie ends
// the inhibition. No call waits for its answer: a hold dropped before its cookie came releases it
// when it comes. Without a session bus, or without the service on it, a hold does nothing, and
// nothing is said.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <optional>

#include "platform/services.h"

namespace Platform {

namespace {

QDBusMessage Screen_Saver_Call(const QString& method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
      QStringLiteral("org.freedesktop.ScreenSaver"), method);
  call.setArguments(arguments);
  call.setAutoStartService(false);  // a show starts no service of its own
  return call;
}

class DBus_Hold final : public Awake_Hold {
 public:
  DBus_Hold(const QDBusConnection& bus, const QString& reason) : bus_(bus) {
    if (!bus_.isConnected()) return;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(Screen_Saver_Call(
        QStringLiteral("Inhibit"), {QStringLiteral("Vistabel"), reason})));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [bus = bus_, state = state_](QDBusPendingCallWatcher* call) {
                       call->deleteLater();
                       const QDBusPendingReply<uint> reply = *call;
                       if (reply.isError()) return;  // no such service: nothing is held
                       state->cookie = reply.value();
                       if (state->dropped) UnInhibit(bus, *state->cookie);
                     });
  }
  ~DBus_Hold() override {
    state_->dropped = true;
    if (state_->cookie) UnInhibit(bus_, *state_->cookie);
  }

 private:
  struct State {
    bool dropped = false;
    std::optional<uint> cookie;  // once Inhibit has answered
  };
  static void UnInhibit(QDBusConnection bus, uint cookie) {
    bus.send(Screen_Saver_Call(QStringLiteral("UnInhibit"), {QVariant::fromValue(cookie)}));
  }

  QDBusConnection bus_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

class DBus_Screen_Saver final : public ScreenSaverSeam {
 public:
  explicit DBus_Screen_Saver(std::optional<QDBusConnection> bus) : bus_(std::move(bus)) {}
  std::unique_ptr<Awake_Hold> Keep_Awake(const QString& reason) override {
    if (!bus_) bus_ = QDBusConnection::sessionBus();
    return std::make_unique<DBus_Hold>(*bus_, reason);
  }

 private:
  std::optional<QDBusConnection> bus_;  // the session bus once a hold asked for it
};

}  // namespace

std::unique_ptr<ScreenSaverSeam> Make_DBus_Screen_Saver() {
  return std::make_unique<DBus_Screen_Saver>(std::nullopt);
}

}  // namespace Platform
