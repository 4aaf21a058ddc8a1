#include "search/search_frm.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "folder_show/setup_frm.h"
#include "menu/menu_frm.h"
#include "player/main_frm.h"
#include "settings/settings.h"
#include "startup/forms.h"
#include "startup/general.h"
#include "startup/start_up.h"
#include "support/fakes.h"

// The desktop's close box reaches a window through the window system interface, as a spontaneous
// close event. Qt exports the entry point without a public header.
class QWindowSystemInterface {
 public:
  struct SynchronousDelivery;
  template <typename Delivery>
  static bool handleCloseEvent(QWindow* window);
};

namespace {

void Close_Box(QWidget* w) {
  QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
      w->windowHandle());
}

void flush_events() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

QStringList Lines_Of(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
  lines.removeLast();
  return lines;
}

const QStringList Default_Options = {"Strech=False", "Ratio=1",  "Shuff=0",    "Delay=5",
                                     "BackCol=0",    "Loop=1",   "Message=1",  "UseMusic=0",
                                     "Music="};

class Search : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
    QFile::remove(General::Run_File_Path());
    General::StartedFromCommandLine = false;
    General::MusicPath.clear();
  }
  void TearDown() override {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Setup, Forms::Kind::Menu})
      Forms::Close(kind);
    flush_events();
    QFile::remove(General::Run_File_Path());
    QDir(General::Run_File_Path()).removeRecursively();
    General::StartedFromCommandLine = false;
  }
  void Make(const QStringList& files) {
    for (const QString& f : files) {
      const QString path = dir.path() + "/" + f;
      ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      pictures.Add(path, {40, 30});
    }
  }
  QStringList Full(const QStringList& relatives) const {
    QStringList out;
    for (const QString& r : relatives) out << dir.path() + "/" + r;
    return out;
  }
  // Opens the search on `folder` and waits until it has closed or the program was ended.
  QPointer<Search_Frm> Run(const QString& folder) {
    QPointer<Search_Frm> s = Forms::Search();
    s->Dir_Txt = folder;
    connect_bar(s);
    s->show();
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return !Forms::IsLoaded(Forms::Kind::Search) || !program.end_codes.isEmpty();
    }, 10000));
    flush_events();
    return s;
  }
  // Notes the depth bar as the search window closes.
  struct Bar_Watcher : QObject {
    QList<Search_Bar_Rule::Bar>* bars = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Close) {
        auto* s = static_cast<Search_Frm*>(watched);
        *bars << s->Bar_State << Search_Bar_Rule::Bar{s->Search_Bar->maximum(), s->Search_Bar->value()};
      }
      return false;
    }
  } watcher;
  void connect_bar(Search_Frm* s) {
    watcher.bars = &bar;
    s->installEventFilter(&watcher);
  }

  QTemporaryDir dir;
  QList<Search_Bar_Rule::Bar> bar;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Platform::Services::Scoped seams{&msg, &program, &pictures};
};

TEST_F(Search, TheTreesPicturesArePlayedInWalkOrder) {
  Make({"s.jpg", "A/a.jpg", "A/A1/a1.GIF", "B/b.bmp", "B/notes.txt"});
  Settings::Save_Whole(Settings::Delay, 0);  // the set-up window's options are used
  Run(dir.path());
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_TRUE(Forms::Main()->isVisible());
  EXPECT_EQ(Forms::Menu()->Open_File_Path_Txt, General::Run_File_Path());
  QStringList expected = Default_Options;
  expected[3] = "Delay=0";
  expected << Full({"s.jpg", "A/a.jpg", "A/A1/a1.GIF", "B/b.bmp"});
  EXPECT_EQ(Lines_Of(General::Run_File_Path()), expected);
  EXPECT_EQ(Forms::Main()->List2, Full({"s.jpg", "A/a.jpg", "A/A1/a1.GIF", "B/b.bmp"}));
  // The depth bar: start 1, A 2, A1 3, B 2; its maximum grows by the depth each time. The bar on
  // screen ends as the walk left it.
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0], (Search_Bar_Rule::Bar{5, 2}));
  EXPECT_EQ(bar[1], (Search_Bar_Rule::Bar{5, 2}));
  // The set-up window was loaded for its options, not shown.
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_FALSE(Forms::Setup()->isVisible());
}

TEST_F(Search, ATreeWithoutPicturesEndsTheProgram) {
  Make({"a.txt", "x/y/b.png"});
  for (bool command_line : {false, true}) {
    General::StartedFromCommandLine = command_line;
    msg.shown.clear();
    program.end_codes.clear();
    Run(dir.path());
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0], (Fakes::Message{
                                "No vaild images found (e.g. *.bmp, *.jpg or *.gif) in Directory!",
                                48, "Vistabel"}));
    EXPECT_EQ(program.end_codes, QList<int>{1});
    EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
    TearDown();
  }
}

// Esc pressed while the walk runs, seen when it next lets events through.
class Stopping : public Search {
 protected:
  void SetUp() override {
    Search::SetUp();
    for (const char* f : {"/t/s.jpg", "/t/A/a.jpg", "/t/A/A1/a1.jpg", "/t/B/b.jpg"}) dirs.File(f);
    dirs.on_list = [](const QString& folder) {
      if (folder == "/t/A" && Forms::IsLoaded(Forms::Kind::Search))
        QCoreApplication::postEvent(Forms::Search(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    };
  }
  Fakes::Directories dirs;
  Platform::Services::Scoped_Directories directory_seam{&dirs};
};

TEST_F(Stopping, EscBringsTheSetUpWindowBackWithoutARunFile) {
  Run("/t");
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_TRUE(Forms::Setup()->isVisible());
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
  EXPECT_TRUE(program.end_codes.isEmpty());
  EXPECT_TRUE(msg.shown.isEmpty());
  // A1 was walked before the climb saw the request; B was not.
  EXPECT_TRUE(dirs.listed.contains("/t/A/A1"));
  EXPECT_FALSE(dirs.listed.contains("/t/B"));
}

TEST_F(Stopping, AfterACommandLineStartTheProgramEndsWithStatusZero) {
  General::StartedFromCommandLine = true;
  Run("/t");
  EXPECT_EQ(program.end_codes, QList<int>{0});
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
}

TEST_F(Stopping, TheCloseBoxStopsTheSearchInsteadOfClosingIt) {
  dirs.on_list = [](const QString& folder) {
    if (folder == "/t/A" && Forms::IsLoaded(Forms::Kind::Search)) {
      Search_Frm* s = Forms::Search();
      Close_Box(s);
      EXPECT_TRUE(s->isVisible());
      EXPECT_TRUE(s->StopRequested);
    }
  };
  Run("/t");
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_TRUE(Forms::Setup()->isVisible());
  EXPECT_FALSE(dirs.listed.contains("/t/B"));
}

TEST_F(Search, ARunFileThatCannotBeWrittenStopsTheSearch) {
  Make({"a.jpg"});
  ASSERT_TRUE(QDir().mkpath(General::Run_File_Path()));
  const Fakes::Message expected{"Could not write the file\r\n\r\n" + General::Run_File_Path(), 16,
                                "Slide Show"};
  Run(dir.path());
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], expected);
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Setup));
  EXPECT_TRUE(Forms::Setup()->isVisible());
  EXPECT_TRUE(program.end_codes.isEmpty());

  TearDown();
  ASSERT_TRUE(QDir().mkpath(General::Run_File_Path()));
  msg.shown.clear();
  General::StartedFromCommandLine = true;
  Run(dir.path());
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], expected);
  EXPECT_EQ(program.end_codes, QList<int>{1});
}

TEST_F(Search, AFolderOnTheCommandLineIsSearchedAndPlayed) {
  Make({"x.jpg", "sub/y.jpg"});
  EXPECT_EQ(General::Start_Up("\"" + dir.path() + "\""), -1);
  EXPECT_TRUE(General::StartedFromCommandLine);
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Search));
  EXPECT_EQ(Forms::Search()->Dir_Txt, dir.path());
  EXPECT_TRUE(Forms::Search()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([] { return Forms::IsLoaded(Forms::Kind::Main); }, 10000));
  flush_events();
  Main_Frm* player = Forms::Main();
  EXPECT_EQ(player->List2, Full({"x.jpg", "sub/y.jpg"}));
  // Leaving the show ends the program: every window closes.
  QTest::keyClick(player, Qt::Key_Escape);
  flush_events();
  EXPECT_EQ(Forms::Loaded_Count(), 0);
  EXPECT_EQ(program.last_window_closed, 1);
  EXPECT_FALSE(QFile::exists(General::Run_File_Path()));
}

TEST_F(Search, TheSearchKeyStartsANewShowOfTheShownPicturesFolder) {
  Make({"trip/day1/a.jpg", "trip/day1/b.jpg", "trip/day1/more/c.jpg", "trip/other/d.jpg"});
  const QString show = dir.path() + "/show.sli";
  {
    QFile f(show);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringList lines = Default_Options;
    lines << Full({"trip/day1/b.jpg", "trip/other/d.jpg"});
    for (const QString& l : lines) f.write(l.toUtf8() + "\r\n");
  }
  Forms::Menu()->Open_File_Path_Txt = show;
  Main_Frm* player = Forms::Main();
  player->show();
  flush_events();
  ASSERT_EQ(player->CurrentFile, dir.path() + "/trip/day1/b.jpg");
  QTest::keyClick(player, 'S');  // upper case: nothing
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
  QTest::keyClick(player, 's');
  flush_events();
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Search));
  EXPECT_EQ(Forms::Search()->Dir_Txt, dir.path() + "/trip/day1");
  EXPECT_FALSE(General::StartedFromCommandLine);
  ASSERT_TRUE(QTest::qWaitFor([] { return Forms::IsLoaded(Forms::Kind::Main); }, 10000));
  flush_events();
  EXPECT_EQ(Forms::Main()->List2, Full({"trip/day1/a.jpg", "trip/day1/b.jpg", "trip/day1/more/c.jpg"}));
}

TEST_F(Search, TheSearchKeyDoesNothingOnAnEmptyShowOrAFolderThatIsGone) {
  const QString show = dir.path() + "/show.sli";
  for (const QStringList& pictures : {QStringList{}, QStringList{"/gone/away/x.jpg"}}) {
    QFile f(show);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& l : Default_Options + pictures) f.write(l.toUtf8() + "\r\n");
    f.close();
    pictures.isEmpty() ? void() : this->pictures.Add(pictures[0], {10, 10});
    Forms::Menu()->Open_File_Path_Txt = show;
    Main_Frm* player = Forms::Main();
    player->show();
    flush_events();
    QTest::keyClick(player, 's');
    flush_events();
    EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Search));
    EXPECT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
    TearDown();
  }
}

}  // namespace
