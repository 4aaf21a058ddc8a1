// Procedures shared by the windows that set a show's options (the set-up window and the maker):
// their option controls, the delay label, the saved folder and the window's saved size. The plain
// rules behind them (the delay text, the saved colour) are in core/options/show_options.h.
#pragma once

#include <QAbstractSlider>
#include <QLabel>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <initializer_list>

#include "core/options/show_options.h"
#include "core/settings/settings.h"

class Drive_List;
class Folder_List;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QScrollBar;

namespace Window_Options {

// Shows the scroll bar's delay in the label.
void Show_Delay(const QAbstractSlider& scroll, QLabel& label);

// The border and caption of a sizable window in the design, in pixels (120 x 510 twips): the
// saved sizes and the layout rules count the window's outer size, the client area plus these.
inline constexpr QSize Sizable_Frame{8, 34};

// The window's outer size in the design's sense (its client size plus the frame), in pixels.
QSize Outer_Size(const QWidget& window);
// Gives the window the outer size saved under the two keys, when both are non-zero, but no larger
// than its screen's work area; otherwise it keeps its size.
void Restore_Window_Size(QWidget& window, const Settings::Key& width, const Settings::Key& height);
// Saves the window's outer size under the two keys.
void Save_Window_Size(const QWidget& window, const Settings::Key& width, const Settings::Key& height);

// The display-mode frame's controls at their places (the two options `option_width` twips wide,
// the ratio box `ratio_width`): own size chosen, the ratio box off until stretching is chosen.
struct Display_Mode_Controls {
  QRadioButton* Maintain_Opt;
  QRadioButton* Strech_Opt;
  QCheckBox* Ratio_Chk;
};
Display_Mode_Controls Make_Display_Mode(QGroupBox& frame, int option_width, int ratio_width);

// The delay frame's scroll bar (whole seconds, 0 to 60, 5 at first) and its centred label; the
// caller places them.
struct Delay_Controls {
  QScrollBar* Delay_Scroll;
  QLabel* Delay_Lbl;
};
Delay_Controls Make_Delay(QGroupBox& frame);

// The show's options as a window's option controls set them, with `music` as the music file.
template <class Window>
ShowFile::Options Options_Of(const Window& window, const QString& music) {
  ShowFile::Options o;
  o.Strech = window.Strech_Opt->isChecked();
  o.Ratio = window.Ratio_Chk->isChecked();
  o.Shuff = window.Shuff_Chk->isChecked();
  o.Delay = window.Delay_Scroll->value();
  o.BackCol = window.Picker->Save_Colour->BackColor();
  o.Loop = window.Loop_Chk->isChecked();
  o.Message = window.Message_Chk->isChecked();
  o.UseMusic = window.Music_Chk->isChecked();
  o.Music = music;
  return o;
}

// Gives the controls the tab order in which they are listed.
void Tab_Order(std::initializer_list<QWidget*> controls);

// Puts the drive list on the saved drive (which moves the folder list to it), then the folder list
// on the saved folder; when either is gone, both on the root.
void Restore_Folder(Drive_List& drive, Folder_List& folder, const Settings::Key& drive_key,
                    const Settings::Key& path_key);

}  // namespace Window_Options
