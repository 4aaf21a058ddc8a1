#include "menu/menu_frm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <cstdio>

#include "core/general/general.h"
#include "core/settings/settings.h"
#include "menu/menu_icons.h"
#include "platform/services.h"
#include "widgets/picture_button.h"
#include "widgets/window_chrome.h"

namespace {

using General::Twips;
using Platform::Services;
using Platform::Window;

}  // namespace

MENU_Frm::MENU_Frm() {
  setWindowTitle(QStringLiteral("Vistabel"));
  setWindowIcon(Menu_Icons::Program());
  // A fixed border with a close box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  Open_Folder_Btn = new Picture_Button(QStringLiteral("Slide Show from Folder"),
                                       Menu_Icons::Folder_Show(), this);
  Open_Folder_Btn->setGeometry(Twips(45, 45, 1185, 1140));
  Make_File_Btn =
      new Picture_Button(QStringLiteral("Make Slide Show File"), Menu_Icons::Make_File(), this);
  Make_File_Btn->setGeometry(Twips(1260, 45, 1185, 1140));
  Open_File_Btn =
      new Picture_Button(QStringLiteral("Open Slide Show File"), Menu_Icons::Open_File(), this);
  Open_File_Btn->setGeometry(Twips(2475, 45, 1185, 1140));
  About_Btn = new Picture_Button(QStringLiteral("About Vistabel"), Menu_Icons::About(), this);
  About_Btn->setGeometry(Twips(3690, 45, 1185, 1140));
  // Below the visible area; it never takes the focus, so Tab stays among the four buttons.
  Close_Btn = Window_Chrome::Exit_Button(*this, {630, 2250, 1725, 285});

  buttons_ = {Open_Folder_Btn, Make_File_Btn, Open_File_Btn, About_Btn};
  for (Picture_Button* b : buttons_) b->installEventFilter(this);
  setTabOrder(Open_Folder_Btn, Make_File_Btn);
  setTabOrder(Make_File_Btn, Open_File_Btn);
  setTabOrder(Open_File_Btn, About_Btn);

  connect(Open_Folder_Btn, &QPushButton::clicked, this, &MENU_Frm::Open_Folder_Btn_Click);
  connect(Make_File_Btn, &QPushButton::clicked, this, &MENU_Frm::Make_File_Btn_Click);
  connect(Open_File_Btn, &QPushButton::clicked, this, &MENU_Frm::Open_File_Btn_Click);
  connect(About_Btn, &QPushButton::clicked, this, &MENU_Frm::About_Btn_Click);
  connect(Close_Btn, &QPushButton::clicked, this, &MENU_Frm::Close_Btn_Click);
}

void MENU_Frm::Form_Load() {
  // Only the row of buttons is in sight.
  setFixedSize(General::Twips_To_Pixels(Client_Width),
               General::Twips_To_Pixels(Visible_Client_Height));
  Window_Chrome::Centre_On_Screen(*this, size());
  Focus_Index = Settings::Get_Whole(Settings::btnFocus);
}

QPushButton* MENU_Frm::Focus_Button(int index) const {
  if (index < 0 || index >= int(buttons_.size())) return nullptr;
  return buttons_[index];
}

bool MENU_Frm::event(QEvent* event) {
  // The remembered button takes the focus when the menu comes back or is activated. A hidden menu
  // (behind a show or a window it opened) may still be activated by the window manager: where its
  // focus goes then does not count.
  if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && isVisible()) {
    if (QPushButton* b = Focus_Button(Focus_Index)) b->setFocus(Qt::ActiveWindowFocusReason);
  }
  return QWidget::event(event);
}

bool MENU_Frm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && isVisible()) {
    for (int i = 0; i < int(buttons_.size()); ++i)
      if (watched == buttons_[i]) Focus_Index = static_cast<std::int16_t>(i);
  }
  return QWidget::eventFilter(watched, event);
}

void MENU_Frm::keyPressEvent(QKeyEvent* event) {
  if (Window_Chrome::Esc_Clicks(*event, *Close_Btn)) return;
  QWidget::keyPressEvent(event);
}

void MENU_Frm::Open_Folder_Btn_Click() {
  hide();
  Services::Navigator().Show(Window::Folder_Window);
}

void MENU_Frm::Make_File_Btn_Click() {
  hide();
  Services::Navigator().Show(Window::Maker);
}

void MENU_Frm::Open_File_Btn_Click() {
  Dialog1.FileName(QString());
  Dialog1.DialogTitle(QStringLiteral("Open Slide Show File"));
  Dialog1.Filter(QStringLiteral("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*"));
  Dialog1.ShowOpen();
  if (Dialog1.FileName().isEmpty()) return;  // cancelled
  Open_File_Path_Txt = Dialog1.FileName();
  hide();
  Services::Navigator().Play(Open_File_Path_Txt, Platform::Show_Origin::Menu);
}

void MENU_Frm::About_Btn_Click() {
  // The menu closes in full (remembering this button) and is loaded afresh when About closes.
  close();
  Services::Navigator().Show(Window::About);
}

void MENU_Frm::Close_Btn_Click() { close(); }

void MENU_Frm::closeEvent(QCloseEvent* event) {
  Settings::Save_Whole(Settings::btnFocus, Focus_Index);
  event->accept();
  // Closing the main menu closes every other window, and so ends the program.
  Services::Navigator().Menu_Closed();
}
