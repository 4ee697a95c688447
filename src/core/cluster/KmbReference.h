#pragma once
// The wash-house reference a spot's comment names: "KMB" in any case, then at
// most one blank, "-", ":" or "/", then a department ("01" to "95", "2A" or
// "2B") and three digits, with no digit right after them.
#include <string>
#include <string_view>

namespace kmb {

// The reference in the form the log stores it ("89001", "2a001"); empty when
// the comment names none.
std::string KmbReference(std::string_view comment);

// True for a reference in that stored form.
bool IsStoredReference(std::string_view reference);

}  // namespace kmb
