#include "search/search_frm.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>  // the desktop's close box, as a spontaneous close event

#include "support/window_fixture.h"

namespace {

class Search : public Window_Test {
 protected:
  void Close_Window() override { Close(search); }
  // Opens the search on `folder` as started from `origin`, and waits until it has closed or the
  // program was ended.
  void Run(const QString& folder,
           Platform::Show_Origin origin = Platform::Show_Origin::Folder_Window) {
    Search_Frm* s = Load(search);
    s->installEventFilter(&watcher);
    s->Start(folder, origin);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !Is_Loaded(search) || !program.end_codes.isEmpty(); }, 10000));
    Flush_Events();
  }
  // Notes the depth bar on screen as the search window closes.
  struct Bar_Watcher : QObject {
    Search_Bar_Rule::Bar bar;
    bool eventFilter(QObject* watched, QEvent* event) override {
      // Events keep coming while the window is destroyed, when it is a search window no more.
      if (event->type() != QEvent::Close) return false;
      if (const auto* s = qobject_cast<const Search_Frm*>(watched))
        bar = {s->Search_Bar->maximum(), s->Search_Bar->value()};
      return false;
    }
  } watcher;

  QPointer<Search_Frm> search;
};

TEST_F(Search, TheTreesPicturesArePlayedInWalkOrder) {
  Make({"s.jpg", "A/a.jpg", "A/A1/a1.GIF", "B/b.bmp", "B/notes.txt"});
  navigator.folder_options.Ratio = true;  // the folder window's options are used
  navigator.folder_options.Loop = navigator.folder_options.Message = true;
  navigator.folder_options.Delay = 0;
  Run(dir.path(), Platform::Show_Origin::Command_Line);
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_FALSE(Is_Loaded(search));
  // The show goes on as started where the search was.
  EXPECT_EQ(navigator.log, QStringList{"play " + General::Run_File_Path() + " from command line"});
  const QStringList walked = Full({"s.jpg", "A/a.jpg", "A/A1/a1.GIF", "B/b.bmp"});
  QStringList expected = Default_Options;
  expected[3] = "Delay=0";
  EXPECT_EQ(Run_File_Lines(), expected + walked);
  // The depth bar: start 1, A 2, A1 3, B 2; its maximum grows by the depth each time.
  EXPECT_EQ(watcher.bar, (Search_Bar_Rule::Bar{5, 2}));
}

TEST_F(Search, ATreeWithoutPicturesEndsTheProgram) {
  Make({"a.txt", "x/y/b.tif"});
  // The search stays as it is while its message waits.
  msg.wait_ms = 100;
  bool waited = false;
  msg.while_open = [&] { waited = Is_Loaded(search) && navigator.log.isEmpty(); };
  Run(dir.path());
  EXPECT_TRUE(waited);
  EXPECT_EQ(msg.shown, (QList<Fakes::Message>{
                           {"No vaild images found (e.g. *.bmp, *.jpg or *.gif) in Directory!", 48, "Vistabel"}}));
  EXPECT_EQ(program.end_codes, QList<int>{1});
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
  EXPECT_TRUE(navigator.log.isEmpty());
}

// Stopped by Esc or the close box while A is listed, or by a run file that cannot be written: the
// set-up window comes back, or after a start from the command line the program ends.
TEST_F(Search, StopsBringTheSetUpWindowBackOrEndTheProgram) {
  enum How { Esc, Close_Box, Unwritable };
  struct Case { How how; bool command_line; QList<int> end_codes; };
  const Case cases[] = {{Esc, false, {}}, {Esc, true, {0}}, {Close_Box, false, {}},
                        {Unwritable, false, {}}, {Unwritable, true, {1}}};
  Fakes::Directories dirs;
  Platform::Services::Guard directory_seam;
  directory_seam.directories(dirs);
  using Platform::Show_Origin;
  for (const char* f : {"/t/s.jpg", "/t/A/a.jpg", "/t/A/A1/a1.jpg", "/t/B/b.jpg"}) dirs.File(f);
  for (const Case& c : cases) {
    Close_All();
    msg.shown.clear();
    program.end_codes.clear();
    dirs.listed.clear();
    if (c.how == Unwritable) { ASSERT_TRUE(QDir().mkpath(General::Run_File_Path())); }
    dirs.on_list = [&](const QString& folder) {
      if (folder != "/t/A" || !Is_Loaded(search)) return;
      EXPECT_EQ(search->Label1->text(), "/t");  // the walk shows where it has been
      Search_Frm* s = search;
      if (c.how == Esc)
        QCoreApplication::postEvent(s, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
      if (c.how != Close_Box) return;
      QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
          s->windowHandle());
      EXPECT_TRUE(s->isVisible());
      EXPECT_TRUE(s->StopRequested);
    };
    Run("/t", c.command_line ? Show_Origin::Command_Line : Show_Origin::Folder_Window);
    EXPECT_EQ(program.end_codes, c.end_codes) << c.how;
    EXPECT_FALSE(QFileInfo(General::Run_File_Path()).isFile());
    EXPECT_EQ(navigator.log, c.command_line ? QStringList{} : QStringList{"show folder window"})
        << c.how;
    if (!c.command_line) { EXPECT_FALSE(Is_Loaded(search)); }
    if (c.how == Unwritable) {
      EXPECT_EQ(msg.shown, (QList<Fakes::Message>{
                               {"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16, "Slide Show"}}));
    } else {
      EXPECT_TRUE(msg.shown.isEmpty());
      EXPECT_TRUE(dirs.listed.contains("/t/A/A1"));  // walked before the climb saw the request
      EXPECT_FALSE(dirs.listed.contains("/t/B")) << c.how;
    }
  }
}

}  // namespace
