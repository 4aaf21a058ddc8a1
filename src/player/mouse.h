// The player's mouse pointer: shown (the arrow) or hidden (blank), an exact state.
#pragma once

namespace Mouse {

// Makes the pointer visible.
void ShowMouse();

}  // namespace Mouse
