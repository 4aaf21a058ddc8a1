// The windows together, with the program's own navigator over the Forms registry: a show started
// from each place and left again, the menu and About, the folder window's options for a search.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/forms.h"
#include "app/window_navigator.h"
#include "core/general/general.h"
#include "core/settings/settings.h"
#include "core/show_file/show_file.h"
#include "folder_show/setup_frm.h"
#include "maker/maker_frm.h"
#include "menu/about_frm.h"
#include "menu/menu_frm.h"
#include "player/main_frm.h"
#include "search/search_frm.h"
#include "support/window_fixture.h"
#include "widgets/picture_button.h"

namespace {

class Windows : public Window_Test {
 protected:
  Windows() { app_seams.file_dialogs(dialogs).shell(shell).navigator(Forms::Navigator()); }
  void SetUp() override {
    Window_Test::SetUp();
    const ShowFile::Options options{.Strech = true, .Ratio = true, .Loop = true, .Music = ""};
    ASSERT_TRUE(Write_File(show, ShowFile::Encode(options, {"/p/1.jpg"})));
    pictures.Add("/p/1.jpg", {200, 100});
  }
  // Closes every window; removes the settings they saved and the preview file.
  void Close_Window() override {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Setup,
                      Forms::Kind::Maker, Forms::Kind::About, Forms::Kind::Menu})
      Forms::Close(kind);
    Flush_Events();
    for (const char* app : {Settings::App_Vistabel, Settings::App_Maker})
      QFile::remove(Settings::Store_File(app));
    QFile::remove(General::Preview_File_Path());
  }
  static QString Stored_Focus() {
    return Settings::GetSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", "missing");
  }

  const QString show = dir.filePath("holiday.sli");
  Fakes::File_Dialogs dialogs;
  Fakes::Shell shell;
  Platform::Services::Guard app_seams;
};

TEST_F(Windows, AChosenFileIsPlayedAndLeavingItBringsTheMenuBack) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  dialogs.answers = {Fakes::File_Dialogs::Choose(show)};
  QTest::mouseClick(menu->Open_File_Btn, Qt::LeftButton);
  Flush_Events();
  EXPECT_EQ(menu->Open_File_Path_Txt, show);
  EXPECT_FALSE(menu->isVisible());
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Main()->File_Path_Txt, show);
  // The window manager may activate the menu once more after it was hidden for the show.
  QApplication::setActiveWindow(menu);
  Flush_Events();
  QTest::keyClick(Forms::Main(), Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Menu(), menu);  // hidden, not closed: the same window comes back
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Show_Active(menu)->Open_File_Btn);
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_EQ(program.last_window_closed, 0);
  Forms::Close(Forms::Kind::Menu);
  EXPECT_EQ(Stored_Focus(), "2");
}

TEST_F(Windows, ClosingTheMenuClosesEveryOtherWindow) {
  Forms::Menu();  // loaded, hidden behind the show
  Forms::Main()->Start(show, Platform::Show_Origin::Menu);
  Flush_Events();
  Forms::Close(Forms::Kind::Menu);
  Flush_Events();
  EXPECT_EQ(Forms::Loaded_Count(), 0);
  EXPECT_EQ(program.last_window_closed, 1);
}

TEST_F(Windows, LeavingAFolderShowClosesTheFolderWindowAndBringsTheMenuBack) {
  Fakes::Directories dirs;
  dirs.File("/a.jpg");
  pictures.Add("/a.jpg", {40, 30});
  Platform::Services::Guard seam;
  seam.directories(dirs);
  Forms::Setup()->show();
  QTest::mouseClick(Forms::Setup()->Run_btn, Qt::LeftButton);
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  Flush_Events();
  // Leaving the show closes the set-up window too and brings the menu back.
  QTest::keyClick(Forms::Main(), Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Setup));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_TRUE(Forms::Menu()->isVisible());
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
}

// A search reads the folder window's options from the settings when the window is not loaded (and
// loads no window for them), and from the open window, unsaved changes included, when it is.
TEST_F(Windows, ASearchTakesTheFolderWindowsOptionsFromTheSettingsOrFromTheOpenWindow) {
  Make({"s.jpg"});
  for (const int unsaved : {-1, 9}) {
    Close_All();
    Settings::Save_Whole(Settings::Delay, 0);
    if (unsaved >= 0) Forms::Setup()->Delay_Scroll->setValue(unsaved);
    Forms::Search()->Start(dir.path(), Platform::Show_Origin::Folder_Window);
    ASSERT_TRUE(QTest::qWaitFor([] { return Forms::IsLoaded(Forms::Kind::Main); }, 10000));
    EXPECT_EQ(Forms::Main()->File_Path_Txt, General::Run_File_Path());
    EXPECT_EQ(Run_File_Lines().value(3), QString("Delay=%1").arg(unsaved >= 0 ? unsaved : 0));
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::Setup), unsaved >= 0);
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
  }
}

// "s" in a show searches the shown picture's folder; nothing happens on an empty show or for a
// folder that is gone, nor for "S".
TEST_F(Windows, TheSearchKeyStartsANewShowOfTheShownPicturesFolder) {
  Make({"trip/day1/a.jpg", "trip/day1/b.jpg", "trip/day1/more/c.jpg", "trip/other/d.jpg"});
  pictures.Add("/gone/away/x.jpg", {10, 10});
  const QString show = dir.path() + "/show.sli";
  // No list, a vanished folder, an empty entry (shown as the background alone), a real folder: all
  // but the vanished folder close the player and start the search.
  const QStringList shows[] = {{}, {"/gone/away/x.jpg"}, {"", "/gone/away/x.jpg"},
                               Full({"trip/day1/b.jpg", "trip/other/d.jpg"})};
  for (const QStringList& list : shows) {
    Close_All();
    ASSERT_TRUE(Write_File(show, Crlf_Lines(Default_Options + list)));
    Forms::Main()->Start(show, Platform::Show_Origin::Menu);
    Flush_Events();
    QTest::keyClick(Forms::Main(), 'S');
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
    QTest::keyClick(Forms::Main(), 's');
    Flush_Events();
    const bool searches = list != QStringList{"/gone/away/x.jpg"};
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::Search), searches) << list.join(",").toStdString();
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::Main), !searches) << list.join(",").toStdString();
    if (searches) {
      EXPECT_EQ(Forms::Search()->Dir_Txt, list.value(0).isEmpty() ? "" : dir.path() + "/trip/day1");
    }
  }
  EXPECT_EQ(Forms::Search()->Dir_Txt, dir.path() + "/trip/day1");
  ASSERT_TRUE(QTest::qWaitFor([] { return Forms::IsLoaded(Forms::Kind::Main); }, 10000));
  Flush_Events();
  EXPECT_EQ(Forms::Main()->List2, Full({"trip/day1/a.jpg", "trip/day1/b.jpg", "trip/day1/more/c.jpg"}));
  EXPECT_EQ(Forms::Main()->Origin, Platform::Show_Origin::Menu);  // handed on by the search
}

// Leaving with Esc, unplayable music, and a search ("s") that finds no picture: the message if
// any, then the maker as it was without the preview file, the menu still hidden.
TEST_F(Windows, PreviewPlaysTheListAndAlwaysReturnsToTheMaker) {
  Fakes::Files files;
  Fakes::Music music;
  Fakes::Directories dirs;
  Platform::Services::Guard seam;
  seam.files(files).music(music).directories(dirs);
  files.folders = {"/Empty"};
  dirs.Folder("/Empty");
  pictures.Add("/Empty/x.jpg", {40, 30});
  files.files = {"/m.mp3"};
  music.unplayable.insert("/m.mp3");
  const struct { Qt::Key key; bool music; QString message; } cases[] = {{Qt::Key_Escape, false, ""},
               {Qt::Key_unknown, true, "Invalid Music file, program will exit."},
               {Qt::Key_S, false, "No vaild images found (e.g. *.bmp, *.jpg or *.gif) in Directory!"}};
  for (const auto& c : cases) {
    Forms::Menu()->hide();
    Maker_Frm* f = Forms::Maker();
    f->show();
    f->List1->addItem("/Empty/x.jpg");
    if (f->Music_Chk->isChecked() != c.music) f->Music_Chk->click();
    f->Music_Txt->setText("/m.mp3");
    msg.shown.clear();
    files.removed.clear();
    files.files.insert(General::Preview_File_Path());
    const auto tools = f->Toolbar1->actions();
    const auto preview = std::find_if(tools.begin(), tools.end(), [](QAction* a) { return a->text() == "Preview"; });
    ASSERT_NE(preview, tools.end());
    QTest::mouseClick(f->Toolbar1->widgetForAction(*preview), Qt::LeftButton);
    EXPECT_TRUE(Bytes_Of(General::Preview_File_Path()).endsWith("Music=/m.mp3\r\n/Empty/x.jpg\r\n"));
    Flush_Events();
    if (c.key != Qt::Key_unknown) {
      ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main)) << c.key;
      EXPECT_EQ(Forms::Main()->File_Path_Txt, General::Preview_File_Path());
      QTest::keyClick(Forms::Main(), c.key);
      EXPECT_TRUE(QTest::qWaitFor([&] { return msg.shown.size() == (c.message.isEmpty() ? 0 : 1); }, 5000));
    }
    Flush_Events();
    EXPECT_EQ(msg.shown.size(), c.message.isEmpty() ? 0 : 1) << c.key;
    if (!msg.shown.isEmpty()) { EXPECT_EQ(msg.shown[0].text, c.message); }
    EXPECT_TRUE(program.end_codes.isEmpty());
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
    EXPECT_FALSE(Forms::Menu()->isVisible());
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->List1->count(), 1);
    EXPECT_TRUE(files.removed.contains(General::Preview_File_Path())) << c.key;
    f->close();
    Flush_Events();
  }
}

}  // namespace
