// The file dialog control over a fake facility, and the real facility's filters, buffers and memory.
#include "platform/open_save_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/settings/settings.h"
#include "platform/file_dialog.h"
#include "support/fakes.h"

namespace {

using Fakes::File_Dialogs;
using Platform::OpenSaveDialog;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// `|` stands for NUL.
QString Nuls(QString s) { return s.replace(u'|', QChar(0)); }

// The error that `f` raises; number 0 for none.
Platform::Dialog_Error Error_Of(const std::function<void()>& f) {
  try { f(); } catch (const Platform::Dialog_Error& e) { return e; }
  return {0, {}};
}

struct Dialog : ::testing::Test {
  Dialog() { seams.file_dialogs(facility); }
  File_Dialogs facility;
  Platform::Services::Guard seams;
  OpenSaveDialog d;
};

// A cancel keeps the outputs, but with a filter an index of 0 becomes 1; CancelError makes it an error.
TEST_F(Dialog, ACancelKeepsTheOutputsOrRaisesTheCancelError) {
  d.FileName("/kept.sli");
  d.Flags(4);
  for (const auto& [filter, before, after] : {std::tuple<QString, int, int>{"Shows (*.sli)|*.sli", 0, 1}, {"A|*.a|B|*.b", 2, 2}, {"", 0, 0}}) {
    d.Filter(filter);
    d.FilterIndex(std::int16_t(before));
    d.ShowOpen();
    const Platform::Dialog_Record& r = facility.calls.last().record;
    EXPECT_EQ(std::tuple(int(d.FilterIndex()), d.FileName(), d.Flags(), r.nFilterIndex, r.lpstrFilter),
              std::tuple(after, QString("/kept.sli"), 4, after, filter.isEmpty() ? "" : Nuls(filter + "||")));
  }
  d.CancelError(true);
  const Platform::Dialog_Error e = Error_Of([&] { d.ShowSave(); });
  EXPECT_EQ(std::tuple(e.Number, e.Description, e.HelpFile, e.HelpContext, d.FileName()),
            std::tuple(32755, QString("Cancel was selected."), QString("cmdlg98.chm"), 32755, QString("/kept.sli")));
  EXPECT_EQ(std::pair(Error_Of([&] { d.MaxFileSize(-1); }).Number, Error_Of([&] { d.MaxFileSize(0); }).Number), std::pair(380, 0));
}

TEST_F(Dialog, ShowOpenAndShowSaveFillTheRecordAndReadTheChoiceBack) {
  QWidget host;
  OpenSaveDialog hosted(&host);
  hosted.DialogTitle("Open Slide Show File");
  hosted.InitDir("/home/ann");
  hosted.MaxFileSize(4);
  // The multiple-selection flag 0x200 counts only for ShowOpen; the filter index the facility
  // returns is kept in range; "a.jpg" does not fit a title buffer of 4.
  for (const bool save : {false, true}) {
    hosted.Flags(save ? 0x202 : 0x1000);
    facility.answers = {File_Dialogs::Choose("/home/ann/a.jpg", save ? -40000 : 40000, 0x1400)};
    save ? hosted.ShowSave() : hosted.ShowOpen();
    const Platform::Dialog_Record& r = facility.calls.last().record;
    EXPECT_EQ(std::tuple(facility.calls.last().save, r.hwndOwner, r.lpstrTitle, r.lpstrInitialDir, r.Flags, r.lpstrFile + r.lpstrFileTitle),
              std::tuple(save, &host, QString("Open Slide Show File"), QString("/home/ann"), save ? 0x202 : 0x1000, QString(OpenSaveDialog::Path_Max + 4, QChar(0))));
    EXPECT_EQ(std::tuple(hosted.FileName(), hosted.FileTitle(), hosted.Flags(), hosted.FilterIndex()),
              std::tuple(QString("/home/ann/a.jpg"), QString(), 0x1400, save ? -32768 : 32767));
  }
  // A multiple selection: both buffers larger, the raw buffer kept, the title left as it was.
  hosted.MaxFileSize(100);
  facility.answers = {File_Dialogs::Choose("/b.jpg"), File_Dialogs::Raw(Nuls("/home/ann|a.jpg|b.bmp||"))};
  hosted.ShowOpen();
  hosted.Flags(OpenSaveDialog::OFN_ALLOWMULTISELECT);
  hosted.ShowOpen();
  const Platform::Dialog_Record& r = facility.calls.last().record;
  EXPECT_EQ(std::tuple(r.nMaxFile, r.nMaxFileTitle, hosted.FileTitle(), hosted.FileName().left(23)), std::tuple(8192, 8192, QString("b.jpg"), Nuls("/home/ann|a.jpg|b.bmp||")));
}

TEST_F(Dialog, ParseMultiFileName) {
  struct Case { QString buffer, dir_in; QStringList files_in; int count_in; QString dir; QStringList files; int count; bool overflow = false; };
  const Case cases[] = {
      {"/home/ann/a.jpg", "stale", {"x"}, 7, "/home/ann", {"a.jpg"}, 1},  {"a\\b.jpg", "stale", {}, 0, "", {"a\\b.jpg"}, 1},
      {"/a.jpg", "", {}, 0, "/", {"a.jpg"}, 1},  // a file in the root: the root is its folder
      {"/home/ann|a.jpg|b.bmp|c.gif||", "", {}, 0, "/home/ann", {"a.jpg", "b.bmp", "c.gif"}, 3},  {"/home/ann/x.jpg||", "", {}, 0, "", {"/home/ann/x.jpg"}, 1},
      // With a folder already given every piece is a file, counted on from the caller's count.
      {"/p|c.jpg||", "/given", {"a.jpg"}, 1, "/given", {"a.jpg", "/p", "c.jpg"}, 3},  {"/p|c.jpg||", "", {}, -4, "/p", {"c.jpg"}, 1},
      {"||", "", {}, kMax, "", {}, kMax},  // nothing added: no overflow at the largest count
      // A count past the largest: error 6, and the arguments and the name as they were.
      {"/p|a.jpg|b.jpg||", "", {"x"}, kMax - 1, "", {"x"}, kMax - 1, true},
  };
  for (Case c : cases) {
    d.FileName(Nuls(c.buffer));
    const bool overflow = Error_Of([&] { d.ParseMultiFileName(c.dir_in, c.files_in, c.count_in); }).Number == 6;
    ASSERT_EQ(std::tuple(c.dir_in, c.files_in, c.count_in, overflow, d.FileName()),
              std::tuple(c.dir, c.files, c.count, c.overflow, c.overflow ? Nuls(c.buffer) : c.buffer.section(u'|', 0, 0))) << c.buffer.toStdString();
  }
}

TEST(File_Dialog, FiltersAndBuffers) {
  using namespace Platform::File_Dialog;
  const QStringList filters = Name_Filters(Nuls("Shows (*.sli)|*.sli|All (*.*)|*.*; *.x;|None|;||"));
  EXPECT_EQ(filters, (QStringList{"Shows (*.sli) (*.sli)", "All (*.*) (* *.x)", "None (*)"}));
  // The dialog reports a filter as it shows it: the description alone.
  for (const auto& [selected, number] : {std::pair{"All (*.*)", 2}, {"Shows (*.sli) (*.sli)", 1}, {"Music", 0}})
    EXPECT_EQ(Filter_Number(filters, selected), number) << selected;
  Platform::Dialog_Record r;
  r.nMaxFile = 12;
  r.nMaxFileTitle = 6;
  // A title buffer of 6 has no room for "ab.jpg" and its NUL; 12 characters leave no room for the NUL.
  EXPECT_TRUE(Fill_Single(r, "/p/ab.jpg") && r.lpstrFile + r.lpstrFileTitle == Nuls("/p/ab.jpg|||||||||"));
  r.nMaxFileTitle = 7;
  EXPECT_TRUE(Fill_Multiple(r, {"/p/ab.jpg"}) && r.lpstrFileTitle == Nuls("ab.jpg|") && !Fill_Single(r, "/p/abcde.jpg"));
  r.nMaxFile = 17;
  EXPECT_TRUE(Fill_Multiple(r, {"/p/a.jpg", "/p/bb.gif"}) && r.lpstrFile == Nuls("/p|a.jpg|bb.gif||"));
  for (const QStringList& refused : {QStringList{}, {"/p/a.jpg", "/q/b.jpg"}, {"/p/a.jpg", "/p/bbb.gif"}})
    EXPECT_FALSE(Fill_Multiple(r, refused)) << refused.join(' ').toStdString();
}

// The real dialog opens at the size and in the folder where the last one was left, also in a later
// run (through the settings store); a cancelled one keeps its size too.
TEST(File_Dialog, ADialogOpensAtTheSizeAndInTheFolderWhereTheLastOneWasLeft) {
  QTemporaryDir first, second;
  Settings::Save_Text(Settings::Dialog_Path, first.path());  // left there in an earlier run
  Platform::Dialog_Record record;
  record.nMaxFile = record.nMaxFileTitle = 4096;
  std::pair<QString, QSize> opened;
  auto run = [&](bool save, const std::function<void(QFileDialog*)>& act) {
    QTimer::singleShot(0, [&] {
      QFileDialog* d = nullptr;
      ASSERT_TRUE(QTest::qWaitFor([&] { return (d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); }));
      opened = {d->directory().absolutePath(), d->size()};
      act(d);
    });
    return save ? Platform::Services::File_Dialogs().GetSaveFileName(record) : Platform::Services::File_Dialogs().GetOpenFileName(record);
  };
  ASSERT_TRUE(run(true, [&](QFileDialog* d) {
    auto* name = d->findChild<QLineEdit*>("fileNameEdit");
    d->resize(700, 450);
    d->setDirectory(second.path());
    QTest::keyClicks(name, "show.sli");
    QTest::keyClick(name, Qt::Key_Return);
  }));
  EXPECT_EQ(std::tuple(opened.first, record.lpstrFile.section(QChar(0), 0, 0)), std::tuple(first.path(), second.filePath("show.sli")));
  EXPECT_FALSE(run(false, [](QFileDialog* d) { d->resize(720, 460), d->reject(); }));
  EXPECT_EQ(std::tuple(opened, Settings::Get_Text(Settings::Dialog_Path)), std::tuple(std::pair(second.path(), QSize(700, 450)), second.path()));
  EXPECT_EQ(Settings::Restore_Window_Size(Settings::DialogX, Settings::DialogY), QSize(720, 460));
}

}  // namespace
