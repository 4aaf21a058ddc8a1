#include "folder_show/window_options.h"

#include <QGuiApplication>
#include <QScreen>

#include "folder_show/folder_list.h"
#include "showfile/show_file.h"

namespace Window_Options {

QString Delay_Text(int seconds) {
  if (seconds == 0) return QStringLiteral("Forever");
  if (seconds == 1) return QStringLiteral("1 Second");
  return QString::number(seconds) + QStringLiteral(" Seconds");
}

void Show_Delay(const QAbstractSlider& scroll, QLabel& label) {
  label.setText(Delay_Text(scroll.value()));
}

QSize Outer_Size(const QWidget& window) { return window.size() + Sizable_Frame; }

void Restore_Window_Size(QWidget& window, const Settings::Key& width, const Settings::Key& height) {
  const auto outer = Settings::Restore_Window_Size(width, height);
  if (!outer) return;
  // The width first, then the height; the window's own limits apply to each.
  window.resize(outer->width() - Sizable_Frame.width(), window.height());
  window.resize(window.width(), outer->height() - Sizable_Frame.height());
}

void Save_Window_Size(const QWidget& window, const Settings::Key& width, const Settings::Key& height) {
  Settings::Save_Window_Size(width, height, Outer_Size(window));
}

void Centre_On_Screen(QWidget& window) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize outer = Outer_Size(window);
  window.move(area.left() + (area.width() - outer.width()) / 2,
              area.top() + (area.height() - outer.height()) / 2);
}

void Restore_Folder(Drive_List& drive, Folder_List& folder, const Settings::Key& drive_key,
                    const Settings::Key& path_key) {
  if (drive.Set_Drive(Settings::Get_Text(drive_key)) && folder.Set_Path(Settings::Get_Text(path_key)))
    return;
  const QString root = QStringLiteral("/");
  drive.Set_Drive(root);
  folder.Set_Path(root);
}

std::int32_t Saved_Colour(const Settings::Key& key) {
  const std::int32_t colour = Settings::Get_Colour(key);
  return ShowFile::Is_Valid_Colour(colour) ? colour : 0;
}

}  // namespace Window_Options
