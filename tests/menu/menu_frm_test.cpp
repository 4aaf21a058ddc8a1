// The main menu and the About window on the offscreen platform, with fake seams, a fake navigator
// and a temporary settings store.
#include "menu/menu_frm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include "core/settings/settings.h"
#include "menu/about_frm.h"
#include "support/fakes.h"
#include "support/windows.h"
#include "widgets/picture_button.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  Menu() { seams.msg_box(msg).file_dialogs(dialogs).shell(shell).navigator(navigator); }
  void SetUp() override { QFile::remove(Settings::Store_File(Settings::App_Vistabel)); }
  void TearDown() override {
    Close(about);
    Close(menu);
    Flush_Events();
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
  }
  static QString Stored_Focus() {
    return Settings::GetSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", "missing");
  }

  Fakes::Messages msg;
  Fakes::File_Dialogs dialogs;
  Fakes::Shell shell;
  Fakes::Navigator navigator;
  QPointer<MENU_Frm> menu;
  QPointer<About_Frm> about;
  Platform::Services::Guard seams;
};

TEST_F(Menu, OnlyTheFourButtonsAreInSightEachWithItsPicture) {
  Load(menu);
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
  Show_Active(Load(menu));
  EXPECT_EQ(QApplication::focusWidget(), menu->Open_Folder_Btn);  // the very first run
  int ends = 0;
  for (int i : {1, 3, 0}) {
    menu->Focus_Button(i)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(menu->Focus_Button(i), Qt::Key_Escape);
    Flush_Events();
    EXPECT_EQ(Stored_Focus(), QString::number(i));
    ASSERT_FALSE(Is_Loaded(menu));
    EXPECT_EQ(navigator.log.count("menu closed"), ++ends);  // every other window closes too
    Show_Active(Load(menu));
    EXPECT_EQ(QApplication::focusWidget(), menu->Focus_Button(i)) << i;
  }
  // A stored focus is read as a whole number, or the default.
  const std::pair<const char*, int> stored_focus[] = {{"abc", 0}, {"99", 99}, {"2.5", 2}};
  for (const auto& [stored, index] : stored_focus) {
    Close(menu);
    Flush_Events();
    Settings::SaveSetting(Settings::App_Vistabel, Settings::Section, "btnFocus", stored);
    EXPECT_EQ(Load(menu)->Focus_Index, index) << stored;
  }
}

// Each button asks for its window (the menu hides, or for About closes in full), or, once a file
// is chosen, for the show; a cancelled choice changes nothing.
TEST_F(Menu, TheButtonsAskForTheirWindowsOrTheChosenShow) {
  dialogs.answers = {Fakes::File_Dialogs::Cancel(), Fakes::File_Dialogs::Choose("/s/holiday.sli")};
  const struct { Picture_Button* MENU_Frm::*button; QStringList log; bool loaded, visible; } cases[] = {
      {&MENU_Frm::Open_Folder_Btn, {"show folder window"}, true, false},
      {&MENU_Frm::Make_File_Btn, {"show maker"}, true, false},
      {&MENU_Frm::Open_File_Btn, {}, true, true},
      {&MENU_Frm::Open_File_Btn, {"play /s/holiday.sli from menu"}, true, false},
      {&MENU_Frm::About_Btn, {"menu closed", "show about"}, false, false},
  };
  for (const auto& c : cases) {
    navigator.log.clear();
    Show_Active(Load(menu));
    const std::string what = (menu->*c.button)->text().toStdString();
    QTest::mouseClick(menu->*c.button, Qt::LeftButton);
    Flush_Events();
    EXPECT_EQ(navigator.log, c.log) << what;
    EXPECT_EQ(Is_Loaded(menu), c.loaded) << what;
    EXPECT_EQ(Is_Loaded(menu) && menu->isVisible(), c.visible) << what;
  }
  EXPECT_EQ(dialogs.calls[0].record.lpstrTitle, "Open Slide Show File");
}

TEST_F(Menu, AClickOnTheMakersNameAsksTheShellAnyOtherClickOrTheCloseBoxClosesAbout) {
  using Part = QWidget* (*)(About_Frm*);
  const auto link = [](About_Frm* a) -> QWidget* { return a->Link_Lbl; };
  const auto window = [](About_Frm* a) -> QWidget* { return a; };
  const struct { const char* what; Part part; QPoint at; bool closes; Qt::MouseButton button = Qt::LeftButton; } cases[] = {
      {"link", link, {}, false},
      {"title", [](About_Frm* a) -> QWidget* { return a->Label3; }, {}, true},
      {"picture", [](About_Frm* a) -> QWidget* { return a->Image2; }, {}, true},
      {"inside the upper frame", window, {10, 90}, true},
      {"background", window, {3, 166}, true},
      {"close box", nullptr, {}, true},
      // Any button: the right or middle one anywhere, the link included, only closes.
      {"right on the background", window, {3, 166}, true, Qt::RightButton},
      {"middle on the title", [](About_Frm* a) -> QWidget* { return a->Label3; }, {}, true, Qt::MiddleButton},
      {"right on the link", link, {}, true, Qt::RightButton},
  };
  shell.opens = false;  // the shell cannot open the address: nothing is reported
  for (const auto& c : cases) {
    shell.urls.clear();
    navigator.log.clear();
    Show_Active(Load(about));
    if (!c.part) about->close();
    else
      QTest::mouseClick(c.part(about), c.button, {},
                        c.at.isNull() ? c.part(about)->rect().center() : c.at);
    Flush_Events();
    EXPECT_EQ(Is_Loaded(about), !c.closes) << c.what;
    EXPECT_EQ(navigator.log, c.closes ? QStringList{"show menu"} : QStringList{}) << c.what;
    EXPECT_EQ(shell.urls, c.closes ? QStringList{} : QStringList{About_Frm::Web_Address}) << c.what;
    EXPECT_TRUE(msg.shown.isEmpty());
    TearDown();
  }
}

}  // namespace
