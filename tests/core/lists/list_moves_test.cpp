// Where the selected entry of a list goes: the up and down buttons' moves and the drop's move.
#include "core/lists/list_moves.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

const QStringList ABCDE{"A", "B", "C", "D", "E"};

TEST(mdlDragList, MovesTheSelectedEntry) {
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
      {"A down", Down, 0, 0, {"B", "A", "C", "D", "E"}, 1},
      {"B down", Down, 1, 0, {"A", "C", "B", "D", "E"}, 2},
      {"E down", Down, 4, 0, ABCDE, 4},
      {"nothing selected, down", Down, -1, 0, ABCDE, -1},
  };
  for (const auto& c : cases) {
    const int count = int(ABCDE.size());
    const auto move = c.op == Up     ? mdlDragList::Up(c.selected, count)
                      : c.op == Down ? mdlDragList::Down(c.selected, count)
                                     : mdlDragList::To(c.selected, count, c.position);
    QStringList list = ABCDE;
    int selected = c.selected;
    if (move) {
      list.move(move->from, move->to);
      selected = move->to;
    }
    EXPECT_EQ(list, c.after) << c.name;
    EXPECT_EQ(selected, c.selected_after) << c.name;
  }
}

}  // namespace
