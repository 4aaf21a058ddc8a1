// How the windows reach each other. A window asks for what comes next ("play this show file",
// "search this folder", "show the menu", "the show has ended") and the top of the program, which
// alone knows every window, does it over the Forms registry (app/window_navigator.h). No window
// includes another window's header. Tests of a window put a fake in its place with
// Services::Guard::navigator.
#pragma once

#include <QString>

#include "core/show_file/show_file.h"

namespace Platform {

// Where a show was started from: what the program goes back to when it ends. It is handed to the
// player with the show. A search hands the show it finds on with the origin it was given itself
// (the folder window, the command line, or the show in which "s" was pressed).
enum class Show_Origin {
  Menu,           // "Open Slide Show File"
  Folder_Window,  // "Slide Show from Folder"
  Maker,          // the maker's offer to run a show it has just saved
  Maker_Preview,  // the maker's preview: back to the maker as it was
  Command_Line,   // a file or folder argument: the program ends with the show
};

// The windows that are asked for by name.
enum class Window { Menu, About, Folder_Window, Maker };

class Navigator {
 public:
  virtual ~Navigator() = default;
  // Plays the show file in the player.
  virtual void Play(const QString& show_file, Show_Origin origin) = 0;
  // Opens the subfolder search on `folder`; the show it finds is played as started from `origin`.
  virtual void Search(const QString& folder, Show_Origin origin) = 0;
  // The options of the folder window: the open window's, or else as the settings hold them (what
  // the window would show if it were opened now).
  virtual ShowFile::Options Folder_Options() = 0;
  // Shows the window, loading it when it is not loaded.
  virtual void Show(Window window) = 0;
  // The show started from `origin` has been left (a preview's search that found nothing counts as
  // a show that has ended): the windows it came from come back, and after a start from the
  // command line the program ends.
  virtual void Show_Ended(Show_Origin origin) = 0;
  // The main menu has closed: every other window closes too, and so the program ends.
  virtual void Menu_Closed() = 0;
};

}  // namespace Platform
