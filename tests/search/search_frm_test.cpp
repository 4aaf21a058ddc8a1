// The search window over a fake folder tree; a tree without pictures is refused on the real program
// in tests/e2e/folder.sh.
#include "search/search_frm.h"

#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>  // the desktop's close box, as a spontaneous close event

#include "support/window_fixture.h"

class Search : public Window_Test {
 protected:
  Search() { directory_seam.directories(dirs); }
  void Close_Window() override { Close(search); }
  QPointer<Search_Frm> search;
  Fakes::Directories dirs;
  Platform::Services::Guard directory_seam;
};

// A finished search writes the tree's pictures in walk order with the folder window's options and
// plays them. One stopped by Esc or the close box while A is listed (seen on the climb from A1,
// before B), or by a run file that cannot be written, brings the folder window back, or after a
// start from the command line ends the program. The message waits in a nested event loop, as a
// real box waits for the user: the search stays as it is meanwhile, its depth bar as the walk left
// it (at B the depth 2, out of the value before, A1's depth 3, plus 2).
TEST_F(Search, ASearchPlaysTheTreesPicturesAndAStopBringsTheFolderWindowBackOrEndsTheProgram) {
  enum How { Finish, Esc, Close_Box, Unwritable };
  const struct { How how; bool command_line; QList<int> end_codes; QStringList log; } cases[] = {
      {Finish, false, {}, {"play " + General::Run_File_Path() + " from folder window"}}, {Esc, true, {0}, {}},
      {Close_Box, false, {}, {"show folder window"}}, {Unwritable, true, {1}, {}}};
  const QStringList pictures{"/t/s.jpg", "/t/A/a.jpg", "/t/A/A1/a1.jpg", "/t/B/b.jpg"};
  for (const QString& f : pictures + QStringList{"/t/B/notes.txt"}) dirs.File(f);
  navigator.folder_options.Delay = 0;
  msg.wait_ms = 100;
  bool waited = true;
  Search_Bar_Rule::Bar bar;
  msg.while_open = [&] {
    waited = waited && Is_Loaded(search) && navigator.log.isEmpty();
    bar = {search->Search_Bar->maximum(), search->Search_Bar->value()};
  };
  for (const auto& c : cases) {
    Close_All();
    program.end_codes.clear();
    dirs.listed.clear();
    if (c.how == Unwritable) { ASSERT_TRUE(QDir().mkpath(General::Run_File_Path())); }
    dirs.on_list = [&](const QString& folder) {
      if (folder != "/t/A" || !Is_Loaded(search)) return;
      if (c.how == Esc) QCoreApplication::postEvent(search, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
      if (c.how == Close_Box) QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(search->windowHandle());
    };
    Load(search)->Start("/t", c.command_line ? Platform::Show_Origin::Command_Line : Platform::Show_Origin::Folder_Window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Is_Loaded(search) || !program.end_codes.isEmpty(); }, 10000));
    Flush_Events();
    EXPECT_EQ(std::tuple(program.end_codes, navigator.log), std::tuple(c.end_codes, c.log)) << c.how;
    EXPECT_EQ(Bytes_Of(General::Run_File_Path()), c.how == Finish ? ShowFile::Encode(navigator.folder_options, pictures) : "");
    EXPECT_EQ(dirs.listed.contains("/t/A/A1") && !dirs.listed.contains("/t/B"), c.how == Esc || c.how == Close_Box) << c.how;
  }
  EXPECT_EQ(std::tuple(waited, msg.shown, bar),
            std::tuple(true, QList<Fakes::Message>{{"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16, "Slide Show"}},
                       Search_Bar_Rule::Bar{5, 2}));
}
