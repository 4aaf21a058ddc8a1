#include "app/start_up.h"

#include <QFileInfo>

#include "app/forms.h"
#include "core/folders/folder_lists.h"
#include "core/general/general.h"
#include "core/play/shuffle.h"
#include "core/show_file/show_paths.h"
#include "menu/menu_frm.h"
#include "platform/general.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "search/search_frm.h"

namespace General {

namespace {

// A file argument to be played as a picture: not a ".sli" file (always a show file), named or
// made as a picture (its header is one a picture reader knows), and no show the player could play.
bool Is_Picture_Argument(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (name.endsWith(QLatin1String(".sli"), Qt::CaseInsensitive)) return false;
  if (!Folder_Lists::Has_Picture_Extension(name) && !Platform::Services::Pictures().Read_Size(path))
    return false;
  return !ShowFile::Is_Show_File(path);
}

// Plays the pictures of the picture's folder from the picture on, with the options of the folder
// window, through the run file of folder shows.
int Play_From_Picture(const QString& path) {
  using Platform::Services;
  const QFileInfo info(path);
  const QString folder = Folder_Lists::Full_Path(info.absolutePath());
  QStringList pictures;
  const Platform::Folder_Listing listing = Services::Directories().List_Folder(folder);
  for (const QString& name : Folder_Lists::Pictures_From(listing.files, info.fileName()))
    pictures.push_back(Join_Path(folder, name));
  ShowFile::Options options = Services::Navigator().Folder_Options();
  if (options.Shuff && !pictures.isEmpty()) {
    // The picture first; the others after it in random order.
    QStringList others = pictures.mid(1);
    Shuffle::Shuffle_List(Services::Random(), others);
    pictures = pictures.first(1) + others;
    options.Shuff = false;
  }
  const QString run_file = Run_File_Path();
  if (!ShowFile::Write(Services::Disk(), run_file, options, pictures)) {
    Services::MsgBox().MsgBox(QStringLiteral("Could not write the file\r\n\r\n") + run_file,
                              Platform::vbCritical, QStringLiteral("Slide Show"));
    End_Program(1);
    return 1;
  }
  Forms::Main()->Start(run_file, Platform::Show_Origin::Command_Line);
  return -1;
}

}  // namespace

int Start_Up(const QString& argument) {
  if (argument.isEmpty()) {
    Forms::Menu()->show();
    return -1;
  }
  const QString path = StripQuotes(argument);
  if (FileExists(path)) {
    if (Is_Picture_Argument(path)) return Play_From_Picture(path);
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
