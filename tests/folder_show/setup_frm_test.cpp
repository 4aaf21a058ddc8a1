#include "folder_show/setup_frm.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "folder_show/window_options.h"
#include "menu/menu_frm.h"
#include "menu/picture_button.h"
#include "player/main_frm.h"
#include "search/search_frm.h"
#include "settings/settings.h"
#include "startup/forms.h"
#include "startup/general.h"
#include "support/fakes.h"

namespace {

void flush_events() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

QStringList Lines_Of(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray all = f.readAll();
  EXPECT_TRUE(all.endsWith("\r\n"));
  QStringList lines = QString::fromUtf8(all).split(QStringLiteral("\r\n"));
  lines.removeLast();
  return lines;
}

class Setup : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
    QFile::remove(General::Run_File_Path());
    General::StartedFromCommandLine = false;
    General::MusicPath.clear();
    for (const char* f : {"/a.jpg", "/b.gif", "/notes.txt", "/.hidden.jpg", "/Pics/a.jpg",
                          "/Pics/x.JPG", "/Pics/Trip/t.bmp"})
      dirs.File(f);
    dirs.Folder("/Empty");
    dirs.Folder("/.config");
    dirs.volumes = {"/", "/media/usb"};  // the second one is not mounted any more
    for (const char* p : {"/a.jpg", "/b.gif", "/Pics/a.jpg", "/Pics/x.JPG"}) pictures.Add(p, {40, 30});
  }
  void TearDown() override {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Setup, Forms::Kind::Menu})
      Forms::Close(kind);
    flush_events();
    QFile::remove(General::Run_File_Path());
    QDir(General::Run_File_Path()).removeRecursively();
    General::StartedFromCommandLine = false;
    General::MusicPath.clear();
  }
  // The window as the menu opens it.
  Setup_Frm* Open() {
    Setup_Frm* f = Forms::Setup();
    f->show();
    return f;
  }
  void Save(const Settings::Key& key, const QString& text) {
    Settings::SaveSetting(key.app, Settings::Section, key.name, text);
  }

  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  Platform::Services::Scoped seams{&msg, &program, &pictures};
  Platform::Services::Scoped_Directories directory_seam{&dirs};
  Platform::Services::Scoped_Desktop desktop{&dialogs, nullptr};
};

TEST_F(Setup, AFirstRunShowsTheDefaults) {
  Setup_Frm* f = Open();
  EXPECT_EQ(f->windowTitle(), "Slide Show from Folder");
  EXPECT_TRUE(f->Maintain_Opt->isChecked());
  EXPECT_FALSE(f->Strech_Opt->isChecked());
  EXPECT_TRUE(f->Ratio_Chk->isChecked());
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
  EXPECT_EQ(f->Delay_Scroll->value(), 5);
  EXPECT_EQ(f->Delay_Lbl->text(), "5 Seconds");
  EXPECT_TRUE(f->Loop_Chk->isChecked());
  EXPECT_FALSE(f->Shuff_Chk->isChecked());
  EXPECT_TRUE(f->Message_Chk->isChecked());
  EXPECT_FALSE(f->Subs_Chk->isChecked());
  EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 0);
  EXPECT_FALSE(f->Music_Chk->isChecked());
  EXPECT_EQ(General::MusicPath, "");
  EXPECT_EQ(f->Drive1->Drive(), "/");
  EXPECT_EQ(f->Dir1->Path(), "/");
  EXPECT_EQ(f->File1, (QStringList{"a.jpg", "b.gif"}));
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
  EXPECT_EQ(f->size(), QSize(359, 380));
  EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(Setup, SavedValuesComeBackAsIfTheUserHadSetThem) {
  using namespace Settings;
  Save(Display_Mode, "False");
  Save(Keep_Ratio, "0");
  Save(Delay, "12");
  Save(Loop, "0");
  Save(Shuffle, "1");
  Save(Pause_Message, "0");
  Save(Sub_Dirs, "1");
  Save(Colour, "255");
  Save(UseMusic, "1");
  Save(MusicPath, "/music/song.mp3");
  Save(Drive, "/");
  Save(Path, "/Pics");
  Save(WindowX, "7005");
  Save(WindowY, "9000");
  Setup_Frm* f = Open();
  EXPECT_TRUE(f->Strech_Opt->isChecked());
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  EXPECT_FALSE(f->Ratio_Chk->isChecked());
  EXPECT_EQ(f->Delay_Lbl->text(), "12 Seconds");
  EXPECT_FALSE(f->Loop_Chk->isChecked());
  EXPECT_TRUE(f->Shuff_Chk->isChecked());
  EXPECT_FALSE(f->Message_Chk->isChecked());
  EXPECT_TRUE(f->Subs_Chk->isChecked());
  EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 255);
  EXPECT_EQ(f->Picker->Save_Colour->Inner_Image().pixel(2, 2), qRgb(255, 0, 0));
  EXPECT_TRUE(f->Music_Chk->isChecked());
  EXPECT_EQ(General::MusicPath, "/music/song.mp3");
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
  // The count reads the same whatever "Include Subfolders" says.
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
  // Only the width survives: the height is fixed.
  EXPECT_EQ(f->size(), QSize(7005 / 15 - 8, 380));
}

TEST_F(Setup, ASizeWithAZeroIsIgnoredAndADamagedColourGivesBlack) {
  Save(Settings::WindowX, "6000");
  Save(Settings::WindowY, "0");
  Save(Settings::Colour, "-7");
  Setup_Frm* f = Open();
  EXPECT_EQ(f->size(), QSize(359, 380));
  EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 0);
}

TEST_F(Setup, AFolderOrDriveThatIsGoneFallsBackToTheRoot) {
  struct Case {
    const char* drive;
    const char* path;
    int messages;  // the drive list's own message for a volume that does not answer
  };
  const Case cases[] = {{"/", "/gone/away", 0}, {"/nowhere", "/Pics", 0}, {"/media/usb", "/media/usb/x", 1}};
  for (const Case& c : cases) {
    TearDown();
    msg.shown.clear();
    Save(Settings::Drive, c.drive);
    Save(Settings::Path, c.path);
    Setup_Frm* f = Open();
    EXPECT_EQ(f->Drive1->Drive(), "/") << c.drive;
    EXPECT_EQ(f->Dir1->Path(), "/") << c.path;
    EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
    ASSERT_EQ(msg.shown.size(), c.messages) << c.drive;
    if (c.messages) {
      EXPECT_EQ(msg.shown[0],
                (Fakes::Message{"Drive /media/usb is not available!", 16, "Invaild Drive"}));
    }
  }
}

TEST_F(Setup, ChoosingADriveThatDoesNotAnswerKeepsTheFolder) {
  Setup_Frm* f = Open();
  f->Dir1->Set_Path("/Pics");
  f->Drive1->Set_Drive("/media/usb");
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0].text, "Drive /media/usb is not available!");
  EXPECT_EQ(f->Drive1->Drive(), "/media/usb");
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
}

TEST_F(Setup, ClosingSavesEverySettingAndBringsTheMenuBack) {
  Setup_Frm* f = Open();
  f->Strech_Opt->setChecked(true);
  f->Ratio_Chk->setChecked(false);
  f->Delay_Scroll->setValue(0);
  f->Loop_Chk->setChecked(false);
  f->Shuff_Chk->setChecked(true);
  f->Message_Chk->setChecked(false);
  f->Subs_Chk->setChecked(true);
  f->Picker->Save_Colour->Set_BackColor(65280);
  f->Music_Chk->setChecked(true);  // no file ever chosen
  f->Dir1->Set_Path("/Pics");
  f->resize(500, 380);
  QTest::keyClick(f, Qt::Key_Escape);
  flush_events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Setup));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_TRUE(Forms::Menu()->isVisible());
  using namespace Settings;
  const std::pair<const Key*, QString> expected[] = {
      {&Display_Mode, "False"}, {&Keep_Ratio, "0"}, {&Delay, "0"}, {&Loop, "0"},
      {&Shuffle, "1"}, {&Pause_Message, "0"}, {&Sub_Dirs, "1"}, {&Colour, "65280"},
      {&Drive, "/"}, {&Path, "/Pics"}, {&UseMusic, "1"}, {&MusicPath, ""},
      {&WindowX, QString::number((500 + 8) * 15)}, {&WindowY, "6210"}};
  for (const auto& [key, text] : expected) EXPECT_EQ(Get_Text(*key), text) << key->name;
  // And they come back.
  Setup_Frm* again = Open();
  EXPECT_EQ(again->size(), QSize(500, 380));
  EXPECT_EQ(again->Delay_Lbl->text(), "Forever");
  EXPECT_EQ(again->Dir1->Path(), "/Pics");
}

TEST_F(Setup, TheDelayLabelAndTheDisplayModeFollowTheControls) {
  Setup_Frm* f = Open();
  const std::pair<int, const char*> delays[] = {{0, "Forever"}, {1, "1 Second"}, {2, "2 Seconds"}, {60, "60 Seconds"}};
  for (const auto& [value, text] : delays) {
    f->Delay_Scroll->setValue(value);
    EXPECT_EQ(f->Delay_Lbl->text(), text);
  }
  f->Delay_Scroll->triggerAction(QAbstractSlider::SliderPageStepSub);  // a trough click
  EXPECT_EQ(f->Delay_Scroll->value(), 59);
  QTest::mouseClick(f->Strech_Opt, Qt::LeftButton);
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  EXPECT_TRUE(f->Ratio_Chk->isChecked());
  QTest::mouseClick(f->Maintain_Opt, Qt::LeftButton);
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
  EXPECT_TRUE(f->Ratio_Chk->isChecked());  // the tick stays
}

TEST_F(Setup, TheCountAndItsWordingFollowTheFolderAndTheSubfolderBox) {
  Setup_Frm* f = Open();
  QTest::mouseClick(f->Subs_Chk, Qt::LeftButton);
  EXPECT_EQ(f->Num_Files_Lbl->text(), "No. of Files in Root: 2");
  // Opening a subfolder in the folder list: the count is that folder's, in the plain wording.
  QTreeWidgetItem* pics = nullptr;
  for (QTreeWidgetItemIterator it(f->Dir1); *it; ++it)
    if ((*it)->text(0) == "Pics") pics = *it;
  ASSERT_NE(pics, nullptr);
  emit f->Dir1->itemDoubleClicked(pics, 0);
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
  EXPECT_EQ(f->File1, (QStringList{"a.jpg", "x.JPG"}));
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
  QTest::mouseClick(f->Subs_Chk, Qt::LeftButton);
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
  f->Dir1->Set_Path("/Empty");
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 0");
  // The list shows the way down, then the subfolders, hidden ones left out.
  f->Dir1->Set_Path("/");
  QStringList shown;
  for (QTreeWidgetItemIterator it(f->Dir1); *it; ++it) shown << (*it)->text(0);
  EXPECT_EQ(shown, (QStringList{"/", "Empty", "Pics"}));
  f->Dir1->Set_Path("/Pics/Trip");
  shown.clear();
  for (QTreeWidgetItemIterator it(f->Dir1); *it; ++it) shown << (*it)->text(0);
  EXPECT_EQ(shown, (QStringList{"/", "Pics", "Trip"}));
  EXPECT_FALSE(f->Dir1->Set_Path("/not/there"));
  EXPECT_EQ(f->Dir1->Path(), "/Pics/Trip");
}

struct Run_Case {
  const char* folder;
  bool strech, ratio;
  int delay;
  std::int32_t colour;
  bool music;
  QStringList lines;
};

TEST_F(Setup, RunWritesTheRunFileAndStartsThePlayer) {
  const Run_Case cases[] = {
      {"/", false, true, 0, 255, false,
       {"Strech=False", "Ratio=1", "Shuff=0", "Delay=0", "BackCol=255", "Loop=1", "Message=1",
        "UseMusic=0", "Music=", "/a.jpg", "/b.gif"}},
      {"/Pics", true, false, 60, 16777215, true,
       {"Strech=True", "Ratio=0", "Shuff=0", "Delay=60", "BackCol=16777215", "Loop=1",
        "Message=1", "UseMusic=1", "Music=", "/Pics/a.jpg", "/Pics/x.JPG"}},
  };
  for (const Run_Case& c : cases) {
    TearDown();
    Setup_Frm* f = Open();
    f->Dir1->Set_Path(c.folder);
    (c.strech ? f->Strech_Opt : f->Maintain_Opt)->setChecked(true);
    f->Ratio_Chk->setChecked(c.ratio);
    f->Delay_Scroll->setValue(c.delay);
    f->Picker->Save_Colour->Set_BackColor(c.colour);
    f->Music_Chk->setChecked(c.music);
    QTest::mouseClick(f->Run_btn, Qt::LeftButton);
    EXPECT_EQ(Lines_Of(General::Run_File_Path()), c.lines) << c.folder;
    EXPECT_EQ(Forms::Menu()->Open_File_Path_Txt, General::Run_File_Path());
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
    ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
    EXPECT_TRUE(Forms::Main()->isVisible());
    EXPECT_TRUE(msg.shown.isEmpty());
    // The settings were saved first.
    EXPECT_EQ(Settings::Get_Text(Settings::Path), c.folder);
  }
}

TEST_F(Setup, EnterRunsTheShowAndEscClosesTheWindow) {
  Setup_Frm* f = Open();
  f->Dir1->setFocus();
  f->Dir1->setCurrentItem(f->Dir1->topLevelItem(0)->child(1));  // "Pics", not opened
  QTest::keyClick(f->Dir1, Qt::Key_Return);
  EXPECT_EQ(f->Dir1->Path(), "/");
  EXPECT_EQ(Lines_Of(General::Run_File_Path()).mid(9), (QStringList{"/a.jpg", "/b.gif"}));
  EXPECT_FALSE(f->isVisible());
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  TearDown();
  f = Open();
  QTest::keyClick(f->Delay_Scroll, Qt::Key_Escape);
  flush_events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_TRUE(Forms::Menu()->isVisible());
}

TEST_F(Setup, LeavingTheShowClosesTheWindowAndBringsTheMenuBack) {
  Setup_Frm* f = Open();
  f->Delay_Scroll->setValue(33);
  QTest::mouseClick(f->Run_btn, Qt::LeftButton);
  flush_events();
  Main_Frm* player = Forms::Main();
  ASSERT_TRUE(player->Show_Loaded());
  QTest::keyClick(player, Qt::Key_Escape);
  flush_events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Setup));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_TRUE(Forms::Menu()->isVisible());
  EXPECT_EQ(Settings::Get_Text(Settings::Delay), "33");
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
}

TEST_F(Setup, AnEmptyFolderIsRefusedWithoutSubfoldersAndSearchedWithThem) {
  Setup_Frm* f = Open();
  f->Dir1->Set_Path("/Empty");
  QTest::mouseClick(f->Run_btn, Qt::LeftButton);
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"No Files in Directory!", 48, "ERROR"}));
  EXPECT_TRUE(f->isVisible());
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));

  msg.shown.clear();
  f->Subs_Chk->setChecked(true);
  QTest::mouseClick(f->Run_btn, Qt::LeftButton);
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_FALSE(f->isVisible());
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Search));
  EXPECT_TRUE(Forms::Search()->isVisible());
  EXPECT_EQ(Forms::Search()->Dir_Txt, "/Empty");
  Forms::Close(Forms::Kind::Search);  // before its walk starts
}

TEST_F(Setup, ARunFileThatCannotBeWrittenIsReportedAndNoShowStarts) {
  ASSERT_TRUE(QDir().mkpath(General::Run_File_Path()));  // a folder where the file should go
  Setup_Frm* f = Open();
  QTest::mouseClick(f->Run_btn, Qt::LeftButton);
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"Could not write the file\r\n\r\n" + General::Run_File_Path(),
                                          16, "Slide Show"}));
  EXPECT_TRUE(f->isVisible());
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_TRUE(Forms::Menu()->Open_File_Path_Txt.isEmpty());
}

TEST_F(Setup, TheHeightIsFixedAndTheWidthHasAMinimum) {
  Setup_Frm* f = Open();
  using General::Twips_To_Pixels;
  f->resize(600, 500);
  EXPECT_EQ(f->size(), QSize(600, 380));
  const int outer = (600 + 8) * 15;
  EXPECT_EQ(f->Display_Fra->x(), Twips_To_Pixels(outer - 2130 - 225));
  EXPECT_EQ(f->Colour_Fra->x(), f->Display_Fra->x());
  EXPECT_EQ(f->Delay_Fra->x(), f->Display_Fra->x());
  EXPECT_EQ(f->Main_Fra->width(), Twips_To_Pixels(outer - 2130 - 225 - 90 - 75));
  EXPECT_EQ(f->Dir1->width(), Twips_To_Pixels(outer - 2130 - 225 - 90 - 75 - 180));
  EXPECT_EQ(f->Run_btn->width(), Twips_To_Pixels(outer - 765));
  EXPECT_EQ(f->Music_Chk->x(), Twips_To_Pixels(outer - 420 - 180));
  EXPECT_EQ(f->Loop_Chk->x(), Twips_To_Pixels(outer - 735 - 360));
  f->resize(200, 100);
  EXPECT_EQ(f->size(), QSize(359, 380));
  // The design places at the minimum width.
  EXPECT_EQ(f->Display_Fra->geometry(), QRect(210, 9, 142, 97));
  EXPECT_EQ(f->Run_btn->geometry(), QRect(6, 345, 316, 28));
  EXPECT_EQ(f->Music_Chk->geometry(), QRect(327, 345, 28, 28));
  EXPECT_EQ(f->Main_Fra->geometry(), QRect(6, 9, 199, 328));
  // Close_Btn lies below the visible client area.
  EXPECT_GE(f->Close_Btn->y(), f->height());
}

TEST_F(Setup, TheMusicBoxAsksForAFileOnlyWhenReleasedInsideAndTicked) {
  Setup_Frm* f = Open();
  Music_Button* box = f->Music_Chk;
  const QPoint inside(box->width() / 2, box->height() / 2);
  // Released outside: nothing.
  QTest::mousePress(box, Qt::LeftButton, {}, inside);
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() + 10, inside.y()));
  EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(dialogs.calls.isEmpty());
  // Released inside: ticked, and the dialog asks for a music file.
  dialogs.answers.push_back(Fakes::File_Dialogs::Choose("/music/song.mp3"));
  QTest::mouseClick(box, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(box->isChecked());
  ASSERT_EQ(dialogs.calls.size(), 1);
  EXPECT_FALSE(dialogs.calls[0].save);
  EXPECT_EQ(dialogs.calls[0].record.lpstrTitle, "Load Music File");
  EXPECT_EQ(dialogs.calls[0].record.lpstrFilter,
            QString("All Supported Files (*.mp3,*.wav,*.mid)") + QChar(0) + "*.mp3;*.wav;*.mid" +
                QChar(0) + "All Files (*.*)" + QChar(0) + "*.*" + QChar(0) + QChar(0));
  EXPECT_EQ(General::MusicPath, "/music/song.mp3");
  // Cleared: no dialog, the file stays.
  QTest::mouseClick(box, Qt::LeftButton, {}, inside);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(dialogs.calls.size(), 1);
  EXPECT_EQ(General::MusicPath, "/music/song.mp3");
  // Ticked again and the dialog cancelled: the file stays, the box stays ticked.
  QTest::mouseClick(box, Qt::LeftButton, {}, inside);
  EXPECT_EQ(dialogs.calls.size(), 2);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(General::MusicPath, "/music/song.mp3");
}

TEST_F(Setup, ClosingTheMenuClosesTheWindowToo) {
  Forms::Menu()->show();
  Forms::Menu()->Open_Folder_Btn->click();
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_TRUE(Forms::Setup()->isVisible());
  EXPECT_FALSE(Forms::Menu()->isVisible());
  Forms::Menu()->close();
  flush_events();
  EXPECT_EQ(Forms::Loaded_Count(), 0);
  EXPECT_EQ(program.last_window_closed, 1);
}

}  // namespace
