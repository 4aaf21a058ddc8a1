// The window "Slide Show from Folder": a folder (drive list, folder list, "Include Subfolders",
// the number of pictures) and the options of a show (display mode, delay, background colour,
// shuffle, loop, pause message, music). "Run Slide Show" writes the run file and plays it, or hands
// the folder to the subfolder search. Every option, the drive, the folder and the window's width
// are kept in the settings between runs.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "widgets/colour_picker.h"
#include "widgets/folder_list.h"
#include "widgets/music_button.h"
#include "platform/open_save_dialog.h"
#include "core/show_file/show_file.h"

class Setup_Frm : public QWidget {
  Q_OBJECT
 public:
  Setup_Frm();
  // The load steps; Forms runs them right after creating the window.
  void Form_Load();

  // Writes every option, the drive, the folder and the window's size to the settings.
  void Save_Settings();
  // The colour picker's procedures.
  void ShowColors(std::int32_t iCol) { Picker->ShowColors(iCol); }
  void ShowGradient(const QVariant& lMinCol, const QVariant& lMaxCol) {
    Picker->ShowGradient(lMinCol, lMaxCol);
  }
  // The show's options as the controls hold them (the music file is the global MusicPath).
  ShowFile::Options Run_Options() const;

  // Controls, in creation order.
  QPushButton* Close_Btn = nullptr;  // "Exit", out of sight: Esc clicks it
  Music_Button* Music_Chk = nullptr;
  QCheckBox* Message_Chk = nullptr;
  QCheckBox* Loop_Chk = nullptr;
  QCheckBox* Shuff_Chk = nullptr;
  QPushButton* Run_btn = nullptr;
  QGroupBox* Display_Fra = nullptr;
  QCheckBox* Ratio_Chk = nullptr;
  QRadioButton* Strech_Opt = nullptr;
  QRadioButton* Maintain_Opt = nullptr;
  QGroupBox* Colour_Fra = nullptr;
  Colour_Picker* Picker = nullptr;  // txCol, Pal, lbColor, Save_Colour
  QGroupBox* Delay_Fra = nullptr;
  QScrollBar* Delay_Scroll = nullptr;
  QLabel* Delay_Lbl = nullptr;
  QGroupBox* Main_Fra = nullptr;
  Folder_List* Dir1 = nullptr;
  Platform::OpenSaveDialog Dialog1{this};
  QCheckBox* Subs_Chk = nullptr;
  QStringList File1;  // the pictures of Dir1's folder, sorted: the hidden file list
  Drive_List* Drive1 = nullptr;
  QLabel* Num_Files_Lbl = nullptr;

  // The events.
  void Drive1_Change();
  void Dir1_Change();
  void Subs_Chk_Click();
  void Option_Click();
  void Music_Chk_MouseUp();
  void Run_btn_Click();

  // The designed client size, in twips.
  static constexpr int Client_Width = 5385;
  static constexpr int Client_Height = 5700;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Show_Delay();
  void Restore_Window_Size();
  void Arrange();
};
