#include "menu/about_frm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/general/general.h"
#include "menu/menu_icons.h"
#include "platform/services.h"
#include "vistabel_version.h"
#include "widgets/window_chrome.h"

namespace {

using General::Twips;

QFont Arial(double points, bool bold, bool underline = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

QLabel* Label(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
              Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

// An outline that takes no clicks: a click on it is a click on the window.
QFrame* Shape(QWidget* parent, const QRect& place) {
  auto* shape = new QFrame(parent);
  shape->setFrameShape(QFrame::Box);
  shape->setFrameShadow(QFrame::Plain);
  shape->setLineWidth(1);
  shape->setGeometry(place);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  return shape;
}

}  // namespace

// The left button opens the address; the others are clicks on the window.
void Link_Label::mousePressEvent(QMouseEvent* event) {
  event->setAccepted(event->button() == Qt::LeftButton);
}

void Link_Label::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  if (rect().contains(event->position().toPoint())) emit clicked();
  event->accept();
}

About_Frm::About_Frm() {
  setWindowTitle(QStringLiteral("About Vistabel"));
  setWindowIcon(Menu_Icons::Program());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  Shape1 = Shape(this, Twips(90, 60, 3735, 1455));
  Image2 = new QLabel(this);
  Image2->setGeometry(Twips(315, 270, 1020, 1020));
  Image2->setPixmap(Menu_Icons::Program().pixmap(Image2->size()));
  Image2->setScaledContents(true);
  Label3 = Label(this, QStringLiteral("Vistabel"), Twips(1530, 210, 2145, 345), Arial(14.25, true),
                 Qt::AlignHCenter);
  Label4 = Label(this, QStringLiteral("Version " VISTABEL_VERSION), Twips(1530, 660, 2235, 255),
                 Arial(9.75, true), Qt::AlignHCenter);
  Label5 = Label(this, QStringLiteral("by"), Twips(1575, 1035, 300, 255), Arial(9.75, true),
                 Qt::AlignLeft);

  Link_Lbl = new Link_Label(QStringLiteral("Corvane Software"), this);
  Link_Lbl->setGeometry(Twips(1890, 1035, 1650, 255));
  Link_Lbl->setFont(Arial(9.75, true, true));
  Link_Lbl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QPalette link = Link_Lbl->palette();
  link.setColor(QPalette::WindowText, QColor(0, 0, 192));
  Link_Lbl->setPalette(link);
  Link_Lbl->setCursor(Qt::PointingHandCursor);
  Link_Lbl->setToolTip(QString::fromLatin1(Web_Address));
  connect(Link_Lbl, &Link_Label::clicked, this, &About_Frm::gotoweb);

  Shape2 = Shape(this, Twips(90, 1575, 3735, 840));
  Label1 = Label(this, QStringLiteral("Thank you to the Beta Testers"), Twips(180, 1665, 3540, 315),
                 Arial(9.75, false), Qt::AlignHCenter);
  Label2 = Label(this, QStringLiteral("Ada, Bram, Colm and Dara"), Twips(180, 2040, 3540, 255),
                 Arial(9.75, true), Qt::AlignHCenter);

  // Below the client area, never seen.
  Close_Btn = Window_Chrome::Exit_Button(*this, {1170, 3375, 1725, 285});
  connect(Close_Btn, &QPushButton::clicked, this, &QWidget::close);

  setFixedSize(General::Twips_To_Pixels(3930), General::Twips_To_Pixels(2535));
}

void About_Frm::Form_Load() {
  // The menu closes before it opens this window: there is no owner, so it is centred on the screen.
  Window_Chrome::Centre_On_Screen(*this, size());
}

void About_Frm::gotoweb() {
  Platform::Services::Shell().Open_Url(QString::fromLatin1(Web_Address));
}

void About_Frm::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button();
  event->accept();
}

void About_Frm::mouseReleaseEvent(QMouseEvent* event) {
  // A click of any button on the background, the picture or a label (the link too, but for its
  // own left click) closes the window.
  const bool click = pressed_ != Qt::NoButton && event->button() == pressed_ &&
                     rect().contains(event->position().toPoint());
  pressed_ = Qt::NoButton;
  event->accept();
  if (click) close();
}

void About_Frm::keyPressEvent(QKeyEvent* event) {
  if (Window_Chrome::Esc_Clicks(*event, *Close_Btn)) return;
  QWidget::keyPressEvent(event);
}

void About_Frm::closeEvent(QCloseEvent* event) {
  event->accept();
  // The menu comes back, loaded afresh, before this window is gone: the program goes on.
  Platform::Services::Navigator().Show(Platform::Window::Menu);
}
