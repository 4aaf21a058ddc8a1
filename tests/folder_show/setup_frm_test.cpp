#include "folder_show/setup_frm.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "core/options/show_options.h"
#include "support/window_fixture.h"

namespace {

// The window's controls in one list: stretch, ratio (+ enabled), delay label, loop, shuffle,
// message, subfolders, colour, its box's pixel, music, music file, folder, count, width, height.
QStringList State(const Setup_Frm* f) {
  auto b = [](const QAbstractButton* c) { return QString(c->isChecked() ? "1" : "0"); };
  return {b(f->Strech_Opt), b(f->Ratio_Chk) + (f->Ratio_Chk->isEnabled() ? "+" : "-"),
          f->Delay_Lbl->text(), b(f->Loop_Chk), b(f->Shuff_Chk), b(f->Message_Chk), b(f->Subs_Chk),
          QString::number(f->Picker->Save_Colour->BackColor()),
          QString::number(f->Picker->Save_Colour->Inner_Image().pixel(2, 2) & 0xffffff, 16),
          b(f->Music_Chk), General::MusicPath, f->Dir1->Path(), f->Num_Files_Lbl->text(),
          QString::number(f->width()), QString::number(f->height())};
}

// A click on a box or option's mark.
void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

class Setup : public Window_Test {
 protected:
  void SetUp() override {
    Window_Test::SetUp();
    for (const char* f : {"/a.jpg", "/b.gif", "/notes.txt", "/.hidden.jpg", "/Pics/a.jpg",
                          "/Pics/x.JPG", "/Pics/Trip/t.bmp"})
      dirs.File(f);
    dirs.Folder("/Empty");
    dirs.Folder("/.config");
    dirs.volumes = {"/", "/media/usb"};  // the second one is not mounted any more
    for (const char* p : {"/a.jpg", "/b.gif", "/Pics/a.jpg", "/Pics/x.JPG"}) pictures.Add(p, {40, 30});
  }
  Setup() { seams.directories(dirs).file_dialogs(dialogs); }
  void Close_Window() override { Close(setup); }
  Setup_Frm* Open() {
    Setup_Frm* f = Load(setup);
    f->show();
    return f;
  }

  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  QPointer<Setup_Frm> setup;
};

TEST_F(Setup, SavedSettingsComeBackAndDamagedOrMissingOnesGiveTheDefaults) {
  using namespace Settings;
  const QSize screen = QGuiApplication::primaryScreen()->availableSize();
  const QStringList defaults = {"0", "1-", "5 Seconds", "1", "0", "1", "0", "0", "0",
                                "0", "", "/", "Number of Files: 2", "359", "380"};
  struct Case {
    std::vector<std::pair<const Key*, const char*>> saved;
    QStringList state;
    int messages;  // the drive list's own message for a volume that does not answer
  };
  const Case cases[] = {
      {{}, defaults, 0},
      {{{&Display_Mode, "False"}, {&Keep_Ratio, "0"}, {&Delay, "12"}, {&Loop, "0"}, {&Shuffle, "1"},
        {&Pause_Message, "0"}, {&Sub_Dirs, "1"}, {&Colour, "255"}, {&UseMusic, "1"},
        {&MusicPath, "/music/song.mp3"}, {&Drive, "/"}, {&Path, "/Pics"}, {&WindowX, "7005"},
        {&WindowY, "9000"}},
       {"1", "0+", "12 Seconds", "0", "1", "0", "1", "255", "ff0000", "1", "/music/song.mp3",
        "/Pics", "Number of Files: 2", QString::number(7005 / 15 - 8), "380"},
       0},
      {{{&WindowX, "6000"}, {&WindowY, "0"}, {&Colour, "-7"}}, defaults, 0},
      // A saved width beyond the screen's gives a window as wide as the screen.
      {{{&WindowX, "491505"}, {&WindowY, "9000"}},
       defaults.mid(0, 13) + QStringList{QString::number(screen.width() - 8), "380"}, 0},
      {{{&Drive, "/"}, {&Path, "/gone/away"}}, defaults, 0},
      {{{&Drive, "/nowhere"}, {&Path, "/Pics"}}, defaults, 0},
      {{{&Drive, "/media/usb"}, {&Path, "/media/usb/x"}}, defaults, 1},
  };
  for (const Case& c : cases) {
    Window_Test::SetUp();
    msg.shown.clear();
    for (const auto& [key, text] : c.saved) SaveSetting(key->app, Section, key->name, text);
    EXPECT_EQ(State(Open()), c.state) << c.saved.size();
    // A search without the window reads the same options from the settings.
    EXPECT_EQ(Window_Options::Folder_Show_Options(), setup->Run_Options()) << c.saved.size();
    ASSERT_EQ(msg.shown.size(), c.messages);
    for (const auto& m : msg.shown)
      EXPECT_EQ(m, (Fakes::Message{"Drive /media/usb is not available!", 16, "Invaild Drive"}));
  }
}

TEST_F(Setup, EscSavesEverySettingAndBringsTheMenuBack) {
  Setup_Frm* f = Open();
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
  Click(f->Strech_Opt);
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  for (const auto& [key, label] : {std::pair{Qt::Key_Home, "Forever"}, {Qt::Key_Right, "1 Second"},
                                   {Qt::Key_Right, "2 Seconds"}, {Qt::Key_Left, "1 Second"},
                                   {Qt::Key_Left, "Forever"}}) {
    QTest::keyClick(f->Delay_Scroll, key);
    EXPECT_EQ(f->Delay_Lbl->text(), label);
  }
  for (QAbstractButton* box : {static_cast<QAbstractButton*>(f->Ratio_Chk), static_cast<QAbstractButton*>(f->Loop_Chk),
                               static_cast<QAbstractButton*>(f->Shuff_Chk), static_cast<QAbstractButton*>(f->Message_Chk),
                               static_cast<QAbstractButton*>(f->Subs_Chk), static_cast<QAbstractButton*>(f->Music_Chk)})
    Click(box);  // each the other way; the music box's file dialog is cancelled
  f->Picker->Save_Colour->Set_BackColor(65280);
  f->Dir1->Set_Path("/Pics");
  f->resize(500, 380);
  QTest::keyClick(f->Delay_Scroll, Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Is_Loaded(setup));
  EXPECT_EQ(navigator.log, QStringList{"show menu"});
  using namespace Settings;
  const std::pair<const Key*, QString> expected[] = {
      {&Display_Mode, "False"}, {&Keep_Ratio, "0"}, {&Delay, "0"}, {&Loop, "0"},
      {&Shuffle, "1"}, {&Pause_Message, "0"}, {&Sub_Dirs, "1"}, {&Colour, "65280"},
      {&Drive, "/"}, {&Path, "/Pics"}, {&UseMusic, "1"}, {&MusicPath, ""},
      {&WindowX, QString::number((500 + 8) * 15)}, {&WindowY, "6210"}};
  for (const auto& [key, text] : expected) EXPECT_EQ(Get_Text(*key), text) << key->name;
}

TEST_F(Setup, TheFolderListTheCountAndTheDrives) {
  Setup_Frm* f = Open();
  QTest::mouseClick(f->Subs_Chk, Qt::LeftButton);
  EXPECT_EQ(f->Num_Files_Lbl->text(), "No. of Files in Root: 2");
  QTreeWidgetItem* pics = f->Dir1->topLevelItem(0)->child(1);
  ASSERT_EQ(pics->text(0), "Pics");
  const QPoint on_pics = f->Dir1->visualItemRect(pics).center();
  QTest::mouseClick(f->Dir1->viewport(), Qt::LeftButton, {}, on_pics);  // a double-click: a click,
  QTest::mouseDClick(f->Dir1->viewport(), Qt::LeftButton, {}, on_pics);  // then the second press
  QTest::mouseRelease(f->Dir1->viewport(), Qt::LeftButton, {}, on_pics);
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
  EXPECT_EQ(f->File1, (QStringList{"a.jpg", "x.JPG"}));
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 2");
  f->Dir1->Set_Path("/Empty");
  EXPECT_EQ(f->Num_Files_Lbl->text(), "Number of Files: 0");
  // The list shows the way down, then the subfolders, hidden ones left out.
  for (const auto& [path, shown] : {std::pair<QString, QStringList>{"/", {"/", "Empty", "Pics"}},
                                    {"/Pics/Trip", {"/", "Pics", "Trip"}}}) {
    f->Dir1->Set_Path(path);
    QStringList items;
    for (QTreeWidgetItemIterator it(f->Dir1); *it; ++it) items << (*it)->text(0);
    EXPECT_EQ(items, shown);
  }
  EXPECT_FALSE(f->Dir1->Set_Path("/not/there"));
  EXPECT_EQ(f->Dir1->Path(), "/Pics/Trip");
  // A drive that does not answer keeps the folder.
  f->Drive1->Set_Drive("/media/usb");
  EXPECT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(f->Dir1->Path(), "/Pics/Trip");
}

TEST_F(Setup, RunWritesTheRunFileAndStartsThePlayer) {
  struct Case {
    const char* folder;
    bool enter;  // Enter in the folder list, on "Pics" not opened, instead of a click on the button
    bool strech, ratio;
    int delay;
    std::int32_t colour;
    bool music;
    QStringList lines;
  };
  const Case cases[] = {
      {"/", true, false, true, 0, 255, false,
       {"Strech=False", "Ratio=1", "Shuff=0", "Delay=0", "BackCol=255", "Loop=1", "Message=1",
        "UseMusic=0", "Music=", "/a.jpg", "/b.gif"}},
      {"/Pics", false, true, false, 60, 16777215, true,
       {"Strech=True", "Ratio=0", "Shuff=0", "Delay=60", "BackCol=16777215", "Loop=1",
        "Message=1", "UseMusic=1", "Music=", "/Pics/a.jpg", "/Pics/x.JPG"}},
  };
  for (const Case& c : cases) {
    Close_All();
    Setup_Frm* f = Open();
    f->Dir1->Set_Path(c.folder);
    if (c.strech) Click(f->Strech_Opt);
    if (f->Ratio_Chk->isChecked() != c.ratio) Click(f->Ratio_Chk);
    QTest::keyClick(f->Delay_Scroll, c.delay == 0 ? Qt::Key_Home : Qt::Key_End);
    ASSERT_EQ(f->Delay_Scroll->value(), c.delay);
    f->Picker->Save_Colour->Set_BackColor(c.colour);
    if (c.music) Click(f->Music_Chk);
    if (c.enter) {
      QTreeWidgetItem* pics = f->Dir1->topLevelItem(0)->child(1);
      QTest::mouseClick(f->Dir1->viewport(), Qt::LeftButton, {}, f->Dir1->visualItemRect(pics).center());
      ASSERT_EQ(f->Dir1->currentItem(), pics);
      QTest::keyClick(f->Dir1, Qt::Key_Return);
    } else {
      QTest::mouseClick(f->Run_btn, Qt::LeftButton);
    }
    EXPECT_EQ(Run_File_Lines(), c.lines) << c.folder;
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(navigator.log, QStringList{"play " + General::Run_File_Path() + " from folder window"});
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(Settings::Get_Text(Settings::Path), c.folder);  // saved first
  }
}

// An empty folder without subfolders, or a run file that cannot be written: the message, and the
// window stays with no show started. With subfolders the empty folder is searched.
TEST_F(Setup, AnEmptyFolderOrAnUnwritableRunFileStartsNoShow) {
  const struct { const char* folder; bool unwritable; Fakes::Message said; } cases[] = {
      {"/Empty", false, {"No Files in Directory!", 48, "ERROR"}},
      {"/", true, {"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16, "Slide Show"}}};
  for (const auto& c : cases) {
    Close_All();
    msg.shown.clear();
    if (c.unwritable) { ASSERT_TRUE(QDir().mkpath(General::Run_File_Path())); }  // a folder in its place
    Setup_Frm* f = Open();
    f->Dir1->Set_Path(c.folder);
    QTest::mouseClick(f->Run_btn, Qt::LeftButton);
    EXPECT_EQ(msg.shown, QList<Fakes::Message>{c.said});
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(QFileInfo(General::Run_File_Path()).isFile());
    EXPECT_TRUE(navigator.log.isEmpty());
  }
  Click(setup->Subs_Chk);
  setup->Dir1->Set_Path("/Empty");
  QDir(General::Run_File_Path()).removeRecursively();
  QTest::mouseClick(setup->Run_btn, Qt::LeftButton);
  EXPECT_EQ(msg.shown.size(), 1);
  EXPECT_FALSE(setup->isVisible());
  EXPECT_EQ(navigator.log, QStringList{"search /Empty from folder window"});
}

// Wider than its minimum, the window keeps the option frames and the boxes at the right edge and
// gives the room to the folder list and the run button; nothing overlaps or leaves the window.
TEST_F(Setup, TheHeightIsFixedAndTheWidthHasAMinimum) {
  Setup_Frm* f = Open();
  const QList<QWidget*> moving = {f->Display_Fra, f->Delay_Fra, f->Colour_Fra, f->Music_Chk,
                                  f->Shuff_Chk,   f->Loop_Chk,  f->Message_Chk};
  const QList<QWidget*> growing = {f->Main_Fra, f->Dir1, f->Drive1, f->Num_Files_Lbl, f->Run_btn};
  auto geometries = [&] {
    QList<QRect> all;
    for (QWidget* w : moving + growing) {
      EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
      all << w->geometry();
    }
    EXPECT_LT(f->Main_Fra->geometry().right(), f->Display_Fra->x());
    return all;
  };
  f->resize(200, 100);
  EXPECT_EQ(f->size(), QSize(359, 380));
  EXPECT_EQ(f->Display_Fra->geometry(), QRect(210, 9, 142, 97));
  EXPECT_GE(f->Close_Btn->y(), f->height());  // out of sight
  const QList<QRect> narrow = geometries();
  f->resize(600, 500);
  EXPECT_EQ(f->size(), QSize(600, 380));
  const QList<QRect> wide = geometries();
  for (qsizetype i = 0; i < narrow.size(); ++i) {
    const bool moves = i < moving.size();
    EXPECT_EQ(wide[i].x() - narrow[i].x(), moves ? 241 : 0) << i;
    EXPECT_EQ(wide[i].width() - narrow[i].width(), moves ? 0 : 241) << i;
  }
}

TEST_F(Setup, TheMusicBoxAsksForAFileOnlyWhenReleasedInsideAndTicked) {
  Setup_Frm* f = Open();
  Music_Button* box = f->Music_Chk;
  const QPoint inside(box->width() / 2, box->height() / 2);
  dialogs.answers.push_back(Fakes::File_Dialogs::Choose("/music/song.mp3"));
  struct Step { bool inside, ticked; int dialogs; const char* music; };
  // Released outside: nothing; inside: ticked, a file asked for; cleared: no dialog, the file
  // stays; ticked again and the dialog cancelled: the file stays, the box stays ticked.
  const Step steps[] = {{false, false, 0, ""},
                        {true, true, 1, "/music/song.mp3"},
                        {true, false, 1, "/music/song.mp3"},
                        {true, true, 2, "/music/song.mp3"}};
  for (const Step& s : steps) {
    QTest::mousePress(box, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(box, Qt::LeftButton, {}, s.inside ? inside : QPoint(box->width() + 10, 1));
    EXPECT_EQ(box->isChecked(), s.ticked);
    ASSERT_EQ(dialogs.calls.size(), s.dialogs);
    EXPECT_EQ(General::MusicPath, s.music);
  }
  EXPECT_FALSE(dialogs.calls[0].save);
  EXPECT_EQ(dialogs.calls[0].record.lpstrTitle, "Load Music File");
  EXPECT_EQ(dialogs.calls[0].record.lpstrFilter,
            QString("All Supported Files (*.mp3,*.wav,*.mid)") + QChar(0) + "*.mp3;*.wav;*.mid" +
                QChar(0) + "All Files (*.*)" + QChar(0) + "*.*" + QChar(0) + QChar(0));
}

}  // namespace
