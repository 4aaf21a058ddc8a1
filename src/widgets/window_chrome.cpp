#include "widgets/window_chrome.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "core/general/general.h"

namespace Window_Chrome {

QFont Standard_Font() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(8);
  return font;
}

QPushButton* Exit_Button(QWidget& window, const QRect& twips) {
  auto* button = new QPushButton(QStringLiteral("Exit"), &window);
  button->setGeometry(General::Twips(twips));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

bool Esc_Clicks(const QKeyEvent& event, QPushButton& exit) {
  if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier) return false;
  exit.click();
  return true;
}

void Centre_On_Screen(QWidget& window, QSize outer) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window.move(area.left() + (area.width() - outer.width()) / 2,
              area.top() + (area.height() - outer.height()) / 2);
}

}  // namespace Window_Chrome
