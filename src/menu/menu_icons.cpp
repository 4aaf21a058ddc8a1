#include "menu/menu_icons.h"

#include <QString>

// The resources live in a static library: register them before the first use.
static void Register_Icons() {
  static const bool done = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)done;
}

namespace Menu_Icons {

namespace {

QIcon Load(const char* name) {
  Register_Icons();
  return QIcon(QStringLiteral(":/icons/") + QLatin1String(name) + QStringLiteral(".svg"));
}

}  // namespace

QIcon Program() { return Load("vistabel"); }
QIcon Folder_Show() { return Load("folder_show"); }
QIcon Make_File() { return Load("make_file"); }
QIcon Open_File() { return Load("open_file"); }
QIcon About() { return Load("about"); }

}  // namespace Menu_Icons
