// The window "Searching Subfolders": walks the folder in Dir_Txt and every folder below it,
// collects their pictures in walk order, writes them with the folder window's options into the run
// file and starts the player. It shows the folder being searched and a bar for the folder depth.
// Exit, Esc or the close box stop the search: the folder window comes back, or, after a start from
// the command line, the program ends.
#pragma once

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "core/folders/folder_walk.h"
#include "core/folders/search_bar.h"
#include "platform/navigator.h"

class Search_Frm : public QWidget {
  Q_OBJECT
 public:
  Search_Frm();
  // The load steps; Forms runs them right after creating the window.
  void Form_Load();
  // Shows the window and searches `folder` (the hand-over Dir_Txt); the show it finds is played as
  // started from `origin`.
  void Start(const QString& folder, Platform::Show_Origin origin);

  // Writes the run file from List1 and the folder window's options. False when there was nothing
  // to write (the program is ending, or a preview goes back to the maker) or the file could not be
  // written (the search then stops).
  bool Save_Temp_File();
  // Collects the pictures of the walk's current folder into List1 (the only place where the walk
  // lets events through).
  void Get_Files();

  QGroupBox* Frame1 = nullptr;
  QProgressBar* Search_Bar = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Close_Btn = nullptr;  // "Exit", out of sight: Esc clicks it
  QTimer Trigger_Timer;              // starts the walk once the window is on screen
  QString Dir_Txt;                   // the start folder: every opener writes it
  Platform::Show_Origin Origin = Platform::Show_Origin::Folder_Window;  // handed on to the show
  QStringList List1;                 // the pictures found, full paths in walk order
  Search_Bar_Rule::Bar Bar_State;    // the depth bar as the walk sets it; shown as it is painted
  bool StopRequested = false;

  void Close_Btn_Click() { StopRequested = true; }
  void Trigger_Timer_Timer();

  // The designed client size, in twips.
  static constexpr int Client_Width = 6270;
  static constexpr int Client_Height = 1665;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Search_Folders();
  void Stopped(int exit_code);
  void Dir1_Change(const QString& folder);
  // Shows the current folder and the bar on screen now and then while the walk runs, and as they
  // are when it has ended (`last`).
  void Show_Progress(bool last);

  Folder_Walk::Walker* walk_ = nullptr;  // the walk under way
  bool started_ = false;
  bool closed_ = false;  // closed by the program while the walk let events through
  QString shown_folder_;
  QElapsedTimer painted_;  // since the label and the bar were last painted
};
