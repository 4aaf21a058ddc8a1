#include "core/settings/settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace Settings {

namespace {

constexpr char Organisation[] = "Vistabel";

QString Address(const QString& section, const QString& key) { return section + u'/' + key; }

constexpr QFileDevice::Permissions Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// A number as the locale writes it, or plainly; nothing for other text and for infinities.
std::optional<double> Read_Number(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  bool ok = false;
  double v = QLocale::system().toDouble(t, &ok);
  if (!ok) v = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

// Rounded to the nearest whole number (halves to even) and within [low, high].
std::optional<double> Whole_In(const QString& text, double low, double high) {
  const auto v = Read_Number(text);
  if (!v) return std::nullopt;
  const double r = std::nearbyint(*v);
  if (r < low || r > high) return std::nullopt;
  return r;
}

// QSettings reports a file that it cannot parse only to the first reader after the file changed:
// later readers share that reader's parsed values. So the program remembers which file, as it was
// then, could not be read, and treats it as unreadable until it changes.
struct Stamp {
  qint64 size = 0;
  QDateTime modified;
};

bool Readable(const QSettings& store) {
  static QHash<QString, Stamp> unreadable;
  // Sections are parsed on first use: parse them all, so that the status tells of the whole file.
  (void)store.allKeys();
  const QFileInfo info(store.fileName());
  if (store.status() == QSettings::FormatError) {
    unreadable.insert(store.fileName(), {info.size(), info.lastModified()});
    return false;
  }
  const auto it = unreadable.constFind(store.fileName());
  if (it == unreadable.cend()) return true;
  if (info.exists() && it->size == info.size() && it->modified == info.lastModified()) return false;
  unreadable.erase(it);
  return true;
}

}  // namespace

QString Store_File(const QString& app_name) {
  // Where QSettings keeps the user's file of the organisation and application.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
         QString::fromLatin1(Organisation) + u'/' + app_name + QStringLiteral(".conf");
}

namespace {

// What the settings file is. Only an absent file or a regular one that the user may write, of
// at most Max_Store_Bytes, is ever opened: anything else is left as it is, unread.
enum class Store_State { Absent, Usable, Not_A_File, Read_Only, Too_Large, Unreachable };

constexpr qint64 Max_Store_Bytes = 1024 * 1024;

struct Store_Check {
  Store_State state = Store_State::Absent;
  int error = 0;       // for Unreachable
  QString identity;    // what is in the file's place (its node and kind), to tell it apart
};

Store_Check Check_Store(const QString& file) {
  const QByteArray name = QFile::encodeName(file);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0)
    return {errno == ENOENT ? Store_State::Absent : Store_State::Unreachable, errno, {}};
  Store_Check check{Store_State::Usable, 0,
                    QStringLiteral("%1:%2:%3").arg(st.st_dev).arg(st.st_ino).arg(st.st_mode)};
  // A link counts as what it leads to; a link that leads nowhere is no file.
  const bool leads = ::stat(name.constData(), &st) == 0;
  if (leads) check.identity += QStringLiteral(" %1:%2:%3").arg(st.st_dev).arg(st.st_ino).arg(st.st_mode);
  if (!leads || !S_ISREG(st.st_mode)) {
    check.state = Store_State::Not_A_File;
  } else if (st.st_size > Max_Store_Bytes) {
    check.state = Store_State::Too_Large;
  } else if (!(st.st_mode & S_IWUSR) || ::access(name.constData(), W_OK) != 0) {
    // Read-only: without its owner's write permission (the read-only mark), or not writable by
    // the user (even where the superuser could write it).
    check.state = Store_State::Read_Only;
  }
  return check;
}

// Whether the settings file may be read and written. When it may not, says why in one line on
// standard error, once for each thing found in the file's place.
bool Usable(const QString& file, const Store_Check& check) {
  const char* why = "";
  switch (check.state) {
    case Store_State::Usable: return true;
    case Store_State::Absent: return false;
    case Store_State::Not_A_File: why = "is not a regular file"; break;
    case Store_State::Read_Only: why = "is read-only"; break;
    case Store_State::Too_Large: why = "is larger than 1 MB"; break;
    case Store_State::Unreachable: why = std::strerror(check.error); break;
  }
  static QSet<QString> told;
  const QString key = file + u'\n' + check.identity + u'\n' + QString::number(static_cast<int>(check.state));
  if (!told.contains(key)) {
    told.insert(key);
    std::fprintf(stderr,
                 "vistabel: the settings file %s %s: it is left as it is, the defaults are used and "
                 "nothing is saved\n",
                 QFile::encodeName(file).constData(), why);
    std::fflush(stderr);
  }
  return false;
}

}  // namespace

QString GetSetting(const QString& app_name, const QString& section, const QString& key,
                   const QString& default_text) {
  const QString file = Store_File(app_name);
  if (!Usable(file, Check_Store(file))) return default_text;
  QSettings store(file, QSettings::IniFormat);
  // A store that cannot be read as a whole gives the defaults, not half of its values.
  if (!Readable(store)) return default_text;
  const QVariant value = store.value(Address(section, key));
  if (!value.isValid()) return default_text;
  // An unquoted value with commas, written by hand, reads back as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  if (!value.canConvert<QString>()) return default_text;
  return value.toString();
}

void SaveSetting(const QString& app_name, const QString& section, const QString& key,
                 const QString& text) {
  const QString file = Store_File(app_name);
  Store_Check check = Check_Store(file);
  if (check.state == Store_State::Usable) {
    QSettings store(file, QSettings::IniFormat);
    if (!Readable(store)) {
      // A file that is not a settings file cannot be updated in place: keep it beside the store
      // for the user and start a fresh one.
      const QString aside = file + QStringLiteral(".unreadable");
      QFile::remove(aside);
      if (!QFile::rename(file, aside)) QFile::remove(file);
      check = Check_Store(file);
    }
  }
  if (check.state == Store_State::Absent) {
    // Created private, so that no value is ever readable by others, not even for a moment.
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile create(file);
    if (create.open(QIODevice::WriteOnly | QIODevice::NewOnly, Private)) create.close();
    check = Check_Store(file);
  }
  if (!Usable(file, check)) return;
  QSettings store(file, QSettings::IniFormat);
  store.setValue(Address(section, key), text);
  store.sync();
}

// ---- the keys ----

const Key btnFocus{App_Vistabel, "btnFocus", Encoding::Whole, "0"};
const Key WindowX{App_Vistabel, "WindowX", Encoding::Size, "0"};
const Key WindowY{App_Vistabel, "WindowY", Encoding::Size, "0"};
const Key Display_Mode{App_Vistabel, "Display Mode", Encoding::Truth, "True"};
const Key Keep_Ratio{App_Vistabel, "Keep Ratio", Encoding::Whole, "1"};
const Key Delay{App_Vistabel, "Delay", Encoding::Whole, "5"};
const Key Loop{App_Vistabel, "Loop", Encoding::Whole, "1"};
const Key Shuffle{App_Vistabel, "Shuffle", Encoding::Whole, "0"};
const Key Pause_Message{App_Vistabel, "Pause Message", Encoding::Whole, "1"};
const Key Sub_Dirs{App_Vistabel, "Sub Dirs", Encoding::Whole, "0"};
const Key Colour{App_Vistabel, "Colour", Encoding::Colour, "0"};
const Key UseMusic{App_Vistabel, "UseMusic", Encoding::Whole, "0"};
const Key MusicPath{App_Vistabel, "MusicPath", Encoding::Text, ""};
// The drive list's first entry and the root folder here ("c:" and "c:\" on Windows).
const Key Drive{App_Vistabel, "Drive", Encoding::Text, "/"};
const Key Path{App_Vistabel, "Path", Encoding::Text, "/"};
const Key DialogX{App_Vistabel, "DialogX", Encoding::Size, "0"};
const Key DialogY{App_Vistabel, "DialogY", Encoding::Size, "0"};
const Key Dialog_Path{App_Vistabel, "Dialog Path", Encoding::Text, ""};

const Key MakerX{App_Maker, "MakerX", Encoding::Size, "0"};
const Key MakerY{App_Maker, "MakerY", Encoding::Size, "0"};
const Key Maker_Display_Mode{App_Maker, "Display Mode", Encoding::Truth, "True"};
const Key Maker_Keep_Ratio{App_Maker, "Keep Ratio", Encoding::Whole, "1"};
const Key Maker_Delay{App_Maker, "Delay", Encoding::Whole, "5"};
const Key Maker_Colour{App_Maker, "Colour", Encoding::Colour, "0"};
const Key Maker_Loop{App_Maker, "Loop", Encoding::Whole, "1"};
const Key Maker_Shuffle{App_Maker, "Shuffle", Encoding::Whole, "0"};
const Key Maker_Pause_Message{App_Maker, "Pause Message", Encoding::Whole, "1"};
const Key Preview{App_Maker, "Preview", Encoding::Whole, "1"};
const Key Maker_Drive{App_Maker, "Drive", Encoding::Text, "/"};
const Key Maker_Path{App_Maker, "Path", Encoding::Text, "/"};

// ---- conversions ----

std::optional<std::int16_t> To_Whole(const QString& text) {
  const auto v = Whole_In(text, std::numeric_limits<std::int16_t>::min(),
                          std::numeric_limits<std::int16_t>::max());
  if (!v) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

std::optional<std::int32_t> To_Colour(const QString& text) {
  const auto v = Whole_In(text, std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max());
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

std::optional<bool> To_Truth(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  // A number is true when it is not zero.
  const auto v = Read_Number(t);
  if (!v) return std::nullopt;
  return *v != 0.0;
}

std::optional<std::int32_t> To_Size(const QString& text) {
  const auto v = Whole_In(text, 0, Max_Size_Twips);
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

QString Whole_Text(std::int16_t value) { return QString::number(value); }
QString Colour_Text(std::int32_t value) { return QString::number(value); }
QString Truth_Text(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString Size_Text(std::int32_t twips) { return QString::number(twips); }

// ---- typed reads and writes ----

namespace {

QString Read(const Key& key) {
  return GetSetting(QString::fromLatin1(key.app), QString::fromLatin1(Section),
                    QString::fromLatin1(key.name), QString::fromLatin1(key.default_text));
}

void Write(const Key& key, const QString& text) {
  SaveSetting(QString::fromLatin1(key.app), QString::fromLatin1(Section),
              QString::fromLatin1(key.name), text);
}

template <class Convert>
auto Read_Or_Default(const Key& key, Convert convert) {
  if (auto v = convert(Read(key))) return *v;
  return *convert(QString::fromLatin1(key.default_text));
}

}  // namespace

std::int16_t Get_Whole(const Key& key) { return Read_Or_Default(key, To_Whole); }
std::int32_t Get_Colour(const Key& key) { return Read_Or_Default(key, To_Colour); }
bool Get_Truth(const Key& key) { return Read_Or_Default(key, To_Truth); }
std::int32_t Get_Size(const Key& key) { return Read_Or_Default(key, To_Size); }
QString Get_Text(const Key& key) { return Read(key); }

void Save_Whole(const Key& key, std::int16_t value) { Write(key, Whole_Text(value)); }
void Save_Colour(const Key& key, std::int32_t value) { Write(key, Colour_Text(value)); }
void Save_Truth(const Key& key, bool value) { Write(key, Truth_Text(value)); }
void Save_Size(const Key& key, std::int32_t twips) { Write(key, Size_Text(twips)); }
void Save_Text(const Key& key, const QString& text) { Write(key, text); }

std::optional<QSize> Restore_Window_Size(const Key& width, const Key& height) {
  const std::int32_t w = Get_Size(width);
  const std::int32_t h = Get_Size(height);
  if (w == 0 || h == 0) return std::nullopt;
  // 15 twips to a pixel, to the nearest pixel with halves to the even neighbour.
  return QSize(static_cast<int>(std::nearbyint(w / 15.0)), static_cast<int>(std::nearbyint(h / 15.0)));
}

void Save_Window_Size(const Key& width, const Key& height, QSize pixels) {
  const auto twips = [](int px) {
    return static_cast<std::int32_t>(std::clamp<long long>(px * 15LL, 0, Max_Size_Twips));
  };
  Save_Size(width, twips(pixels.width()));
  Save_Size(height, twips(pixels.height()));
}

}  // namespace Settings
