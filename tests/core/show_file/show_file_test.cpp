// The show file: its lines, its positional scan, its values, and writing it safely.
#include "core/show_file/show_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/show_file/line_reader.h"
#include "core/show_file/show_paths.h"
#include "support/core_fakes.h"
#include "support/files.h"

namespace {

using namespace ShowFile;

// Lines of at most 3 bytes, read in chunks of 1, 2, 3 and the usual size: a CR LF may be split
// across two chunks, and so may a line.
TEST(Line_Reader, EndsLinesAtCrLfLfOrCrWhereverTheChunksSplitThemAndRefusesLongLines) {
  using Result = Line_Reader::Result;
  const struct { QByteArray bytes; QList<QByteArray> lines; Result last; int line_number; } cases[] = {
      {"", {}, Result::End, 0},  {"A", {"A"}, Result::End, 1},  {"A\r\n\r\n", {"A", ""}, Result::End, 2},  {"A\nB\n", {"A", "B"}, Result::End, 2},
      {"A\r\rB\r", {"A", "", "B"}, Result::End, 3},  {"A\n\rB", {"A", "", "B"}, Result::End, 3},  {"\r\nA\r\nB\nC\rD", {"", "A", "B", "C", "D"}, Result::End, 5},
      {"abc\r\nabcd\nx\n", {"abc"}, Result::Too_Long, 2},  {"abcd", {}, Result::Too_Long, 1},
  };
  QTemporaryDir dir;
  for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), Line_Reader::Default_Chunk_Bytes}) for (const auto& c : cases) {
    QFile file(dir.filePath("lines.txt"));
    ASSERT_TRUE(Write_File(file.fileName(), c.bytes) && file.open(QIODevice::ReadOnly));
    Line_Reader reader(file, 3, chunk);
    QList<QByteArray> lines;
    QByteArray line;
    Result last = Result::Line;
    while ((last = reader.Next_Bytes(line)) == Result::Line) lines.append(line);
    EXPECT_EQ(std::tuple(lines, last, reader.Line_Number()), std::tuple(c.lines, c.last, c.line_number)) << c.bytes.toStdString() << " chunk " << chunk;
  }
}

// Records what a scan hands over: "Key+"/"Key-" for flags, "Key:value" for numbers and the music,
// pictures as they are. Numbers are accepted as the player accepts them.
struct Recorder : Sink {
  QStringList events;
  static QString Name(Key key) { return QStringList{"Strech", "Ratio", "Shuff", "Delay", "BackCol", "Loop", "Message", "UseMusic"}[int(key)]; }
  void Flag(Key key, bool on) override { events << Name(key) + (on ? "+" : "-"); }
  bool Number(Key key, const QString& value) override {
    events << Name(key) + ":" + value;
    return key == Key::Delay ? Delay_Milliseconds(value, QLocale::c()).has_value() : Colour_Value(value, QLocale::c()).has_value();
  }
  void Music(const QString& path) override { events << "Music:" + path; }
  void Picture(const QString& path) override { events << path; }
};

const QByteArray Options_Text = "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\nUseMusic=0\r\nMusic=\r\n";
const QStringList Option_Events = {"Strech-", "Ratio-", "Shuff-", "Delay:5", "BackCol:0", "Loop+", "Message+", "UseMusic-", "Music:"};

TEST(Show_File_Scan, ReadsEachPositionOnceAndEverythingElseAsPictures) {
  const QByteArray million(Max_Pictures, '\n');
  const struct { QByteArray bytes; QStringList events; Status status; int line; } cases[] = {
      {Options_Text + "C:\\pics\\one.jpg\r\na, b.jpg\r\n\r\n\"q\".jpg", Option_Events + QStringList{"C:\\pics\\one.jpg", "a, b.jpg", "", "\"q\".jpg"}, Status::Ok, 0},
      // An option is the exact line (key, case, spaces) at its own position; any other line is a picture.
      {"strech=true\n Ratio=1\nShuff=1\nDelay = 5\nbackcol=1\nMessage=1\nLoop=1\nUseMusic=1\nMusic=a=b\nShuff=0\n",
       {"strech=true", " Ratio=1", "Shuff+", "Delay = 5", "backcol=1", "Message=1", "Loop=1", "UseMusic+", "Music:a=b", "Shuff=0"}, Status::Ok, 0},
      {"Ratio=1\nStrech=True\nShuff=1 \nDelay=2.5\nBackCol=255\nLoop=2\nMessage\nUseMusic=0\nMusic=\n",
       {"Ratio=1", "Strech=True", "Shuff=1 ", "Delay:2.5", "BackCol:255", "Loop=2", "Message", "UseMusic-", "Music:"}, Status::Ok, 0},
      {"1\n2\n3\n4\n5\n6\n7\n8\n", {"1", "2", "3", "4", "5", "6", "7", "8"}, Status::Too_Short, 9},
      {"Strech=True\nRatio=1\nx\nDelay=66\nBackCol=0\n", {"Strech+", "Ratio+", "x", "Delay:66"}, Status::Bad_Value, 4},
      {"1\n2\n3\nDelay=0\nBackCol=-1\n", {"1", "2", "3", "Delay:0", "BackCol:-1"}, Status::Bad_Value, 5},
      {Options_Text + "a\n" + QByteArray(Max_Line_Bytes + 1, 'x') + "\nb\n", Option_Events + QStringList{"a"}, Status::Line_Too_Long, 11},
      // More than a million picture lines: refused before any line is handed over.
      {Options_Text + million, Option_Events + QStringList(Max_Pictures, ""), Status::Ok, 0},
      {Options_Text + million + "x", {}, Status::Too_Many_Pictures, Max_Pictures + 10},
      {million + "\n", {}, Status::Too_Many_Pictures, Max_Pictures + 1},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    ASSERT_TRUE(Write_File(dir.filePath("show.sli"), c.bytes));
    Recorder sink;
    const Scan_Result result = Scan(dir.filePath("show.sli"), sink);
    EXPECT_EQ(std::tuple(result.status, result.line, sink.events), std::tuple(c.status, c.line, c.events)) << c.bytes.left(40).toStdString();
  }
  // Only a regular file is read, through a link too; nothing else is even opened.
  ASSERT_TRUE(Write_File(dir.filePath("show.sli"), Options_Text) && QFile::link(dir.filePath("show.sli"), dir.filePath("link.sli")) &&
              QDir(dir.path()).mkdir("folder") && ::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
  Recorder sink;
  for (const auto& [name, status] : {std::pair("link.sli", Status::Ok), {"missing", Status::Not_A_File}, {"folder", Status::Not_A_File}, {"fifo", Status::Not_A_File}})
    EXPECT_EQ(Scan(dir.filePath(name), sink).status, status) << name;
}

TEST(Show_File_Values, DelayIsRoundedMillisecondsReadByTheLocaleAndColourAnRgbOrSystemColour) {
  const std::pair<QString, std::optional<int>> delays[] = {
      {"2.5", 2500}, {"0", 0}, {"65.535", 65535}, {"65.536", {}}, {"0.0025", 2}, {"0.0035", 4}, {"-1", {}}, {"inf", {}}, {"", {}}, {"five", {}}};
  for (const auto& [text, ms] : delays) EXPECT_EQ(Delay_Milliseconds(text, QLocale::c()), ms) << text.toStdString();
  EXPECT_EQ(Delay_Milliseconds("2,5", QLocale(QLocale::German, QLocale::Germany)), 2500);
  const std::pair<QString, std::optional<std::int32_t>> colours[] = {{"16777215", 16777215}, {"16777216", {}}, {"-1", {}}, {"-2147483648", INT32_MIN},
      {"-2147483624", INT32_MIN + 24}, {"-2147483623", {}}, {"2147483648", {}}, {"254.5", 254}, {"255.5", 256}, {"nan", {}}};
  for (const auto& [text, colour] : colours) EXPECT_EQ(Colour_Value(text, QLocale::c()), colour) << text.toStdString();
}

TEST(Show_Paths, RelativePathsLeadFromTheShowFilesFolderAndAShowFileIsTextThePlayerCanPlay) {
  const std::tuple<QString, QString, QString> paths[] = {{"/shows", "pics/./b c.jpg", "/shows/pics/b c.jpg"},
      {"/shows/x", "../y/a.gif", "/shows/y/a.gif"}, {"/", "a.jpg", "/a.jpg"}, {"/shows", "/full//a.jpg", "/full//a.jpg"}, {"/shows", "", ""}};
  for (const auto& [folder, path, read] : paths) EXPECT_EQ(From_Folder(folder, path), read) << path.toStdString();
  QTemporaryDir dir;
  const std::pair<QByteArray, bool> files[] = {{Options_Text + "/p/a.jpg\r\n", true}, {QByteArray(Options_Text).replace("Delay=5", "Delay=66"), false},
      {Options_Text + QByteArray("a.jpg\n").repeated(20000) + QByteArray(1, '\0'), false}};  // a NUL, far down: no text
  for (const auto& [bytes, show] : files) EXPECT_TRUE(Write_File(dir.filePath("f"), bytes) && Is_Show_File(dir.filePath("f")) == show) << bytes.left(40).toStdString();
}

TEST(Show_File_Write, WritesTheExactLinesOverAnOldFileThroughALinkKeepingItsPermissionsAndOwner) {
  QTemporaryDir dir;
  const QString path = dir.filePath("show.sli");
  ASSERT_TRUE(Write_File(path, "old contents") && QFile::link(path, dir.filePath("link.sli")) &&
              QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
  Fakes::Disk disk({.piece = 7});  // the system may take fewer bytes than asked
  ASSERT_TRUE(Write(disk, dir.filePath("link.sli"), {.Loop = true, .Message = true, .UseMusic = false, .Music = ""}, {"C:\\pics\\one.jpg", "/bilder/Größe 写真.gif"}));
  EXPECT_EQ(Bytes_Of(path), Options_Text + "C:\\pics\\one.jpg\r\n/bilder/Größe 写真.gif\r\n");
  const auto owner_and_mode = [&] { struct stat st {}; ::stat(QFile::encodeName(path).constData(), &st); return std::tuple(st.st_uid, st.st_gid, st.st_mode & 0777); };
  EXPECT_EQ(owner_and_mode(), std::tuple(::geteuid(), ::getegid(), 0640u));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"link.sli", "show.sli"}));
  // The superuser saving over another user's show, or another group's, leaves it theirs.
  for (const auto& [uid, gid] : {std::pair<uid_t, gid_t>(1234, 0), {0, 1234}}) {
    if (::geteuid() != 0) break;
    ASSERT_TRUE(::chown(QFile::encodeName(path).constData(), uid, gid) == 0 && Write(disk, path, {}, {"p.jpg"}));
    EXPECT_EQ(owner_and_mode(), std::tuple(uid, gid, 0640u));
  }
  EXPECT_EQ(Encode({.Strech = true, .Ratio = true, .Shuff = true, .Delay = 60, .BackCol = INT32_MIN + 5, .UseMusic = true, .Music = "/m.mid"}, {}),
            "Strech=True\r\nRatio=1\r\nShuff=1\r\nDelay=60\r\nBackCol=-2147483643\r\nLoop=0\r\nMessage=0\r\nUseMusic=1\r\nMusic=/m.mid\r\n");
}

TEST(Show_File_Write, AFailedWriteLeavesTheOldFileWholeAndNothingBesideIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("show.sli"), fifo = dir.filePath("fifo.sli"), link = dir.filePath("link.sli");
  const QByteArray old_show = Options_Text + "old.jpg\r\n";
  ASSERT_TRUE(Write_File(path, old_show) && QFile::link(fifo, link) && ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
  const struct { const char* what; QString path; Options options; QStringList pictures; Fakes::Disk_Script disk; } cases[] = {
      {"picture with LF", path, {}, {"a\nb.jpg"}, {}},  {"picture with CR", path, {}, {"ok.jpg", "a\rb.jpg"}, {}},
      {"music with CR LF", path, {.Music = "m\r\n"}, {}, {}},  {"target is a folder", dir.path(), {}, {"p.jpg"}, {}},
      {"target is a FIFO", fifo, {}, {"p.jpg"}, {}},  {"a link to a FIFO", link, {}, {"p.jpg"}, {}},
      {"parent is a file", path + "/inner.sli", {}, {"p.jpg"}, {}},  {"disk full at once", path, {}, {"p.jpg"}, {.room = 0}},
      {"disk full after 100 of 109 bytes", path, {}, {"one.jpg", "two.jpg"}, {.room = 100, .piece = 30}},
      {"sync refused", path, {}, {"p.jpg"}, {.refuse_sync = true}},  {"no file name", path, {}, {QString(QChar(0xD800))}, {}},
  };
  for (const auto& c : cases) {
    Fakes::Disk disk(c.disk);
    QString error;  // and a reason given
    EXPECT_EQ((std::pair{Write(disk, c.path, c.options, c.pictures, &error), error.isEmpty()}), std::pair(false, false)) << c.what;
    EXPECT_EQ(Bytes_Of(path), old_show) << c.what;
    // The FIFO is no entry here: a file put in its place, or a half-written one, would be.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), (QStringList{"link.sli", "show.sli"})) << c.what;
  }
}

}  // namespace
