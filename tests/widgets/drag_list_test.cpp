// The drag gesture on the maker's picture list, and the drop's move of a whole entry.
#include <gtest/gtest.h>

#include "widgets/drag_list.h"
#include "widgets/subclass.h"

namespace {

const QStringList ABCDE{"A", "B", "C", "D", "E"};

QStringList Texts(const QListWidget& list) {
  QStringList t;
  for (int i = 0; i < list.count(); ++i) t << list.item(i)->text();
  return t;
}

// Fills the list with A..E, each entry carrying a number; `selected` -1 leaves the third entry
// current but not selected.
void Fill(QListWidget& list, int selected) {
  list.clear();
  for (qsizetype i = 0; i < ABCDE.size(); ++i)
    (new QListWidgetItem(ABCDE[i], &list))->setData(Qt::UserRole, int(i));
  list.setCurrentRow(selected >= 0 ? selected : 2);
  if (selected < 0) list.clearSelection();
}

TEST(Drag_List, GestureMarksThePlaceAndDropsBeforeTheEntryUnderThePointer) {
  mdlSubclass::Drag_List list{nullptr};
  list.resize(200, 300);
  list.Make_Drag_List(true);
  list.show();
  const struct {
    int from;
    int onto;  // -1: below the last entry
    QStringList after;
  } drags[] = {
      {1, 4, {"A", "C", "D", "B", "E"}}, {4, 0, {"E", "A", "B", "C", "D"}}, {2, 2, ABCDE}, {2, -1, ABCDE}};
  for (const auto& d : drags) {
    Fill(list, d.from);
    const QRect last = list.visualItemRect(list.item(4));
    const QPoint to = d.onto >= 0 ? list.visualItemRect(list.item(d.onto)).center()
                                  : last.center() + QPoint(0, last.height() + 10);
    list.Begin_Drag(list.visualItemRect(list.item(d.from)).center());
    EXPECT_EQ(list.Dragging(to), d.onto);
    EXPECT_EQ(list.Insert_Mark(), d.onto);
    EXPECT_TRUE(list.Dragging_Now());
    list.Dropped(to);
    EXPECT_EQ(Texts(list), d.after) << d.from << " onto " << d.onto;
    for (int i = 0; i < list.count(); ++i)  // each entry moved with its number
      EXPECT_EQ(list.item(i)->data(Qt::UserRole).toInt(), ABCDE.indexOf(list.item(i)->text()));
    EXPECT_EQ(list.Insert_Mark(), -1);
    EXPECT_FALSE(list.Dragging_Now());
  }
  // The current entry of a list whose selection was cleared is not selected: nothing moves.
  Fill(list, -1);
  EXPECT_EQ(mdlDragList::Selected_Index(list), -1);
  mdlDragList::Move_Item_Down(list);
  EXPECT_EQ(Texts(list), ABCDE);
  // An abandoned drag takes its mark away and moves nothing.
  list.Dragging(list.visualItemRect(list.item(1)).center());
  list.Cancel_Drag();
  EXPECT_EQ(list.Insert_Mark(), -1);
  EXPECT_FALSE(list.Dragging_Now());
  EXPECT_EQ(Texts(list), ABCDE);
}

}  // namespace
