// The settings store on a temporary configuration folder (the test main sets XDG_CONFIG_HOME).
#include "core/settings/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <algorithm>
#include <functional>

#include "support/files.h"

using namespace Settings;

TEST(Settings, ConversionsReadNumbersRoundedHalvesToEvenWithinTheRangeOfTheirKind) {
  const struct { const char* text; std::optional<std::int16_t> whole; std::optional<std::int32_t> colour, size; std::optional<bool> truth; } cases[] = {
      {"nan", {}, {}, {}, {}},  {" 7 ", 7, 7, 7, true},  {"2.5", 2, 2, 2, true},  {"3.5", 4, 4, 4, true},  {"0", 0, 0, 0, false},
      {"32767", 32767, 32767, 32767, true},  {"32768", {}, 32768, 32768, true},  {"-32768", -32768, -32768, {}, true},  {"-32769", {}, -32769, {}, true},
      {"491505", {}, 491505, 491505, true},  {"491506", {}, 491506, {}, true},  {"2147483647", {}, INT32_MAX, {}, true},  {"2147483648", {}, {}, {}, true},
      {"-2147483648", {}, INT32_MIN, {}, true},  {"-2147483649", {}, {}, {}, true},  {" TRUE ", {}, {}, {}, true},  {"false", {}, {}, {}, false},  {"yes", {}, {}, {}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::tuple(To_Whole(c.text), To_Colour(c.text), To_Size(c.text), To_Truth(c.text)), std::tuple(c.whole, c.colour, c.size, c.truth)) << c.text;
}

struct Store : ::testing::Test {
  void SetUp() override {
    QDir().rmdir(Store_File(App_Vistabel));
    for (const QString& name : {Store_File(App_Vistabel), Store_File(App_Maker), Store_File(App_Vistabel) + ".unreadable"}) QFile::remove(name);
  }
};

TEST_F(Store, ValuesComeBackPerApplicationANewFileIsPrivateAndWindowSizesAreInTwips) {
  EXPECT_EQ(std::tuple(Get_Whole(Delay), Get_Truth(Display_Mode), Get_Text(Path)), std::tuple(5, true, "/"));
  Save_Whole(Delay, -32768), Save_Truth(Display_Mode, false), Save_Whole(Maker_Delay, 2);  // the maker's own Delay
  EXPECT_EQ(std::tuple(Get_Whole(Delay), Get_Text(Display_Mode), Get_Whole(Maker_Delay)), std::tuple(-32768, "False", 2));
  Save_Text(Delay, "abc");  // a value that cannot be converted gives the key's default
  EXPECT_EQ(std::tuple(Get_Whole(Delay), int(QFile::permissions(Store_File(App_Vistabel)) & (QFileDevice::ReadGroup | QFileDevice::ReadOther))), std::tuple(5, 0));
  ASSERT_TRUE(Write_File(Store_File(App_Vistabel), "[Settings]\nMusicPath=a, b,c\n"));  // commas written by hand
  EXPECT_EQ(Get_Text(MusicPath), "a,b,c");
  // A window's size is restored only when both its dimensions are set.
  for (const auto& [x, y, size] : {std::tuple("6000", "0", std::optional<QSize>()), {"0", "4500", {}}, {"6007", "4523", QSize(400, 302)}}) {
    Save_Text(WindowX, x), Save_Text(WindowY, y);
    EXPECT_EQ(Restore_Window_Size(WindowX, WindowY), size) << x << " " << y;
  }
  Save_Window_Size(MakerX, MakerY, QSize(2560, 40000));
  EXPECT_EQ(std::pair(Get_Text(MakerX), Get_Size(MakerY)), std::pair(QString("38400"), Max_Size_Twips));
}

// Where the settings file is not a regular file, or is read-only or larger than 1 MB, the program
// neither reads it nor writes, chmods or replaces it: the defaults are used and one line on
// standard error says why.
TEST_F(Store, ASettingsFileThatIsNotAPlainWritableFileIsLeftAlone) {
  const QString file = Store_File(App_Vistabel), elsewhere = QFileInfo(file).absolutePath() + "/elsewhere";
  const QByteArray ini = "[Settings]\nDelay=7\n", one_mb = ini + QByteArray(1024 * 1024 - ini.size(), ';');
  const struct { const char* what; std::function<bool()> make; } cases[] = {
      {"a folder", [&] { return QDir().mkdir(file); }},
      {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0; }},
      {"a link to a device", [&] { return ::mknod(QFile::encodeName(elsewhere).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 && QFile::link(elsewhere, file); }},
      {"a link that leads nowhere", [&] { return QFile::link(elsewhere, file); }},
      {"read-only", [&] { return Write_File(file, ini) && QFile::setPermissions(file, QFile::ReadOwner); }},
      {"larger than 1 MB", [&] { return Write_File(file, one_mb + ";"); }},
  };
  const auto nodes = [&] {  // the link (or file) in the file's place, and what it leads to
    struct stat at {}, to {};
    ::lstat(QFile::encodeName(file).constData(), &at), ::stat(QFile::encodeName(file).constData(), &to);
    return std::tuple(at.st_ino, at.st_mode, at.st_size, to.st_ino, to.st_mode, to.st_size);
  };
  for (const auto& c : cases) {
    SetUp(), Save_Whole(Maker_Delay, 3), QFile::remove(elsewhere);  // the maker's file makes the folder
    if (!c.make()) { std::printf("[  SKIPPED ] %s: cannot be made here\n", c.what); continue; }
    const auto before = nodes();
    testing::internal::CaptureStderr();
    const std::int16_t delay = Get_Whole(Delay);
    Save_Whole(Delay, 9);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::tuple(delay, Get_Whole(Delay), Get_Whole(Maker_Delay)), std::tuple(5, 5, 3)) << c.what;  // the maker's file is fine
    EXPECT_TRUE(std::count(said.begin(), said.end(), '\n') == 1 && said.find(QFile::encodeName(file).toStdString()) != std::string::npos) << c.what << ": " << said;
    EXPECT_EQ(nodes(), before) << c.what;
  }
  EXPECT_FALSE(QFile::exists(file + ".lock"));
  ASSERT_TRUE(Write_File(file, one_mb));  // 1 MB itself is read
  EXPECT_EQ(Get_Whole(Delay), 7);
}

TEST_F(Store, AFileThatIsNotASettingsFileGivesTheDefaultsAndIsKeptAsideOnSave) {
  const QByteArray content = "[Settings\r\nDelay=3\r\nbtnFocus=1\r\n";
  Save_Whole(Delay, 9);  // creates the folder
  ASSERT_TRUE(Write_File(Store_File(App_Vistabel), content));
  for (int i = 0; i < 2; ++i) EXPECT_EQ(Get_Whole(Delay), 5);  // every read, not only the first
  Save_Whole(btnFocus, 2);
  EXPECT_EQ((std::tuple{Get_Whole(btnFocus), Get_Whole(Delay)}), std::tuple(2, 5));  // in this order: the first read after a repair
  EXPECT_EQ(Bytes_Of(Store_File(App_Vistabel) + ".unreadable"), content);
}
