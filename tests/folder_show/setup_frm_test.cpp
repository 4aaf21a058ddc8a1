#include "folder_show/setup_frm.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/options/show_options.h"
#include "support/window_fixture.h"

// A click on a box or option's mark.
static void Click(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

class Setup : public Window_Test {
 protected:
  Setup() {
    seams.directories(dirs).file_dialogs(dialogs);
    for (const char* f : {"/a.jpg", "/b.gif", "/Pics/a.jpg", "/Pics/x.JPG"}) dirs.File(f);
    dirs.Folder("/Empty");
    dirs.volumes = {"/", "/media/usb"};  // the second one is not mounted any more
  }
  void Close_Window() override { Close(setup); }
  Setup_Frm* Open() { Load(setup)->show(); return setup; }
  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  QPointer<Setup_Frm> setup;
};

// The controls show the saved settings, or the defaults for damaged or missing ones; a search
// without the window reads the same options from the settings.
TEST_F(Setup, SavedSettingsComeBackAndDamagedOrMissingOnesGiveTheDefaults) {
  using namespace Settings;
  // Stretch, ratio (+ enabled), delay, loop, shuffle, message, subfolders, colour, its box's pixel,
  // music, music file, folder, count, width (7005 twips: 7005 / 15 - 8 = 459 pixels).
  const QStringList defaults = {"0", "1-", "5 Seconds", "1", "0", "1", "0", "0", "0", "0", "", "/", "Number of Files: 2", "359"};
  const struct { std::vector<std::pair<const Key*, const char*>> saved; QStringList state; } cases[] = {
      {{}, defaults},
      {{{&Display_Mode, "False"}, {&Keep_Ratio, "0"}, {&Delay, "12"}, {&Loop, "0"}, {&Shuffle, "1"}, {&Pause_Message, "0"},
        {&Sub_Dirs, "1"}, {&Colour, "255"}, {&UseMusic, "1"}, {&MusicPath, "/m.mp3"}, {&Drive, "/"}, {&Path, "/Pics"},
        {&WindowX, "7005"}, {&WindowY, "9000"}},
       {"1", "0+", "12 Seconds", "0", "1", "0", "1", "255", "ff0000", "1", "/m.mp3", "/Pics", "Number of Files: 2", "459"}},
      {{{&WindowX, "6000"}, {&Colour, "-7"}, {&Drive, "/"}, {&Path, "/gone/away"}}, defaults},
      {{{&Drive, "/media/usb"}, {&Path, "/media/usb/x"}}, defaults},  // and the drive list's message
  };
  for (const auto& c : cases) {
    Window_Test::SetUp();
    msg.shown.clear();
    for (const auto& [key, text] : c.saved) SaveSetting(key->app, Section, key->name, text);
    const Setup_Frm* f = Open();
    auto b = [](const QAbstractButton* box) { return QString(box->isChecked() ? "1" : "0"); };
    EXPECT_EQ((QStringList{b(f->Strech_Opt), b(f->Ratio_Chk) + (f->Ratio_Chk->isEnabled() ? "+" : "-"), f->Delay_Lbl->text(),
                           b(f->Loop_Chk), b(f->Shuff_Chk), b(f->Message_Chk), b(f->Subs_Chk),
                           QString::number(f->Picker->Save_Colour->BackColor()),
                           QString::number(f->Picker->Save_Colour->Inner_Image().pixel(2, 2) & 0xffffff, 16), b(f->Music_Chk),
                           General::MusicPath, f->Dir1->Path(), f->Num_Files_Lbl->text(), QString::number(f->width())}), c.state);
    EXPECT_EQ(std::pair(Window_Options::Folder_Show_Options(), msg.shown.size()), std::pair(f->Run_Options(), qsizetype(&c == &cases[3])));
  }
  EXPECT_EQ(msg.shown.value(0), (Fakes::Message{"Drive /media/usb is not available!", 16, "Invaild Drive"}));
}

TEST_F(Setup, EscSavesEverySettingAndBringsTheMenuBack) {
  Setup_Frm* f = Open();
  QTest::keyClick(f->Delay_Scroll, Qt::Key_Home);
  // Each the other way; the music box's file dialog is cancelled.
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{f->Strech_Opt, f->Ratio_Chk, f->Loop_Chk, f->Shuff_Chk, f->Message_Chk,
                                                                    f->Subs_Chk, f->Music_Chk}) Click(b);
  f->Picker->Save_Colour->Set_BackColor(65280);
  f->Dir1->Set_Path("/Pics");
  f->resize(500, 380);
  QTest::keyClick(f->Delay_Scroll, Qt::Key_Escape);
  Flush_Events();
  EXPECT_EQ(std::tuple(Is_Loaded(setup), navigator.log), std::tuple(false, QStringList{"show menu"}));
  using namespace Settings;
  const std::pair<const Key*, QString> expected[] = {
      {&Display_Mode, "False"}, {&Keep_Ratio, "0"}, {&Delay, "0"}, {&Loop, "0"}, {&Shuffle, "1"},
      {&Pause_Message, "0"}, {&Sub_Dirs, "1"}, {&Colour, "65280"}, {&Drive, "/"}, {&Path, "/Pics"},
      {&UseMusic, "1"}, {&MusicPath, ""}, {&WindowX, QString::number((500 + 8) * 15)}, {&WindowY, "6210"}};
  for (const auto& [key, text] : expected) EXPECT_EQ(Get_Text(*key), text) << key->name;
}

// An empty folder without subfolders, or a run file that cannot be written: the message, and the
// window stays with no show started. With subfolders the folder's tree is searched, even when the
// folder itself is empty.
TEST_F(Setup, AnEmptyFolderOrAnUnwritableRunFileStartsNoShow) {
  const struct { const char* folder; bool subs, unwritable; QList<Fakes::Message> said; QString label; } cases[] = {
      {"/Empty", false, false, {{"No Files in Directory!", 48, "ERROR"}}, "Number of Files: 0"},
      {"/", false, true, {{"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16, "Slide Show"}}, "Number of Files: 2"},
      {"/Empty", true, false, {}, "No. of Files in Root: 0"}};
  for (const auto& c : cases) {
    Close_All();
    msg.shown.clear();
    if (c.unwritable) { ASSERT_TRUE(QDir().mkpath(General::Run_File_Path())); }  // a folder in its place
    Setup_Frm* f = Open();
    f->Dir1->Set_Path(c.folder);
    if (c.subs) Click(f->Subs_Chk);
    const QString label = f->Num_Files_Lbl->text();
    QTest::mouseClick(f->Run_btn, Qt::LeftButton);
    EXPECT_EQ(std::tuple(label, msg.shown, f->isVisible(), QFileInfo(General::Run_File_Path()).isFile(), navigator.log),
              std::tuple(c.label, c.said, !c.subs, false, c.subs ? QStringList{"search /Empty from folder window"} : QStringList{}));
  }
}

// Wider than its minimum, the window keeps the option frames and the boxes (the first seven) at the
// right edge and gives the room to the folder list and the run button; its height is fixed.
TEST_F(Setup, TheHeightIsFixedAndTheWidthHasAMinimum) {
  Setup_Frm* f = Open();
  const QList<QWidget*> all = {f->Display_Fra, f->Delay_Fra, f->Colour_Fra, f->Music_Chk, f->Shuff_Chk, f->Loop_Chk,
                               f->Message_Chk, f->Main_Fra,  f->Dir1,       f->Drive1,    f->Num_Files_Lbl, f->Run_btn};
  f->resize(200, 100);
  EXPECT_EQ(std::tuple(f->size(), f->Display_Fra->geometry()), std::tuple(QSize(359, 380), QRect(210, 9, 142, 97)));
  QList<QPoint> narrow;
  for (QWidget* w : all) narrow << QPoint(w->x(), w->width());
  f->resize(600, 500);
  EXPECT_EQ(f->size(), QSize(600, 380));
  for (qsizetype i = 0; i < all.size(); ++i)
    EXPECT_EQ(QPoint(all[i]->x(), all[i]->width()) - narrow[i], i < 7 ? QPoint(241, 0) : QPoint(0, 241)) << i;
}

// Released outside: nothing; inside: ticked, a file asked for; cleared: no dialog, the file stays;
// ticked again and the dialog cancelled: the file stays, the box stays ticked.
TEST_F(Setup, TheMusicBoxAsksForAFileOnlyWhenReleasedInsideAndTicked) {
  Music_Button* box = Open()->Music_Chk;
  const QPoint inside(box->width() / 2, box->height() / 2);
  dialogs.answers = {Fakes::File_Dialogs::Choose("/m.mp3")};
  for (const auto& [released, ticked, asked, music] :
       {std::tuple{QPoint(-10, 1), false, 0, ""}, {inside, true, 1, "/m.mp3"}, {inside, false, 1, "/m.mp3"}, {inside, true, 2, "/m.mp3"}}) {
    QTest::mousePress(box, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(box, Qt::LeftButton, {}, released);
    ASSERT_EQ(std::tuple(box->isChecked(), dialogs.calls.size(), General::MusicPath), std::tuple(ticked, asked, QString(music)));
  }
  const Platform::Dialog_Record& r = dialogs.calls[0].record;
  EXPECT_EQ(std::tuple(dialogs.calls[0].save, r.lpstrTitle, r.lpstrFilter), std::tuple(false, QString("Load Music File"),
                       QString("All Supported Files (*.mp3,*.wav,*.mid)|*.mp3;*.wav;*.mid|All Files (*.*)|*.*||").replace(u'|', QChar(0))));
}
