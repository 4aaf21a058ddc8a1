// A graphical command button: its picture centred above its caption, the caption wrapped onto as
// many lines as the button's width needs.
#pragma once

#include <QPushButton>

class Picture_Button : public QPushButton {
  Q_OBJECT
 public:
  Picture_Button(const QString& caption, const QIcon& picture, QWidget* parent);

  static constexpr int Picture_Size = 32;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
