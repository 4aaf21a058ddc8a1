// Windows in the tests of one window, loaded as the program's registry loads them (deleted when
// closed, their load steps run at once), and what the tests of windows share.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

#include "support/files.h"

// Lets posted events and deferred deletions (closed windows) run.
inline void Flush_Events() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// Shows the window and makes it the active one, as the desktop does when it appears.
template <class W>
W* Show_Active(W* w) {
  w->show();
  w->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  return w;
}

// Whether the window in `slot` is loaded: a window that is closing no longer counts.
template <class W>
bool Is_Loaded(const QPointer<W>& slot) {
  return slot && slot->testAttribute(Qt::WA_DeleteOnClose);
}

// The window in `slot` while it is loaded; otherwise a new one, loaded into `slot`.
template <class W>
W* Load(QPointer<W>& slot) {
  if (!Is_Loaded(slot)) {
    slot = new W;
    slot->setAttribute(Qt::WA_DeleteOnClose, true);
    slot->Form_Load();
  }
  return slot;
}

// Closes the window in `slot` when it is loaded.
template <class W>
void Close(const QPointer<W>& slot) {
  if (Is_Loaded(slot)) slot->close();
}
