#include "widgets/music_button.h"

#include <QMouseEvent>
#include <QStyle>

Music_Button::Music_Button(QWidget* parent) : QPushButton(parent) {
  setCheckable(true);
  setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
  setIconSize(QSize(16, 16));
  setToolTip(QStringLiteral("Background music"));
}

void Music_Button::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);  // a click changes the state first
  const QPointF p = event->position();
  if (p.x() >= 0 && p.y() >= 0 && p.x() <= width() && p.y() <= height()) emit Released_Inside();
}
