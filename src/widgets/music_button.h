// The music switch of the windows that set a show's options: a check box drawn as a button with a
// loudspeaker.
#pragma once

#include <QPushButton>

// A check box drawn as a button that reports the release of a mouse button inside it, after the
// click (if any) has changed its state.
class Music_Button : public QPushButton {
  Q_OBJECT
 public:
  explicit Music_Button(QWidget* parent);
 signals:
  void Released_Inside();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
