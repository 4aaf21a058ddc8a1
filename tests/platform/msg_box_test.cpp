// The message box adapter on the offscreen platform: a box is as wide as its title needs, and the
// button clicked is the answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/services.h"

namespace {

TEST(Msg_Box, IsAsWideAsItsTitleNeedsAndAnswersTheButtonClicked) {
  const struct { QString text, title; int style; QMessageBox::StandardButton click; int answer; } cases[] = {
      {"NO FILES!!!", "Slide Show Maker", Platform::vbExclamation, QMessageBox::Ok, Platform::vbOK},
      {"x", "A title much longer than the text of the box itself", Platform::vbYesNoCancel,
       QMessageBox::No, Platform::vbNo},
  };
  for (const auto& c : cases) {
    int width = 0, title = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QFont bold = box->font();
      bold.setBold(true);
      title = QFontMetrics(bold).horizontalAdvance(c.title);
      width = box->width();
      box->button(c.click)->click();
    });
    EXPECT_EQ(Platform::Services::MsgBox().MsgBox(c.text, c.style, c.title), c.answer);
    // The title, and beside it at least the window's icon and three buttons.
    EXPECT_GE(width, title + 4 * QFontMetrics(QApplication::font()).height()) << c.title.toStdString();
  }
}

}  // namespace
