#include "core/show_file/show_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/show_file/line_reader.h"

namespace ShowFile {
namespace {

struct Position {
  Key key;
  QLatin1StringView name;
  QLatin1StringView on;   // the whole line that switches a flag on; empty for the other keys
  QLatin1StringView off;
};

constexpr bool Is_Flag(Key key) { return key != Key::Delay && key != Key::BackCol && key != Key::Music; }

const std::array<Position, 9> Positions = {{
    {Key::Strech, QLatin1StringView("Strech"), QLatin1StringView("Strech=True"), QLatin1StringView("Strech=False")},
    {Key::Ratio, QLatin1StringView("Ratio"), QLatin1StringView("Ratio=1"), QLatin1StringView("Ratio=0")},
    {Key::Shuff, QLatin1StringView("Shuff"), QLatin1StringView("Shuff=1"), QLatin1StringView("Shuff=0")},
    {Key::Delay, QLatin1StringView("Delay"), {}, {}},
    {Key::BackCol, QLatin1StringView("BackCol"), {}, {}},
    {Key::Loop, QLatin1StringView("Loop"), QLatin1StringView("Loop=1"), QLatin1StringView("Loop=0")},
    {Key::Message, QLatin1StringView("Message"), QLatin1StringView("Message=1"), QLatin1StringView("Message=0")},
    {Key::UseMusic, QLatin1StringView("UseMusic"), QLatin1StringView("UseMusic=1"), QLatin1StringView("UseMusic=0")},
    {Key::Music, QLatin1StringView("Music"), {}, {}},
}};

// The text behind the first "=" when the text in front of it is exactly `name`.
std::optional<QString> Value_Of(const QString& line, QLatin1StringView name) {
  const qsizetype equals = line.indexOf(QLatin1Char('='));
  if (equals < 0 || QStringView(line).left(equals) != name) return std::nullopt;
  return line.mid(equals + 1);
}

// A number as `locale` reads it, refusing anything that is not finite.
std::optional<double> Finite_Number(const QString& value, const QLocale& locale) {
  bool ok = false;
  const double number = locale.toDouble(value, &ok);
  if (!ok || !std::isfinite(number)) return std::nullopt;
  return number;
}

// Whether `line` is the option that `position` expects (a Delay or BackCol line of any value).
bool Is_Option(const Position& position, const QString& line) {
  if (Is_Flag(position.key)) return line == position.on || line == position.off;
  return Value_Of(line, position.name).has_value();
}

// The number of the first picture line beyond Max_Pictures, counted without keeping any line; 0
// when there is none (or the file cannot be read through, which the scan proper reports).
int Picture_Too_Many(QFile& file) {
  Line_Reader reader(file, Max_Line_Bytes);
  QByteArray line;
  int pictures = 0;
  while (reader.Next_Bytes(line) == Line_Reader::Result::Line) {
    const int number = reader.Line_Number();
    const bool option = number <= static_cast<int>(Positions.size()) &&
                        Is_Option(Positions[number - 1], QFile::decodeName(line));
    if (!option && ++pictures > Max_Pictures) return number;
  }
  return 0;
}

QByteArray Flag_Line(const char* key, bool on) { return QByteArray(key) + (on ? "=1" : "=0"); }

bool Holds_Line_End(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Checks that a path can be written as one line and read back unchanged.
bool Storable(const QString& path, QString* error) {
  if (Holds_Line_End(path)) {
    if (error) *error = QStringLiteral("The path \"%1\" holds a line break.").arg(path);
    return false;
  }
  if (QFile::decodeName(QFile::encodeName(path)) != path) {
    if (error) *error = QStringLiteral("The path \"%1\" cannot be written in the file name encoding.").arg(path);
    return false;
  }
  return true;
}

}  // namespace

Scan_Result Scan(const QString& path, Sink& sink) {
  if (path.isEmpty()) return {Status::Not_A_File, 0};
  const QFileInfo info(path);  // follows links
  if (!info.exists() || !info.isFile()) return {Status::Not_A_File, 0};

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {Status::Cannot_Read, 0};
  // A show of too many pictures is refused before any of them is handed over.
  if (const int line = Picture_Too_Many(file)) return {Status::Too_Many_Pictures, line};
  if (!file.seek(0)) return {Status::Cannot_Read, 0};
  Line_Reader reader(file, Max_Line_Bytes);

  QString line;
  auto failure = [&](Line_Reader::Result result) -> Scan_Result {
    const Status status = result == Line_Reader::Result::Too_Long ? Status::Line_Too_Long : Status::Cannot_Read;
    return {status, reader.Line_Number()};
  };

  for (const Position& position : Positions) {
    const Line_Reader::Result result = reader.Next(line);
    if (result == Line_Reader::Result::End) return {Status::Too_Short, reader.Line_Number() + 1};
    if (result != Line_Reader::Result::Line) return failure(result);

    if (Is_Flag(position.key)) {
      if (line == position.on) {
        sink.Flag(position.key, true);
      } else if (line == position.off) {
        sink.Flag(position.key, false);
      } else {
        sink.Picture(line);
      }
      continue;
    }
    const std::optional<QString> value = Value_Of(line, position.name);
    if (!value) {
      sink.Picture(line);
    } else if (position.key == Key::Music) {
      sink.Music(*value);
    } else if (!sink.Number(position.key, *value)) {
      return {Status::Bad_Value, reader.Line_Number()};
    }
  }

  for (;;) {
    const Line_Reader::Result result = reader.Next(line);
    if (result == Line_Reader::Result::End) return {Status::Ok, 0};
    if (result != Line_Reader::Result::Line) return failure(result);
    sink.Picture(line);
  }
}

std::optional<int> Delay_Milliseconds(const QString& value, const QLocale& locale) {
  const std::optional<double> seconds = Finite_Number(value, locale);
  if (!seconds) return std::nullopt;
  const double milliseconds = std::nearbyint(*seconds * 1000.0);
  if (!(milliseconds >= 0.0 && milliseconds <= 65535.0)) return std::nullopt;
  return static_cast<int>(milliseconds);
}

std::optional<std::int32_t> Colour_Value(const QString& value, const QLocale& locale) {
  const std::optional<double> number = Finite_Number(value, locale);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  const auto colour = static_cast<std::int32_t>(rounded);
  if (!Is_Valid_Colour(colour)) return std::nullopt;
  return colour;
}

bool Is_Valid_Colour(std::int64_t value) {
  constexpr std::int64_t System_Base = std::numeric_limits<std::int32_t>::min();  // 0x80000000 as signed
  constexpr std::int64_t Last_System_Index = 24;
  return (value >= 0 && value <= 0xFFFFFF) || (value >= System_Base && value <= System_Base + Last_System_Index);
}

QByteArray Encode(const Options& options, const QStringList& pictures) {
  QList<QByteArray> lines = {
      QByteArray("Strech=") + (options.Strech ? "True" : "False"),
      Flag_Line("Ratio", options.Ratio),
      Flag_Line("Shuff", options.Shuff),
      "Delay=" + QByteArray::number(options.Delay),
      "BackCol=" + QByteArray::number(options.BackCol),
      Flag_Line("Loop", options.Loop),
      Flag_Line("Message", options.Message),
      Flag_Line("UseMusic", options.UseMusic),
      "Music=" + QFile::encodeName(options.Music),
  };
  for (const QString& picture : pictures) lines.append(QFile::encodeName(picture));

  QByteArray text;
  for (const QByteArray& line : lines) text += line + "\r\n";
  return text;
}

namespace {

QString System_Error(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The file a save replaces: a link's target (the link stays), or the path itself. Refuses a target
// that exists and is not a regular file (a folder, a device, a FIFO): nothing may be put there.
std::optional<QString> Replaced_File(const QString& path, QString& reason) {
  const QFileInfo info(path);
  QString target = path;
  if (info.isSymLink()) target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
  struct stat st {};
  if (::stat(QFile::encodeName(target).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    reason = QStringLiteral("it is not a file");
    return std::nullopt;
  }
  return target;
}

// Writes `bytes` to a new file beside `target` and puts it in the target's place: every write is
// checked, the data is flushed to the disk and that is checked, the size on the disk is compared,
// and only then the new file replaces the old one. Any failure removes the new file and leaves the
// old one as it was.
bool Replace_File(Platform::DiskSeam& disk, const QString& target, const QByteArray& bytes,
                  QString& reason) {
  const QFileInfo info(target);
  const QByteArray folder = QFile::encodeName(info.absolutePath());
  // A replaced file keeps its permissions and owner; a new one gets the usual permissions (the
  // umask applies).
  struct stat old {};
  const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
  const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;

  QByteArray temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folder + '/' + '.' + QFile::encodeName(info.fileName()) + '.' +
           QByteArray::number(QRandomGenerator::global()->generate(), 36);
    fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    reason = System_Error(errno);
    return false;
  }
  auto fail = [&](int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.constData());
    reason = System_Error(error);
    return false;
  };
  if (replacing) {
    if (::fchmod(fd, mode) != 0) return fail(errno);
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(fd, old.st_uid, old.st_gid);
  }

  const char* data = bytes.constData();
  std::size_t left = static_cast<std::size_t>(bytes.size());
  while (left > 0) {
    const long written = disk.Write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return fail(written < 0 ? errno : ENOSPC);
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (!disk.Sync(fd)) return fail(errno);
  struct stat on_disk {};
  if (::fstat(fd, &on_disk) != 0) return fail(errno);
  if (on_disk.st_size != bytes.size()) return fail(EIO);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (::rename(temp.constData(), QFile::encodeName(target).constData()) != 0) return fail(errno);
  // The new name itself is on the disk once the folder is: where a folder cannot be synced the
  // file is in place all the same.
  const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

bool Write(Platform::DiskSeam& disk, const QString& path, const Options& options,
           const QStringList& pictures, QString* error) {
  if (!Storable(options.Music, error)) return false;
  for (const QString& picture : pictures) {
    if (!Storable(picture, error)) return false;
  }
  QString reason;
  const std::optional<QString> target = Replaced_File(path, reason);
  if (!target || !Replace_File(disk, *target, Encode(options, pictures), reason)) {
    if (error) *error = QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
    return false;
  }
  return true;
}

}  // namespace ShowFile
