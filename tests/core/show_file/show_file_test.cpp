#include "core/show_file/show_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "support/core_fakes.h"
#include "support/files.h"
#include "support/small_disk.h"

namespace {

using namespace ShowFile;

// Records what a scan hands over, accepting numbers the way the player reads them.
struct Recorder : Sink {
  QStringList events;
  static QString Name(Key key) {
    static const char* names[] = {"Strech", "Ratio", "Shuff", "Delay", "BackCol", "Loop", "Message", "UseMusic", "Music"};
    return QString::fromLatin1(names[static_cast<int>(key)]);
  }
  void Flag(Key key, bool on) override { events << Name(key) + (on ? "=1" : "=0"); }
  bool Number(Key key, const QString& value) override {
    events << Name(key) + ":" + value;
    return key == Key::Delay ? Delay_Milliseconds(value, QLocale::c()).has_value()
                             : Colour_Value(value, QLocale::c()).has_value();
  }
  void Music(const QString& path) override { events << "Music:" + path; }
  void Picture(const QString& path) override { events << "Picture:" + path; }
};

QString Make_File(const QTemporaryDir& dir, const QByteArray& bytes) {
  EXPECT_TRUE(Write_File(dir.filePath("show.sli"), bytes));
  return dir.filePath("show.sli");
}

const QByteArray Options_Text =
    "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\nUseMusic=0\r\nMusic=\r\n";
const QStringList Option_Events = {"Strech=0", "Ratio=0", "Shuff=0", "Delay:5", "BackCol:0",
                                   "Loop=1",   "Message=1", "UseMusic=0", "Music:"};
QStringList Pictures(std::initializer_list<const char*> paths) {
  QStringList events;
  for (const char* path : paths) events << QString("Picture:") + QString::fromUtf8(path);
  return events;
}

TEST(Show_File_Scan, ReadsEachPositionOnceAndEverythingElseAsPictures) {
  const struct {
    const char* what;
    QByteArray bytes;
    QStringList events;
    Status status;
    int line;
  } cases[] = {
      {"options and pictures", Options_Text + "C:\\pics\\one.jpg\r\nC:\\pics\\two.gif", Option_Events + Pictures({"C:\\pics\\one.jpg", "C:\\pics\\two.gif"}), Status::Ok, 0},
      {"nine option lines only", Options_Text, Option_Events, Status::Ok, 0},
      {"paths only", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", Pictures({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), Status::Ok, 0},
      {"eight lines", "1\n2\n3\n4\n5\n6\n7\n8\n", Pictures({"1", "2", "3", "4", "5", "6", "7", "8"}), Status::Too_Short, 9},
      {"empty file", "", {}, Status::Too_Short, 1},
      {"not exact keys", "strech=true\n Strech=True\nShuff=1 \nDelay = 5\nbackcol=1\nLoop=2\nMessage\nUseMusic=1\nMusic=a=b\n",
       Pictures({"strech=true", " Strech=True", "Shuff=1 ", "Delay = 5", "backcol=1", "Loop=2", "Message"}) + QStringList{"UseMusic=1", "Music:a=b"}, Status::Ok, 0},
      {"out of order", "Ratio=1\nStrech=True\nShuff=1\nDelay=2.5\nBackCol=255\nMessage=1\nLoop=1\nUseMusic=1\nMusic=/m.mid\nShuff=0\n",
       Pictures({"Ratio=1", "Strech=True"}) + QStringList{"Shuff=1", "Delay:2.5", "BackCol:255"} + Pictures({"Message=1", "Loop=1"}) +
           QStringList{"UseMusic=1", "Music:/m.mid"} + Pictures({"Shuff=0"}), Status::Ok, 0},
      {"empty lines and commas kept", Options_Text + "a, b.jpg\r\n\r\n\"q\".jpg\r\n\r\n", Option_Events + Pictures({"a, b.jpg", "", "\"q\".jpg", ""}), Status::Ok, 0},
      {"delay refused", "Strech=True\nRatio=1\nx\nDelay=66\nBackCol=0\n", {"Strech=1", "Ratio=1", "Picture:x", "Delay:66"}, Status::Bad_Value, 4},
      {"colour refused", "1\n2\n3\nDelay=0\nBackCol=-1\n", Pictures({"1", "2", "3"}) + QStringList{"Delay:0", "BackCol:-1"}, Status::Bad_Value, 5},
      {"too long", Options_Text + "a\n" + QByteArray(Max_Line_Bytes + 1, 'x') + "\nb\n", Option_Events + Pictures({"a"}), Status::Line_Too_Long, 11},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    Recorder sink;
    const Scan_Result result = Scan(Make_File(dir, c.bytes), sink);
    EXPECT_EQ(sink.events, c.events) << c.what;
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(result.line, c.line) << c.what;
  }
}

TEST(Show_File_Scan, ReadsOnlyRegularFilesFollowingLinks) {
  QTemporaryDir dir;
  const QString show = Make_File(dir, Options_Text + "p\n");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(show, dir.filePath("link.sli")));
  ASSERT_TRUE(QFile::link(dir.filePath("folder"), dir.filePath("folder-link")));
  const struct { QString path; Status status; } cases[] = {
      {dir.filePath("link.sli"), Status::Ok},         {dir.filePath("missing.sli"), Status::Not_A_File},
      {dir.filePath("folder"), Status::Not_A_File},   {dir.filePath("folder-link"), Status::Not_A_File},
      {dir.filePath("fifo"), Status::Not_A_File},     {"/dev/null", Status::Not_A_File},
      {"", Status::Not_A_File},
  };
  for (const auto& c : cases) {
    Recorder sink;
    EXPECT_EQ(Scan(c.path, sink).status, c.status) << c.path.toStdString();
    EXPECT_EQ(sink.events.size(), c.status == Status::Ok ? 10 : 0) << c.path.toStdString();
  }
}

// More than a million picture lines make a file invalid, and it is refused before anything of it
// is handed over: a file of millions of empty lines costs no memory.
TEST(Show_File_Scan, AFileOfMoreThanAMillionPicturesIsRefusedBeforeAnyIsRead) {
  struct Counter : Sink {
    int options = 0;
    int pictures = 0;
    void Flag(Key, bool) override { ++options; }
    bool Number(Key, const QString&) override { return ++options; }
    void Music(const QString&) override { ++options; }
    void Picture(const QString&) override { ++pictures; }
  };
  const QByteArray million(Max_Pictures, '\n');
  const struct {
    const char* what;
    QByteArray bytes;
    Status status;
    int options;
    int pictures;
    int line;
  } cases[] = {
      {"options and a million pictures", Options_Text + million, Status::Ok, 9, Max_Pictures, 0},
      {"options and one more", Options_Text + million + "x", Status::Too_Many_Pictures, 0, 0, Max_Pictures + 10},
      {"a million lines, no option", million, Status::Ok, 0, Max_Pictures, 0},
      {"a million and one lines, no option", million + "\n", Status::Too_Many_Pictures, 0, 0, Max_Pictures + 1},
      {"three options and a million", "Strech=True\nRatio=1\nShuff=0\n" + million, Status::Ok, 3, Max_Pictures, 0},
      {"three options and one more", "Strech=True\nRatio=1\nShuff=0\n" + million + "\n", Status::Too_Many_Pictures, 0, 0, Max_Pictures + 4},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    Counter sink;
    const Scan_Result result = Scan(Make_File(dir, c.bytes), sink);
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(result.line, c.line) << c.what;
    EXPECT_EQ(sink.options, c.options) << c.what;
    EXPECT_EQ(sink.pictures, c.pictures) << c.what;
  }
}

TEST(Show_File_Values, DelayIsReadInRoundedMillisecondsByTheLocale) {
  const QLocale german(QLocale::German, QLocale::Germany);
  const struct { QString text; QLocale locale; std::optional<int> ms; } cases[] = {
      {"2.5", QLocale::c(), 2500},  {"2,5", german, 2500},        {"0", QLocale::c(), 0},
      {"65.535", QLocale::c(), 65535}, {"65.536", QLocale::c(), {}}, {"66", QLocale::c(), {}},
      {"0.0025", QLocale::c(), 2},  {"0.0035", QLocale::c(), 4},  {"65.5355", QLocale::c(), {}},
      {"-1", QLocale::c(), {}},     {"inf", QLocale::c(), {}},    {"nan", QLocale::c(), {}},
      {"", QLocale::c(), {}},       {"five", QLocale::c(), {}},   {"1e400", QLocale::c(), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Delay_Milliseconds(c.text, c.locale), c.ms) << c.text.toStdString();
}

TEST(Show_File_Values, ColourIsAnRgbValueOrASystemColour) {
  const struct { QString text; std::optional<std::int32_t> colour; } cases[] = {
      {"255", 255},   {"16777215", 16777215}, {"16777216", {}},  {"-1", {}},
      {"-2147483648", INT32_MIN}, {"-2147483624", INT32_MIN + 24}, {"-2147483623", {}},
      {"2147483648", {}}, {"1e10", {}}, {"254.5", 254}, {"255.5", 256}, {"nan", {}}, {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Colour_Value(c.text, QLocale::c()), c.colour) << c.text.toStdString();
  EXPECT_FALSE(Is_Valid_Colour(0x80000000LL));  // only as a signed 32-bit number
}

TEST(Show_File_Write, WritesTheExactLinesOverAnOldFileThroughALink) {
  QTemporaryDir dir;
  const QString path = Make_File(dir, "old contents");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
  ASSERT_TRUE(QFile::link(path, dir.filePath("link.sli")));
  Options options;  // stretch off, 5 seconds, black
  options.Loop = options.Message = true;
  Fakes::Disk disk({.piece = 7});  // the system may take fewer bytes than asked
  ASSERT_TRUE(Write(disk, dir.filePath("link.sli"), options, {"C:\\pics\\one.jpg", "C:\\pics\\two.gif"}));
  EXPECT_EQ(Bytes_Of(path), Options_Text + "C:\\pics\\one.jpg\r\nC:\\pics\\two.gif\r\n");
  EXPECT_EQ(disk.syncs, 1);
  EXPECT_TRUE(QFileInfo(dir.filePath("link.sli")).isSymLink());
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"link.sli", "show.sli"}));
  EXPECT_TRUE(Encode({.Strech = true, .Ratio = true, .Shuff = true, .Delay = 60, .BackCol = INT32_MIN + 5,
                      .UseMusic = true, .Music = "/m.mid"}, {})
                  .startsWith("Strech=True\r\nRatio=1\r\nShuff=1\r\nDelay=60\r\nBackCol=-2147483643\r\nLoop=0\r\nMessage=0\r\nUseMusic=1\r\nMusic=/m.mid\r\n"));
}

// The superuser saving over another user's show (or one of another group) leaves it theirs.
TEST(Show_File_Write, ASavedShowKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file to another user";
  const std::pair<uid_t, gid_t> owners[] = {{1234, 0}, {0, 1234}, {1234, 4321}};
  for (const auto& [uid, gid] : owners) {
    QTemporaryDir dir;
    const QString path = Make_File(dir, "old contents");
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), uid, gid), 0);
    Fakes::Disk disk;
    ASSERT_TRUE(Write(disk, path, {}, {"p.jpg"}));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid, gid));
  }
}

TEST(Show_File_Write, PathsComeBackUnchangedThroughAScan) {
  QTemporaryDir dir;
  const QStringList pictures = {"/pics/a, b.jpg", "/pics/\"quoted\".jpg", " /pics/spaced name .png", "",
                                "/bilder/Größe Ünï 写真.gif", "/pics/a, b.jpg"};
  const Options options{.Strech = true, .Delay = 0, .BackCol = 16777215, .UseMusic = true, .Music = "/music/x, \"y\" é.mid"};
  Fakes::Disk disk;
  ASSERT_TRUE(Write(disk, dir.filePath("round.sli"), options, pictures));
  Recorder sink;
  ASSERT_TRUE(Scan(dir.filePath("round.sli"), sink).ok());
  QStringList expected = {"Strech=1", "Ratio=0", "Shuff=0", "Delay:0", "BackCol:16777215", "Loop=0", "Message=0", "UseMusic=1", "Music:" + options.Music};
  for (const QString& picture : pictures) expected << "Picture:" + picture;
  EXPECT_EQ(sink.events, expected);
}

TEST(Show_File_Write, AFailedWriteLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = Make_File(dir, Options_Text + "old.jpg\r\n");
  const QStringList many(2000, "/a/rather/long/picture/path.jpg");
  const struct {
    const char* what;
    QString path;
    Options options;
    QStringList pictures;
    Fakes::Disk_Script disk;
    bool file_size_limit;
  } cases[] = {
      {"picture with LF", path, {}, {"a\nb.jpg"}, {}, false},
      {"picture with CR", path, {}, {"ok.jpg", "a\rb.jpg"}, {}, false},
      {"music with CR LF", path, {.Music = "m\r\n"}, {}, {}, false},
      {"target is a folder", dir.path(), {}, {"p.jpg"}, {}, false},
      {"parent is a file", path + "/inner.sli", {}, {"p.jpg"}, {}, false},
      {"the system's file size limit", path, {}, many, {}, true},
      {"disk full at once", path, {}, {"p.jpg"}, {.room = 0}, false},
      {"disk full after 100 of 109 bytes", path, {}, {"one.jpg", "two.jpg"}, {.room = 100, .piece = 30}, false},
      {"disk full at the last byte", path, {}, {"p.jpg"}, {.room = static_cast<std::size_t>(Encode({}, {"p.jpg"}).size() - 1)}, false},
      {"sync refused", path, {}, {"p.jpg"}, {.refuse_sync = true}, false},
  };
  for (const auto& c : cases) {
    Fakes::Disk disk(c.disk);
    QString error;
    bool written = true;
    if (c.file_size_limit) {  // a limit holds even for root, where permissions do not
      rlimit saved{};
      ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
      const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
      rlimit small = saved;
      small.rlim_cur = 4096;
      ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
      written = Write(disk, c.path, c.options, c.pictures, &error);
      ::setrlimit(RLIMIT_FSIZE, &saved);
      std::signal(SIGXFSZ, old_handler);
    } else {
      written = Write(disk, c.path, c.options, c.pictures, &error);
    }
    EXPECT_FALSE(written) << c.what;
    EXPECT_FALSE(error.isEmpty()) << c.what;
    EXPECT_EQ(Bytes_Of(path), Options_Text + "old.jpg\r\n") << c.what;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"show.sli"}) << c.what;
  }
}

TEST(Show_File_Write, NothingIsWrittenInThePlaceOfAFifoOrThroughALinkToIt) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo.sli");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(fifo, dir.filePath("link.sli")));
  Fakes::Disk disk;
  for (const QString& path : {fifo, dir.filePath("link.sli")}) {
    QString error;
    EXPECT_FALSE(Write(disk, path, {}, {"p.jpg"}, &error)) << path.toStdString();
    EXPECT_FALSE(error.isEmpty());
  }
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::System | QDir::Files | QDir::Hidden), (QStringList{"fifo.sli", "link.sli"}));
}

// A real full disk: the old show stays byte for byte and no half-written file is left beside it.
TEST(Show_File_Write, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
  const QByteArray old_show = Options_Text + "/old/one.jpg\r\n/old/two.jpg\r\n";
  const struct { const char* what; qint64 free_bytes; int pictures; bool fits; } cases[] = {
      {"a small show on a full disk", 0, 2, false},
      {"a 12 KB show with 8 KB free", 8192, 290, false},
      {"a 20 KB show with 8 KB free", 8192, 490, false},
      {"a 3 KB show with 8 KB free", 8192, 80, true},
  };
  for (const auto& c : cases) {
    Fakes::Small_Disk disk;
    if (!disk.Why_Not().empty()) GTEST_SKIP() << "No full disk to test on: " << disk.Why_Not();
    const QString path = disk.Path("show.sli");
    ASSERT_TRUE(Write_File(path, old_show));
    ASSERT_TRUE(disk.Fill(c.free_bytes));
    const QStringList pictures(c.pictures, "/a/rather/long/folder/of/pictures/p.jpg");
    QString error;
    Fakes::Disk system;  // nothing scripted: the calls go to the mounted disk
    EXPECT_EQ(Write(system, path, {}, pictures, &error), c.fits) << c.what;
    const QByteArray on_disk = Bytes_Of(path);
    EXPECT_TRUE(on_disk == (c.fits ? Encode({}, pictures) : old_show)) << c.what << ": " << on_disk.size() << " bytes";
    EXPECT_EQ(error.isEmpty(), c.fits) << c.what;
    QDir folder(disk.Path(""));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), (QStringList{".filler", "show.sli"})) << c.what;
  }
}

}  // namespace
