#include "player/mouse.h"

namespace Mouse {

// The pointer is never hidden yet: hiding it in full screen comes with the player's pointer timer.
void ShowMouse() {}

}  // namespace Mouse
