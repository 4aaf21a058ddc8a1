// Moving entries of a list: the up and down buttons' moves, the drop's move, and the drag gesture's
// steps on the maker's picture list.
#include <gtest/gtest.h>


#include "maker/drag_list.h"
#include "maker/subclass.h"

namespace {

QStringList Texts(const QListWidget& list) {
  QStringList t;
  for (int i = 0; i < list.count(); ++i) t << list.item(i)->text();
  return t;
}

void Fill(QListWidget& list, const QStringList& texts, int selected) {
  list.clear();
  for (qsizetype i = 0; i < texts.size(); ++i) {
    auto* item = new QListWidgetItem(texts[i], &list);
    item->setData(Qt::UserRole, int(100 + i));  // a number attached to the entry
  }
  if (selected >= 0) list.setCurrentRow(selected);
}

const QStringList ABCDE{"A", "B", "C", "D", "E"};

struct Move_Case {
  const char* name;
  int selected;
  int position;
  QStringList after;
  int selected_after;
};

TEST(Move_Item_To, MovesTheSelectedEntryBeforeTheTarget) {
  const Move_Case cases[] = {
      {"B onto E", 1, 4, {"A", "C", "D", "B", "E"}, 3},
      {"E onto B", 4, 1, {"A", "E", "B", "C", "D"}, 1},
      {"A onto B", 0, 1, {"A", "B", "C", "D", "E"}, 0},
      {"onto itself", 2, 2, ABCDE, 2},
      {"to -1", 2, -1, ABCDE, 2},
      {"nothing selected", -1, 3, ABCDE, -1},
      {"beyond the end", 1, 9, ABCDE, 1},
  };
  QListWidget list;
  for (const Move_Case& c : cases) {
    Fill(list, ABCDE, c.selected);
    mdlDragList::Move_Item_To(list, c.position);
    EXPECT_EQ(Texts(list), c.after) << c.name;
    EXPECT_EQ(mdlDragList::Selected_Index(list), c.selected_after) << c.name;
  }
}

TEST(Move_Item_To, TheEntryKeepsItsAttachedNumber) {
  QListWidget list;
  Fill(list, ABCDE, 4);
  mdlDragList::Move_Item_To(list, 0);
  EXPECT_EQ(list.item(0)->text(), "E");
  EXPECT_EQ(list.item(0)->data(Qt::UserRole).toInt(), 104);
}

TEST(Move_Item_Up_Down, SwapWithTheNeighbourOrChangeNothingAtTheEnds) {
  struct Case {
    const char* name;
    bool up;
    int selected;
    QStringList after;
    int selected_after;
  } const cases[] = {
      {"B up", true, 1, {"B", "A", "C"}, 0},
      {"A up", true, 0, {"A", "B", "C"}, 0},
      {"B down", false, 1, {"A", "C", "B"}, 2},
      {"C down", false, 2, {"A", "B", "C"}, 2},
      {"nothing selected, up", true, -1, {"A", "B", "C"}, -1},
      {"nothing selected, down", false, -1, {"A", "B", "C"}, -1},
  };
  QListWidget list;
  for (const Case& c : cases) {
    Fill(list, {"A", "B", "C"}, c.selected);
    c.up ? mdlDragList::Move_Item_Up(list) : mdlDragList::Move_Item_Down(list);
    EXPECT_EQ(Texts(list), c.after) << c.name;
    EXPECT_EQ(mdlDragList::Selected_Index(list), c.selected_after) << c.name;
  }
}

TEST(Selected_Index, ACurrentEntryWithoutSelectionIsNoSelection) {
  QListWidget list;
  Fill(list, ABCDE, 2);
  list.clearSelection();
  EXPECT_EQ(list.currentRow(), 2);
  EXPECT_EQ(mdlDragList::Selected_Index(list), -1);
}

// ---- the gesture ----

class Gesture : public ::testing::Test {
 protected:
  void SetUp() override {
    list.resize(200, 300);
    list.Make_Drag_List(true);
    Fill(list, ABCDE, -1);
    list.show();
  }
  QPoint Centre(int row) { return list.visualItemRect(list.item(row)).center(); }
  QPoint Below_Last() {
    const QRect r = list.visualItemRect(list.item(list.count() - 1));
    return {r.center().x(), r.bottom() + 20};
  }
  // A drag from `from` to `to` as the toolkit delivers it to the list: the press selects the
  // entry, the moves mark the place, the release drops.
  void Drag(int from, QPoint to) {
    list.setCurrentRow(from);
    list.Begin_Drag(Centre(from));
    list.Dragging(to);
    list.Dropped(to);
  }
  mdlSubclass::Drag_List list{nullptr};
};

TEST_F(Gesture, DropsBeforeTheEntryUnderThePointer) {
  Drag(1, Centre(4));
  EXPECT_EQ(Texts(list), QStringList({"A", "C", "D", "B", "E"}));
  EXPECT_EQ(mdlDragList::Selected_Index(list), 3);
  Drag(4, Centre(0));
  EXPECT_EQ(Texts(list), QStringList({"E", "A", "C", "D", "B"}));
}

TEST_F(Gesture, NoMoveOnItselfOrBelowTheLastEntry) {
  Drag(2, Centre(2));
  EXPECT_EQ(Texts(list), ABCDE);
  Drag(2, Below_Last());
  EXPECT_EQ(Texts(list), ABCDE);
  EXPECT_EQ(list.Insert_Mark(), -1);
  EXPECT_FALSE(list.Dragging_Now());
}

TEST_F(Gesture, InsertMarkFollowsThePointerAndGoesAtTheEnd) {
  list.setCurrentRow(0);
  list.Begin_Drag(Centre(0));
  EXPECT_EQ(list.Dragging(Centre(3)), 3);
  EXPECT_EQ(list.Insert_Mark(), 3);
  EXPECT_TRUE(list.Dragging_Now());
  EXPECT_EQ(list.Dragging(Below_Last()), -1);
  EXPECT_EQ(list.Insert_Mark(), -1);
  list.Dragging(Centre(2));
  list.Cancel_Drag();
  EXPECT_EQ(list.Insert_Mark(), -1);
  EXPECT_FALSE(list.Dragging_Now());
  EXPECT_EQ(Texts(list), ABCDE);
}

}  // namespace
