// The file dialog control over a fake facility, the facility's buffer filling, and one run of the
// real dialog.
#include "platform/open_save_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/file_dialog.h"
#include "support/fakes.h"

namespace {

using Platform::OpenSaveDialog;
using Fakes::File_Dialogs;

const QChar NUL(0);
QString Nuls(const QString& s) {
  QString out = s;
  out.replace(u'|', NUL);
  return out;
}

class Dialog : public ::testing::Test {
 protected:
  File_Dialogs facility;
  Platform::Services::Scoped_Desktop seams{&facility, nullptr};
  OpenSaveDialog d;
};

TEST_F(Dialog, ConvertFilterAndTrimAtNull) {
  EXPECT_EQ(OpenSaveDialog::ConvertFilter("A|B|C|D"), Nuls("A|B|C|D||"));
  EXPECT_EQ(OpenSaveDialog::ConvertFilter("Slide Show Files (*.sli)|*.sli"),
            Nuls("Slide Show Files (*.sli)|*.sli||"));
  struct Case { QString in, out; };
  const Case cases[] = {{"", ""}, {"abc", "abc"}, {Nuls("abc|def"), "abc"}, {Nuls("|abc"), ""}};
  for (const Case& c : cases) EXPECT_EQ(OpenSaveDialog::TrimAtNull(c.in), c.out);
}

TEST_F(Dialog, FilterIndexZeroBecomesOneWithAFilterEvenWhenCancelled) {
  struct Case { QString filter; std::int16_t before; std::int16_t after; QString sent; };
  const Case cases[] = {
      {"Slide Show Files (*.sli)|*.sli", 0, 1, Nuls("Slide Show Files (*.sli)|*.sli||")},
      {"A|*.a|B|*.b", 2, 2, Nuls("A|*.a|B|*.b||")},
      {"", 0, 0, ""},
  };
  for (const Case& c : cases) {
    facility.calls.clear();
    d.Filter(c.filter);
    d.FilterIndex(c.before);
    d.ShowOpen();  // no answer: the user cancels
    EXPECT_EQ(d.FilterIndex(), c.after) << c.filter.toStdString();
    ASSERT_EQ(facility.calls.size(), 1);
    EXPECT_EQ(facility.calls[0].record.nFilterIndex, c.after);
    EXPECT_EQ(facility.calls[0].record.lpstrFilter, c.sent);
  }
}

TEST_F(Dialog, ASingleSelectionFillsFileNameTitleFlagsAndFilterIndex) {
  QWidget host;
  OpenSaveDialog hosted(&host);
  hosted.DialogTitle("Open Slide Show File");
  hosted.InitDir("/home/ann");
  hosted.Filter("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*");
  hosted.Flags(0x1000);
  hosted.MaxFileSize(100);
  facility.answers = {File_Dialogs::Choose("/home/ann/Pictures/a.jpg", 2, 0x1400)};
  hosted.ShowOpen();
  EXPECT_EQ(hosted.FileName(), "/home/ann/Pictures/a.jpg");
  EXPECT_EQ(hosted.FileTitle(), "a.jpg");
  EXPECT_EQ(hosted.Flags(), 0x1400);
  EXPECT_EQ(hosted.FilterIndex(), 2);
  ASSERT_EQ(facility.calls.size(), 1);
  const Platform::Dialog_Record& r = facility.calls[0].record;
  EXPECT_FALSE(facility.calls[0].save);
  EXPECT_EQ(r.hwndOwner, &host);
  EXPECT_EQ(r.lpstrTitle, "Open Slide Show File");
  EXPECT_EQ(r.lpstrInitialDir, "/home/ann");
  EXPECT_EQ(r.Flags, 0x1000);
  EXPECT_EQ(r.nMaxFile, OpenSaveDialog::Path_Max);
  EXPECT_EQ(r.lpstrFile, QString(OpenSaveDialog::Path_Max, NUL));
  EXPECT_EQ(r.nMaxFileTitle, 100);
  EXPECT_EQ(r.lpstrFileTitle, QString(100, NUL));
}

TEST_F(Dialog, ACancelKeepsTheOutputsAndRaisesTheCancelErrorWhenAsked) {
  d.FileName("/kept.sli");
  d.FileTitle("kept.sli");
  d.Flags(4);
  facility.answers = {File_Dialogs::Cancel()};
  d.ShowOpen();
  EXPECT_EQ(d.FileName(), "/kept.sli");
  EXPECT_EQ(d.FileTitle(), "kept.sli");
  EXPECT_EQ(d.Flags(), 4);

  d.CancelError(true);
  // A path longer than the buffer makes the facility fail: the same as a cancel.
  facility.answers = {File_Dialogs::Choose("/" + QString(OpenSaveDialog::Path_Max, u'x'))};
  try {
    d.ShowSave();
    ADD_FAILURE() << "no error raised";
  } catch (const Platform::Dialog_Error& e) {
    EXPECT_EQ(e.Number, 32755);
    EXPECT_EQ(e.Description, "Cancel was selected.");
    EXPECT_EQ(e.HelpFile, "cmdlg98.chm");
    EXPECT_EQ(e.HelpContext, 32755);
    EXPECT_EQ(e.Source, "");
  }
  EXPECT_EQ(d.FileName(), "/kept.sli");
}

TEST_F(Dialog, AMultipleSelectionKeepsTheRawBufferUntilParsed) {
  d.Flags(OpenSaveDialog::OFN_ALLOWMULTISELECT);
  d.FileTitle("old");
  facility.answers = {File_Dialogs::Raw(Nuls("/home/ann/Pictures|a.jpg|b.bmp|c.gif||"))};
  d.ShowOpen();
  const Platform::Dialog_Record& r = facility.calls[0].record;
  EXPECT_EQ(r.nMaxFile, 8192);
  EXPECT_EQ(r.nMaxFileTitle, 8192);
  EXPECT_EQ(d.FileName().size(), 8192);
  EXPECT_EQ(d.FileTitle(), "old");

  QString dir;
  QStringList files;
  std::int32_t count = 0;
  d.ParseMultiFileName(dir, files, count);
  EXPECT_EQ(dir, "/home/ann/Pictures");
  EXPECT_EQ(count, 3);
  EXPECT_EQ(files, (QStringList{"a.jpg", "b.bmp", "c.gif"}));
  EXPECT_EQ(d.FileName(), "/home/ann/Pictures");

  // One file chosen: the full path, no folder.
  facility.answers = {File_Dialogs::Raw("/home/ann/x.jpg")};
  d.ShowOpen();
  dir.clear();
  files.clear();
  count = 0;
  d.ParseMultiFileName(dir, files, count);
  EXPECT_EQ(dir, "");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(files, QStringList{"/home/ann/x.jpg"});
  EXPECT_EQ(d.FileName(), "/home/ann/x.jpg");
}

TEST_F(Dialog, ShowSaveIgnoresTheMultipleSelectionFlag) {
  d.Flags(OpenSaveDialog::OFN_ALLOWMULTISELECT | 2);
  facility.answers = {File_Dialogs::Choose("/home/ann/new.sli")};
  d.ShowSave();
  ASSERT_EQ(facility.calls.size(), 1);
  EXPECT_TRUE(facility.calls[0].save);
  EXPECT_EQ(facility.calls[0].record.nMaxFile, OpenSaveDialog::Path_Max);
  EXPECT_EQ(facility.calls[0].record.nMaxFileTitle, OpenSaveDialog::Path_Max);
  EXPECT_EQ(facility.calls[0].record.Flags, 0x202);
  EXPECT_EQ(d.FileName(), "/home/ann/new.sli");
  EXPECT_EQ(d.FileTitle(), "new.sli");
}

TEST_F(Dialog, ParseMultiFileNameOnPlainPaths) {
  struct Case { QString path, dir, file; };
  const Case cases[] = {
      {"/home/ann/Pictures/a.jpg", "/home/ann/Pictures", "a.jpg"},
      {"a.jpg", "", "a.jpg"},
      {"/a.jpg", "/", "a.jpg"},  // a file in the root: the root is its folder
      {"", "", ""},
  };
  for (const Case& c : cases) {
    d.FileName(c.path);
    QString dir = "stale";
    QStringList files{"x", "y"};
    std::int32_t count = 7;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, c.dir) << c.path.toStdString();
    EXPECT_EQ(files, QStringList{c.file});
    EXPECT_EQ(count, 1);
    EXPECT_EQ(d.FileName(), c.path);
  }
}

TEST_F(Dialog, ParseMultiFileNameCountsOnFromTheCallersCount) {
  d.FileName(Nuls("/p|c.jpg|d.jpg||"));
  QString dir = "/given";
  QStringList files{"a.jpg", "b.jpg"};
  std::int32_t count = 2;
  d.ParseMultiFileName(dir, files, count);
  // With a folder already given, every piece is a file.
  EXPECT_EQ(dir, "/given");
  EXPECT_EQ(count, 5);
  EXPECT_EQ(files, (QStringList{"a.jpg", "b.jpg", "/p", "c.jpg", "d.jpg"}));

  // A count below zero starts from zero instead of indexing before the first file.
  d.FileName(Nuls("/p|c.jpg||"));
  dir.clear();
  files.clear();
  count = -4;
  d.ParseMultiFileName(dir, files, count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(files, QStringList{"c.jpg"});
}

TEST_F(Dialog, DesignSettingsAreStoredWithoutTheirDefaults) {
  Platform::Property_Bag empty;
  d.WriteProperties(empty);
  EXPECT_TRUE(empty.Items.isEmpty());

  d.DialogTitle("T");
  d.CancelError(true);
  d.Filter("A|*.a");
  d.FilterIndex(2);
  d.MaxFileSize(300);
  d.Flags(0x200);
  Platform::Property_Bag bag;
  d.WriteProperties(bag);
  QStringList names;
  for (const auto& item : bag.Items) names << item.first;
  EXPECT_EQ(names, (QStringList{"DialogTitle", "CancelError", "Filter", "FilterIndex",
                                "MaxFileSize", "Flags"}));

  OpenSaveDialog copy;
  copy.ReadProperties(bag);
  EXPECT_EQ(copy.DialogTitle(), "T");
  EXPECT_TRUE(copy.CancelError());
  EXPECT_EQ(copy.Filter(), "A|*.a");
  EXPECT_EQ(copy.FilterIndex(), 2);
  EXPECT_EQ(copy.MaxFileSize(), 300);
  EXPECT_EQ(copy.Flags(), 0x200);
  EXPECT_EQ(copy.InitDir(), "");

  // Values that cannot be read take their defaults.
  Platform::Property_Bag bad;
  bad.Items = {{"FilterIndex", "abc"}, {"MaxFileSize", -3}, {"Flags", "5e99"}};
  copy.ReadProperties(bad);
  EXPECT_EQ(copy.FilterIndex(), 0);
  EXPECT_EQ(copy.MaxFileSize(), OpenSaveDialog::Path_Max);
  EXPECT_EQ(copy.Flags(), 0);
  EXPECT_EQ(copy.DialogTitle(), "");
}

TEST_F(Dialog, ANegativeMaxFileSizeIsRefused) {
  EXPECT_THROW(d.MaxFileSize(-1), Platform::Dialog_Error);
  EXPECT_EQ(d.MaxFileSize(), OpenSaveDialog::Path_Max);
}

// ---- the facility on this desktop ----

TEST(File_Dialog, FiltersBuffersAndMultipleSelections) {
  using namespace Platform::File_Dialog;
  EXPECT_EQ(Name_Filters(Nuls("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*||")),
            (QStringList{"Slide Show Files (*.sli) (*.sli)", "All Files (*.*) (*)"}));
  EXPECT_EQ(Name_Filters(Nuls("Music|*.mp3;*.wav; *.mid||")), QStringList{"Music (*.mp3 *.wav *.mid)"});
  EXPECT_TRUE(Name_Filters("").isEmpty());

  Platform::Dialog_Record r;
  r.nMaxFile = 12;
  r.nMaxFileTitle = 4;
  EXPECT_TRUE(Fill_Single(r, "/p/ab.jpg"));
  EXPECT_EQ(r.lpstrFile, Nuls("/p/ab.jpg|||"));
  EXPECT_EQ(r.lpstrFileTitle, QString(4, NUL));  // "ab.jpg" does not fit its 4 characters
  EXPECT_FALSE(Fill_Single(r, "/p/abcde.jpg"));  // 12 characters leave no room for the NUL

  r.nMaxFile = 20;
  EXPECT_TRUE(Fill_Multiple(r, {"/p/a.jpg", "/p/bb.gif"}));
  EXPECT_EQ(r.lpstrFile, Nuls("/p|a.jpg|bb.gif||") + QString(3, NUL));
  EXPECT_TRUE(Fill_Multiple(r, {"/a.jpg", "/b.jpg"}));
  EXPECT_EQ(OpenSaveDialog::TrimAtNull(r.lpstrFile), "/");
  EXPECT_FALSE(Fill_Multiple(r, {"/p/a.jpg", "/q/b.jpg"}));
  EXPECT_FALSE(Fill_Multiple(r, {"/p/aaaaaa.jpg", "/p/bbbbbb.jpg"}));
}

// Runs `act` on the next file dialog that opens, then closes whatever modal window is still open,
// so that a dialog that does not do as the test expects fails the test instead of hanging it.
void On_Next_Dialog(std::function<void(QFileDialog*)> act) {
  auto* driver = new QTimer;
  driver->setInterval(20);
  auto polls = std::make_shared<int>(0);
  QObject::connect(driver, &QTimer::timeout, [driver, polls, act] {
    QFileDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
    if (dialog) act(dialog);
    if (dialog || ++*polls > 500) {
      driver->stop();
      driver->deleteLater();
      while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject(); else modal->close();
        QCoreApplication::processEvents();
        if (QApplication::activeModalWidget() == modal) break;
      }
    }
  });
  driver->start();
}

// The real dialog: the user switches the filter and picks a file; the control gets its path.
TEST(File_Dialog, TheRealDialogFillsTheControl) {
  QTemporaryDir dir;
  const QString file = dir.filePath("show.sli");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();

  auto real = Platform::Make_Qt_File_Dialogs();
  Platform::Services::Scoped_Desktop seams{real.get(), nullptr};
  OpenSaveDialog d;
  d.Filter("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*");
  d.FilterIndex(2);
  d.InitDir(dir.path());
  d.DialogTitle("Open Slide Show File");

  QString title, selected_filter;
  On_Next_Dialog([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    selected_filter = dialog->selectedNameFilter();
    dialog->selectNameFilter("Slide Show Files (*.sli) (*.sli)");
    // The user types the file's path and presses Open.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(file);
    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
  });
  d.ShowOpen();
  EXPECT_EQ(title, "Open Slide Show File");
  EXPECT_EQ(selected_filter, "All Files (*.*)");  // shown as the description has it
  EXPECT_EQ(d.FileName(), file);
  EXPECT_EQ(d.FileTitle(), "show.sli");
  EXPECT_EQ(d.FilterIndex(), 1);

  // Without a folder of its own the next dialog opens where this one was left; a cancel leaves
  // the control's results alone.
  QString opened_in;
  On_Next_Dialog([&](QFileDialog* dialog) {
    opened_in = dialog->directory().absolutePath();
    dialog->reject();
  });
  d.InitDir("");
  d.ShowOpen();
  EXPECT_EQ(opened_in, QDir(dir.path()).absolutePath());
  EXPECT_EQ(d.FileName(), file);
}

}  // namespace
