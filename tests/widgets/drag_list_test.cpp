// Moving entries of a list: the up and down buttons' moves, the drop's move, and the drag gesture
// on the maker's picture list.
#include <gtest/gtest.h>

#include "core/lists/drag_list.h"
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

TEST(mdlDragList, MovesTheSelectedEntryWithItsNumber) {
  enum Op { Up, Down, To };
  const struct {
    const char* name;
    Op op;
    int selected;
    int position;
    QStringList after;
    int selected_after;
  } cases[] = {
      {"B onto E", To, 1, 4, {"A", "C", "D", "B", "E"}, 3},
      {"E onto B", To, 4, 1, {"A", "E", "B", "C", "D"}, 1},
      {"A onto B", To, 0, 1, ABCDE, 0},
      {"onto itself", To, 2, 2, ABCDE, 2},
      {"to -1", To, 2, -1, ABCDE, 2},
      {"beyond the end", To, 1, 9, ABCDE, 1},
      {"nothing selected", To, -1, 4, ABCDE, -1},
      {"B up", Up, 1, 0, {"B", "A", "C", "D", "E"}, 0},
      {"A up", Up, 0, 0, ABCDE, 0},
      {"nothing selected, up", Up, -1, 0, ABCDE, -1},
      {"B down", Down, 1, 0, {"A", "C", "B", "D", "E"}, 2},
      {"E down", Down, 4, 0, ABCDE, 4},
      {"nothing selected, down", Down, -1, 0, ABCDE, -1},
  };
  QListWidget list;
  for (const auto& c : cases) {
    Fill(list, c.selected);
    if (c.op == Up) mdlDragList::Move_Item_Up(list);
    if (c.op == Down) mdlDragList::Move_Item_Down(list);
    if (c.op == To) mdlDragList::Move_Item_To(list, c.position);
    EXPECT_EQ(Texts(list), c.after) << c.name;
    EXPECT_EQ(mdlDragList::Selected_Index(list), c.selected_after) << c.name;
    for (int i = 0; i < list.count(); ++i)
      EXPECT_EQ(list.item(i)->data(Qt::UserRole).toInt(), ABCDE.indexOf(list.item(i)->text())) << c.name;
  }
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
    EXPECT_EQ(list.Insert_Mark(), -1);
    EXPECT_FALSE(list.Dragging_Now());
  }
  // An abandoned drag takes its mark away and moves nothing.
  list.Dragging(list.visualItemRect(list.item(1)).center());
  list.Cancel_Drag();
  EXPECT_EQ(list.Insert_Mark(), -1);
  EXPECT_FALSE(list.Dragging_Now());
  EXPECT_EQ(Texts(list), ABCDE);
}

}  // namespace
