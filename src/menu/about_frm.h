// The About window: the program's name, version and maker, and thanks to the beta testers. A click
// anywhere closes it, except on the maker's name, which opens the maker's web site in the default
// browser. Closing it brings the main menu back.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// A label that reports a click (press and release of the left button on it).
class Link_Label : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class About_Frm : public QWidget {
  Q_OBJECT
 public:
  About_Frm();
  void Form_Load();

  // The maker's web site.
  static constexpr char Web_Address[] = "https://www.corvane-software.example/vistabel/";

  // Opens the maker's web site in the default browser; a failure is not reported.
  void gotoweb();

  QFrame* Shape1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  Link_Label* Link_Lbl = nullptr;
  QFrame* Shape2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Close_Btn = nullptr;  // "Exit", out of sight: Esc clicks it

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Qt::MouseButton pressed_ = Qt::NoButton;
};
