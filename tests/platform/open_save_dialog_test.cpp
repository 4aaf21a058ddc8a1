// The file dialog control over a fake facility, and the real facility's filters and buffers.
#include "platform/open_save_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/settings/settings.h"
#include "platform/file_dialog.h"
#include "support/fakes.h"
#include "support/files.h"

namespace {

using Fakes::File_Dialogs;
using Platform::OpenSaveDialog;

// `|` stands for NUL.
QString Nuls(QString s) { return s.replace(u'|', QChar(0)); }

class Dialog : public ::testing::Test {
 protected:
  Dialog() { seams.file_dialogs(facility); }
  File_Dialogs facility;
  Platform::Services::Guard seams;
  OpenSaveDialog d;
};

// The filter goes out NUL-separated; a cancel keeps the outputs, but a filter index of 0 becomes 1.
TEST_F(Dialog, ACancelKeepsTheOutputsButFilterIndexZeroBecomesOneWithAFilter) {
  d.FileName("/kept.sli");
  d.Flags(4);
  const struct { QString filter; std::int16_t before, after; } cases[] = {
      {"Shows (*.sli)|*.sli", 0, 1}, {"A|*.a|B|*.b", 2, 2}, {"", 0, 0}};
  for (const auto& c : cases) {
    facility.calls.clear();
    d.Filter(c.filter);
    d.FilterIndex(c.before);
    d.ShowOpen();  // no answer: the user cancels
    EXPECT_EQ(d.FilterIndex(), c.after) << c.filter.toStdString();
    EXPECT_EQ(d.FileName(), "/kept.sli");
    EXPECT_EQ(d.Flags(), 4);
    ASSERT_EQ(facility.calls.size(), 1);
    EXPECT_EQ(facility.calls[0].record.nFilterIndex, c.after);
    EXPECT_EQ(facility.calls[0].record.lpstrFilter, c.filter.isEmpty() ? "" : Nuls(c.filter + "||"));
  }
}

TEST_F(Dialog, ShowOpenAndShowSaveFillTheRecordAndReadTheChoiceBack) {
  QWidget host;
  OpenSaveDialog hosted(&host);
  hosted.DialogTitle("Open Slide Show File");
  hosted.InitDir("/home/ann");
  hosted.MaxFileSize(100);
  // The multiple-selection flag counts only for ShowOpen.
  for (const bool save : {false, true}) {
    hosted.Flags(save ? 0x202 : 0x1000);
    facility.answers = {File_Dialogs::Choose("/home/ann/Pictures/a.jpg", 2, 0x1400)};
    facility.calls.clear();
    save ? hosted.ShowSave() : hosted.ShowOpen();
    EXPECT_EQ(hosted.FileName(), "/home/ann/Pictures/a.jpg");
    EXPECT_EQ(hosted.FileTitle(), "a.jpg");
    EXPECT_EQ(hosted.Flags(), 0x1400);
    EXPECT_EQ(hosted.FilterIndex(), 2);
    ASSERT_EQ(facility.calls.size(), 1);
    const Platform::Dialog_Record& r = facility.calls[0].record;
    EXPECT_EQ(std::tuple(facility.calls[0].save, r.hwndOwner, r.lpstrTitle, r.lpstrInitialDir,
                         r.Flags),
              std::tuple(save, &host, QString("Open Slide Show File"), QString("/home/ann"),
                         save ? 0x202 : 0x1000));
    EXPECT_EQ(r.lpstrFile, QString(OpenSaveDialog::Path_Max, QChar(0)));
    EXPECT_EQ(r.lpstrFileTitle, QString(100, QChar(0)));
  }
  // A multiple selection: both buffers larger, the raw buffer kept, the title left alone.
  hosted.Flags(OpenSaveDialog::OFN_ALLOWMULTISELECT);
  facility.answers = {File_Dialogs::Raw(Nuls("/home/ann|a.jpg|b.bmp||"))};
  hosted.ShowOpen();
  EXPECT_EQ(facility.calls.last().record.nMaxFile, OpenSaveDialog::Multi_Buffer);
  EXPECT_EQ(facility.calls.last().record.nMaxFileTitle, OpenSaveDialog::Multi_Buffer);
  EXPECT_TRUE(hosted.FileName().startsWith(Nuls("/home/ann|a.jpg|b.bmp||")));
  EXPECT_EQ(hosted.FileTitle(), "a.jpg");
}

TEST_F(Dialog, ACancelRaisesTheCancelErrorWhenAsked) {
  d.FileName("/kept.sli");
  d.CancelError(true);
  // A path longer than the buffer makes the facility fail: the same as a cancel.
  facility.answers = {File_Dialogs::Choose("/" + QString(OpenSaveDialog::Path_Max, u'x'))};
  try {
    d.ShowSave();
    ADD_FAILURE() << "no error raised";
  } catch (const Platform::Dialog_Error& e) {
    EXPECT_EQ(std::tuple(e.Number, e.Description, e.HelpFile, e.HelpContext),
              std::tuple(32755, QString("Cancel was selected."), QString("cmdlg98.chm"), 32755));
  }
  EXPECT_EQ(d.FileName(), "/kept.sli");
  EXPECT_THROW(d.MaxFileSize(-1), Platform::Dialog_Error);
  EXPECT_EQ(d.MaxFileSize(), OpenSaveDialog::Path_Max);
}

TEST_F(Dialog, ParseMultiFileName) {
  const struct {
    QString buffer, dir_in;
    QStringList files_in;
    int count_in;
    QString dir;
    QStringList files;
    int count;
  } cases[] = {
      {"/home/ann/a.jpg", "stale", {"x"}, 7, "/home/ann", {"a.jpg"}, 1},
      {"a.jpg", "stale", {}, 0, "", {"a.jpg"}, 1},
      {"/a.jpg", "", {}, 0, "/", {"a.jpg"}, 1},  // a file in the root: the root is its folder
      {"", "", {"x", "y"}, 2, "", {""}, 1},
      {"/home/ann|a.jpg|b.bmp|c.gif||", "", {}, 0, "/home/ann", {"a.jpg", "b.bmp", "c.gif"}, 3},
      {"/home/ann/x.jpg||", "", {}, 0, "", {"/home/ann/x.jpg"}, 1},
      // With a folder already given every piece is a file, counted on from the caller's count.
      {"/p|c.jpg||", "/given", {"a.jpg"}, 1, "/given", {"a.jpg", "/p", "c.jpg"}, 3},
      {"/p|c.jpg||", "", {}, -4, "/p", {"c.jpg"}, 1},
  };
  for (const auto& c : cases) {
    d.FileName(Nuls(c.buffer));
    QString dir = c.dir_in;
    QStringList files = c.files_in;
    std::int32_t count = c.count_in;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, c.dir) << c.buffer.toStdString();
    EXPECT_EQ(files, c.files) << c.buffer.toStdString();
    EXPECT_EQ(count, c.count) << c.buffer.toStdString();
    EXPECT_EQ(d.FileName(), c.buffer.section(u'|', 0, 0));
  }
  // No count past the largest: an overflow error, and the arguments and the name as they were.
  d.FileName(Nuls("/p|a.jpg|b.jpg||"));
  QString dir;
  QStringList files{"x"};
  std::int32_t count = std::numeric_limits<std::int32_t>::max() - 1;
  try {
    d.ParseMultiFileName(dir, files, count);
    ADD_FAILURE() << "no error";
  } catch (const Platform::Dialog_Error& e) {
    EXPECT_EQ(e.Number, 6);
  }
  EXPECT_EQ(std::tuple(dir, files, count, d.FileName()),
            std::tuple(QString(), QStringList{"x"}, std::numeric_limits<std::int32_t>::max() - 1,
                       Nuls("/p|a.jpg|b.jpg||")));
}

TEST(File_Dialog, FiltersBuffersAndMultipleSelections) {
  using namespace Platform::File_Dialog;
  const QStringList filters =
      Name_Filters(Nuls("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*||"));
  EXPECT_EQ(filters, (QStringList{"Slide Show Files (*.sli) (*.sli)", "All Files (*.*) (*)"}));
  // The dialog reports the filter as it shows it: the description alone.
  EXPECT_EQ(Filter_Number(filters, "All Files (*.*)"), 2);
  EXPECT_EQ(Filter_Number(filters, "Slide Show Files (*.sli) (*.sli)"), 1);
  EXPECT_EQ(Filter_Number(filters, "Music"), 0);
  EXPECT_EQ(Name_Filters(Nuls("Music|*.mp3;*.wav; *.mid||")), QStringList{"Music (*.mp3 *.wav *.mid)"});
  Platform::Dialog_Record r;
  r.nMaxFile = 12;
  r.nMaxFileTitle = 4;
  EXPECT_TRUE(Fill_Single(r, "/p/ab.jpg"));
  EXPECT_EQ(r.lpstrFile, Nuls("/p/ab.jpg|||"));
  EXPECT_EQ(r.lpstrFileTitle, QString(4, QChar(0)));  // "ab.jpg" does not fit its 4 characters
  EXPECT_FALSE(Fill_Single(r, "/p/abcde.jpg"));       // 12 characters leave no room for the NUL
  r.nMaxFile = 20;
  EXPECT_TRUE(Fill_Multiple(r, {"/p/a.jpg", "/p/bb.gif"}));
  EXPECT_EQ(r.lpstrFile, Nuls("/p|a.jpg|bb.gif|||||"));
  EXPECT_TRUE(Fill_Multiple(r, {"/a.jpg", "/b.jpg"}));
  EXPECT_EQ(r.lpstrFile.left(2), Nuls("/|"));
  EXPECT_FALSE(Fill_Multiple(r, {"/p/a.jpg", "/q/b.jpg"}));
  EXPECT_FALSE(Fill_Multiple(r, {"/p/aaaaaa.jpg", "/p/bbbbbb.jpg"}));
}

// The real dialog opens where its file list's columns can be read, and at the size and in the
// folder where the last one was left, also in a later run (through the settings store).
TEST(File_Dialog, ColumnsCanBeReadAndSizeAndFolderAreRemembered) {
  QTemporaryDir first, second;
  ASSERT_TRUE(Write_File(first.filePath("a picture with a rather long name.jpg"), QByteArray(359, 'x')));
  Settings::Save_Text(Settings::Dialog_Path, first.path());  // left there in an earlier run
  Settings::Save_Size(Settings::DialogX, 0);
  Settings::Save_Size(Settings::DialogY, 0);
  Platform::Dialog_Record record;
  record.lpstrTitle = "Save Slide Show File";
  record.nMaxFile = 4096;
  record.nMaxFileTitle = 4096;
  QString opened_in;
  QSize opened_at;
  std::function<void(QFileDialog*)> act;
  auto run = [&](bool save) {
    QTimer::singleShot(0, [&] {
      QFileDialog* d = nullptr;
      ASSERT_TRUE(QTest::qWaitFor([&] { return (d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); }));
      opened_in = d->directory().absolutePath();
      opened_at = d->size();
      act(d);
      if (d->isVisible()) d->reject();  // the steps did not close it
    });
    return save ? Platform::Services::File_Dialogs().GetSaveFileName(record)
                : Platform::Services::File_Dialogs().GetOpenFileName(record);
  };
  // Every column as wide as the texts it shows; then the user makes it smaller and saves in the
  // second folder.
  act = [&](QFileDialog* d) {
    auto* list = d->findChild<QTreeView*>("treeView");
    const QModelIndex row = list->model()->index(0, 0, list->rootIndex());
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 1; }, 5000));
    QTest::qWait(100);
    for (int column = 0; column < 4; ++column) {
      const QString text = row.siblingAtColumn(column).data().toString();
      EXPECT_GT(list->header()->sectionSize(column), list->fontMetrics().horizontalAdvance(text))
          << text.toStdString();
    }
    d->resize(700, 450);
    d->setDirectory(second.path());
    QTest::keyClicks(d->findChild<QLineEdit*>("fileNameEdit"), "show.sli");
    QTest::keyClick(d->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
  };
  ASSERT_TRUE(run(true));
  EXPECT_EQ(opened_in, first.path());
  EXPECT_EQ(record.lpstrFile.left(record.lpstrFile.indexOf(QChar(0))), second.filePath("show.sli"));
  // The next dialog, an Open one, opens there at that size; cancelled, it still keeps its size.
  act = [&](QFileDialog* d) {
    d->resize(720, 460);
    d->reject();
  };
  EXPECT_FALSE(run(false));
  EXPECT_EQ(opened_in, second.path());
  EXPECT_EQ(opened_at, QSize(700, 450));
  EXPECT_EQ(Settings::Restore_Window_Size(Settings::DialogX, Settings::DialogY), QSize(720, 460));
  EXPECT_EQ(Settings::Get_Text(Settings::Dialog_Path), second.path());
}

}  // namespace
