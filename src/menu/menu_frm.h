// The main menu. Its hidden box Open_File_Path_Txt hands the show to play to the player: whoever
// starts a show writes the show file's full path here and then shows the player.
#pragma once

#include <QString>
#include <QWidget>

class MENU_Frm : public QWidget {
  Q_OBJECT
 public:
  MENU_Frm();
  void Form_Load();

  QString Open_File_Path_Txt;  // hand-over box: the show to play

 protected:
  void closeEvent(QCloseEvent* event) override;
};
