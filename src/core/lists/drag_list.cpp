#include "core/lists/drag_list.h"

#include <QApplication>
#include <QListWidget>

namespace mdlDragList {

namespace {

// Moves the entry at `from` to index `to` (counted after it was taken out) and selects it.
void Move(QListWidget& list, int from, int to) {
  QListWidgetItem* item = list.takeItem(from);
  list.insertItem(to, item);
  list.setCurrentRow(to);
}

}  // namespace

int Selected_Index(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? -1 : list.row(selected.first());
}

void Move_Item_Up(QListWidget& list) {
  const int i = Selected_Index(list);
  if (i >= 1 && i < list.count()) {
    Move(list, i, i - 1);
  } else {
    QApplication::beep();
  }
}

void Move_Item_Down(QListWidget& list) {
  const int i = Selected_Index(list);
  if (i >= 0 && i < list.count() - 1) {
    Move(list, i, i + 1);
  } else {
    QApplication::beep();
  }
}

void Move_Item_To(QListWidget& list, int position) {
  const int old = Selected_Index(list);
  if (position < 0 || old < 0 || position > list.count() || old >= list.count()) return;
  if (position == old) return;  // dropped on itself
  // Inserting a copy at `position` and removing the original leaves the entry one place lower
  // when it moved down: the original stood in front of the place.
  Move(list, old, position > old ? position - 1 : position);
}

}  // namespace mdlDragList
