#include "app/start_up.h"

#include "app/forms.h"
#include "core/general/general.h"
#include "menu/menu_frm.h"
#include "platform/general.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "search/search_frm.h"

namespace General {

int Start_Up(const QString& argument) {
  if (argument.isEmpty()) {
    Forms::Menu()->show();
    return -1;
  }
  const QString path = StripQuotes(argument);
  if (FileExists(path)) {
    // The player alone: no menu is loaded for a show from the command line.
    Forms::Main()->Start(path, Platform::Show_Origin::Command_Line);
    return -1;
  }
  if (!FolderExists(path)) {
    Platform::Services::MsgBox().MsgBox(QStringLiteral("Error reading Command Line!"),
                                        Platform::vbCritical, QStringLiteral("Slide Show"));
    End_Program(1);
    return 1;
  }
  // A folder: the search collects the pictures of the whole tree and plays them.
  Forms::Search()->Start(path, Platform::Show_Origin::Command_Line);
  return -1;
}

}  // namespace General
