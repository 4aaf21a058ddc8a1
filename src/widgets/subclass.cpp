#include "widgets/subclass.h"

#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>

#include "widgets/drag_list.h"

namespace mdlSubclass {

Drag_List::Drag_List(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDropIndicatorShown(false);  // the list draws its own insert mark
  // The list scrolls itself during a drag (Scroll_Step), also while the pointer is outside it.
  setAutoScroll(false);
  scroll_timer_.setInterval(Scroll_Interval);
  connect(&scroll_timer_, &QTimer::timeout, this,
          [this] { Scroll_Step(viewport()->mapFromGlobal(QCursor::pos())); });
}

void Drag_List::Make_Drag_List(bool on) {
  drag_list_ = on;
  setDragEnabled(on);
  setAcceptDrops(on);
  setDragDropMode(on ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
  setDefaultDropAction(Qt::MoveAction);
  if (!on) Cancel_Drag();
}

int Drag_List::Entry_At(QPoint point) const {
  const QModelIndex index = indexAt(point);
  return index.isValid() ? index.row() : -1;
}

void Drag_List::Begin_Drag(QPoint point) { drag_source_ = Entry_At(point); }

int Drag_List::Dragging(QPoint point) {
  dragging_ = true;
  const int i = Entry_At(point);
  Set_Insert_Mark(i);
  return i;
}

void Drag_List::Dropped(QPoint point) {
  const int t = Entry_At(point);
  if (t >= 0 && t != drag_source_) mdlDragList::Move_Item_To(*this, t);
  Cancel_Drag();
}

void Drag_List::Cancel_Drag() {
  dragging_ = false;
  Set_Insert_Mark(-1);
}

int Drag_List::Scroll_Step(QPoint point) {
  if (!dragging_ || count() == 0) return 0;
  const QRect area = viewport()->rect();
  if (point.x() < area.left() || point.x() > area.right()) return 0;
  const int edge = std::max(1, visualItemRect(item(0)).height());
  const int step = point.y() < area.top() + edge ? -1 : point.y() > area.bottom() - edge ? 1 : 0;
  QScrollBar* bar = verticalScrollBar();
  const int before = bar->value();
  if (step != 0)
    bar->triggerAction(step < 0 ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
  if (bar->value() == before) return 0;
  viewport()->repaint();
  // The mark follows the entry now under the pointer; outside the list there is none.
  Dragging(point);
  return step;
}

void Drag_List::Set_Insert_Mark(int index) {
  if (index == insert_mark_) return;
  insert_mark_ = index;
  viewport()->update();
}

// ---- the toolkit's drag and drop ----

void Drag_List::mousePressEvent(QMouseEvent* event) {
  press_point_ = event->position().toPoint();
  const QModelIndexList before = selectedIndexes();
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && Entry_At(press_point_) >= 0 && !before.isEmpty() &&
      selectedIndexes() == before)
    emit Selected_Entry_Pressed();
}

void Drag_List::startDrag(Qt::DropActions /*supported*/) {
  if (!drag_list_) return;
  Begin_Drag(press_point_);
  if (drag_source_ < 0) return;  // a drag begins on an entry
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(Drag_Mime), QByteArray::number(drag_source_));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  const QPixmap cursor = Drag_Cursor();
  drag->setDragCursor(cursor, Qt::MoveAction);
  drag->setDragCursor(cursor, Qt::IgnoreAction);
  dragging_ = true;
  scroll_timer_.start();
  drag->exec(Qt::MoveAction, Qt::MoveAction);
  scroll_timer_.stop();
  // Released outside the list, or abandoned: the normal pointer and a clean list come back.
  if (dragging_) Cancel_Drag();
}

void Drag_List::dragEnterEvent(QDragEnterEvent* event) {
  if (drag_list_ && event->source() == this &&
      event->mimeData()->hasFormat(QString::fromLatin1(Drag_Mime))) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void Drag_List::dragMoveEvent(QDragMoveEvent* event) {
  if (!drag_list_ || event->source() != this ||
      !event->mimeData()->hasFormat(QString::fromLatin1(Drag_Mime))) {
    event->ignore();
    return;
  }
  QListWidget::dragMoveEvent(event);
  const int i = Dragging(event->position().toPoint());
  if (i >= 0) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();  // no entry under the pointer: no drop here
  }
}

void Drag_List::dragLeaveEvent(QDragLeaveEvent* event) {
  QListWidget::dragLeaveEvent(event);
  Set_Insert_Mark(-1);
}

void Drag_List::dropEvent(QDropEvent* event) {
  if (!drag_list_ || event->source() != this) {
    event->ignore();
    return;
  }
  Dropped(event->position().toPoint());
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

void Drag_List::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (insert_mark_ < 0 || insert_mark_ >= count()) return;
  // The insert mark: a line along the top of the entry under the pointer, with an arrow head at
  // its left end pointing into the gap.
  const QRect r = visualItemRect(item(insert_mark_));
  QPainter p(viewport());
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor ink = palette().color(QPalette::Text);
  p.setPen(QPen(ink, 2));
  const int y = r.top();
  p.drawLine(QPoint(r.left() + 6, y), QPoint(viewport()->width() - 2, y));
  QPainterPath head;
  head.moveTo(r.left(), y - 5);
  head.lineTo(r.left() + 7, y);
  head.lineTo(r.left(), y + 5);
  head.closeSubpath();
  p.fillPath(head, ink);
}

QPixmap Drag_List::Drag_Cursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The arrow, its tip at the top left.
  const QPoint arrow[] = {{0, 0},  {0, 16}, {4, 12}, {7, 19},
                          {9, 18}, {6, 11}, {11, 11}};
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawPolygon(arrow, 7);
  // The dotted box below and to the right of it: the entry being carried.
  QPen dots(Qt::black, 1, Qt::DotLine);
  p.setPen(dots);
  p.setBrush(Qt::NoBrush);
  p.drawRect(12, 18, 16, 10);
  return pixmap;
}

}  // namespace mdlSubclass
