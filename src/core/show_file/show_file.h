// The slide show file: nine option lines in a fixed order, then one picture path per line.
//
//   Strech=True|False   Ratio=1|0   Shuff=1|0   Delay=<seconds>   BackCol=<colour>
//   Loop=1|0   Message=1|0   UseMusic=1|0   Music=<path or nothing>   <picture paths...>
//
// Written lines end in CR LF; a line ends at CR LF, LF or CR when read. Whole lines are read: a
// path holding commas or quotes comes back unchanged. Paths are in the locale's file-name encoding.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "core/seams/seam_types.h"

namespace ShowFile {

// The nine options of a show, in the order of the file.
struct Options {
  bool Strech = false;      // stretch pictures to the window
  bool Ratio = false;       // when stretching, keep each picture's width:height ratio
  bool Shuff = false;       // shuffle the play list when the show loads
  int Delay = 5;            // whole seconds a picture stays; 0 = never advance by itself
  std::int32_t BackCol = 0; // background colour: red + 256 green + 65536 blue, or a system colour
  bool Loop = false;        // start again after the last picture
  bool Message = false;     // show "Paused" while paused
  bool UseMusic = false;    // play the music file
  QString Music;            // full path of the music file, possibly empty
  friend bool operator==(const Options&, const Options&) = default;
};

// The option positions of the file, in order.
enum class Key { Strech, Ratio, Shuff, Delay, BackCol, Loop, Message, UseMusic, Music };

// Receives what a positional scan recognises, in file order. A value the receiver refuses
// (returns false) makes the file invalid; what it received before stays received.
class Sink {
 public:
  virtual ~Sink() = default;
  // Strech, Ratio, Shuff, Loop, Message, UseMusic: the exact lines "Key=1"/"Key=0"
  // ("Strech=True"/"Strech=False").
  virtual void Flag(Key key, bool on) = 0;
  // Delay and BackCol: the text behind the first "=" of a line whose key is exactly the name.
  virtual bool Number(Key key, const QString& value) = 0;
  // Music: the text behind the first "=" (possibly empty).
  virtual void Music(const QString& path) = 0;
  // Any line that is not the option expected at its position, and every line after the ninth.
  virtual void Picture(const QString& path) = 0;
};

enum class Status {
  Ok,
  Not_A_File,     // missing, a folder, a FIFO, a device...
  Cannot_Read,    // open or read failed
  Too_Short,      // the file ended before the ninth option position
  Line_Too_Long,  // a line of more than Max_Line_Bytes
  Bad_Value,      // the sink refused a Delay or BackCol value
  Too_Many_Pictures,  // more than Max_Pictures picture lines
};

struct Scan_Result {
  Status status = Status::Ok;
  int line = 0;  // 1-based line where the scan stopped on a failure; 0 when Ok
  bool ok() const { return status == Status::Ok; }
};

constexpr qsizetype Max_Line_Bytes = 32768;
// A show of more picture lines is invalid.
constexpr int Max_Pictures = 1'000'000;

// Reads the file at `path` in one positional scan, handing each item to `sink`.
Scan_Result Scan(const QString& path, Sink& sink);

// The player's reading of a Delay value: a number read by `locale` (fractions allowed), in
// milliseconds rounded halves to even, 0 to 65535. Nothing for anything else (text, inf, nan).
std::optional<int> Delay_Milliseconds(const QString& value, const QLocale& locale = QLocale::system());
// A BackCol value: a number in the signed 32-bit range (fractions rounded halves to even) that is
// a valid colour: RGB 0 to 16777215, or a system colour 0x80000000 + 0..24.
std::optional<std::int32_t> Colour_Value(const QString& value, const QLocale& locale = QLocale::system());
bool Is_Valid_Colour(std::int64_t value);

// Writes a show file: the nine option lines, then the pictures, every line ending in CR LF. The
// file is written beside its place on `disk`, flushed to the disk and checked, and only then put in
// the place of the old one, so a failed write (a full disk too) leaves the old file byte for byte.
// A link is followed; a folder, device or FIFO in the file's place is refused. On failure returns
// false and, when `error` is given, a reason.
bool Write(Platform::DiskSeam& disk, const QString& path, const Options& options,
           const QStringList& pictures, QString* error = nullptr);

// The lines Write produces, as bytes (for tests and the run-file writers that need the text).
QByteArray Encode(const Options& options, const QStringList& pictures);

}  // namespace ShowFile
