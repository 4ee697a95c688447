#pragma once
#include <string_view>

namespace kmb {

// A list index read back from the settings: a whole decimal number (blanks
// around it allowed) from 0 to count - 1. Anything else ("-1", which older
// runs stored for a band typed by hand, and an absent value) gives
// `fallback`, so a list always has an item chosen.
int ParseStoredIndex(std::string_view text, int count, int fallback = 0);

}  // namespace kmb
