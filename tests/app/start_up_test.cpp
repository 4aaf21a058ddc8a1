#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/forms.h"
#include "app/window_navigator.h"
#include "core/general/general.h"
#include "core/settings/settings.h"
#include "core/show_file/show_file.h"
#include "menu/menu_frm.h"
#include "player/main_frm.h"
#include "search/search_frm.h"
#include "support/fakes.h"
#include "support/windows.h"

namespace {

class StartUp : public ::testing::Test {
 protected:
  StartUp() {
    seams.msg_box(msg).program(program).pictures(pictures).navigator(Forms::Navigator());
  }
  void TearDown() override {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Menu}) Forms::Close(kind);
    Flush_Events();
  }
  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Platform::Services::Guard seams;
};

// A show file, quoted or not, goes to the player; a folder to the search; nothing to the menu;
// anything else is refused. Each is the only window loaded: no hidden menu carries the path.
TEST_F(StartUp, TheArgumentChoosesTheFirstWindow) {
  const QString show = dir.filePath("my show.sli");
  ASSERT_TRUE(Write_File(show, ShowFile::Encode({.Loop = true, .Music = ""}, {})));
  enum Window { None, Menu, Player, Search };
  const struct { QString argument; Window window; QString path; } cases[] = {
      {QString(), Menu, {}},
      {show, Player, show},
      {"\"" + show + "\"", Player, show},
      {"\"" + show + "\" further words", Player, show},
      {dir.path(), Search, dir.path()},
      {"\"" + dir.path() + "\"", Search, dir.path()},
      {dir.filePath("missing.sli"), None, {}},
      {"\"" + dir.path(), None, {}},
      {"/dev/null", None, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument.toStdString());
    msg.shown.clear();
    program.end_codes.clear();
    EXPECT_EQ(General::Start_Up(c.argument), c.window == None ? 1 : -1);
    EXPECT_EQ(Forms::Loaded_Count(), c.window == None ? 0 : 1);
    switch (c.window) {
      case None:
        EXPECT_EQ(msg.shown, QList<Fakes::Message>({{"Error reading Command Line!", 16, "Slide Show"}}));
        EXPECT_EQ(program.end_codes, QList<int>{1});
        break;
      case Menu:
        EXPECT_TRUE(Forms::IsLoaded(Forms::Kind::Menu) && Forms::Menu()->isVisible());
        break;
      case Player:
        ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
        EXPECT_TRUE(Forms::Main()->isVisible());
        EXPECT_EQ(Forms::Main()->File_Path_Txt, c.path);
        EXPECT_EQ(Forms::Main()->Origin, Platform::Show_Origin::Command_Line);
        break;
      case Search:
        ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Search));
        EXPECT_TRUE(Forms::Search()->isVisible());
        EXPECT_EQ(Forms::Search()->Dir_Txt, c.path);
        EXPECT_EQ(Forms::Search()->Origin, Platform::Show_Origin::Command_Line);
        Forms::Close(Forms::Kind::Search);  // before its walk starts
        break;
    }
    if (c.window != None) { EXPECT_TRUE(msg.shown.isEmpty()); }
    TearDown();
  }
}

TEST_F(StartUp, ClosedWindowsAreLoadedAfreshAndTheLastOneEndsTheProgram) {
  MENU_Frm* menu = Forms::Menu();
  menu->Open_File_Path_Txt = "x";
  EXPECT_EQ(Forms::Loaded_Count(), 1);
  menu->close();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(Forms::Menu()->Open_File_Path_Txt, "");  // a new, freshly loaded menu
  // Closing one window and loading another in the same handler does not end the program.
  Forms::Close(Forms::Kind::Menu);
  Forms::Main();
  QCoreApplication::processEvents();
  EXPECT_EQ(program.last_window_closed, 0);
  Forms::Close(Forms::Kind::Menu);
  Forms::Close(Forms::Kind::Main);
  QCoreApplication::processEvents();
  EXPECT_EQ(program.last_window_closed, 1);
}

// A show from the command line, of a file or of a folder's tree, is all there is: leaving it ends
// the program, and with a fresh home folder it leaves no settings behind (no menu was loaded to
// remember its focus, no folder window to remember its options).
TEST_F(StartUp, ACommandLineShowEndsWithTheProgramAndWritesNoSettings) {
  const QString tree = dir.filePath("tree");
  ASSERT_TRUE(QDir().mkpath(tree + "/sub"));
  const QString picture = tree + "/sub/a.jpg";
  ASSERT_TRUE(Write_File(picture));
  pictures.Add(picture, {40, 30});
  const QString show = dir.filePath("show.sli");
  ASSERT_TRUE(ShowFile::Write(Platform::Services::Disk(), show, {}, {picture}));
  for (const QString& arg : {show, tree}) {
    for (const char* app : {Settings::App_Vistabel, Settings::App_Maker})
      QFile::remove(Settings::Store_File(app));
    program.last_window_closed = 0;
    EXPECT_EQ(General::Start_Up(arg), -1);
    ASSERT_TRUE(QTest::qWaitFor([] { return Forms::IsLoaded(Forms::Kind::Main); }, 10000));
    Flush_Events();
    EXPECT_EQ(Forms::Main()->CurrentFile, picture) << arg.toStdString();
    QTest::keyClick(Forms::Main(), Qt::Key_Escape);
    Flush_Events();
    EXPECT_EQ(Forms::Loaded_Count(), 0) << arg.toStdString();
    EXPECT_EQ(program.last_window_closed, 1) << arg.toStdString();
    EXPECT_TRUE(program.end_codes.isEmpty());
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(Settings::Store_File(Settings::App_Vistabel))) << arg.toStdString();
    EXPECT_FALSE(QFile::exists(Settings::Store_File(Settings::App_Maker))) << arg.toStdString();
  }
}

// A picture named on the command line plays the pictures of its folder, from that picture round
// to the one before it, with the folder window's options; a picture is told by its header or by
// its name, but a ".sli" file, and any file the player can play as a show, is played as a show.
TEST_F(StartUp, APictureArgumentPlaysItsFolderFromThatPicture) {
  const QString pics = dir.filePath("pics"), other = dir.filePath("other");
  ASSERT_TRUE(QDir().mkpath(pics + "/sub") && QDir().mkpath(other));
  auto make = [&](const QString& path, const QByteArray& bytes, bool picture) {
    ASSERT_TRUE(Write_File(path, bytes));
    if (picture) pictures.Add(path, {40, 30});
  };
  // A picture's header holds NUL bytes, and line ends enough for the nine option lines.
  static const char header[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n\n\n\n\n\n\n\n\n\n";
  const QByteArray png(header, sizeof header - 1);
  for (const char* name : {"a.jpg", "B.png", "c.webp", "d.gif", "photo", "sub/x.jpg"})
    make(pics + "/" + name, png, true);
  make(pics + "/notes.txt", "text\n", false);
  const ShowFile::Options list_options{.Strech = true, .BackCol = 255, .Loop = true, .Music = ""};
  make(other + "/list.jpg", ShowFile::Encode(list_options, {"/p/x.jpg"}), false);  // a show, named as a picture
  pictures.Add("/p/x.jpg", {40, 30});
  make(other + "/short.jpg", "just\ntext\n", false);  // neither a show nor a readable picture
  make(other + "/z.gif", png, true);
  make(other + "/pic.SLI", png.left(16), true);  // a picture named as a show file
  Settings::Save_Truth(Settings::Display_Mode, false);  // "Strech to Fullscreen"
  Settings::Save_Whole(Settings::Delay, 0);
  Settings::Save_Whole(Settings::Loop, 1);
  const QString run = General::Run_File_Path();
  auto in = [](const QString& folder, const QStringList& names) {
    QStringList full;
    for (const QString& name : names) full << folder + "/" + name;
    return full;
  };
  const struct { QString argument; QString played; QStringList list; } cases[] = {
      {pics + "/c.webp", run, in(pics, {"c.webp", "d.gif", "a.jpg", "B.png"})},
      {"\"" + pics + "/photo\"", run, in(pics, {"photo", "a.jpg", "B.png", "c.webp", "d.gif"})},
      {pics + "/sub/../a.jpg", run, in(pics, {"a.jpg", "B.png", "c.webp", "d.gif"})},
      {other + "/short.jpg", run, in(other, {"short.jpg", "z.gif", "list.jpg"})},
      {other + "/list.jpg", other + "/list.jpg", {"/p/x.jpg"}},
  };
  for (const auto& c : cases) {
    program.last_window_closed = 0;
    EXPECT_EQ(General::Start_Up(c.argument), -1);
    ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
    Main_Frm* player = Forms::Main();
    Flush_Events();
    EXPECT_EQ(player->File_Path_Txt, c.played) << c.argument.toStdString();
    EXPECT_EQ(player->Origin, Platform::Show_Origin::Command_Line);
    EXPECT_EQ(player->List2, c.list) << c.argument.toStdString();
    EXPECT_TRUE(player->isVisible()) << c.argument.toStdString();
    // The folder window's options, or the show file's own.
    EXPECT_EQ(player->Timer1.isActive(), c.played != run);
    EXPECT_TRUE(player->StrechOn && player->LoopOn);
    QTest::keyClick(player, Qt::Key_Escape);
    Flush_Events();
    EXPECT_EQ(Forms::Loaded_Count(), 0);
    EXPECT_EQ(program.last_window_closed, 1);
  }
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_TRUE(program.end_codes.isEmpty());

  // A ".sli" file is a show file whatever it holds.
  EXPECT_EQ(General::Start_Up(other + "/pic.SLI"), -1);
  Flush_Events();
  EXPECT_EQ(msg.shown, QList<Fakes::Message>({{"Error, Invaild File!", 16, "Slide Show"}}));
  EXPECT_EQ(program.end_codes, QList<int>{1});
  TearDown();

  // With "Shuffle": the picture first, the others in some order after it. (A picture without a
  // picture's name is in the folder's show only when it is the one named.)
  Settings::Save_Whole(Settings::Shuffle, 1);
  EXPECT_EQ(General::Start_Up(pics + "/d.gif"), -1);
  Flush_Events();
  QStringList list = Forms::Main()->List2;
  EXPECT_EQ(list.takeFirst(), pics + "/d.gif");
  list.sort();
  EXPECT_EQ(list, in(pics, {"B.png", "a.jpg", "c.webp"}));
  EXPECT_TRUE(Bytes_Of(run).contains("\r\nShuff=0\r\n"));
}

}  // namespace
