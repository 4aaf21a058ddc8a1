#include "widgets/picture_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

Picture_Button::Picture_Button(const QString& caption, const QIcon& picture, QWidget* parent)
    : QPushButton(caption, parent) {
  setIcon(picture);
  setIconSize(QSize(Picture_Size, Picture_Size));
  // Return clicks the focused button, as Space does.
  setAutoDefault(true);
}

void Picture_Button::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  option.features &= ~QStyleOptionButton::AutoDefaultButton;
  p.drawControl(QStyle::CE_PushButtonBevel, option);

  // A pressed button shows its face one pixel down and to the right.
  const int shift = isDown() || isChecked() ? 1 : 0;
  const QRect face = rect().adjusted(3 + shift, 4 + shift, -3 + shift, -3 + shift);
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QRect picture(face.left() + (face.width() - Picture_Size) / 2, face.top(), Picture_Size,
                      Picture_Size);
  icon().paint(&p, picture, Qt::AlignCenter, mode);

  const QRect caption(face.left(), picture.bottom() + 3, face.width(),
                      face.bottom() - picture.bottom() - 3);
  p.drawItemText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, palette(),
                 isEnabled(), text(), QPalette::ButtonText);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(3, 3, -3, -3);
    focus.backgroundColor = palette().color(QPalette::Button);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
