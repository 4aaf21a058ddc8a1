#include "core/folders/search_bar.h"

namespace Search_Bar_Rule {
Bar Step(int value, int depth) { return {value + depth, depth}; }
}  // namespace Search_Bar_Rule
