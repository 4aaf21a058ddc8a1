#include "app/start_up.h"

#include "menu/menu_frm.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "search/search_frm.h"
#include "app/forms.h"
#include "core/general/general.h"
#include "platform/general.h"

namespace General {

int Start_Up(const QString& argument) {
  if (argument.isEmpty()) {
    Forms::Menu()->show();
    return -1;
  }
  const QString path = StripQuotes(argument);
  if (FileExists(path)) {
    StartedFromCommandLine = true;
    Forms::Menu()->Open_File_Path_Txt = path;
    Forms::Main()->show();
    return -1;
  }
  if (!FolderExists(path)) {
    Platform::Services::MsgBox().MsgBox(QStringLiteral("Error reading Command Line!"),
                                        Platform::vbCritical, QStringLiteral("Slide Show"));
    End_Program(1);
    return 1;
  }
  // A folder: the search collects the pictures of the whole tree and plays them.
  StartedFromCommandLine = true;
  Search_Frm* search = Forms::Search();
  search->Dir_Txt = path;
  search->show();
  return -1;
}

}  // namespace General
