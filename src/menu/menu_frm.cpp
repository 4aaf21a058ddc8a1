#include "menu/menu_frm.h"

#include <QCloseEvent>

#include "startup/forms.h"

MENU_Frm::MENU_Frm() { setWindowTitle(QStringLiteral("Vistabel")); }

void MENU_Frm::Form_Load() {}

void MENU_Frm::closeEvent(QCloseEvent* event) {
  // Closing the main menu closes every other window, and so ends the program.
  Forms::Close(Forms::Kind::Main);
  event->accept();
}
