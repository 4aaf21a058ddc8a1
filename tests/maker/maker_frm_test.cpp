// The maker window offscreen with fake seams: the lists, the thumbnail, the layout, the settings,
// and saving and loading through real files. Adding, dragging, saving and Esc's question also run on
// the real program in tests/e2e/maker.sh; the preview's show in tests/app/windows_test.cpp.
#include "maker/maker_frm.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "core/settings/settings.h"
#include "support/fakes.h"
#include "support/windows.h"

using Msg = Fakes::Message;
using Platform::vbCancel, Platform::vbNo, Platform::vbYes;
static Msg Ask(const QString& text) { return {text, 35, "Slide Show Maker"}; }

class Maker : public ::testing::Test {
 protected:
  Maker() {
    seams.msg_box(msg).pictures(pictures).directories(dirs).file_dialogs(dialogs).navigator(navigator);
    QFile::remove(Settings::Store_File(Settings::App_Maker));
    for (const char* f : {"/a.jpg", "/c.bmp", "/Pics/b.gif", "/Pics/c.bmp", "/Pics/d.JPG"}) dirs.File(f);
    for (const char* p : {"/a.jpg", "/c.bmp"}) pictures.Add(p, {400, 300});
  }
  void TearDown() override { Close(maker); Flush_Events(); }
  Maker_Frm* Open(const QStringList& entries = {}) {
    Load(maker)->show();
    maker->List1->addItems(entries);
    maker->Update_Count();
    return maker;
  }
  // Saves or loads through the toolbar, the dialog answering `name` in the temporary folder.
  void Click(const char* button, const QString& name, std::deque<int> answers = {}) {
    dialogs.answers = {Fakes::File_Dialogs::Choose(Path(name))};
    msg.answers = answers;
    maker->Toolbar1_ButtonClick(button);
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

TEST_F(Maker, AddsTheSelectedPicturesMovesEntriesAndRefusesAnUnavailableDrive) {
  dirs.volumes = {"/", "/media/cd"};
  Maker_Frm* f = Open();
  f->Dir1->Set_Path("/Pics");
  for (int row : {0, 2}) f->File1->item(row)->setSelected(true);
  f->Add_Btn->click();
  f->List1->setCurrentRow(0);
  for (QPushButton* b : {f->cmdDown, f->cmdDown}) b->click();  // the second on the last entry
  EXPECT_EQ(f->Entries(), QStringList({"/Pics/d.JPG", "/Pics/b.gif"}));
  f->cmdUp->click();
  EXPECT_EQ(f->Entries(), QStringList({"/Pics/b.gif", "/Pics/d.JPG"}));
  f->Drive1->Set_Drive("/media/cd");
  EXPECT_EQ(std::pair(msg.shown, f->Dir1->Path()), std::pair(QList<Msg>{{"Invaild drive /media/cd.", 16, "ERROR"}}, QString("/Pics")));
}

// Only Yes removes; with no entry selected (though one is current) nothing is asked. An empty list
// makes no preview.
TEST_F(Maker, RemovingOneOrAllEntriesAsksFirst) {
  const QString one = "Do you really want to remove the file..\r\n\r\n/b.jpg\r\n\r\nfrom the loaded images list?";
  const QString all = "Do you really want to remove all the files from the loaded images list?";
  for (const QString& question : {one, all})
    for (int answer : {vbNo, vbCancel, vbYes}) {
      Open()->List1->clear();
      Open({"/a.jpg", "/b.jpg"})->List1->setCurrentRow(1);
      msg.shown.clear();
      msg.answers = {answer};
      question == all ? maker->Toolbar1_ButtonClick("Clear") : maker->List1_DblClick();
      EXPECT_EQ(msg.shown, QList<Msg>{Ask(question)});
      EXPECT_EQ(maker->Label2->text(), answer != vbYes ? "2" : question == all ? "0" : "1") << answer;
      EXPECT_EQ(maker->Entries().value(0), answer == vbYes && question == all ? "" : "/a.jpg") << answer;
    }
  maker->Toolbar1_ButtonClick("Preview");
  Open({"/a.jpg"})->List1->setCurrentRow(0);
  maker->List1->clearSelection();
  maker->List1_DblClick();
  EXPECT_EQ(msg.shown.mid(1), QList<Msg>({{"NO FILES!!!", 48, "ERROR"}}));
}

TEST_F(Maker, TheThumbnailShowsTheEntryLastClickedInEitherListWhileSwitchedOn) {
  Maker_Frm* f = Open({"/gone.jpg", "/c.bmp"});
  f->File1->setCurrentRow(1);
  const bool shown = !f->Thumbnail().isNull();
  f->List1->setCurrentRow(0);  // unreadable: an empty box
  EXPECT_TRUE(shown && f->Thumbnail().isNull());
  f->Check1->click();  // off: clicks load nothing
  f->File1->setCurrentRow(0);
  f->List1->clearSelection();
  const QString off = f->Text1;
  f->Check1->click();  // on: the file list's current picture at once
  EXPECT_EQ(QStringList({off, f->Text1}), QStringList({"/gone.jpg", "/a.jpg"}));
  // A real click on a picture-list entry loads it once: newly selected, and when selected already.
  for (int click = 0; click < 2; ++click) {
    for (QAbstractButton* b : {f->Check1, f->Check1}) b->click();  // the thumbnail is the file list's again
    const qsizetype before = pictures.loads.size();
    QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(f->List1->item(1)).center());
    EXPECT_EQ(std::pair(f->Text1, pictures.loads.size()), std::pair(QString("/c.bmp"), before + 1)) << click;
  }
}

// Wider, the file list moves right and the picture list widens; the height stays. The options, the
// folder, the width and the thumbnail switch come back in the next window, the list does not.
TEST_F(Maker, TheWidthArrangesTheControlsAndTheOptionsFolderWidthAndThumbnailSwitchComeBack) {
  Maker_Frm* f = Open({"/a.jpg"});
  const QRect window = f->geometry(), file1 = f->File1->geometry(), list1 = f->List1->geometry();
  f->resize(window.width() + 60, window.height() + 80);
  EXPECT_EQ(std::pair(f->File1->geometry(), f->List1->geometry()), std::pair(file1.translated(60, 0), list1.adjusted(0, 0, 60, 0)));
  f->Dir1->Set_Path("/Pics");
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{f->Strech_Opt, f->Ratio_Chk, f->Check1}) b->click();
  for (int button : {1, 2, 3}) f->Button(button)->trigger();  // each flips its hidden box
  for (int button : {5, 7, 8, 10}) EXPECT_FALSE(f->Button(button)->isCheckable()) << button;  // commands do not stay down
  EXPECT_TRUE(!f->Button(0) && !f->Button(11));
  f->Delay_Scroll->setValue(0);
  f->Picker->Save_Colour->Set_BackColor(255);
  const ShowFile::Options left = f->Show_Options();
  ASSERT_EQ(left, (ShowFile::Options{.Strech = true, .Shuff = true, .Delay = 0, .BackCol = 255, .Music = ""}));
  TearDown();
  f = Open();
  EXPECT_EQ(std::pair(f->Show_Options(), f->size()), std::pair(left, window.size() + QSize(60, 0)));
  for (int button : {1, 2, 3}) EXPECT_EQ(f->Button(button)->isChecked(), button == 2) << button;
  EXPECT_TRUE(!f->Image1->isVisibleTo(f) && f->Ratio_Chk->isEnabled() && f->File1->count() == 3 && !f->List1->count());
  f->Maintain_Opt->click();  // Keep Ratio goes with stretching
  EXPECT_FALSE(f->Ratio_Chk->isEnabled());
}

// A name the maker extended by ".sli" is replaced only when confirmed; a save that fails says so;
// Yes to running the saved show closes the maker (the menu comes back) first.
TEST_F(Maker, SavingAsksBeforeReplacingANameItExtendedAndOffersToRunTheShow) {
  Open({"/p/one.jpg"});
  ASSERT_TRUE(Write_File(Path("show.sli"), "old"));
  Click("Save", "show", {vbNo});
  EXPECT_EQ(Bytes_Of(Path("show.sli")), "old");
  Click("Save", "show", {vbYes, vbNo});
  EXPECT_EQ(msg.shown, (QList<Msg>(2, {Path("show.sli") + "\r\nalready exists. Do you want to replace it?", 36, "Slide Show Maker"})
                        << Msg{"Successfully saved file...\r\n\r\n" + Path("show.sli") +
                               "\r\n\r\nWould you like to run this Slide Show now?", 36, "Slide Show Maker"}));
  Click("Save", "show.sli/inner");  // a file in the way: the save fails, and says so
  EXPECT_EQ(msg.shown.last(), (Msg{"Error Saving!", 16, "Slide Show Maker"}));
  dialogs.answers = {Fakes::File_Dialogs::Choose(Path("run.SLI"))};
  msg.answers = {vbYes};
  QTest::keyClick(Show_Active(maker.data()), Qt::Key_S, Qt::ControlModifier);  // the desktop's key for Save
  EXPECT_EQ(navigator.log, QStringList({"show menu", "play " + Path("run.SLI") + " from maker"}));
}

// Load asks first about a list that is not empty: Cancel stops, Yes only saves (as saved.sli), No
// loads. Each option read is applied at once, and kept when a later line is bad: a delay is rounded
// to whole seconds, halves to even, and lies from 0 to 60. Relative paths lead from the show's folder.
TEST_F(Maker, LoadingAppliesEachOptionAndKeepsWhatItReadBeforeABadValue) {
  Maker_Frm* f = Open({"/a.jpg"});
  for (int answer : {vbCancel, vbYes}) Click("Load", "saved.sli", {answer});
  EXPECT_TRUE(f->List1->count() == 1 && QFile::exists(Path("saved.sli")));
  const struct { const char* delay; int colour, delay_after, colour_after; } cases[] = {
      {"60", 1, 60, 1}, {"61", 2, 60, 1}, {"0", 3, 0, 3}, {"-1", 4, 0, 3}, {"2.5", 5, 2, 5}, {"3.5", 6, 4, 6}, {"8", -1, 8, 6}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Write_File(Path("bad.sli"), QString("Strech=True\r\nRatio=0\r\nShuff=1\r\nDelay=%1\r\nBackCol=%2\r\n"
        "Loop=0\r\nMessage=1\r\nUseMusic=1\r\nMusic=m.mp3\r\nx.jpg\r\n").arg(c.delay).arg(c.colour).toUtf8()));
    msg.shown.clear();
    Click("Load", "bad.sli", {vbNo});
    const bool fails = c.colour != c.colour_after;
    EXPECT_EQ(std::tuple(msg.shown.contains(Msg{"Error Loading in File!", 16, "Slide Show Maker"}), f->Delay_Scroll->value(),
                         f->Picker->Save_Colour->BackColor()), std::tuple(fails, c.delay_after, c.colour_after)) << c.delay;
    EXPECT_TRUE(f->Strech_Opt->isChecked() && !f->Ratio_Chk->isChecked() && f->Button(2)->isChecked()) << c.delay;
    EXPECT_EQ(f->Entries(), fails ? QStringList() : QStringList{Path("x.jpg")}) << c.delay;
  }
  EXPECT_TRUE(!f->Button(1)->isChecked() && f->Music_Btn->isEnabled() && f->Music_Txt->text() == Path("m.mp3"));
  dialogs.answers = {Fakes::File_Dialogs::Choose("/m.mp3")};  // "..." fills the music box
  f->Music_Btn->click();
  f->Music_Chk->click();  // off: greyed
  EXPECT_TRUE(!f->Music_Txt->isEnabled() && !f->Music_Btn->isEnabled() && f->Music_Txt->text() == "/m.mp3");
}

// A list as loaded closes at once (no answers); No closes; Yes with the save cancelled keeps the
// window; Yes and Yes to running the saved show plays it once the menu is back.
TEST_F(Maker, ClosingAsksFirstOnlyForAListChangedSinceTheLastSaveOrLoad) {
  ASSERT_TRUE(Write_File(Path("kept.sli"), ShowFile::Encode({}, {"/a.jpg"})));
  const struct { std::deque<int> answers; const char* save_as; QStringList log; } cases[] = {
      {{}, nullptr, {"show menu"}}, {{vbNo}, nullptr, {"show menu"}}, {{vbYes}, nullptr, {}},
      {{vbYes, vbYes}, "run", {"show menu", "play " + Path("run.sli") + " from maker"}}};
  for (const auto& c : cases) {
    Open(c.answers.empty() ? QStringList() : QStringList{"/a.jpg"});
    if (c.answers.empty()) Click("Load", "kept.sli");
    msg.shown.clear();
    navigator.log.clear();
    dialogs.answers = {c.save_as ? Fakes::File_Dialogs::Choose(Path(c.save_as)) : Fakes::File_Dialogs::Cancel()};
    msg.answers = c.answers;
    QTest::keyClick(maker, Qt::Key_Escape);
    Flush_Events();
    EXPECT_EQ(msg.shown.value(0), c.answers.empty() ? Msg{} : Ask("Do you want to save the current Slide Show first?")) << c.answers.size();
    EXPECT_EQ(std::tuple(Is_Loaded(maker), navigator.log), std::tuple(c.log.isEmpty(), c.log)) << c.answers.size();
    TearDown();
  }
}
