// The main menu and the About window offscreen, with fake seams. Esc, About's coming and going and
// the remembered focus run on the real program in tests/e2e/menu.sh.
#include "menu/menu_frm.h"

#include <gtest/gtest.h>

#include <QTest>

#include "menu/about_frm.h"
#include "support/fakes.h"
#include "support/windows.h"

class Menu : public ::testing::Test {
 protected:
  Menu() { seams.file_dialogs(dialogs).shell(shell).navigator(navigator); }
  void TearDown() override { Close(about); Close(menu); Flush_Events(); }
  Fakes::File_Dialogs dialogs;
  Fakes::Shell shell;
  Fakes::Navigator navigator;
  QPointer<MENU_Frm> menu;
  QPointer<About_Frm> about;
  Platform::Services::Guard seams;
};

// The four buttons in sight with their pictures (what each asks for runs on the real program:
// tests/e2e/folder.sh, maker.sh and menu.sh); a cancelled choice of a show file changes nothing.
TEST_F(Menu, TheFourButtonsAreInSightAndACancelledChoiceOfAShowChangesNothing) {
  const char* const captions[] = {"Slide Show from Folder", "Make Slide Show File", "Open Slide Show File", "About Vistabel"};
  Show_Active(Load(menu));
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(menu->Focus_Button(i)->text() == captions[i] && !menu->Focus_Button(i)->icon().isNull() &&
                menu->rect().contains(menu->Focus_Button(i)->geometry())) << i;
  EXPECT_TRUE(!menu->Focus_Button(-1) && !menu->Focus_Button(4));  // other values focus none
  // The button the keyboard moved to is remembered; one the pointer only passes over is not.
  QTest::keyClick(menu, Qt::Key_Tab);
  QTest::mouseMove(menu->Focus_Button(3));
  Flush_Events();
  EXPECT_EQ(menu->Focus_Index, 1);
  QTest::mouseClick(menu->Focus_Button(2), Qt::LeftButton);
  EXPECT_TRUE(dialogs.calls.size() == 1 && menu->isVisible() && navigator.log.isEmpty());
}

// A left click on the maker's name asks the shell for the web site; any other click, of any button,
// closes About and brings the menu back.
TEST_F(Menu, AClickOnTheMakersNameOpensTheWebSiteAnyOtherClickClosesAbout) {
  enum Part { Link, Title, Background };
  const std::pair<Part, Qt::MouseButton> clicks[] = {{Link, Qt::LeftButton}, {Title, Qt::LeftButton}, {Background, Qt::LeftButton},
      {Background, Qt::RightButton}, {Title, Qt::MiddleButton}, {Link, Qt::RightButton}};
  for (const auto& [part, button] : clicks) {
    const bool closes = part != Link || button != Qt::LeftButton;
    navigator.log.clear();
    shell.urls.clear();
    QWidget* const parts[] = {Show_Active(Load(about))->Link_Lbl, about->Label3, about};
    QTest::mouseClick(parts[part], button, {}, part == Background ? QPoint(3, 166) : parts[part]->rect().center());
    Flush_Events();
    EXPECT_EQ(Is_Loaded(about), !closes) << part << " " << button;
    EXPECT_EQ(navigator.log + shell.urls, QStringList{closes ? "show menu" : About_Frm::Web_Address}) << part << " " << button;
    TearDown();
  }
}
