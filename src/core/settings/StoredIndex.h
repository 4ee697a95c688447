#pragma once
#include <string_view>

namespace kmb {

// A list index read back from the settings: a whole decimal number (blanks
// around it allowed) from -1 to count - 1. Anything else, and an absent
// value, gives `fallback`.
int ParseStoredIndex(std::string_view text, int count, int fallback = 0);

}  // namespace kmb
