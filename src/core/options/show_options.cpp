#include "core/options/show_options.h"

#include <algorithm>

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

ShowFile::Options Folder_Show_Options() {
  using namespace Settings;
  ShowFile::Options o;
  o.Strech = !Get_Truth(Display_Mode);
  o.Ratio = Get_Whole(Keep_Ratio) != 0;
  o.Shuff = Get_Whole(Shuffle) != 0;
  o.Delay = std::clamp<int>(Get_Whole(Delay), 0, 60);  // the window's delay bar holds 0 to 60
  o.BackCol = Saved_Colour(Colour);
  o.Loop = Get_Whole(Loop) != 0;
  o.Message = Get_Whole(Pause_Message) != 0;
  o.UseMusic = Get_Whole(UseMusic) != 0;
  o.Music = Get_Text(MusicPath);
  return o;
}

}  // namespace Window_Options
