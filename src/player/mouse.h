// The player's mouse pointer: shown (the arrow) or hidden (blank). An exact state, not a counter:
// showing twice and hiding once leaves it hidden.
#pragma once

class QWidget;

namespace Mouse {

// The player window, whose pointer ShowMouse shows and hides (the player gives itself as it loads).
void Attach(QWidget* player);
// Shows (true) or hides (false) the pointer over the player window.
void ShowMouse(bool show = true);

}  // namespace Mouse

// The wheel support of the player: one step per notch, summed to 120 eighths of a degree per
// step, so a touchpad's small deltas do not race through the show. Away from the user is the next
// picture, towards the user the previous; a purely horizontal scroll does nothing.
namespace Mouse_Wheel {

void HookWheel(QWidget* window);
void UnhookWheel(QWidget* window);

// The steps for a wheel delta added to what was left over; `rest` keeps the remainder.
int Steps(int delta, int& rest);

}  // namespace Mouse_Wheel
