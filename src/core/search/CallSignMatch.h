#pragma once
// The call-sign test shared by the search and the QSL windows.
#include <string_view>

namespace kmb {

// True when the trimmed call-sign field of a log line contains `typed`,
// upper-cased, anywhere.
bool CallSignMatches(std::string_view logLine, std::string_view typed);

}  // namespace kmb
