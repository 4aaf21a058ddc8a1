// Message boxes in the classic style numbers: the low three bits pick the buttons, the next three
// the icon. The first button is the default. Boxes stay above the always-on-top player and are wide
// enough for their title.
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "platform/services.h"

namespace Platform {

namespace {

// A box is at least as wide as its title needs in a window manager's title bar: the title in bold,
// with room for the window's icon and three buttons.
void Fit_Title(QMessageBox& box, const QString& title) {
  QFont bold = box.font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  const int needed = metrics.horizontalAdvance(title) + 6 * metrics.height();
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

class QtMsgBox final : public MsgBoxSeam {
 public:
  int MsgBox(const QString& text, int style, const QString& title) override {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    switch (style & 0x70) {
      case vbCritical: box.setIcon(QMessageBox::Critical); break;
      case vbQuestion: box.setIcon(QMessageBox::Question); break;
      case vbExclamation: box.setIcon(QMessageBox::Warning); break;
      case vbInformation: box.setIcon(QMessageBox::Information); break;
      default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice { QMessageBox::StandardButton button; int answer; };
    QList<Choice> choices;
    switch (style & 0x7) {
      case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
      case 2: choices = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry},
                         {QMessageBox::Ignore, vbIgnore}}; break;
      case vbYesNoCancel: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo},
                                     {QMessageBox::Cancel, vbCancel}}; break;
      case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
      case 5: choices = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
      default: choices = {{QMessageBox::Ok, vbOK}}; break;
    }
    for (const Choice& c : choices) box.addButton(c.button);
    box.setDefaultButton(choices.first().button);
    // Esc answers Cancel where there is one, otherwise the only button (as the classic boxes do).
    for (const Choice& c : choices)
      if (c.answer == vbCancel) box.setEscapeButton(c.button);
    if (choices.size() == 1) box.setEscapeButton(choices.first().button);

    Fit_Title(box, title);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Choice& c : choices)
      if (clicked == box.button(c.button)) return c.answer;
    // Closed by the window manager: the cancel answer where there is one, otherwise the first.
    for (const Choice& c : choices)
      if (c.answer == vbCancel) return vbCancel;
    return choices.first().answer;
  }
};

}  // namespace

std::unique_ptr<MsgBoxSeam> Make_Qt_MsgBox() { return std::make_unique<QtMsgBox>(); }

}  // namespace Platform
