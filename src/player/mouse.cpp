#include "player/mouse.h"

#include <QCursor>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include "player/main_frm.h"

namespace Mouse {

namespace {
QPointer<QWidget> player_window;
}  // namespace

void Attach(QWidget* player) { player_window = player; }

void ShowMouse(bool show) {
  if (player_window) player_window->setCursor(show ? Qt::ArrowCursor : Qt::BlankCursor);
}

}  // namespace Mouse

namespace Mouse_Wheel {

namespace {

class WheelFilter final : public QObject {
 public:
  explicit WheelFilter(QObject* parent) : QObject(parent) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel) {
      auto* widget = qobject_cast<QWidget*>(watched);
      auto* player = widget ? qobject_cast<Main_Frm*>(widget->window()) : nullptr;
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (player && delta != 0) {
        int steps = Steps(delta, rest_);
        for (; steps > 0; --steps) player->Forward();
        for (; steps < 0; ++steps) player->Back();
      }
      event->accept();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int rest_ = 0;
};

QHash<QWidget*, QPointer<WheelFilter>> hooked;

}  // namespace

int Steps(int delta, int& rest) {
  // A change of direction starts afresh.
  if ((rest > 0 && delta < 0) || (rest < 0 && delta > 0)) rest = 0;
  rest += delta;
  const int steps = rest / 120;
  rest -= steps * 120;
  return steps;
}

// The window and its controls each get the handler: the wheel turned over the picture or the
// pause label counts as well.
void HookWheel(QWidget* window) {
  if (!window || hooked.contains(window)) return;
  auto* filter = new WheelFilter(window);
  window->installEventFilter(filter);
  for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(filter);
  hooked.insert(window, filter);
}

void UnhookWheel(QWidget* window) {
  const QPointer<WheelFilter> filter = hooked.take(window);
  if (filter) {
    window->removeEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>()) child->removeEventFilter(filter);
    delete filter;
  }
}

}  // namespace Mouse_Wheel
