// The navigator between the windows, over the Forms registry: the one place that knows every
// window and what each request means for them.
#pragma once

#include "platform/navigator.h"

namespace Forms {

// The program's navigator; main puts it in place for the whole run.
Platform::Navigator& Navigator();

}  // namespace Forms
