#pragma once
// The wash-house reference a spot's comment names: "KMB" in any case, then at
// most one blank, "-", ":" or "/", then a department ("01" to "95", "2A" or
// "2B") and three digits, with no digit right after them. A value that is a
// reference (an ADIF field) may leave "KMB" out and part the department from
// its digits with a blank or "-", as loggers write it ("89-001").
#include <string>
#include <string_view>

namespace kmb {

// The reference in the form the log stores it ("89001", "2a001"); empty when
// the comment names none.
std::string KmbReference(std::string_view comment);

// The reference a value starts with ("KMB-89001", "89 001", "2A012 Lavoir du
// pont"), in the stored form; empty when it starts with none.
std::string KmbReferenceOfValue(std::string_view value);

// True for a reference in that stored form.
bool IsStoredReference(std::string_view reference);

}  // namespace kmb
