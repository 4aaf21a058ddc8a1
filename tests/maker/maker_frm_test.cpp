// The maker window offscreen with fake seams: the lists, the toolbar and options, the thumbnail,
// the layout, the settings, saving and loading through real files, and the preview.
#include "maker/maker_frm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "core/general/general.h"
#include "core/layout/maker_layout.h"
#include "core/settings/settings.h"
#include "support/crafted_pictures.h"
#include "support/fakes.h"
#include "support/windows.h"

namespace {

using Msg = Fakes::Message;

class Maker : public ::testing::Test {
 protected:
  Maker() {
    seams.msg_box(msg).pictures(pictures).directories(dirs).file_dialogs(dialogs);
    seams.navigator(navigator);
  }
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Maker));
    QFile::remove(General::Preview_File_Path());
    for (const char* f : {"/a.jpg", "/notes.txt", "/Pics/b.gif", "/Pics/c.bmp", "/Pics/d.JPG"})
      dirs.File(f);
    for (const char* p : {"/a.jpg", "/Pics/b.gif", "/Pics/c.bmp"}) pictures.Add(p, {400, 300}, Qt::red);
    ASSERT_TRUE(tmp.isValid());
  }
  void TearDown() override {
    Close(maker);
    Flush_Events();
    QFile::remove(General::Preview_File_Path());
  }
  Maker_Frm* Open(const QStringList& entries = {}) {
    Maker_Frm* f = Load(maker);
    f->show();
    for (const QString& e : entries) f->List1->addItem(e);
    f->Update_Count();
    return f;
  }
  // Saves (or loads) through the toolbar with the dialog answering `name` in the temporary folder.
  void Click(Maker_Frm* f, const char* button, const QString& name, std::deque<int> answers = {}) {
    dialogs.answers = {Fakes::File_Dialogs::Choose(Path(name))};
    msg.answers = answers;
    f->Toolbar1_ButtonClick(button);
  }
  QString Path(const QString& name) const { return tmp.filePath(name); }

  Fakes::Messages msg;
  Fakes::Pictures pictures;
  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  Fakes::Navigator navigator;
  QPointer<Maker_Frm> maker;
  QTemporaryDir tmp;
  Platform::Services::Guard seams;
};

// ---- the lists ----

TEST_F(Maker, AddsFromARootAndASubfolderMovesEntriesAndRefusesAnUnavailableDrive) {
  dirs.volumes = {"/", "/media/cd"};
  Maker_Frm* f = Open();
  ASSERT_EQ(f->File1->count(), 1);  // a.jpg; notes.txt is no picture
  f->File1->item(0)->setSelected(true);
  f->Add_Btn->click();
  f->Dir1->Set_Path("/Pics");
  ASSERT_EQ(f->File1->count(), 3);
  f->File1->item(0)->setSelected(true);
  f->File1->item(2)->setSelected(true);
  f->Add_Btn->click();
  f->File1->setCurrentRow(1);  // a double-click adds the current file alone
  f->File1_DblClick();
  EXPECT_EQ(f->Label2->text(), "4");
  f->List1->setCurrentRow(1);
  f->cmdDown->click();
  f->cmdDown->click();
  f->cmdUp->click();
  EXPECT_EQ(f->Entries(), QStringList({"/a.jpg", "/Pics/d.JPG", "/Pics/b.gif", "/Pics/c.bmp"}));
  f->Drive1->Set_Drive("/media/cd");
  EXPECT_EQ(msg.shown, QList<Msg>({{"Invaild drive /media/cd.", 16, "ERROR"}}));
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
}

TEST_F(Maker, RemovingOneOrAllEntriesAsksAndOnlyYesRemoves) {
  const struct { bool all; QString question; QStringList left; } cases[] = {
      {false, "Do you really want to remove the file..\r\n\r\n/b.jpg\r\n\r\nfrom the loaded images list?",
       {"/a.jpg"}},
      {true, "Do you really want to remove all the files from the loaded images list?", {}},
  };
  Maker_Frm* f = Open();
  for (const auto& c : cases) {
    f->List1->clear();
    f->List1->addItems({"/a.jpg", "/b.jpg"});
    f->List1->setCurrentRow(1);
    msg.shown.clear();
    for (int answer : {Platform::vbNo, Platform::vbCancel, Platform::vbYes}) {
      msg.answers = {answer};
      c.all ? f->Toolbar1_ButtonClick("Clear") : f->List1_DblClick();
      EXPECT_EQ(f->List1->count(), answer == Platform::vbYes ? c.left.size() : 2) << c.all;
    }
    EXPECT_EQ(f->Entries(), c.left);
    EXPECT_EQ(f->Label2->text(), QString::number(c.left.size()));
    ASSERT_EQ(msg.shown.size(), 3);
    EXPECT_EQ(msg.shown[0], (Msg{c.question, 35, "Slide Show Maker"}));
  }
}

TEST_F(Maker, ThumbnailFollowsTheListClickedAndTheSwitch) {
  Maker_Frm* f = Open();
  f->Dir1->Set_Path("/Pics");
  f->File1->setCurrentRow(0);
  EXPECT_FALSE(f->Thumbnail().isNull());
  ASSERT_EQ(pictures.loads.size(), 1);
  EXPECT_EQ(pictures.loads[0].request.scaled, f->Image1->contentsRect().size());  // at the box's size
  // An unreadable entry gives an empty box.
  f->List1->addItem("/gone.jpg");
  f->List1->setCurrentRow(0);
  EXPECT_EQ(f->Text1, "/gone.jpg");
  EXPECT_TRUE(f->Thumbnail().isNull());
  // Off: the empty box stands in its place and clicks load nothing; on: the current file at once.
  f->Check1->click();
  EXPECT_FALSE(f->Image1->isVisibleTo(f));
  EXPECT_TRUE(f->Image2->isVisibleTo(f));
  const qsizetype loads = pictures.loads.size();
  f->File1->setCurrentRow(1);
  EXPECT_EQ(pictures.loads.size(), loads);
  f->Check1->click();
  EXPECT_TRUE(f->Image1->isVisibleTo(f));
  EXPECT_EQ(f->Text1, "/Pics/c.bmp");
  EXPECT_FALSE(f->Thumbnail().isNull());
  // Every click on a picture-list entry loads it, also on the entry already selected; each click
  // loads once.
  f->List1->addItem("/a.jpg");
  const QPoint entry = f->List1->visualItemRect(f->List1->item(1)).center();
  for (int click = 0; click < 2; ++click) {
    f->Check1->click();
    f->Check1->click();  // the thumbnail is the file list's again
    ASSERT_EQ(f->Text1, "/Pics/c.bmp");
    const qsizetype before = pictures.loads.size();
    QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, entry);
    EXPECT_EQ(f->Text1, "/a.jpg") << click;
    EXPECT_EQ(pictures.loads.size(), before + 1) << click;
  }
}

TEST_F(Maker, TheThumbnailOfAPhotoIsUpright) {
  // Stored wide, green over blue, to be turned a quarter clockwise: seen tall, blue left of green.
  QImage stored(200, 100, QImage::Format_RGB32);
  stored.fill(Qt::green);
  for (int y = 50; y < 100; ++y)
    for (int x = 0; x < 200; ++x) stored.setPixel(x, y, qRgb(0, 0, 255));
  ASSERT_TRUE(Write_File(Path("turned.jpg"), Crafted::With_Orientation(Crafted::Encoded(stored, "JPEG"), 6)));
  const auto real = Platform::Make_Qt_Picture_Loader();
  Platform::Services::Guard real_pictures;
  real_pictures.pictures(*real);
  Maker_Frm* f = Open({Path("turned.jpg")});
  f->List1->setCurrentRow(0);
  const QImage thumbnail = f->Thumbnail();
  ASSERT_EQ(thumbnail.size(), f->Image1->contentsRect().size());
  const int w = thumbnail.width(), h = thumbnail.height();
  EXPECT_LT(thumbnail.pixelColor(w / 4, h / 4).green(), 60);
  EXPECT_GT(thumbnail.pixelColor(w / 4, h / 4).blue(), 200);
  EXPECT_GT(thumbnail.pixelColor(3 * w / 4, 3 * h / 4).green(), 200);
}

// ---- toolbar, options, layout and settings ----

TEST_F(Maker, TogglesMirrorTheirCheckBoxesAndTheMusicBoxItsState) {
  Maker_Frm* f = Open();
  const struct {
    int button;
    QCheckBox* box;
    bool initially;
  } toggles[] = {{1, f->Loop_Chk, true}, {2, f->Shuff_Chk, false}, {3, f->Message_Chk, true}};
  for (int command : {5, 7, 8, 10}) EXPECT_FALSE(f->Button(command)->isCheckable()) << command;
  for (const auto& t : toggles) {
    QAction* a = f->Button(t.button);
    EXPECT_EQ(t.box->isChecked(), t.initially) << t.button;
    a->trigger();
    EXPECT_EQ(a->isChecked(), !t.initially) << t.button;
    EXPECT_EQ(t.box->isChecked(), !t.initially) << t.button;
  }
  // Keep Ratio is enabled with stretching only, its tick kept.
  f->Strech_Opt->click();
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  f->Maintain_Opt->click();
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
  EXPECT_TRUE(f->Ratio_Chk->isChecked());
  // The music path box and its button follow the box in the system colours; the text stays.
  for (bool on : {true, false}) {
    f->Music_Txt->setText("/m.mp3");
    f->Music_Chk->click();
    EXPECT_EQ(f->Music_Txt->isEnabled(), on);
    EXPECT_EQ(f->Music_Btn->isEnabled(), on);
    const std::int32_t colour = on ? -2147483643 : -2147483633;
    EXPECT_EQ(f->Music_Txt_BackColor(), colour);
    EXPECT_EQ(f->Music_Txt->palette().color(QPalette::Base),  // the window's, or a button's
              QApplication::palette().color(on ? QPalette::Base : QPalette::Button));
    EXPECT_EQ(f->Music_Txt->text(), "/m.mp3");
  }
}

TEST_F(Maker, LayoutFollowsTheWidthTheHeightStaysAndWidthsNeverGoNegative) {
  for (const QRect& r : Maker_Layout::Arrange(40, 0)) EXPECT_GE(r.width(), 0);
  // Wider: the file list moves right and the picture list grows by as much; the music box stays
  // in its frame.
  Maker_Frm* f = Open();
  const int height = f->height();
  const QRect file1 = f->File1->geometry(), list1 = f->List1->geometry();
  const int music_top = f->Music_Txt->y();
  f->resize(f->width() + 60, height + 80);
  EXPECT_EQ(f->height(), height);
  EXPECT_EQ(f->File1->geometry(), file1.translated(60, 0));
  EXPECT_EQ(f->List1->geometry(), list1.adjusted(0, 0, 60, 0));
  EXPECT_EQ(f->Music_Txt->y(), music_top);
  f->resize(50, height - 40);
  EXPECT_EQ(f->height(), height);
  EXPECT_LE(f->Toolbar1->widgetForAction(f->Button(10))->geometry().right(), f->width());
}

// The count beside "Pictures Loaded:" is drawn whole, clear of that label, for any list size.
TEST_F(Maker, TheCountShowsWholeWithAHundredThousandEntries) {
  Maker_Frm* f = Open();
  for (int entries : {0, 7, 100000}) {
    f->List1->clear();
    for (int i = 0; i < entries; ++i) f->List1->addItem(QString());
    f->Update_Count();
    for (int width : {f->width(), 50}) {  // also at the narrowest the window allows
      f->resize(width, f->height());
      const QString shown = f->Label2->text();
      ASSERT_EQ(shown, QString::number(entries));
      const auto drawn = [](const QLabel* label) {  // where the label draws its text
        const QRect area = label->contentsRect().adjusted(std::max(0, label->indent()), 0, 0, 0);
        const QRect text = label->style()->itemTextRect(label->fontMetrics(), area, label->alignment(),
                                                        true, label->text());
        return text.translated(label->pos());
      };
      const QRect count = drawn(f->Label2);
      EXPECT_TRUE(f->Label2->geometry().contains(count)) << entries << " at " << width;
      EXPECT_GT(count.left(), drawn(f->Label1).right()) << entries << " at " << width;
      EXPECT_LE(count.right(), f->width()) << entries << " at " << width;
    }
  }
}

TEST_F(Maker, SettingsAreRestoredAndSavedButNotTheList) {
  using namespace Settings;
  for (const auto& [key, text] : {std::pair{&Maker_Display_Mode, "False"}, {&Maker_Delay, "12"},
                                  {&Maker_Colour, "255"}, {&Maker_Loop, "0"}, {&Preview, "0"},
                                  {&Maker_Path, "/Pics"}})
    Save_Text(*key, text);
  Maker_Frm* f = Open({"/a.jpg"});
  EXPECT_TRUE(f->Strech_Opt->isChecked());
  EXPECT_EQ(f->Delay_Lbl->text(), "12 Seconds");
  EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 255);
  EXPECT_FALSE(f->Button(1)->isChecked());
  EXPECT_FALSE(f->Image1->isVisibleTo(f));
  EXPECT_EQ(f->File1->count(), 3);  // the folder /Pics

  f->Delay_Scroll->setValue(0);
  EXPECT_EQ(f->Delay_Lbl->text(), "Forever");
  f->Maintain_Opt->click();
  f->Check1->click();
  f->close();
  Flush_Events();
  EXPECT_TRUE(Get_Truth(Maker_Display_Mode));
  EXPECT_EQ(Get_Whole(Maker_Delay), 0);
  EXPECT_EQ(Get_Whole(Preview), 1);
  EXPECT_EQ(Get_Text(Maker_Path), "/Pics");
  EXPECT_GT(Get_Size(MakerX), 0);
  EXPECT_EQ(navigator.log, QStringList{"show menu"});
  EXPECT_EQ(Open()->List1->count(), 0);  // a new window starts empty
}

// ---- saving and loading ----

TEST_F(Maker, SavesTheShowExactlyAsksBeforeReplacingAndOffersToRunIt) {
  Maker_Frm* f = Open({"/p/one.jpg", "/p/two.gif"});
  f->Strech_Opt->click();
  f->Delay_Scroll->setValue(10);
  f->Picker->Save_Colour->Set_BackColor(255);
  f->Toolbar1_ButtonClick("Message");
  Click(f, "Save", "show", {Platform::vbNo});
  EXPECT_EQ(Bytes_Of(Path("show.sli")),
            "Strech=True\r\nRatio=1\r\nShuff=0\r\nDelay=10\r\nBackCol=255\r\nLoop=1\r\nMessage=0\r\n"
            "UseMusic=0\r\nMusic=\r\n/p/one.jpg\r\n/p/two.gif\r\n");
  EXPECT_EQ(msg.shown.last(), (Msg{"Successfully saved file...\r\n\r\n" + Path("show.sli") +
                                       "\r\n\r\nWould you like to run this Slide Show now?",
                                   36, "Slide Show Maker"}));
  EXPECT_TRUE(f->isVisible());
  // The name extended by ".sli" is taken now: it is replaced only when confirmed.
  f->Toolbar1_ButtonClick("Shuffle");
  msg.shown.clear();
  Click(f, "Save", "show", {Platform::vbNo});
  EXPECT_EQ(msg.shown, QList<Msg>({{Path("show.sli") + "\r\nalready exists. Do you want to replace it?",
                                    36, "Slide Show Maker"}}));
  EXPECT_TRUE(Bytes_Of(Path("show.sli")).contains("Shuff=0"));
  Click(f, "Save", "show", {Platform::vbYes, Platform::vbNo});
  EXPECT_TRUE(Bytes_Of(Path("show.sli")).contains("Shuff=1"));
  // Yes: the maker goes (the menu comes back) and the player gets the file.
  EXPECT_TRUE(navigator.log.isEmpty());
  Click(f, "Save", "run.SLI", {Platform::vbYes});
  EXPECT_EQ(navigator.log, QStringList({"show menu", "play " + Path("run.SLI") + " from maker"}));
  Flush_Events();
  EXPECT_FALSE(Is_Loaded(maker));
}

TEST_F(Maker, EscWithAListChangedSinceTheLastSaveOrLoadAsksFirst) {
  const Msg question{"Do you want to save the current Slide Show first?", 35, "Slide Show Maker"};
  // An empty list closes without a word.
  Maker_Frm* f = Open();
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_EQ(navigator.log, QStringList{"show menu"});
  Flush_Events();
  // Cancel, and Yes with the save dialog cancelled, keep the window and its list.
  navigator.log.clear();
  f = Open({"/a.jpg", "/Pics/b.gif"});
  msg.answers = {Platform::vbCancel};
  QTest::keyClick(f, Qt::Key_Escape);
  dialogs.answers = {Fakes::File_Dialogs::Cancel()};
  msg.answers = {Platform::vbYes};
  f->close();
  EXPECT_EQ(msg.shown, QList<Msg>({question, question}));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->List1->count(), 2);
  EXPECT_TRUE(navigator.log.isEmpty());
  // Yes saves, and the window goes; running the saved show plays it after the menu came back.
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("kept"))};
  msg.answers = {Platform::vbYes, Platform::vbYes};
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_TRUE(Bytes_Of(Path("kept.sli")).endsWith("/a.jpg\r\n/Pics/b.gif\r\n"));
  EXPECT_EQ(navigator.log, QStringList({"show menu", "play " + Path("kept.sli") + " from maker"}));
  Flush_Events();
  EXPECT_FALSE(Is_Loaded(maker));
  // A list as saved or loaded closes without a question; No throws a changed one away.
  for (const bool load : {false, true}) {
    f = Open({"/a.jpg"});
    Click(f, load ? "Load" : "Save", "kept.sli", {Platform::vbNo, Platform::vbNo});
    msg.shown.clear();
    navigator.log.clear();
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(navigator.log, QStringList{"show menu"});
    Flush_Events();
  }
  f = Open({"/a.jpg"});
  f->List1->addItem("/Pics/c.bmp");
  msg.answers = {Platform::vbNo};
  const qsizetype dialogs_before = dialogs.calls.size();
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_EQ(msg.shown, QList<Msg>{question});
  EXPECT_EQ(dialogs.calls.size(), dialogs_before);
  Flush_Events();
  EXPECT_FALSE(Is_Loaded(maker));
}

TEST_F(Maker, AFailedSaveSaysSoAndLeavesTheOldFile) {
  Maker_Frm* f = Open({"/p/new.jpg"});
  ASSERT_TRUE(QDir().mkpath(Path("taken.sli")));  // a folder where the file would go
  Click(f, "Save", "taken.sli");
  EXPECT_EQ(msg.shown, QList<Msg>({{"Error Saving!", 16, "Slide Show Maker"}}));
  EXPECT_TRUE(QFileInfo(Path("taken.sli")).isDir());
  // A full disk that takes the bytes but refuses to flush them: no success, the old file stays.
  ASSERT_TRUE(Write_File(Path("show.sli"), "old"));
  Fakes::Disk full({.refuse_sync = true});
  {
    Platform::Services::Guard disk;
    disk.disk(full);
    Click(f, "Save", "show.sli");
  }
  EXPECT_EQ(msg.shown.last(), (Msg{"Error Saving!", 16, "Slide Show Maker"}));
  EXPECT_EQ(msg.shown.size(), 2);
  EXPECT_EQ(Bytes_Of(Path("show.sli")), "old");
  if (geteuid() != 0) {  // a folder that may not be written (ignored by the superuser)
    ASSERT_TRUE(QDir().mkpath(Path("locked")));
    ASSERT_TRUE(Write_File(Path("locked/show.sli"), "old"));
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    Click(f, "Save", "locked/show.sli");
    EXPECT_EQ(msg.shown.last().text, "Error Saving!");
    EXPECT_EQ(Bytes_Of(Path("locked/show.sli")), "old");
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
}

TEST_F(Maker, PathsComeBackUnchangedThroughSaveAndLoad) {
  const QStringList entries{"/p/a, b.jpg", "/p/with  spaces /c.gif", "/p/Ärger/Œuvre ñ.bmp", ""};
  Maker_Frm* f = Open(entries);
  f->Music_Chk->click();
  f->Music_Txt->setText("/m/Zoë, 1.mp3");
  f->Picker->Save_Colour->Set_BackColor(0x123456);
  Click(f, "Save", "round", {Platform::vbNo});
  const ShowFile::Options saved = f->Show_Options();
  f->Music_Chk->click();
  f->Music_Txt->clear();
  f->Toolbar1_ButtonClick("Shuffle");
  f->Picker->Save_Colour->Set_BackColor(0);
  // Load asks whether to save first: Yes only saves (here the dialog is cancelled), No loads.
  dialogs.answers = {Fakes::File_Dialogs::Cancel()};
  msg.answers = {Platform::vbYes};
  f->Toolbar1_ButtonClick("Load");
  EXPECT_TRUE(dialogs.calls.last().save);
  EXPECT_TRUE(f->Music_Txt->text().isEmpty());
  Click(f, "Load", "round.sli", {Platform::vbNo});
  EXPECT_EQ(msg.shown.last().text, "Do you want to save the current Slide Show first?");
  EXPECT_EQ(f->Entries(), entries);
  EXPECT_EQ(f->Show_Options(), saved);
  EXPECT_TRUE(f->Music_Txt->isEnabled());
  EXPECT_FALSE(f->Button(2)->isChecked());
  EXPECT_EQ(f->Label2->text(), "4");
}

// A show file with relative paths loads as full paths from its own folder, and is saved so.
TEST_F(Maker, RelativePathsOfALoadedShowAreTakenFromItsFolderAndSavedInFull) {
  ASSERT_TRUE(QDir().mkpath(Path("shows")));
  ASSERT_TRUE(Write_File(Path("shows/rel.sli"),
             "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\n"
             "UseMusic=1\r\nMusic=tunes/m.mp3\r\npics/a.jpg\r\n../b.gif\r\n/p/c.bmp\r\n\r\n"));
  Maker_Frm* f = Open();
  Click(f, "Load", "shows/rel.sli");
  const QStringList full{Path("shows/pics/a.jpg"), Path("b.gif"), "/p/c.bmp", ""};
  EXPECT_EQ(f->Entries(), full);
  EXPECT_EQ(f->Music_Txt->text(), Path("shows/tunes/m.mp3"));
  Click(f, "Save", "again.sli", {Platform::vbNo});
  ShowFile::Options options;
  options.Loop = options.Message = options.UseMusic = true;
  options.Music = Path("shows/tunes/m.mp3");
  EXPECT_EQ(Bytes_Of(Path("again.sli")), ShowFile::Encode(options, full));
}

TEST_F(Maker, LoadingKeepsWhatItReadBeforeAFaultAndRoundsHalvesToEven) {
  const QByteArray tail = "\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\nUseMusic=0\r\nMusic=\r\n/p/x.jpg\r\n";
  const struct {
    const char* name;
    QByteArray content;
    QStringList entries;
    int delay;
    bool fails;
  } cases[] = {
      {"three lines", "/p/1.jpg\r\n/p/2.jpg\r\n/p/3.jpg\r\n", {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"}, 5, true},
      {"Delay=61", "Strech=True\r\nRatio=0\r\n/p/x.jpg\r\nDelay=61\r\nBackCol=255\r\n", {"/p/x.jpg"}, 5, true},
      {"Delay=abc", "Strech=True\r\nRatio=0\r\n/p/x.jpg\r\nDelay=abc\r\n", {"/p/x.jpg"}, 5, true},
      {"Delay=2.5", "Strech=True\r\nRatio=0\r\nShuff=0\r\nDelay=2.5" + tail, {"/p/x.jpg"}, 2, false},
      {"Delay=3.5", "Strech=True\r\nRatio=0\r\nShuff=0\r\nDelay=3.5" + tail, {"/p/x.jpg"}, 4, false},
      {"Delay=0", "Strech=True\r\nRatio=0\r\nShuff=0\r\nDelay=0" + tail, {"/p/x.jpg"}, 0, false},
      {"BackCol=x", "Strech=True\r\nRatio=0\r\nShuff=0\r\nDelay=5" + QByteArray(tail).replace("BackCol=0", "BackCol=x"), {}, 5, true},
  };
  for (const auto& c : cases) {
    Maker_Frm* f = Open();
    ASSERT_TRUE(Write_File(Path("bad.sli"), c.content));
    msg.shown.clear();
    Click(f, "Load", "bad.sli");
    EXPECT_EQ(msg.shown, c.fails ? QList<Msg>({{"Error Loading in File!", 16, "Slide Show Maker"}})
                                 : QList<Msg>()) << c.name;
    EXPECT_EQ(f->Entries(), c.entries) << c.name;
    EXPECT_EQ(f->Label2->text(), QString::number(c.entries.size())) << c.name;
    EXPECT_EQ(f->Delay_Scroll->value(), c.delay) << c.name;
    EXPECT_EQ(f->Strech_Opt->isChecked(), c.content.startsWith("Strech")) << c.name;
    EXPECT_EQ(f->Ratio_Chk->isChecked(), !c.content.startsWith("Strech")) << c.name;
    EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 0) << c.name;
    f->close();
    Flush_Events();
  }
}

// ---- preview ----

TEST_F(Maker, PreviewWithNoFilesOrAnUnwritableFileStartsNoPlayer) {
  Maker_Frm* f = Open();
  f->Toolbar1_ButtonClick("Preview");
  ASSERT_TRUE(QDir().mkpath(General::Preview_File_Path()));  // a folder in its place
  f = Open({"/a.jpg"});
  f->Toolbar1_ButtonClick("Preview");
  QDir(General::Preview_File_Path()).removeRecursively();
  EXPECT_EQ(msg.shown, QList<Msg>({{"NO FILES!!!", 48, "ERROR"}, {"Error Saving!", 16, "Slide Show Maker"}}));
  EXPECT_TRUE(navigator.log.isEmpty());
  // Written whole, the preview file is played as the maker's preview.
  f->Toolbar1_ButtonClick("Preview");
  EXPECT_EQ(navigator.log, QStringList{"play " + General::Preview_File_Path() + " from preview"});
}

}  // namespace
