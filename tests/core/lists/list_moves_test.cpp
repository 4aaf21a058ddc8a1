// Where the selected entry of a list goes: the up and down buttons' moves and the drop's move.
#include "core/lists/list_moves.h"

#include <gtest/gtest.h>

#include <QStringList>

TEST(mdlDragList, MovesTheSelectedEntry) {
  enum Op { Up, Down, To };
  const QStringList ABCDE{"A", "B", "C", "D", "E"};
  const struct { Op op; int selected, position; QStringList after; } cases[] = {
      {To, 1, 4, {"A", "C", "D", "B", "E"}}, {To, 4, 1, {"A", "E", "B", "C", "D"}}, {To, 1, 5, {"A", "C", "D", "E", "B"}},
      {To, 1, 6, ABCDE}, {To, 2, 2, ABCDE}, {To, 2, -1, ABCDE}, {To, -1, 4, ABCDE}, {To, 5, 1, ABCDE}, {Up, 0, 0, ABCDE}, {Up, -1, 0, ABCDE}, {Up, 5, 0, ABCDE},
      {Up, 1, 0, {"B", "A", "C", "D", "E"}}, {Down, 0, 0, {"B", "A", "C", "D", "E"}}, {Down, 3, 0, {"A", "B", "C", "E", "D"}}, {Down, 4, 0, ABCDE}, {Down, -1, 0, ABCDE},
  };
  for (const auto& c : cases) {
    const auto move = c.op == Up ? mdlDragList::Up(c.selected, 5) : c.op == Down ? mdlDragList::Down(c.selected, 5) : mdlDragList::To(c.selected, 5, c.position);
    QStringList list = ABCDE;
    ASSERT_TRUE(!move || (move->from < 5 && move->to < 5)) << &c - cases;
    if (move) list.move(move->from, move->to);
    EXPECT_EQ(list, c.after) << &c - cases;
  }
}
