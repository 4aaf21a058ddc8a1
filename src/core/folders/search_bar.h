// The search window's depth bar, as the walk moves it.
#pragma once

namespace Search_Bar_Rule {
// The bar after collecting a folder's pictures at depth `depth` (the start folder alone is 1) when
// it showed `value`: its maximum becomes value + depth, then its value depth.
struct Bar {
  int maximum = 0;
  int value = 0;
  friend bool operator==(const Bar&, const Bar&) = default;
};
Bar Step(int value, int depth);
}  // namespace Search_Bar_Rule
