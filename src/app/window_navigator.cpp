#include "app/window_navigator.h"

#include "app/forms.h"
#include "core/general/general.h"
#include "core/options/show_options.h"
#include "folder_show/setup_frm.h"
#include "maker/maker_frm.h"
#include "menu/about_frm.h"
#include "menu/menu_frm.h"
#include "platform/general.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "search/search_frm.h"

namespace Forms {

namespace {

using Platform::Show_Origin;

class Window_Navigator final : public Platform::Navigator {
 public:
  void Play(const QString& show_file, Show_Origin origin) override {
    Main()->Start(show_file, origin);
  }

  void Search(const QString& folder, Show_Origin origin) override {
    Forms::Search()->Start(folder, origin);
  }

  ShowFile::Options Folder_Options() override {
    if (IsLoaded(Kind::Setup)) return Setup()->Run_Options();
    return Window_Options::Folder_Show_Options();
  }

  void Show(Platform::Window window) override {
    switch (window) {
      case Platform::Window::Menu: Menu()->show(); break;
      case Platform::Window::About: About()->show(); break;
      case Platform::Window::Folder_Window: Setup()->show(); break;
      case Platform::Window::Maker: Maker()->show(); break;
    }
  }

  void Show_Ended(Show_Origin origin) override {
    // The folder set-up window (which saves its settings and shows the menu), the search and About
    // go too.
    Close(Kind::Setup);
    Close(Kind::Search);
    Close(Kind::About);
    if (origin == Show_Origin::Maker_Preview && IsLoaded(Kind::Maker)) {
      // The maker's preview: back to the maker as it was, without its preview file; the main menu
      // stays hidden behind it.
      if (QWidget* menu = Loaded(Kind::Menu)) menu->hide();
      const QString preview = General::Preview_File_Path();
      if (General::FileExists(preview)) Platform::Services::Files().Remove_File(preview);
    } else {
      Close(Kind::Maker);  // saves its settings
      if (origin != Show_Origin::Command_Line) Menu()->show();
    }
    // After a start from the command line the show was all there was: closing the main menu, when
    // anything loaded it, closes every window, and the program ends with the last one.
    if (origin == Show_Origin::Command_Line) Close(Kind::Menu);
  }

  void Menu_Closed() override {
    Close(Kind::Main);
    Close(Kind::Setup);
    Close(Kind::Search);
    Close(Kind::About);
    Close(Kind::Maker);
  }
};

}  // namespace

Platform::Navigator& Navigator() {
  static Window_Navigator navigator;
  return navigator;
}

}  // namespace Forms
