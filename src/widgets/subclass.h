// The drag gesture of the maker's picture list: press the left button on an entry, drag (an insert
// mark shows where the entry will land and the pointer shows the drag cursor; holding the pointer
// at the list's top or bottom edge, or above or below the list, scrolls it), release over another
// entry: the dragged entry moves
// to just before that one. There is no drop after the last entry, and a drop on the entry itself
// or outside the list changes nothing. Built on the toolkit's own drag and drop; the move itself is
// mdlDragList::Move_Item_To.
#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QPoint>
#include <QTimer>

namespace mdlSubclass {

// The mime type of a drag from the list; other drags are refused.
inline constexpr char Drag_Mime[] = "application/x-vistabel-list-entry";

class Drag_List : public QListWidget {
  Q_OBJECT
 public:
  explicit Drag_List(QWidget* parent);

  // Turns the gesture on (the maker's load) or off (its unload).
  void Make_Drag_List(bool on);

  // The steps of one drag, at points in the list's viewport.
  // A drag begins: remembers the entry under the pointer (-1 for none).
  void Begin_Drag(QPoint point);
  // The pointer moved during a drag: the insert mark goes before the entry under it, or away
  // when there is none. Returns that entry's index.
  int Dragging(QPoint point);
  // Released: the selected entry moves before the entry under the pointer unless that is the
  // entry the drag began on, or there is none.
  void Dropped(QPoint point);
  // Abandoned (Esc, or released outside the list).
  void Cancel_Drag();
  // The pointer is held at `point` during a drag: at the list's top or bottom edge (within an
  // entry's height inside it) or beyond it, above or below the list, the list scrolls one entry
  // that way and is repainted at once, and the insert mark follows the entry now under the
  // pointer. Returns the entries scrolled: -1, 0 or 1. Runs every Scroll_Interval ms of a drag.
  int Scroll_Step(QPoint point);
  static constexpr int Scroll_Interval = 100;

  // Where the insert mark stands (-1: none).
  int Insert_Mark() const { return insert_mark_; }

  // The drag cursor: an arrow with a small dotted box.
  static QPixmap Drag_Cursor();

 signals:
  // A press on the entry that was already selected: the selection signals stay silent, yet it is
  // a click on that entry all the same.
  void Selected_Entry_Pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void startDrag(Qt::DropActions supported) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int Entry_At(QPoint point) const;
  void Set_Insert_Mark(int index);
  bool drag_list_ = false;
  bool dragging_ = false;
  int drag_source_ = -1;
  int insert_mark_ = -1;
  QPoint press_point_;
  QTimer scroll_timer_;  // runs while a drag does
};

}  // namespace mdlSubclass
