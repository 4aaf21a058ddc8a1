// The settings store: the user's last choices, kept between runs as text values addressed by an
// application name, the section "Settings" and a key. Here it is an INI file per application in the
// user's configuration folder (where QSettings keeps the user's file of the organisation
// "Vistabel"), created readable by the user only. This file also holds the table of every key of both applications, with its encoding
// and its default, and the conversions between values and their text.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace Settings {

// The two application names and the one section.
inline constexpr char App_Vistabel[] = "Vistabel";
inline constexpr char App_Maker[] = "Vistabel Maker";
inline constexpr char Section[] = "Settings";

// The stored text, or `default_text` when the key (or its section or application) is missing or
// the store cannot be read.
QString GetSetting(const QString& app_name, const QString& section, const QString& key,
                   const QString& default_text);
// Creates or overwrites a value. A new file is created private to the user (mode 0600); an
// existing one keeps the permissions it has. A store that cannot be written is left alone without
// a message: the value is simply not remembered.
//
// Both read and write the file only when it is a regular file (a link to one counts) that the
// user may write, of at most 1 MB, or is absent. A folder, a FIFO, a device, a link to nothing,
// a read-only file or a larger one is neither opened nor changed: the defaults are used and one
// line on standard error, once per file, says why.
void SaveSetting(const QString& app_name, const QString& section, const QString& key,
                 const QString& text);
// The file that holds the application's values.
QString Store_File(const QString& app_name);

// How a key's value is written as text.
enum class Encoding {
  Whole,   // a signed 16-bit number: "0", "1", "5"
  Colour,  // a signed 32-bit colour value: red + 256 green + 65536 blue
  Truth,   // "True" or "False"
  Size,    // a window dimension in twips, a whole number
  Text,    // stored unchanged
};

struct Key {
  const char* app;
  const char* name;
  Encoding encoding;
  const char* default_text;
};

// Keys of the application "Vistabel".
extern const Key btnFocus;
extern const Key WindowX, WindowY;
extern const Key Display_Mode, Keep_Ratio, Delay, Loop, Shuffle, Pause_Message, Sub_Dirs, Colour,
    UseMusic, MusicPath, Drive, Path;
// The open and save dialogs' size and the folder where the last one was left.
extern const Key DialogX, DialogY, Dialog_Path;
// Keys of the application "Vistabel Maker".
extern const Key MakerX, MakerY;
extern const Key Maker_Display_Mode, Maker_Keep_Ratio, Maker_Delay, Maker_Colour, Maker_Loop,
    Maker_Shuffle, Maker_Pause_Message, Preview, Maker_Drive, Maker_Path;

// Conversions from text. Each gives nothing for a text that is not a value of its kind; numbers
// are read as the locale writes them (or plainly), rounded to the nearest whole number with halves
// to the even neighbour, and must fit their type.
std::optional<std::int16_t> To_Whole(const QString& text);
std::optional<std::int32_t> To_Colour(const QString& text);
std::optional<bool> To_Truth(const QString& text);
// A window dimension in twips: a whole number from 0 to the largest window (32767 pixels). There is
// no 16-bit limit: a window wider than about 2,200 pixels stores more than 32,767 twips.
std::optional<std::int32_t> To_Size(const QString& text);
constexpr std::int32_t Max_Size_Twips = 32767 * 15;

// And to text.
QString Whole_Text(std::int16_t value);
QString Colour_Text(std::int32_t value);
QString Truth_Text(bool value);
QString Size_Text(std::int32_t twips);

// Typed reads: the stored value, or the key's default when it is missing or cannot be converted.
std::int16_t Get_Whole(const Key& key);
std::int32_t Get_Colour(const Key& key);
bool Get_Truth(const Key& key);
std::int32_t Get_Size(const Key& key);
QString Get_Text(const Key& key);

// Typed writes.
void Save_Whole(const Key& key, std::int16_t value);
void Save_Colour(const Key& key, std::int32_t value);
void Save_Truth(const Key& key, bool value);
void Save_Size(const Key& key, std::int32_t twips);
void Save_Text(const Key& key, const QString& text);

// The saved outer size of a window (width and height keys, in twips), converted to pixels; nothing
// unless both are non-zero, so the window keeps its design size. Shared by the folder set-up
// window (WindowX, WindowY), the maker (MakerX, MakerY) and the file dialogs (DialogX, DialogY).
std::optional<QSize> Restore_Window_Size(const Key& width, const Key& height);
// Stores a window's outer size, given in pixels, as twips.
void Save_Window_Size(const Key& width, const Key& height, QSize pixels);

}  // namespace Settings
