// The main menu: a small fixed window with a row of four picture buttons (a show from a folder,
// making a show file, opening a show file, About). It gives the button that last had the focus the
// focus again, also across runs, and closing it ends the program.
// Its hidden box Open_File_Path_Txt holds the show file chosen with "Open Slide Show File", which it
// hands to the player.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "platform/open_save_dialog.h"

class Picture_Button;

class MENU_Frm : public QWidget {
  Q_OBJECT
 public:
  MENU_Frm();
  // The load steps; Forms runs them right after creating the window.
  void Form_Load();

  // The buttons, in tab order.
  Picture_Button* Open_Folder_Btn = nullptr;
  Picture_Button* Make_File_Btn = nullptr;
  Picture_Button* Open_File_Btn = nullptr;
  Picture_Button* About_Btn = nullptr;
  QPushButton* Close_Btn = nullptr;  // "Exit", out of sight: Esc clicks it

  QString Open_File_Path_Txt;  // hand-over box: the show to play
  Platform::OpenSaveDialog Dialog1{this};

  // The index of the button that last had the focus (0 to 3 in the order above); another value
  // gives no button the focus explicitly. Kept in the settings as "btnFocus".
  std::int16_t Focus_Index = 0;

  // The button of a focus index, or null for any other value.
  QPushButton* Focus_Button(int index) const;

  void Open_Folder_Btn_Click();
  void Make_File_Btn_Click();
  void Open_File_Btn_Click();
  void About_Btn_Click();
  void Close_Btn_Click();

  // The designed geometry, in twips.
  static constexpr int Client_Width = 4905;
  static constexpr int Outer_Height = 1675;
  // What stays in sight: the row of buttons and its margin. With the caption and borders of a
  // fixed window that makes the designed outer height.
  static constexpr int Visible_Client_Height = 1230;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::array<Picture_Button*, 4> buttons_{};
};
