// The main menu and the About window on the offscreen platform, with fake seams and a temporary
// settings store.
#include "menu/menu_frm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "menu/about_frm.h"
#include "menu/picture_button.h"
#include "player/main_frm.h"
#include "settings/settings.h"
#include "startup/forms.h"
#include "startup/general.h"
#include "support/fakes.h"

namespace {

void Flush_Events() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// Shows the window and makes it the active one, as the desktop does when it appears.
template <class W>
W* Show_Active(W* w) {
  w->show();
  w->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  return w;
}

class Menu : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
    General::StartedFromCommandLine = false;
  }
  void TearDown() override {
    Forms::Close(Forms::Kind::Main);
    Forms::Close(Forms::Kind::About);
    Forms::Close(Forms::Kind::Menu);
    Flush_Events();
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
  }
  static QString Stored_Focus() {
    return Settings::GetSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", "missing");
  }
  QString Show_File() {
    const QString path = dir.filePath("holiday.sli");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Strech=True\r\nRatio=1\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=0\r\n"
            "UseMusic=0\r\nMusic=\r\n/p/1.jpg\r\n");
    return path;
  }

  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Files files;
  Fakes::File_Dialogs dialogs;
  Fakes::Shell shell;
  Platform::Services::Scoped seams{&msg, &program, &pictures};
  Platform::Services::Scoped_Desktop desktop{&dialogs, &shell};
};

TEST_F(Menu, OnlyTheFourButtonsAreInSightEachWithItsPicture) {
  MENU_Frm* menu = Forms::Menu();
  const QRect client = menu->rect();
  const QPushButton* buttons[] = {menu->Open_Folder_Btn, menu->Make_File_Btn, menu->Open_File_Btn,
                                  menu->About_Btn};
  const QString captions[] = {"Slide Show from Folder", "Make Slide Show File",
                              "Open Slide Show File", "About Vistabel"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(client.contains(buttons[i]->geometry())) << i;
    EXPECT_EQ(buttons[i]->text(), captions[i]);
    EXPECT_EQ(menu->Focus_Button(i), buttons[i]);
    // The artwork is compiled in and can be drawn.
    EXPECT_FALSE(buttons[i]->icon().pixmap(32, 32).isNull()) << i;
  }
  EXPECT_FALSE(client.intersects(menu->Close_Btn->geometry()));
  EXPECT_EQ(menu->Close_Btn->text(), "Exit");
  EXPECT_EQ(menu->Focus_Button(4), nullptr);
  EXPECT_EQ(menu->Focus_Button(-1), nullptr);
}

TEST_F(Menu, TheButtonThatHadTheFocusHasItAgainAfterAReload) {
  // The very first run focuses the folder button.
  MENU_Frm* menu = Show_Active(Forms::Menu());
  EXPECT_EQ(QApplication::focusWidget(), menu->Open_Folder_Btn);
  for (int i : {1, 3, 2, 0}) {
    menu = Forms::Menu();
    menu->Focus_Button(i)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(menu->Focus_Index, i);
    menu->close();
    Flush_Events();
    EXPECT_EQ(Stored_Focus(), QString::number(i));
    ASSERT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
    menu = Show_Active(Forms::Menu());
    EXPECT_EQ(QApplication::focusWidget(), menu->Focus_Button(i)) << i;
  }
}

TEST_F(Menu, AStoredFocusIsReadAsAWholeNumberOrTheDefault) {
  struct Case { const char* stored; int index; };
  const Case cases[] = {{"2", 2}, {"abc", 0}, {"99", 99}, {"-1", -1}, {"2.5", 2}, {"1e9", 0}};
  for (const Case& c : cases) {
    Settings::SaveSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", c.stored);
    MENU_Frm* menu = Forms::Menu();
    EXPECT_EQ(menu->Focus_Index, c.index) << c.stored;
    Forms::Close(Forms::Kind::Menu);
    Flush_Events();
  }
}

TEST_F(Menu, EscEndsTheProgramAndRemembersTheFocus) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  menu->Make_File_Btn->setFocus(Qt::TabFocusReason);
  QTest::keyClick(menu->Make_File_Btn, Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(program.last_window_closed, 1);
  EXPECT_EQ(Stored_Focus(), "1");
}

TEST_F(Menu, ACancelledOpenDialogLeavesTheMenuAsItWas) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  menu->Open_File_Path_Txt = "/earlier.sli";
  dialogs.answers = {Fakes::File_Dialogs::Cancel()};
  QTest::mouseClick(menu->Open_File_Btn, Qt::LeftButton);
  Flush_Events();
  ASSERT_EQ(dialogs.calls.size(), 1);
  const Platform::Dialog_Record& r = dialogs.calls[0].record;
  EXPECT_FALSE(dialogs.calls[0].save);
  EXPECT_EQ(r.lpstrTitle, "Open Slide Show File");
  EXPECT_EQ(r.lpstrFilter, QString("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*||")
                               .replace(u'|', QChar(0)));
  EXPECT_EQ(r.nFilterIndex, 1);
  EXPECT_EQ(r.Flags, 0);
  EXPECT_EQ(r.hwndOwner, menu);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->Open_File_Path_Txt, "/earlier.sli");
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, AChosenFileIsPlayedAndLeavingTheShowBringsTheMenuBack) {
  const QString show = Show_File();
  pictures.Add("/p/1.jpg", {200, 100});
  MENU_Frm* menu = Show_Active(Forms::Menu());
  dialogs.answers = {Fakes::File_Dialogs::Choose(show)};
  QTest::mouseClick(menu->Open_File_Btn, Qt::LeftButton);
  Flush_Events();
  EXPECT_EQ(menu->Open_File_Path_Txt, show);
  EXPECT_FALSE(menu->isVisible());
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  Main_Frm* player = Forms::Main();
  EXPECT_TRUE(player->isVisible());
  EXPECT_EQ(player->File_Path_Txt, show);
  EXPECT_TRUE(msg.shown.isEmpty());

  QTest::keyClick(player, Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(Forms::Menu(), menu);  // hidden, not closed: the same window comes back
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, AboutClosesTheMenuAndBringsItBackWithTheAboutButtonFocused) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  QTest::mouseClick(menu->About_Btn, Qt::LeftButton);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(Stored_Focus(), "3");
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::About));
  About_Frm* about = Show_Active(Forms::About());
  EXPECT_EQ(about->windowTitle(), "About Vistabel");

  QTest::keyClick(about, Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::About));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  menu = Show_Active(Forms::Menu());
  EXPECT_EQ(QApplication::focusWidget(), menu->About_Btn);
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, AClickOnTheMakersNameAsksTheShellAndAnyOtherClickClosesAbout) {
  struct Case { const char* what; QWidget* (*target)(About_Frm*); QPoint at; bool closes; };
  const Case cases[] = {
      {"link", [](About_Frm* a) -> QWidget* { return a->Link_Lbl; }, {}, false},
      {"title", [](About_Frm* a) -> QWidget* { return a->Label3; }, {}, true},
      {"thanks", [](About_Frm* a) -> QWidget* { return a->Label1; }, {}, true},
      {"picture", [](About_Frm* a) -> QWidget* { return a->Image2; }, {}, true},
      {"inside the upper frame", [](About_Frm* a) -> QWidget* { return a; }, {10, 90}, true},
      {"background", [](About_Frm* a) -> QWidget* { return a; }, {3, 166}, true},
  };
  for (const Case& c : cases) {
    shell.urls.clear();
    About_Frm* about = Show_Active(Forms::About());
    QWidget* target = c.target(about);
    QTest::mouseClick(target, Qt::LeftButton, {}, c.at.isNull() ? target->rect().center() : c.at);
    Flush_Events();
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::About), !c.closes) << c.what;
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::Menu), c.closes) << c.what;
    EXPECT_EQ(shell.urls, c.closes ? QStringList{} : QStringList{About_Frm::Web_Address})
        << c.what;
    Forms::Close(Forms::Kind::About);
    Forms::Close(Forms::Kind::Menu);
    Flush_Events();
  }
}

TEST_F(Menu, ClosingAboutAnyWayBringsTheMenuBack) {
  About_Frm* about = Show_Active(Forms::About());
  shell.opens = false;  // the shell cannot open the address: nothing is reported
  about->gotoweb();
  EXPECT_TRUE(about->isVisible());
  EXPECT_TRUE(msg.shown.isEmpty());
  about->close();  // the window's close box
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::About));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_TRUE(Forms::Menu()->isVisible());
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, ClosingTheMenuClosesEveryOtherWindow) {
  const QString show = Show_File();
  pictures.Add("/p/1.jpg", {200, 100});
  Forms::Menu()->Open_File_Path_Txt = show;
  Forms::Main()->show();
  Flush_Events();
  Forms::Close(Forms::Kind::Menu);
  Flush_Events();
  EXPECT_EQ(Forms::Loaded_Count(), 0);
  EXPECT_EQ(program.last_window_closed, 1);
}

}  // namespace
