// The window "Make Slide Show File": the editor of slide show files. The user picks pictures from a
// drive list, a folder list and a file list, adds them to the picture list, orders them (up and down
// buttons, drag and drop) and removes them, sees a thumbnail of the picture last clicked, sets the
// show's options (toolbar toggles for loop, shuffle and pause message; display mode, delay,
// background colour and music below the lists), and saves, loads or previews the show. The options,
// the drive, the folder, the window's width and the thumbnail switch are kept between runs; the
// picture list is not.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QToolBar>
#include <QWidget>
#include <cstdint>

#include "core/show_file/show_file.h"
#include "platform/open_save_dialog.h"
#include "widgets/colour_picker.h"
#include "widgets/folder_list.h"
#include "widgets/music_button.h"
#include "widgets/subclass.h"

class Maker_Frm : public QWidget {
  Q_OBJECT
 public:
  Maker_Frm();
  // The load steps; Forms runs them right after creating the window.
  void Form_Load();

  // Public methods.
  void Update_Count();
  void Load_File();
  void Save_Settings();
  void ShowColors(std::int32_t iCol) { Picker->ShowColors(iCol); }
  void ShowGradient(const QVariant& lMinCol, const QVariant& lMaxCol) {
    Picker->ShowGradient(lMinCol, lMaxCol);
  }

  // The show's options as the controls hold them.
  ShowFile::Options Show_Options() const;
  // The picture list's entries, first to last.
  QStringList Entries() const;

  // Controls, in creation order.
  QPushButton* Close_Btn = nullptr;  // "Exit", out of sight: Esc clicks it
  QGroupBox* Music_Fra = nullptr;
  QPushButton* Music_Btn = nullptr;
  QLineEdit* Music_Txt = nullptr;
  Music_Button* Music_Chk = nullptr;
  QPushButton* cmdDown = nullptr;
  QPushButton* cmdUp = nullptr;
  Platform::OpenSaveDialog Dialog1{this};
  QPushButton* Add_Btn = nullptr;
  QCheckBox* Loop_Chk = nullptr;     // hidden: the state of the toolbar's Loop button
  QCheckBox* Message_Chk = nullptr;  // hidden: the Message button
  QCheckBox* Shuff_Chk = nullptr;    // hidden: the Shuffle button
  QGroupBox* Delay_Fra = nullptr;
  QScrollBar* Delay_Scroll = nullptr;
  QLabel* Delay_Lbl = nullptr;
  QGroupBox* Colour_Fra = nullptr;
  Colour_Picker* Picker = nullptr;  // txCol, Pal, lbColor, Save_Colour
  QGroupBox* Display_Fra = nullptr;
  QRadioButton* Maintain_Opt = nullptr;
  QRadioButton* Strech_Opt = nullptr;
  QCheckBox* Ratio_Chk = nullptr;
  QCheckBox* Check1 = nullptr;  // "Show Thumbnail"
  QToolBar* Toolbar1 = nullptr;
  QString Text1;                // the path last picked in either list
  mdlSubclass::Drag_List* List1 = nullptr;
  Folder_List* Dir1 = nullptr;
  Drive_List* Drive1 = nullptr;
  QListWidget* File1 = nullptr;  // the pictures of Dir1's folder; several may be selected
  QLabel* Label2 = nullptr;      // the number of entries
  QLabel* Label1 = nullptr;      // "Pictures Loaded:"
  QLabel* Image1 = nullptr;      // the thumbnail
  QLabel* Image2 = nullptr;      // the empty box in its place while thumbnails are off

  // The toolbar's buttons, 1 to 10 (separators count): Loop, Shuffle, Message, -, Clear, -, Load,
  // Save, -, Preview.
  QAction* Button(int index) const;
  // Dispatches a click on a toolbar button by its key.
  void Toolbar1_ButtonClick(const QString& key);

  // The events.
  void Add_Btn_Click();
  void File1_DblClick();
  void List1_DblClick();
  void cmdUp_Click();
  void cmdDown_Click();
  void File1_Click();
  void List1_Click();
  void Check1_Click();
  void Drive1_Change();
  void Dir1_Change();
  void Option_Click();
  void Music_Chk_Click();
  void Music_Btn_Click();

  // The background colour of the music path box, a colour value (system colours included).
  // The thumbnail as shown (null when the box is empty).
  QImage Thumbnail() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Reader;
  void Restore_Window_Size();
  void Fit_Toolbar();
  void Arrange();
  void Init_DragList();
  bool Save_File(bool preview);
  // Asks before the window closes with a list changed since it was last saved or loaded: true
  // when the window stays open (Cancel, or a save that did not happen).
  bool Keep_Open();
  void Show_Delay();
  void Set_Button_Down(int button);
  void Set_Button_Up(int button);
  void Set_Button(int button, const QCheckBox* box);
  void Load_Thumbnail(const QString& path);
  QString File1_Current() const;

  int shift_ = 0;
  int min_outer_width_ = 0;
  QStringList saved_entries_;  // the list as last saved or loaded
  bool closing_ = false;       // the close asks whether to save first
  QString play_after_close_;   // the show saved while closing that the user chose to run
};
