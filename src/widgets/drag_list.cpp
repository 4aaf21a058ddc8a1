#include "widgets/drag_list.h"

#include <QApplication>
#include <QListWidget>

#include "core/lists/list_moves.h"

namespace mdlDragList {

namespace {

// Moves the entry at `move.from` to index `move.to` (counted after it was taken out) and selects it.
void Apply(QListWidget& list, const Move& move) {
  QListWidgetItem* item = list.takeItem(move.from);
  list.insertItem(move.to, item);
  list.setCurrentRow(move.to);
}

}  // namespace

int Selected_Index(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? -1 : list.row(selected.first());
}

void Move_Item_Up(QListWidget& list) {
  if (const auto move = Up(Selected_Index(list), list.count())) {
    Apply(list, *move);
  } else {
    QApplication::beep();
  }
}

void Move_Item_Down(QListWidget& list) {
  if (const auto move = Down(Selected_Index(list), list.count())) {
    Apply(list, *move);
  } else {
    QApplication::beep();
  }
}

void Move_Item_To(QListWidget& list, int position) {
  if (const auto move = To(Selected_Index(list), list.count(), position)) Apply(list, *move);
}

}  // namespace mdlDragList
