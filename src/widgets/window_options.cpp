#include "widgets/window_options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include "widgets/folder_list.h"
#include "core/general/general.h"

namespace Window_Options {

void Show_Delay(const QAbstractSlider& scroll, QLabel& label) {
  label.setText(Delay_Text(scroll.value()));
}

QSize Outer_Size(const QWidget& window) { return window.size() + Sizable_Frame; }

void Restore_Window_Size(QWidget& window, const Settings::Key& width, const Settings::Key& height) {
  auto outer = Settings::Restore_Window_Size(width, height);
  if (!outer) return;
  // No larger than the screen's work area, whatever was saved (a window once wider than this
  // screen, or a value written by hand).
  if (const QScreen* screen = window.screen()) *outer = outer->boundedTo(screen->availableSize());
  // The width first, then the height; the window's own limits apply to each.
  window.resize(outer->width() - Sizable_Frame.width(), window.height());
  window.resize(window.width(), outer->height() - Sizable_Frame.height());
}

void Save_Window_Size(const QWidget& window, const Settings::Key& width, const Settings::Key& height) {
  Settings::Save_Window_Size(width, height, Outer_Size(window));
}

Display_Mode_Controls Make_Display_Mode(QGroupBox& frame, int option_width, int ratio_width) {
  Display_Mode_Controls c;
  c.Maintain_Opt = new QRadioButton(QStringLiteral("Maintain Dimentions"), &frame);
  c.Maintain_Opt->setGeometry(General::Twips(180, 405, option_width, 285));
  c.Maintain_Opt->setChecked(true);
  c.Strech_Opt = new QRadioButton(QStringLiteral("Strech to Fullscreen"), &frame);
  c.Strech_Opt->setGeometry(General::Twips(180, 720, option_width, 285));
  c.Ratio_Chk = new QCheckBox(QStringLiteral("Keep Ratio"), &frame);
  c.Ratio_Chk->setGeometry(General::Twips(585, 1080, ratio_width, 240));
  c.Ratio_Chk->setEnabled(false);
  return c;
}

Delay_Controls Make_Delay(QGroupBox& frame) {
  Delay_Controls c;
  c.Delay_Scroll = new QScrollBar(Qt::Horizontal, &frame);
  c.Delay_Scroll->setRange(0, 60);
  c.Delay_Scroll->setSingleStep(1);
  c.Delay_Scroll->setPageStep(1);
  c.Delay_Scroll->setValue(5);
  // A scroll bar turns its keys round by default (Left adds): the delay grows to the right, with
  // the Right and Up keys.
  c.Delay_Scroll->setInvertedControls(false);
  c.Delay_Lbl = new QLabel(&frame);
  c.Delay_Lbl->setAlignment(Qt::AlignCenter);
  return c;
}

void Tab_Order(std::initializer_list<QWidget*> controls) {
  QWidget* before = nullptr;
  for (QWidget* c : controls) {
    if (before) QWidget::setTabOrder(before, c);
    before = c;
  }
}

void Restore_Folder(Drive_List& drive, Folder_List& folder, const Settings::Key& drive_key,
                    const Settings::Key& path_key) {
  if (drive.Set_Drive(Settings::Get_Text(drive_key)) && folder.Set_Path(Settings::Get_Text(path_key)))
    return;
  const QString root = QStringLiteral("/");
  drive.Set_Drive(root);
  folder.Set_Path(root);
}

}  // namespace Window_Options
