#include "core/options/show_options.h"

#include "core/show_file/show_file.h"

namespace Window_Options {

QString Delay_Text(int seconds) {
  if (seconds == 0) return QStringLiteral("Forever");
  if (seconds == 1) return QStringLiteral("1 Second");
  return QString::number(seconds) + QStringLiteral(" Seconds");
}

std::int32_t Saved_Colour(const Settings::Key& key) {
  const std::int32_t colour = Settings::Get_Colour(key);
  return ShowFile::Is_Valid_Colour(colour) ? colour : 0;
}

}  // namespace Window_Options
