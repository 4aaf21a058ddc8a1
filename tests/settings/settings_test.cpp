// The settings store on a temporary configuration folder (the test main sets XDG_CONFIG_HOME).
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

namespace {

using namespace Settings;

class Store : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    for (const char* app : {App_Vistabel, App_Maker}) {
      QFile::remove(Store_File(app));
      QFile::remove(Store_File(app) + ".unreadable");
    }
  }
  static void Write_File(const char* app, const QByteArray& content) {
    QFile f(Store_File(app));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
  }
};

TEST_F(Store, AnEmptyStoreGivesEveryDefault) {
  struct Case { const Key& key; QString text; };
  const Case cases[] = {
      {btnFocus, "0"}, {WindowX, "0"}, {Display_Mode, "True"}, {Keep_Ratio, "1"}, {Delay, "5"},
      {Loop, "1"}, {Shuffle, "0"}, {Pause_Message, "1"}, {Sub_Dirs, "0"}, {Colour, "0"},
      {UseMusic, "0"}, {MusicPath, ""}, {Drive, "/"}, {Path, "/"}, {MakerY, "0"},
      {Maker_Display_Mode, "True"}, {Maker_Delay, "5"}, {Preview, "1"}, {Maker_Path, "/"}};
  for (const Case& c : cases)
    EXPECT_EQ(GetSetting(c.key.app, Section, c.key.name, "?"), "?") << c.key.name;
  for (const Case& c : cases) EXPECT_EQ(Get_Text(c.key), c.text) << c.key.name;
  EXPECT_EQ(Get_Whole(Delay), 5);
  EXPECT_TRUE(Get_Truth(Display_Mode));
  EXPECT_EQ(Get_Colour(Colour), 0);
  EXPECT_FALSE(Restore_Window_Size(WindowX, WindowY).has_value());
}

TEST_F(Store, EveryEncodingRoundTrips) {
  for (std::int16_t v : {std::int16_t(-32768), std::int16_t(0), std::int16_t(3), std::int16_t(32767)}) {
    Save_Whole(Delay, v);
    EXPECT_EQ(Get_Whole(Delay), v);
  }
  for (std::int32_t v : {std::int32_t(-2147483647 - 1), std::int32_t(-2147483633), 0, 255, 16777215}) {
    Save_Colour(Colour, v);
    EXPECT_EQ(Get_Colour(Colour), v);
  }
  for (bool v : {false, true}) {
    Save_Truth(Display_Mode, v);
    EXPECT_EQ(Get_Text(Display_Mode), v ? "True" : "False");
    EXPECT_EQ(Get_Truth(Display_Mode), v);
  }
  // Sizes have no 16-bit limit: a window 3000 pixels wide stores 45,000 twips.
  for (std::int32_t v : {0, 6000, 45000, Max_Size_Twips}) {
    Save_Size(MakerX, v);
    EXPECT_EQ(Get_Size(MakerX), v);
  }
  const QString texts[] = {"", "/home/ann/Pictures", "c:\\", "a, b,c", "  spaced  ", "x=y; z # w",
                           "[Settings]", "\"quoted\"", "Bilder Ärger 写真", "@Variant(0)"};
  for (const QString& t : texts) {
    Save_Text(MusicPath, t);
    EXPECT_EQ(Get_Text(MusicPath), t);
  }
}

TEST_F(Store, TheTwoApplicationsKeepTheirOwnValues) {
  Save_Whole(Delay, 9);
  Save_Whole(Maker_Delay, 2);
  EXPECT_EQ(Get_Whole(Delay), 9);
  EXPECT_EQ(Get_Whole(Maker_Delay), 2);
  EXPECT_NE(Store_File(App_Vistabel), Store_File(App_Maker));
}

TEST_F(Store, TheFileIsPrivateToTheUser) {
  const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                          QFileDevice::ReadOther | QFileDevice::WriteOther;
  Save_Whole(btnFocus, 2);
  EXPECT_EQ(QFile::permissions(Store_File(App_Vistabel)) & others, 0);
  // A store that others could read becomes private with the next write.
  QFile::setPermissions(Store_File(App_Vistabel), QFile::permissions(Store_File(App_Vistabel)) |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
  Save_Whole(btnFocus, 3);
  EXPECT_EQ(QFile::permissions(Store_File(App_Vistabel)) & others, 0);
  EXPECT_TRUE(QFile::permissions(Store_File(App_Vistabel)) & QFileDevice::WriteOwner);
}

TEST_F(Store, ValuesThatCannotBeConvertedGiveTheDefault) {
  struct Case { const char* stored; std::int16_t focus; std::int32_t size; };
  const Case cases[] = {
      {"abc", 0, 0},  {"99", 99, 99},      {"1e9", 0, 0}, {"-5", -5, 0},  {"", 0, 0},
      {" 7 ", 7, 7},  {"2.5", 2, 2},       {"3.5", 4, 4}, {"40000", 0, 40000},
      {"nan", 0, 0},  {"inf", 0, 0},
  };
  for (const Case& c : cases) {
    Save_Text(btnFocus, c.stored);
    Save_Text(WindowX, c.stored);
    EXPECT_EQ(Get_Whole(btnFocus), c.focus) << c.stored;
    EXPECT_EQ(Get_Size(WindowX), c.size) << c.stored;
  }
  Save_Text(Display_Mode, "maybe");
  EXPECT_TRUE(Get_Truth(Display_Mode));
  Save_Text(Colour, "2147483648");
  EXPECT_EQ(Get_Colour(Colour), 0);
}

TEST_F(Store, TruthValuesReadLikeTheirWords) {
  struct Case { const char* text; std::optional<bool> value; };
  const Case cases[] = {{"True", true}, {"false", false}, {" TRUE ", true}, {"0", false},
                        {"-1", true},   {"yes", std::nullopt}, {"", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(To_Truth(c.text), c.value) << c.text;
}

TEST_F(Store, AFileThatIsNotASettingsFileGivesTheDefaultsAndIsReplacedOnSave) {
  const QByteArray broken[] = {QByteArray("\x7f" "ELF\x01\x00[[[ no end\n=\n\xff\xfe[Settings\n", 26),
                               QByteArray("[Settings\r\nDelay=3\r\nbtnFocus=1\r\n")};
  for (const QByteArray& content : broken) {
    Clear();
    Save_Whole(Delay, 9);  // creates the folder
    Write_File(App_Vistabel, content);
    // Every read gives the defaults, not only the first one after the file changed.
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(Get_Whole(Delay), 5);
      EXPECT_EQ(Get_Whole(btnFocus), 0);
    }
    Save_Whole(btnFocus, 2);
    EXPECT_EQ(Get_Whole(btnFocus), 2);
    EXPECT_EQ(Get_Whole(Delay), 5);
    // The unreadable file is kept beside the new store, not thrown away.
    QFile aside(Store_File(App_Vistabel) + ".unreadable");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), content);
  }
}

TEST_F(Store, AWindowSizeIsRestoredOnlyWhenBothDimensionsAreSet) {
  struct Case { const char* x; const char* y; std::optional<QSize> size; };
  const Case cases[] = {
      {"6000", "0", std::nullopt},       {"0", "4500", std::nullopt},
      {"6000", "4500", QSize(400, 300)}, {"45000", "30000", QSize(3000, 2000)},
      {"-5", "4500", std::nullopt},      {"1e9", "4500", std::nullopt},
      {"abc", "4500", std::nullopt},     {"6007", "4523", QSize(400, 302)},
  };
  for (const Case& c : cases) {
    Save_Text(WindowX, c.x);
    Save_Text(WindowY, c.y);
    EXPECT_EQ(Restore_Window_Size(WindowX, WindowY), c.size) << c.x << " " << c.y;
  }
  Save_Window_Size(MakerX, MakerY, QSize(2560, 1440));
  EXPECT_EQ(Get_Text(MakerX), "38400");
  EXPECT_EQ(Restore_Window_Size(MakerX, MakerY), QSize(2560, 1440));
}

}  // namespace
