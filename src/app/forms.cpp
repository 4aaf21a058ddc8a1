#include "app/forms.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "folder_show/setup_frm.h"
#include "maker/maker_frm.h"
#include "menu/about_frm.h"
#include "menu/menu_frm.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "search/search_frm.h"

namespace Forms {

namespace {

constexpr int kKinds = 6;
std::array<QPointer<QWidget>, kKinds> windows;

// A window that is closing clears its delete-on-close flag just before it is scheduled for
// deletion: from then on it no longer counts as loaded.
bool alive(const QPointer<QWidget>& w) { return w && w->testAttribute(Qt::WA_DeleteOnClose); }

bool ended = false;  // the end has been reported since the last window was loaded

void check_last_window() {
  if (ended || Loaded_Count() != 0) return;
  ended = true;
  Platform::Services::Program().Last_Window_Closed();
}

// Watches each window for its close, and checks for the program's end once the close is handled:
// a handler that closes one window and shows another must not end the program in between.
class CloseWatcher final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) QTimer::singleShot(0, this, &check_last_window);
    return QObject::eventFilter(watched, event);
  }
};

CloseWatcher& watcher() {
  static CloseWatcher* w = new CloseWatcher;  // lives as long as the program
  return *w;
}

template <class T>
T* get(Kind kind) {
  QPointer<QWidget>& slot = windows[static_cast<int>(kind)];
  if (!alive(slot)) {
    ended = false;
    T* window = new T;
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    window->installEventFilter(&watcher());
    slot = window;
    QObject::connect(window, &QObject::destroyed, &watcher(),
                     [] { QTimer::singleShot(0, &watcher(), &check_last_window); });
    window->Form_Load();
  }
  return static_cast<T*>(slot.data());
}

}  // namespace

MENU_Frm* Menu() { return get<MENU_Frm>(Kind::Menu); }
Main_Frm* Main() { return get<Main_Frm>(Kind::Main); }
About_Frm* About() { return get<About_Frm>(Kind::About); }
Setup_Frm* Setup() { return get<Setup_Frm>(Kind::Setup); }
Search_Frm* Search() { return get<Search_Frm>(Kind::Search); }
Maker_Frm* Maker() { return get<Maker_Frm>(Kind::Maker); }

bool IsLoaded(Kind kind) { return alive(windows[static_cast<int>(kind)]); }

QWidget* Loaded(Kind kind) {
  const QPointer<QWidget>& slot = windows[static_cast<int>(kind)];
  return alive(slot) ? slot.data() : nullptr;
}

void Close(Kind kind) {
  if (QWidget* w = Loaded(kind)) w->close();
}

int Loaded_Count() {
  int n = 0;
  for (const auto& s : windows) n += alive(s) ? 1 : 0;
  return n;
}

}  // namespace Forms
