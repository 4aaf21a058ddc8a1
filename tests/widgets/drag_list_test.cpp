// The drag gesture on the maker's picture list, and the drop's move of a whole entry. The entries
// are chosen and the drags begun with the mouse; the offscreen platform runs no drag of its own,
// so the pointer's way over the list and the drop are handed to the list as the toolkit hands them
// (the whole gesture runs on the real program in tests/e2e/maker.sh).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "widgets/drag_list.h"
#include "widgets/subclass.h"

namespace {

const QStringList ABCDE{"A", "B", "C", "D", "E"};

QStringList Texts(const QListWidget& list) {
  QStringList t;
  for (int i = 0; i < list.count(); ++i) t << list.item(i)->text();
  return t;
}

QPoint Centre(const QListWidget& list, int row) { return list.visualItemRect(list.item(row)).center(); }

// Fills the list with A..E, each entry carrying a number, and clicks entry `row`.
void Fill_And_Click(QListWidget& list, int row) {
  list.clear();
  for (qsizetype i = 0; i < ABCDE.size(); ++i)
    (new QListWidgetItem(ABCDE[i], &list))->setData(Qt::UserRole, int(i));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, Centre(list, row));
}

TEST(Drag_List, ADragFromAnEntryDropsItBeforeTheEntryUnderThePointer) {
  mdlSubclass::Drag_List list{nullptr};
  list.resize(200, 300);
  list.Make_Drag_List(true);
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  const struct {
    int from;
    int onto;  // -1: below the last entry
    QStringList after;
  } drags[] = {
      {1, 4, {"A", "C", "D", "B", "E"}}, {4, 0, {"E", "A", "B", "C", "D"}}, {2, 2, ABCDE}, {2, -1, ABCDE}};
  for (const auto& d : drags) {
    Fill_And_Click(list, d.from);
    ASSERT_EQ(mdlDragList::Selected_Index(list), d.from);
    // Pressed on the entry and moved beyond the drag distance: the drag begins from that entry.
    const QPoint start = Centre(list, d.from);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, start);
    for (int step : {1, 2})
      QTest::mouseMove(list.viewport(), start + QPoint(step * QApplication::startDragDistance(), 1));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, start);
    EXPECT_EQ(list.DragSource(), d.from);
    const QRect last = list.visualItemRect(list.item(4));
    const QPoint to = d.onto >= 0 ? Centre(list, d.onto) : last.center() + QPoint(0, last.height() + 10);
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
  // A Ctrl-click takes the selection away and leaves the entry current: nothing moves.
  Fill_And_Click(list, 2);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, Centre(list, 2));
  EXPECT_EQ(mdlDragList::Selected_Index(list), -1);
  mdlDragList::Move_Item_Down(list);
  list.Dragging(Centre(list, 4));
  list.Dropped(Centre(list, 4));
  EXPECT_EQ(Texts(list), ABCDE);
  // An abandoned drag takes its mark away and moves nothing.
  Fill_And_Click(list, 1);
  list.Dragging(Centre(list, 3));
  list.Cancel_Drag();
  EXPECT_EQ(list.Insert_Mark(), -1);
  EXPECT_FALSE(list.Dragging_Now());
  EXPECT_EQ(Texts(list), ABCDE);
}

// Held at an edge, inside or just outside the list, the list scrolls an entry a step and the
// insert mark follows; elsewhere, or with no drag, nothing scrolls.
TEST(Drag_List, HeldAtAnEdgeOrBeyondItTheListScrollsAndTheMarkFollows) {
  mdlSubclass::Drag_List list{nullptr};
  list.resize(200, 120);
  list.Make_Drag_List(true);
  for (int i = 0; i < 40; ++i) list.addItem(QString::number(i));
  list.show();
  const QRect area = list.viewport()->rect();
  const int row = list.visualItemRect(list.item(0)).height();
  const QPoint top_edge(50, 1), bottom_edge(50, area.bottom() - 1), middle(50, area.center().y());
  const QPoint above(50, -row), below(50, area.bottom() + row), beside(area.right() + 20, -row);
  auto first_shown = [&] { return list.indexAt({5, 1}).row(); };
  EXPECT_EQ(list.Scroll_Step(below), 0);  // no drag
  list.setCurrentRow(0);
  list.Begin_Drag(list.visualItemRect(list.item(0)).center());
  list.Dragging(middle);
  const struct { QPoint at; int scrolled; int first; } steps[] = {
      {below, 1, 1}, {below, 1, 2}, {bottom_edge, 1, 3}, {middle, 0, 3}, {beside, 0, 3},
      {top_edge, -1, 2}, {above, -1, 1}, {above, -1, 0}, {above, 0, 0}};
  for (const auto& s : steps) {
    EXPECT_EQ(list.Scroll_Step(s.at), s.scrolled) << s.at.x() << "," << s.at.y();
    EXPECT_EQ(first_shown(), s.first) << s.at.x() << "," << s.at.y();
    if (s.scrolled != 0) { EXPECT_EQ(list.Insert_Mark(), list.indexAt(s.at).row()); }
  }
  list.Cancel_Drag();
}

}  // namespace
