// The maker's picture list during a drag. The offscreen platform runs no drag of its own: the
// pointer's way is handed to the list as the toolkit hands it. The whole gesture, a drop included
// (whose move is mdlDragList::Move_Item_To, tests/core/lists), runs on the real program in
// tests/e2e/maker.sh, with a drag held below the list; mdlDragList::Selected_Index is the maker
// test's.
#include <gtest/gtest.h>

#include "widgets/subclass.h"

// Held at an edge, inside or just outside the list, the list scrolls an entry a step and the insert
// mark follows; beside it, in its middle, at its end or with no drag running, nothing scrolls.
TEST(Drag_List, HeldAtAnEdgeOrBeyondItTheListScrollsAndTheMarkFollows) {
  mdlSubclass::Drag_List list{nullptr};
  list.resize(200, 120);
  list.Make_Drag_List(true);
  for (int i = 0; i < 40; ++i) list.addItem(QString::number(i));
  list.show();
  const QRect area = list.viewport()->rect();
  const int row = list.visualItemRect(list.item(0)).height();
  const QPoint above(50, -row), below(50, area.bottom() + row), middle(50, area.center().y());
  list.Dragging(middle);
  const struct { QPoint at; int scrolled, first; } steps[] = {{below, 1, 1}, {{50, area.bottom() - 1}, 1, 2},
      {middle, 0, 2}, {{area.right() + 20, -row}, 0, 2}, {{50, 1}, -1, 1}, {above, -1, 0}, {above, 0, 0}};
  for (const auto& s : steps) {
    EXPECT_EQ(list.Scroll_Step(s.at), s.scrolled) << s.at.x() << "," << s.at.y();
    EXPECT_EQ(list.indexAt({5, 1}).row(), s.first) << s.at.x() << "," << s.at.y();
    if (s.scrolled != 0) { EXPECT_EQ(list.Insert_Mark(), list.indexAt(s.at).row()); }
  }
  list.Cancel_Drag();  // abandoned: nothing scrolls any more
  EXPECT_EQ(list.Scroll_Step(below), 0);
}
