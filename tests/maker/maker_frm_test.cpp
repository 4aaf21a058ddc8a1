// The maker window offscreen with fake seams: the lists, the toolbar and options, the thumbnail,
// the layout, the settings, and saving and loading through real files.
#include "maker/maker_frm.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "maker/drag_list.h"
#include "maker/maker_file.h"
#include "maker/maker_layout.h"
#include "menu/menu_frm.h"
#include "platform/colours.h"
#include "player/main_frm.h"
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

QByteArray Bytes_Of(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

class Maker : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Maker));
    QFile::remove(General::Preview_File_Path());
    General::StartedFromCommandLine = false;
    for (const char* f : {"/a.jpg", "/notes.txt", "/Pics/b.gif", "/Pics/c.bmp", "/Pics/d.JPG"})
      dirs.File(f);
    for (const char* p : {"/a.jpg", "/Pics/b.gif", "/Pics/c.bmp"}) pictures.Add(p, {400, 300}, Qt::red);
    ASSERT_TRUE(tmp.isValid());
  }
  void TearDown() override {
    for (auto kind : {Forms::Kind::Main, Forms::Kind::Maker, Forms::Kind::Menu}) Forms::Close(kind);
    flush_events();
    QFile::remove(General::Preview_File_Path());
  }
  Maker_Frm* Open() {
    Forms::Menu()->hide();
    Maker_Frm* f = Forms::Maker();
    f->show();
    return f;
  }
  void Save(const Settings::Key& key, const QString& text) {
    Settings::SaveSetting(key.app, Settings::Section, key.name, text);
  }
  void Add(Maker_Frm* f, const QStringList& entries) {
    for (const QString& e : entries) f->List1->addItem(e);
    f->Update_Count();
  }
  QString Path(const QString& name) const { return tmp.filePath(name); }

  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  QTemporaryDir tmp;
  Platform::Services::Scoped seams{&msg, &program, &pictures};
  Platform::Services::Scoped_Directories directory_seam{&dirs};
  Platform::Services::Scoped_Desktop desktop{&dialogs, nullptr};
};

// ---- the lists ----

TEST_F(Maker, AddsSelectedFilesFromARootAndASubfolder) {
  Maker_Frm* f = Open();
  ASSERT_EQ(f->Dir1->Path(), "/");
  ASSERT_EQ(f->File1->count(), 1);  // a.jpg; notes.txt is no picture
  f->File1->item(0)->setSelected(true);
  f->Add_Btn->click();
  f->Dir1->Set_Path("/Pics");
  ASSERT_EQ(f->File1->count(), 3);
  f->File1->item(0)->setSelected(true);
  f->File1->item(2)->setSelected(true);
  f->Add_Btn->click();
  f->Add_Btn->click();  // the selection stays: the same files again
  EXPECT_EQ(f->Entries(), QStringList({"/a.jpg", "/Pics/b.gif", "/Pics/d.JPG", "/Pics/b.gif",
                                       "/Pics/d.JPG"}));
  EXPECT_EQ(f->Label2->text(), "5");
  // A double-click adds the current file alone.
  f->File1->setCurrentRow(1);
  f->File1_DblClick();
  EXPECT_EQ(f->Entries().last(), "/Pics/c.bmp");
  EXPECT_EQ(f->Label2->text(), "6");
}

TEST_F(Maker, RemovingAnEntryAsksAndOnlyYesRemoves) {
  Maker_Frm* f = Open();
  Add(f, {"/a.jpg", "/b.jpg"});
  f->List1->setCurrentRow(1);
  for (int answer : {Platform::vbNo, Platform::vbCancel}) {
    msg.answers = {answer};
    f->List1_DblClick();
    EXPECT_EQ(f->List1->count(), 2);
  }
  msg.answers = {Platform::vbYes};
  f->List1_DblClick();
  EXPECT_EQ(f->Entries(), QStringList({"/a.jpg"}));
  EXPECT_EQ(f->Label2->text(), "1");
  ASSERT_EQ(msg.shown.size(), 3);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"Do you really want to remove the file..\r\n\r\n/b.jpg\r\n\r\n"
                                          "from the loaded images list?",
                                          35, "Slide Show Maker"}));
  // Nothing selected: no question.
  f->List1->clearSelection();
  f->List1_DblClick();
  EXPECT_EQ(msg.shown.size(), 3);
}

TEST_F(Maker, UpAndDownButtonsMoveTheSelectedEntryOnly) {
  Maker_Frm* f = Open();
  Add(f, {"A", "B", "C"});
  f->List1->setCurrentRow(1);
  f->cmdUp->click();
  EXPECT_EQ(f->Entries(), QStringList({"B", "A", "C"}));
  f->cmdDown->click();
  f->cmdDown->click();
  EXPECT_EQ(f->Entries(), QStringList({"A", "C", "B"}));
  EXPECT_EQ(mdlDragList::Selected_Index(*f->List1), 2);
  f->List1->clearSelection();
  f->cmdUp->click();
  EXPECT_EQ(f->Entries(), QStringList({"A", "C", "B"}));
}

TEST_F(Maker, ClearAsksAndKeepsTheListUnlessYes) {
  Maker_Frm* f = Open();
  Add(f, {"A", "B"});
  for (int answer : {Platform::vbNo, Platform::vbCancel}) {
    msg.answers = {answer};
    f->Toolbar1_ButtonClick("Clear");
    EXPECT_EQ(f->List1->count(), 2);
  }
  msg.answers = {Platform::vbYes};
  f->Toolbar1_ButtonClick("Clear");
  EXPECT_EQ(f->List1->count(), 0);
  EXPECT_EQ(f->Label2->text(), "0");
  EXPECT_EQ(msg.shown.last(),
            (Fakes::Message{"Do you really want to remove all the files from the loaded images list?",
                            35, "Slide Show Maker"}));
}

TEST_F(Maker, AnUnavailableDriveSaysSoAndTheFolderStays) {
  dirs.volumes = {"/", "/media/cd"};
  Maker_Frm* f = Open();
  f->Drive1->Set_Drive("/media/cd");
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"Invaild drive /media/cd.", 16, "ERROR"}));
  EXPECT_EQ(f->Dir1->Path(), "/");
}

// ---- the thumbnail ----

TEST_F(Maker, ThumbnailFollowsTheListClickedAndTheSwitch) {
  Maker_Frm* f = Open();
  f->Dir1->Set_Path("/Pics");
  f->File1->setCurrentRow(0);
  EXPECT_EQ(f->Text1, "/Pics/b.gif");
  ASSERT_FALSE(f->Thumbnail().isNull());
  EXPECT_EQ(f->Thumbnail().size(), f->Image1->contentsRect().size());  // decoded at the box's size
  EXPECT_EQ(f->Thumbnail().pixelColor(0, 0), QColor(Qt::red));
  ASSERT_EQ(pictures.loads.size(), 1);
  EXPECT_EQ(pictures.loads[0].request.scaled, f->Image1->contentsRect().size());

  // An unreadable entry gives an empty box; no entry selected likewise.
  Add(f, {"/gone.jpg"});
  f->List1->setCurrentRow(0);
  EXPECT_EQ(f->Text1, "/gone.jpg");
  EXPECT_TRUE(f->Thumbnail().isNull());

  // Off: the empty box stands in its place and clicks load nothing.
  f->Check1->click();
  EXPECT_FALSE(f->Image1->isVisibleTo(f));
  EXPECT_TRUE(f->Image2->isVisibleTo(f));
  const qsizetype loads = pictures.loads.size();
  f->File1->setCurrentRow(1);
  EXPECT_EQ(pictures.loads.size(), loads);
  // On again: the file list's current file at once.
  f->Check1->click();
  EXPECT_TRUE(f->Image1->isVisibleTo(f));
  EXPECT_FALSE(f->Image2->isVisibleTo(f));
  EXPECT_EQ(f->Text1, "/Pics/c.bmp");
  EXPECT_FALSE(f->Thumbnail().isNull());
}

// ---- toolbar and options ----

TEST_F(Maker, TogglesMirrorTheirCheckBoxesAndTheMusicBoxItsState) {
  Maker_Frm* f = Open();
  struct {
    int button;
    QCheckBox* box;
    const char* key;
    bool initially;
  } const toggles[] = {{1, f->Loop_Chk, "Loop", true},
                       {2, f->Shuff_Chk, "Shuffle", false},
                       {3, f->Message_Chk, "Message", true}};
  for (const auto& t : toggles) {
    QAction* a = f->Button(t.button);
    ASSERT_EQ(a->data().toString(), t.key);
    EXPECT_EQ(a->isChecked(), t.initially) << t.key;
    EXPECT_EQ(t.box->isChecked(), t.initially) << t.key;
    a->trigger();
    EXPECT_EQ(a->isChecked(), !t.initially) << t.key;
    EXPECT_EQ(t.box->isChecked(), !t.initially) << t.key;
  }
  EXPECT_EQ(f->Button(10)->data().toString(), "Preview");

  // Display mode: Keep Ratio enabled with stretching only, its tick kept.
  f->Strech_Opt->click();
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  f->Maintain_Opt->click();
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
  EXPECT_TRUE(f->Ratio_Chk->isChecked());

  // Music: the path box and its button follow the box; the text stays.
  f->Music_Chk->click();
  EXPECT_TRUE(f->Music_Txt->isEnabled());
  EXPECT_TRUE(f->Music_Btn->isEnabled());
  EXPECT_EQ(f->Music_Txt_BackColor(), -2147483643);
  EXPECT_EQ(f->Music_Txt->palette().color(QPalette::Base), Platform::Colour_Of(-2147483643));
  f->Music_Txt->setText("/m.mp3");
  f->Music_Chk->click();
  EXPECT_FALSE(f->Music_Txt->isEnabled());
  EXPECT_FALSE(f->Music_Btn->isEnabled());
  EXPECT_EQ(f->Music_Txt_BackColor(), -2147483633);
  EXPECT_EQ(f->Music_Txt->text(), "/m.mp3");
  EXPECT_FALSE(f->Show_Options().UseMusic);
  EXPECT_EQ(f->Show_Options().Music, "/m.mp3");
}

// ---- layout ----

TEST(Maker_Layout, DesignWidthGivesDesignPlacesAndWidthsNeverGoNegative) {
  using namespace Maker_Layout;
  EXPECT_EQ(Arrange(Design_Outer_Width(), 0), Design());
  const Places wide = Arrange(Design_Outer_Width() + 100, 7);
  EXPECT_EQ(wide[File1].left(), Design()[File1].left() + 100);
  EXPECT_EQ(wide[List1].width(), Design()[List1].width() + 100);
  EXPECT_EQ(wide[File1].top(), Design()[File1].top() + 7);
  EXPECT_EQ(wide[Music_Txt].top(), Design()[Music_Txt].top());  // inside its frame
  EXPECT_EQ(wide[Delay_Fra].right() + 1 + 8, wide[Colour_Fra].left());
  EXPECT_EQ(wide[Music_Btn].left(), wide[Music_Fra].width() - 28);
  for (const QRect& r : Arrange(40, 0)) EXPECT_GE(r.width(), 0);
}

TEST_F(Maker, WindowKeepsItsHeightAndMinimumWidth) {
  Maker_Frm* f = Open();
  const int height = f->height();
  EXPECT_EQ(height + 34, Maker_Layout::Outer_Height(f->Toolbar_Shift()));
  f->resize(f->width() + 60, height + 80);
  EXPECT_EQ(f->height(), height);
  EXPECT_EQ(f->File1->x(), Maker_Layout::Arrange(f->width() + 8, f->Toolbar_Shift())[Maker_Layout::File1].x());
  f->resize(50, height - 40);
  EXPECT_EQ(f->height(), height);
  // The toolbar's last button stays inside the window.
  const QWidget* preview = f->Toolbar1->widgetForAction(f->Button(10));
  EXPECT_LE(preview->geometry().right(), f->width());
}

// ---- settings ----

TEST_F(Maker, SettingsAreRestoredAndSavedButNotTheList) {
  Save(Settings::Maker_Display_Mode, "False");
  Save(Settings::Maker_Keep_Ratio, "0");
  Save(Settings::Maker_Delay, "12");
  Save(Settings::Maker_Colour, "255");
  Save(Settings::Maker_Loop, "0");
  Save(Settings::Maker_Shuffle, "1");
  Save(Settings::Preview, "0");
  Save(Settings::Maker_Path, "/Pics");
  Maker_Frm* f = Open();
  EXPECT_TRUE(f->Strech_Opt->isChecked());
  EXPECT_TRUE(f->Ratio_Chk->isEnabled());
  EXPECT_FALSE(f->Ratio_Chk->isChecked());
  EXPECT_EQ(f->Delay_Lbl->text(), "12 Seconds");
  EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 255);
  EXPECT_FALSE(f->Button(1)->isChecked());
  EXPECT_TRUE(f->Button(2)->isChecked());
  EXPECT_TRUE(f->Button(3)->isChecked());
  EXPECT_FALSE(f->Image1->isVisibleTo(f));
  EXPECT_EQ(f->Dir1->Path(), "/Pics");
  EXPECT_EQ(f->File1->count(), 3);

  Add(f, {"/a.jpg"});
  f->Delay_Scroll->setValue(0);
  EXPECT_EQ(f->Delay_Lbl->text(), "Forever");
  f->Maintain_Opt->click();
  f->Check1->click();
  f->close();
  flush_events();
  EXPECT_TRUE(Forms::Menu()->isVisible());
  EXPECT_EQ(Settings::Get_Truth(Settings::Maker_Display_Mode), true);
  EXPECT_EQ(Settings::Get_Whole(Settings::Maker_Delay), 0);
  EXPECT_EQ(Settings::Get_Whole(Settings::Preview), 1);
  EXPECT_EQ(Settings::Get_Text(Settings::Maker_Path), "/Pics");
  EXPECT_GT(Settings::Get_Size(Settings::MakerX), 0);
  EXPECT_EQ(Forms::Maker()->List1->count(), 0);  // a new window starts empty
}

TEST_F(Maker, AFolderThatIsGoneOpensOnTheRoot) {
  Save(Settings::Maker_Path, "/Gone");
  EXPECT_EQ(Open()->Dir1->Path(), "/");
  EXPECT_TRUE(msg.shown.isEmpty());
}

// ---- saving and loading ----

TEST(Maker_File, SliIsAppendedUnlessTheNameEndsInIt) {
  EXPECT_EQ(Maker_File::Save_Target("/s/show"), "/s/show.sli");
  EXPECT_EQ(Maker_File::Save_Target("/s/show.SLI"), "/s/show.SLI");
  EXPECT_EQ(Maker_File::Save_Target("/s/show.txt"), "/s/show.txt.sli");
}

TEST_F(Maker, SavesTheShowExactlyAndOffersToRunIt) {
  Maker_Frm* f = Open();
  EXPECT_TRUE(msg.shown.isEmpty());
  f->Toolbar1_ButtonClick("Save");  // an empty list: no dialog
  EXPECT_EQ(msg.shown.last(), (Fakes::Message{"NO FILES!!!", 48, "ERROR"}));
  EXPECT_TRUE(dialogs.calls.isEmpty());

  Add(f, {"/p/one.jpg", "/p/two.gif"});
  f->Strech_Opt->click();
  f->Delay_Scroll->setValue(10);
  f->Picker->Save_Colour->Set_BackColor(255);
  f->Toolbar1_ButtonClick("Message");
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("show"))};
  msg.answers = {Platform::vbNo};
  f->Toolbar1_ButtonClick("Save");
  EXPECT_EQ(Bytes_Of(Path("show.sli")),
            "Strech=True\r\nRatio=1\r\nShuff=0\r\nDelay=10\r\nBackCol=255\r\nLoop=1\r\nMessage=0\r\n"
            "UseMusic=0\r\nMusic=\r\n/p/one.jpg\r\n/p/two.gif\r\n");
  EXPECT_EQ(dialogs.calls.last().record.lpstrTitle, "Save Slide Show File");
  EXPECT_EQ(msg.shown.last(),
            (Fakes::Message{"Successfully saved file...\r\n\r\n" + Path("show.sli") +
                                "\r\n\r\nWould you like to run this Slide Show now?",
                            36, "Slide Show Maker"}));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->List1->count(), 2);

  // Yes: the maker goes and the player gets the file.
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("run.SLI"))};
  msg.answers = {Platform::vbYes};
  f->Toolbar1_ButtonClick("Save");
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Main()->File_Path_Txt, Path("run.SLI"));
  flush_events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Maker));
}

TEST_F(Maker, AnExtendedNameThatExistsIsReplacedOnlyWhenConfirmed) {
  Maker_Frm* f = Open();
  Add(f, {"/p/new.jpg"});
  Write_File(Path("show.sli"), "old");
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("show"))};
  msg.answers = {Platform::vbNo};
  f->Toolbar1_ButtonClick("Save");
  EXPECT_EQ(Bytes_Of(Path("show.sli")), "old");
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{Path("show.sli") +
                                              "\r\nalready exists. Do you want to replace it?",
                                          36, "Slide Show Maker"}));
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("show"))};
  msg.answers = {Platform::vbYes, Platform::vbNo};
  f->Toolbar1_ButtonClick("Save");
  EXPECT_TRUE(Bytes_Of(Path("show.sli")).endsWith("/p/new.jpg\r\n"));
}

TEST_F(Maker, AFailedSaveSaysSoAndLeavesTheOldFile) {
  Maker_Frm* f = Open();
  Add(f, {"/p/new.jpg"});
  // A folder stands where the file would go: it cannot be replaced.
  ASSERT_TRUE(QDir().mkpath(Path("taken.sli")));
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("taken.sli"))};
  f->Toolbar1_ButtonClick("Save");
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"Error Saving!", 16, "Slide Show Maker"}));
  EXPECT_TRUE(QFileInfo(Path("taken.sli")).isDir());
  // A file in a folder that may not be written keeps its old content (as an ordinary user).
  if (geteuid() != 0) {
    ASSERT_TRUE(QDir().mkpath(Path("locked")));
    Write_File(Path("locked/show.sli"), "old");
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    dialogs.answers = {Fakes::File_Dialogs::Choose(Path("locked/show.sli"))};
    f->Toolbar1_ButtonClick("Save");
    EXPECT_EQ(msg.shown.last().text, "Error Saving!");
    EXPECT_EQ(Bytes_Of(Path("locked/show.sli")), "old");
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
}

TEST_F(Maker, PathsComeBackUnchangedThroughSaveAndLoad) {
  Maker_Frm* f = Open();
  const QStringList entries{"/p/a, b.jpg", "/p/with  spaces /c.gif", "/p/Ärger/Œuvre ñ.bmp", ""};
  Add(f, entries);
  f->Music_Chk->click();
  f->Music_Txt->setText("/m/Zoë, 1.mp3");
  f->Picker->Save_Colour->Set_BackColor(0x123456);
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("round"))};
  msg.answers = {Platform::vbNo};
  f->Toolbar1_ButtonClick("Save");
  const ShowFile::Options saved = f->Show_Options();

  // Load over a changed window: asked whether to save first (No), then everything comes back.
  f->Music_Chk->click();
  f->Music_Txt->clear();
  f->Toolbar1_ButtonClick("Shuffle");
  f->Picker->Save_Colour->Set_BackColor(0);
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("round.sli"))};
  msg.answers = {Platform::vbNo};
  f->Toolbar1_ButtonClick("Load");
  EXPECT_EQ(msg.shown.last().text, "Do you want to save the current Slide Show first?");
  EXPECT_EQ(f->Entries(), entries);
  EXPECT_EQ(f->Show_Options(), saved);
  EXPECT_TRUE(f->Music_Txt->isEnabled());
  EXPECT_FALSE(f->Button(2)->isChecked());
  EXPECT_EQ(f->Label2->text(), "4");
}

TEST_F(Maker, LoadAnsweredYesSavesAndDoesNotLoad) {
  Maker_Frm* f = Open();
  Add(f, {"/p/a.jpg"});
  msg.answers = {Platform::vbYes};
  dialogs.answers = {Fakes::File_Dialogs::Cancel()};
  f->Toolbar1_ButtonClick("Load");
  ASSERT_EQ(dialogs.calls.size(), 1);
  EXPECT_TRUE(dialogs.calls[0].save);
  EXPECT_EQ(f->Entries(), QStringList({"/p/a.jpg"}));
}

TEST_F(Maker, AFailedLoadKeepsWhatItReadSoFar) {
  const struct {
    const char* name;
    QByteArray content;
    QStringList entries;
    int delay;
  } cases[] = {
      {"three lines", "/p/1.jpg\r\n/p/2.jpg\r\n/p/3.jpg\r\n", {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"}, 5},
      {"Delay=61", "Strech=True\r\nRatio=0\r\n/p/x.jpg\r\nDelay=61\r\nBackCol=255\r\n", {"/p/x.jpg"}, 5},
      {"Delay=abc", "Strech=True\r\nRatio=0\r\n/p/x.jpg\r\nDelay=abc\r\n", {"/p/x.jpg"}, 5},
  };
  for (const auto& c : cases) {
    Maker_Frm* f = Open();
    Write_File(Path("bad.sli"), c.content);
    dialogs.answers = {Fakes::File_Dialogs::Choose(Path("bad.sli"))};
    msg.shown.clear();
    f->Toolbar1_ButtonClick("Load");
    ASSERT_EQ(msg.shown.size(), 1) << c.name;
    EXPECT_EQ(msg.shown[0], (Fakes::Message{"Error Loading in File!", 16, "Slide Show Maker"})) << c.name;
    EXPECT_EQ(f->Entries(), c.entries) << c.name;
    EXPECT_EQ(f->Label2->text(), QString::number(c.entries.size())) << c.name;
    EXPECT_EQ(f->Delay_Scroll->value(), c.delay) << c.name;
    if (c.content.startsWith("Strech")) {
      EXPECT_TRUE(f->Strech_Opt->isChecked()) << c.name;
      EXPECT_FALSE(f->Ratio_Chk->isChecked()) << c.name;
      EXPECT_EQ(f->Picker->Save_Colour->BackColor(), 0) << c.name;
    }
    f->close();
    flush_events();
  }
}

TEST_F(Maker, AFractionalDelayIsRoundedHalvesToEven) {
  Maker_Frm* f = Open();
  for (const auto& [text, seconds] : {std::pair{"2.5", 2}, std::pair{"3.5", 4}}) {
    Write_File(Path("d.sli"), QByteArray("Strech=False\r\nRatio=1\r\nShuff=0\r\nDelay=") + text +
                                  "\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\nUseMusic=0\r\nMusic=\r\n");
    dialogs.answers = {Fakes::File_Dialogs::Choose(Path("d.sli"))};
    f->Toolbar1_ButtonClick("Load");
    EXPECT_EQ(f->Delay_Scroll->value(), seconds) << text;
  }
  EXPECT_TRUE(msg.shown.isEmpty());
}

// ---- preview ----

TEST_F(Maker, PreviewWritesThePreviewFileAndTheMakerStaysBehindThePlayer) {
  Maker_Frm* f = Open();
  f->Toolbar1_ButtonClick("Preview");
  EXPECT_EQ(msg.shown.last(), (Fakes::Message{"NO FILES!!!", 48, "ERROR"}));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));

  Add(f, {"/a.jpg", "/Pics/b.gif"});
  f->Toolbar1_ButtonClick("Preview");
  EXPECT_TRUE(Bytes_Of(General::Preview_File_Path()).endsWith("/a.jpg\r\n/Pics/b.gif\r\n"));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Main()->File_Path_Txt, General::Preview_File_Path());
  EXPECT_TRUE(f->isVisible());

  // Leaving the preview: the maker as it was, the menu hidden, the preview file gone.
  flush_events();
  QTest::keyClick(Forms::Main(), Qt::Key_Escape);
  flush_events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->List1->count(), 2);
  EXPECT_FALSE(Forms::Menu()->isVisible());
  EXPECT_FALSE(QFile::exists(General::Preview_File_Path()));
}

TEST_F(Maker, BadMusicInAPreviewReturnsToTheMaker) {
  Fakes::Music music;
  Platform::Services::Scoped music_seam{nullptr, nullptr, nullptr, nullptr, nullptr, &music};
  Write_File(Path("m.mp3"), "not music");
  music.unplayable.insert(Path("m.mp3"));
  Maker_Frm* f = Open();
  Add(f, {"/a.jpg"});
  f->Music_Chk->click();
  f->Music_Txt->setText(Path("m.mp3"));
  f->Toolbar1_ButtonClick("Preview");
  flush_events();
  EXPECT_EQ(msg.shown.last().text, "Invalid Music file, program will exit.");
  EXPECT_TRUE(program.end_codes.isEmpty());
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->List1->count(), 1);
  EXPECT_FALSE(QFile::exists(General::Preview_File_Path()));
}

TEST_F(Maker, ASearchFromAPreviewThatFindsNoPictureReturnsToTheMaker) {
  Fakes::Files files;
  files.folders = {"/Empty"};
  Platform::Services::Scoped file_seam{nullptr, nullptr, nullptr, &files};
  dirs.Folder("/Empty");
  pictures.Add("/Empty/x.jpg", {40, 30});
  Maker_Frm* f = Open();
  Add(f, {"/Empty/x.jpg"});
  f->Toolbar1_ButtonClick("Preview");
  files.files.insert(General::Preview_File_Path());
  flush_events();
  QTest::keyClick(Forms::Main(), Qt::Key_S);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !msg.shown.isEmpty(); }, 5000));
  flush_events();
  ASSERT_FALSE(msg.shown.isEmpty());
  EXPECT_EQ(msg.shown.last().text, "No vaild images found (e.g. *.bmp, *.jpg or *.gif) in Directory!");
  EXPECT_TRUE(program.end_codes.isEmpty());
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->List1->count(), 1);
  EXPECT_TRUE(files.removed.contains(General::Preview_File_Path()));
}

TEST_F(Maker, PreviewThatCannotBeWrittenStartsNoPlayer) {
  Maker_Frm* f = Open();
  Add(f, {"/a.jpg"});
  ASSERT_TRUE(QDir().mkpath(General::Preview_File_Path()));  // a folder in its place
  f->Toolbar1_ButtonClick("Preview");
  QDir(General::Preview_File_Path()).removeRecursively();
  EXPECT_EQ(msg.shown.last(), (Fakes::Message{"Error Saving!", 16, "Slide Show Maker"}));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
}

}  // namespace
