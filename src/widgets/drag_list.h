// Moving the selected entry of a list widget: one place up or down (the up and down buttons), or to
// the place of another entry (a drop), by the rules of core/lists/list_moves.h. An entry moves
// whole, with its text and any data attached to it.
#pragma once

class QListWidget;

namespace mdlDragList {

// The index of the selected entry, or -1 when none is selected (the current entry of a list whose
// selection was cleared does not count).
int Selected_Index(const QListWidget& list);

// Swaps the selected entry with the one above it and keeps it selected; on the first entry only
// beeps.
void Move_Item_Up(QListWidget& list);
// Swaps the selected entry with the one below it and keeps it selected; on the last entry only
// beeps.
void Move_Item_Down(QListWidget& list);
// Moves the selected entry so that it stands directly before the entry now at `position`, and
// selects it. Nothing happens when `position` is negative or beyond the end, or nothing is
// selected; a move onto its own place changes nothing.
void Move_Item_To(QListWidget& list, int position);

}  // namespace mdlDragList
