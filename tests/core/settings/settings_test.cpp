// The settings store on a temporary configuration folder (the test main sets XDG_CONFIG_HOME).
#include "core/settings/settings.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "support/files.h"

namespace {

using namespace Settings;

class Store : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    for (const char* app : {App_Vistabel, App_Maker}) {
      QFile::remove(Store_File(app));
      QFile::remove(Store_File(app) + ".unreadable");
    }
  }
};

TEST_F(Store, AnEmptyStoreGivesEveryDefault) {
  const std::pair<const Key&, QString> cases[] = {
      {btnFocus, "0"}, {WindowX, "0"}, {Display_Mode, "True"}, {Keep_Ratio, "1"}, {Delay, "5"},
      {Loop, "1"}, {Shuffle, "0"}, {Pause_Message, "1"}, {Sub_Dirs, "0"}, {Colour, "0"},
      {UseMusic, "0"}, {MusicPath, ""}, {Drive, "/"}, {Path, "/"}, {MakerY, "0"},
      {Maker_Display_Mode, "True"}, {Maker_Delay, "5"}, {Preview, "1"}, {Maker_Path, "/"}};
  for (const auto& [key, text] : cases) EXPECT_EQ(Get_Text(key), text) << key.name;
  EXPECT_FALSE(Restore_Window_Size(WindowX, WindowY).has_value());
}

TEST_F(Store, EveryEncodingRoundTripsEachApplicationKeepsItsOwnAndTheFileIsPrivate) {
  for (std::int16_t v : {-32768, 0, 32767}) {
    Save_Whole(Delay, v);
    EXPECT_EQ(Get_Whole(Delay), v);
  }
  for (std::int32_t v : {-2147483647 - 1, -2147483633, 0, 16777215}) {
    Save_Colour(Colour, v);
    EXPECT_EQ(Get_Colour(Colour), v);
  }
  for (bool v : {false, true}) {
    Save_Truth(Display_Mode, v);
    EXPECT_EQ(Get_Text(Display_Mode), v ? "True" : "False");
    EXPECT_EQ(Get_Truth(Display_Mode), v);
  }
  // Sizes have no 16-bit limit: a window 3000 pixels wide stores 45,000 twips.
  for (std::int32_t v : {45000, Max_Size_Twips}) {
    Save_Size(MakerX, v);
    EXPECT_EQ(Get_Size(MakerX), v);
  }
  for (const char* t : {"", "c:\\", "a, b,c", "  spaced  ", "x=y; z # w", "[Settings]",
                       "\"quoted\"", "Bilder Ärger 写真", "@Variant(0)"}) {
    Save_Text(MusicPath, t);
    EXPECT_EQ(Get_Text(MusicPath), t);
  }
  Save_Whole(Maker_Delay, 2);
  EXPECT_EQ(Get_Whole(Delay), 32767);
  EXPECT_EQ(Get_Whole(Maker_Delay), 2);
  // The file is created private to the user; permissions the user gave it later are the user's.
  const QString file = Store_File(App_Vistabel);
  EXPECT_EQ(file, QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vistabel", App_Vistabel).fileName());
  const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
  EXPECT_EQ(QFile::permissions(file) & others, 0);
  QFile::setPermissions(file, QFile::permissions(file) | others);
  Save_Whole(btnFocus, 3);
  EXPECT_EQ(Get_Whole(btnFocus), 3);
  EXPECT_EQ(QFile::permissions(file) & others, others);
}

// Where the settings file is not a regular file, or is one the user made read-only or one too
// large, the program neither reads it nor writes, chmods or replaces it: the defaults are used
// and one line on standard error says why.
TEST_F(Store, ASettingsFileThatIsNotAPlainWritableFileIsLeftAlone) {
  const QString file = Store_File(App_Vistabel);
  const QString elsewhere = QFileInfo(file).absolutePath() + "/elsewhere";
  const QByteArray ini = "[Settings]\nDelay=7\n";
  const QByteArray large = ini + QByteArray(1024 * 1024, ';') + "\n";
  const struct {
    const char* what;
    std::function<bool()> make;
  } cases[] = {
      {"a folder", [&] { return QDir().mkdir(file); }},
      {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0; }},
      {"a link to a FIFO", [&] {
         return ::mkfifo(QFile::encodeName(elsewhere).constData(), 0600) == 0 && QFile::link(elsewhere, file);
       }},
      {"a link to a device", [&] {
         return ::mknod(QFile::encodeName(elsewhere).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 &&
                QFile::link(elsewhere, file);
       }},
      {"a link that leads nowhere", [&] { return QFile::link(elsewhere, file); }},
      {"read-only", [&] { return Write_File(file, ini) && QFile::setPermissions(file, QFile::ReadOwner); }},
      {"larger than 1 MB", [&] { return Write_File(file, large); }},
  };
  for (const auto& c : cases) {
    TearDown();
    Save_Whole(Maker_Delay, 3);  // the folder exists
    QFile::remove(elsewhere);
    if (!c.make()) {
      ASSERT_STRNE(c.what, "a folder");
      std::printf("[  SKIPPED ] %s: cannot be made here\n", c.what);
      continue;
    }
    struct stat before {};
    ASSERT_EQ(::lstat(QFile::encodeName(file).constData(), &before), 0) << c.what;
    struct stat target_before {};
    ::stat(QFile::encodeName(file).constData(), &target_before);
    // A reader stuck on the FIFO is let go, and it shows.
    std::atomic<bool> stop = false, waited = false;
    std::thread watch([&] {
      while (!stop) {
        for (const QString& fifo : {file, elsewhere}) {
          // Only a FIFO opens for writing without waiting when someone reads it; a device always does.
          struct stat kind {};
          if (::stat(QFile::encodeName(fifo).constData(), &kind) != 0 || !S_ISFIFO(kind.st_mode)) continue;
          const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) {
            waited = true;
            ::close(fd);
          }
        }
        ::usleep(20000);
      }
    });
    testing::internal::CaptureStderr();
    const std::int16_t delay = Get_Whole(Delay);
    Save_Whole(Delay, 9);
    Save_Whole(btnFocus, 2);
    const std::int16_t focus = Get_Whole(btnFocus);
    const std::string said = testing::internal::GetCapturedStderr();
    stop = true;
    watch.join();
    EXPECT_FALSE(waited) << c.what;
    EXPECT_EQ(delay, 5) << c.what;
    EXPECT_EQ(focus, 0) << c.what;
    EXPECT_EQ(Get_Whole(Maker_Delay), 3) << c.what;  // the other application's file is fine
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
    EXPECT_NE(said.find(QFile::encodeName(file).toStdString()), std::string::npos) << c.what << ": " << said;
    struct stat after {};
    ASSERT_EQ(::lstat(QFile::encodeName(file).constData(), &after), 0) << c.what;
    EXPECT_EQ(after.st_mode, before.st_mode) << c.what;
    EXPECT_EQ(after.st_ino, before.st_ino) << c.what;
    EXPECT_EQ(after.st_size, before.st_size) << c.what;
    struct stat target_after {};
    ::stat(QFile::encodeName(file).constData(), &target_after);
    EXPECT_EQ(target_after.st_mode, target_before.st_mode) << c.what;
    EXPECT_EQ(target_after.st_ino, target_before.st_ino) << c.what;
    if (QFileInfo(file).isDir()) ::rmdir(QFile::encodeName(file).constData());
    QFile::remove(file);
    QFile::remove(elsewhere);
  }
  EXPECT_FALSE(QFile::exists(file + ".lock"));
}

TEST_F(Store, ValuesThatCannotBeConvertedGiveTheDefault) {
  const struct { const char* stored; std::int16_t focus; std::int32_t size; } cases[] = {
      {"abc", 0, 0}, {"99", 99, 99}, {"1e9", 0, 0}, {"-5", -5, 0},        {" 7 ", 7, 7},
      {"2.5", 2, 2}, {"3.5", 4, 4},  {"nan", 0, 0}, {"40000", 0, 40000},
  };
  for (const auto& c : cases) {
    Save_Text(btnFocus, c.stored);
    Save_Text(WindowX, c.stored);
    EXPECT_EQ(Get_Whole(btnFocus), c.focus) << c.stored;
    EXPECT_EQ(Get_Size(WindowX), c.size) << c.stored;
  }
  Save_Text(Display_Mode, "maybe");
  EXPECT_TRUE(Get_Truth(Display_Mode));
  Save_Text(Colour, "2147483648");
  EXPECT_EQ(Get_Colour(Colour), 0);
  const std::pair<const char*, std::optional<bool>> truths[] = {
      {" TRUE ", true}, {"false", false}, {"0", false}, {"-1", true}, {"yes", std::nullopt}};
  for (const auto& [text, value] : truths) EXPECT_EQ(To_Truth(text), value) << text;
}

TEST_F(Store, AFileThatIsNotASettingsFileGivesTheDefaultsAndIsKeptAsideOnSave) {
  for (const QByteArray& content : {QByteArray("\x7f" "ELF\x01\x00[[[ no end\n=\n\xff\xfe", 21),
                                    QByteArray("[Settings\r\nDelay=3\r\nbtnFocus=1\r\n")}) {
    TearDown();
    Save_Whole(Delay, 9);  // creates the folder
    ASSERT_TRUE(Write_File(Store_File(App_Vistabel), content));
    for (int i = 0; i < 2; ++i) EXPECT_EQ(Get_Whole(Delay), 5);  // every read, not only the first
    Save_Whole(btnFocus, 2);
    EXPECT_EQ(Get_Whole(btnFocus), 2);
    EXPECT_EQ(Get_Whole(Delay), 5);
    EXPECT_EQ(Bytes_Of(Store_File(App_Vistabel) + ".unreadable"), content);
  }
}

TEST_F(Store, AWindowSizeIsRestoredOnlyWhenBothDimensionsAreSet) {
  const struct { const char* x; const char* y; std::optional<QSize> size; } cases[] = {
      {"6000", "0", std::nullopt}, {"-5", "4500", std::nullopt}, {"1e9", "4500", std::nullopt},
      {"6007", "4523", QSize(400, 302)}, {"45000", "30000", QSize(3000, 2000)},
  };
  for (const auto& c : cases) {
    Save_Text(WindowX, c.x);
    Save_Text(WindowY, c.y);
    EXPECT_EQ(Restore_Window_Size(WindowX, WindowY), c.size) << c.x << " " << c.y;
  }
  Save_Window_Size(MakerX, MakerY, QSize(2560, 1440));
  EXPECT_EQ(Get_Text(MakerX), "38400");
  EXPECT_EQ(Restore_Window_Size(MakerX, MakerY), QSize(2560, 1440));
}

}  // namespace
