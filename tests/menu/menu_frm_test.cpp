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
#include "widgets/picture_button.h"
#include "player/main_frm.h"
#include "core/settings/settings.h"
#include "app/forms.h"
#include "core/general/general.h"
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
  Menu() {
    seams.msg_box(msg).program(program).pictures(pictures).file_dialogs(dialogs).shell(shell);
  }
  void SetUp() override {
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
    General::StartedFromCommandLine = false;
    QFile f(show);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Strech=True\r\nRatio=1\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\n"
            "Message=0\r\nUseMusic=0\r\nMusic=\r\n/p/1.jpg\r\n");
    pictures.Add("/p/1.jpg", {200, 100});
  }
  void TearDown() override {
    for (auto kind : {Forms::Kind::Main, Forms::Kind::About, Forms::Kind::Menu}) Forms::Close(kind);
    Flush_Events();
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
  }
  static QString Stored_Focus() {
    return Settings::GetSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", "missing");
  }

  QTemporaryDir dir;
  const QString show = dir.filePath("holiday.sli");
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::File_Dialogs dialogs;
  Fakes::Shell shell;
  Platform::Services::Guard seams;
};

TEST_F(Menu, OnlyTheFourButtonsAreInSightEachWithItsPicture) {
  MENU_Frm* menu = Forms::Menu();
  const QPushButton* buttons[] = {menu->Open_Folder_Btn, menu->Make_File_Btn, menu->Open_File_Btn,
                                  menu->About_Btn};
  const QString captions[] = {"Slide Show from Folder", "Make Slide Show File",
                              "Open Slide Show File", "About Vistabel"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(menu->rect().contains(buttons[i]->geometry())) << i;
    EXPECT_EQ(buttons[i]->text(), captions[i]);
    EXPECT_EQ(menu->Focus_Button(i), buttons[i]);
    EXPECT_FALSE(buttons[i]->icon().pixmap(32, 32).isNull()) << i;  // the artwork is compiled in
  }
  EXPECT_FALSE(menu->rect().intersects(menu->Close_Btn->geometry()));
  EXPECT_EQ(menu->Focus_Button(4), nullptr);
}

TEST_F(Menu, EscEndsTheProgramAndTheButtonThatHadTheFocusHasItAgainAfterARestart) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  EXPECT_EQ(QApplication::focusWidget(), menu->Open_Folder_Btn);  // the very first run
  int ends = 0;
  for (int i : {1, 3, 0}) {
    menu->Focus_Button(i)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(menu->Focus_Button(i), Qt::Key_Escape);
    Flush_Events();
    EXPECT_EQ(Stored_Focus(), QString::number(i));
    ASSERT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
    EXPECT_EQ(program.last_window_closed, ++ends);
    menu = Show_Active(Forms::Menu());
    EXPECT_EQ(QApplication::focusWidget(), menu->Focus_Button(i)) << i;
  }
  // A stored focus is read as a whole number, or the default.
  const std::pair<const char*, int> stored_focus[] = {{"abc", 0}, {"99", 99}, {"2.5", 2}};
  for (const auto& [stored, index] : stored_focus) {
    Forms::Close(Forms::Kind::Menu);
    Flush_Events();
    Settings::SaveSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", stored);
    EXPECT_EQ(Forms::Menu()->Focus_Index, index) << stored;
  }
}

TEST_F(Menu, ACancelledOpenChangesNothingAChosenFileIsPlayedAndLeavingItBringsTheMenuBack) {
  MENU_Frm* menu = Show_Active(Forms::Menu());
  menu->Open_File_Path_Txt = "/earlier.sli";
  dialogs.answers = {Fakes::File_Dialogs::Cancel(), Fakes::File_Dialogs::Choose(show)};
  QTest::mouseClick(menu->Open_File_Btn, Qt::LeftButton);
  Flush_Events();
  ASSERT_EQ(dialogs.calls.size(), 1);
  EXPECT_EQ(dialogs.calls[0].record.lpstrTitle, "Open Slide Show File");
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->Open_File_Path_Txt, "/earlier.sli");
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));

  QTest::mouseClick(menu->Open_File_Btn, Qt::LeftButton);
  Flush_Events();
  EXPECT_EQ(menu->Open_File_Path_Txt, show);
  EXPECT_FALSE(menu->isVisible());
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Main()->File_Path_Txt, show);
  QTest::keyClick(Forms::Main(), Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Main));
  EXPECT_EQ(Forms::Menu(), menu);  // hidden, not closed: the same window comes back
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(msg.shown.isEmpty());
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, AboutClosesTheMenuAndBringsItBackWithTheAboutButtonFocused) {
  QTest::mouseClick(Show_Active(Forms::Menu())->About_Btn, Qt::LeftButton);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(Stored_Focus(), "3");
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::About));
  QTest::keyClick(Show_Active(Forms::About()), Qt::Key_Escape);
  Flush_Events();
  EXPECT_FALSE(Forms::IsLoaded(Forms::Kind::About));
  ASSERT_TRUE(Forms::IsLoaded(Forms::Kind::Menu));
  EXPECT_EQ(QApplication::focusWidget(), Show_Active(Forms::Menu())->About_Btn);
  EXPECT_EQ(program.last_window_closed, 0);
}

TEST_F(Menu, AClickOnTheMakersNameAsksTheShellAnyOtherClickOrTheCloseBoxClosesAbout) {
  using Part = QWidget* (*)(About_Frm*);
  const struct { const char* what; Part part; QPoint at; bool closes; } cases[] = {
      {"link", [](About_Frm* a) -> QWidget* { return a->Link_Lbl; }, {}, false},
      {"title", [](About_Frm* a) -> QWidget* { return a->Label3; }, {}, true},
      {"picture", [](About_Frm* a) -> QWidget* { return a->Image2; }, {}, true},
      {"inside the upper frame", [](About_Frm* a) -> QWidget* { return a; }, {10, 90}, true},
      {"background", [](About_Frm* a) -> QWidget* { return a; }, {3, 166}, true},
      {"close box", nullptr, {}, true},
  };
  shell.opens = false;  // the shell cannot open the address: nothing is reported
  for (const auto& c : cases) {
    shell.urls.clear();
    About_Frm* about = Show_Active(Forms::About());
    if (!c.part) about->close();
    else
      QTest::mouseClick(c.part(about), Qt::LeftButton, {},
                        c.at.isNull() ? c.part(about)->rect().center() : c.at);
    Flush_Events();
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::About), !c.closes) << c.what;
    EXPECT_EQ(Forms::IsLoaded(Forms::Kind::Menu) && Forms::Menu()->isVisible(), c.closes) << c.what;
    EXPECT_EQ(shell.urls, c.closes ? QStringList{} : QStringList{About_Frm::Web_Address}) << c.what;
    EXPECT_TRUE(msg.shown.isEmpty());
    TearDown();
  }
}

TEST_F(Menu, ClosingTheMenuClosesEveryOtherWindow) {
  Forms::Menu()->Open_File_Path_Txt = show;
  Forms::Main()->show();
  Flush_Events();
  Forms::Close(Forms::Kind::Menu);
  Flush_Events();
  EXPECT_EQ(Forms::Loaded_Count(), 0);
  EXPECT_EQ(program.last_window_closed, 1);
}

}  // namespace
