// The windows together, with the program's own navigator over the Forms registry, where the
// end-to-end scripts do not reach: what a command-line show leaves behind, a picture argument's
// rules, and the maker's preview.
#include <gtest/gtest.h>

#include <QTest>

#include "app/forms.h"
#include "app/start_up.h"
#include "app/window_navigator.h"
#include "core/show_file/show_file.h"
#include "maker/maker_frm.h"
#include "menu/menu_frm.h"
#include "player/main_frm.h"
#include "support/window_fixture.h"

class Windows : public Window_Test {
 protected:
  Windows() { app_seams.navigator(Forms::Navigator()); }
  void Close_Window() override {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Maker, Forms::Kind::Menu}) Forms::Close(kind);
    Flush_Events();
    for (const char* app : {Settings::App_Vistabel, Settings::App_Maker}) QFile::remove(Settings::Store_File(app));
  }
  // Waits until the player has loaded the show; leaves it as the user does.
  static bool Playing() { return QTest::qWaitFor([] { Flush_Events(); return Forms::IsLoaded(Forms::Kind::Main); }, 10000); }
  static void Leave() { QTest::keyClick(Forms::Main(), Qt::Key_Escape); Flush_Events(); }
  Platform::Services::Guard app_seams;
};

// A show from the command line, of a file or of a folder's tree, is all there is: leaving it ends
// the program, and it leaves no settings behind (no menu was loaded to remember its focus, no folder
// window to remember its options).
TEST_F(Windows, ACommandLineShowEndsWithTheProgramAndWritesNoSettings) {
  Make({"tree/sub/a.jpg"});
  const QString show = dir.filePath("show.sli");
  ASSERT_TRUE(ShowFile::Write(Platform::Services::Disk(), show, {}, Full({"tree/sub/a.jpg"})));
  for (const QString& arg : {show, dir.filePath("tree")}) {
    Close_All();
    program.last_window_closed = 0;
    ASSERT_TRUE(General::Start_Up(arg) == -1 && Playing());
    EXPECT_EQ(std::tuple(Forms::Loaded_Count(), Forms::Main()->CurrentFile, Forms::Main()->Origin),
              std::tuple(1, dir.filePath("tree/sub/a.jpg"), Platform::Show_Origin::Command_Line));
    Leave();
    EXPECT_EQ(std::tuple(Forms::Loaded_Count(), program.last_window_closed, program.end_codes, msg.shown.size()),
              std::tuple(0, 1, QList<int>{}, 0));
    EXPECT_FALSE(QFile::exists(Settings::Store_File(Settings::App_Vistabel)) || QFile::exists(Settings::Store_File(Settings::App_Maker)));
  }
}

// A file named as a picture (even one that cannot be read) plays its folder from that picture on,
// with the folder window's options ("Shuffle": the others after it in some order); a ".sli" file is
// a show file whatever it holds; a run file that cannot be written ends the program.
TEST_F(Windows, APictureArgumentPlaysItsFolderFromThatPicture) {
  Make({"b.png", "c.gif", "e.SLI"});
  for (const char* name : {"a.jpg", "notes.txt"}) ASSERT_TRUE(Write_File(dir.filePath(name)));
  Settings::Save_Whole(Settings::Shuffle, 1);
  ASSERT_TRUE(General::Start_Up(dir.filePath("a.jpg")) == -1 && Playing());
  QStringList list = Forms::Main()->List2;
  ASSERT_EQ(list.takeFirst(), dir.filePath("a.jpg"));
  EXPECT_EQ(QSet<QString>(list.begin(), list.end()), QSet<QString>({dir.filePath("b.png"), dir.filePath("c.gif")}));
  EXPECT_TRUE(Bytes_Of(General::Run_File_Path()).contains("\r\nShuff=0\r\n"));
  Close_All();
  ASSERT_TRUE(msg.shown.isEmpty() && QDir().mkpath(General::Run_File_Path()));  // a folder in its place
  EXPECT_EQ(General::Start_Up(dir.filePath("c.gif")), 1);
  EXPECT_EQ(General::Start_Up(dir.filePath("e.SLI")), -1);
  Flush_Events();
  EXPECT_EQ(msg.shown, (QList<Fakes::Message>{{"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16, "Slide Show"},
                                              {"Error, Invaild File!", 16, "Slide Show"}}));
  EXPECT_EQ(program.end_codes, (QList<int>{1, 1}));
}

// Leaving the preview: the maker as it was, without the preview file, the menu still hidden.
TEST_F(Windows, LeavingThePreviewReturnsToTheMaker) {
  Make({"x.jpg"});
  Forms::Menu()->hide();
  Maker_Frm* f = Show_Active(Forms::Maker());
  f->List1->addItem(dir.filePath("x.jpg"));
  f->Toolbar1_ButtonClick("Preview");
  ASSERT_TRUE(Playing() && Forms::Main()->File_Path_Txt == General::Preview_File_Path());
  Leave();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main) || Forms::Menu()->isVisible() || QFile::exists(General::Preview_File_Path()));
  EXPECT_EQ(std::tuple(f->isVisible(), f->List1->count(), msg.shown.size()), std::tuple(true, 1, 0));
}
