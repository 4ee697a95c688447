#pragma once
#include <string_view>

namespace kmb {

// The value of the number a text starts with, read the way the log's first
// columns were always read: leading blanks skipped, optional sign, digits, an
// optional decimal point and an optional exponent introduced by E or D;
// reading stops at the first other character. 0 when no number starts it.
double LeadingNumber(std::string_view text);

// Value of the leading decimal digits only ("2c" gives 2, "x" gives 0).
long LeadingDigits(std::string_view text);

}  // namespace kmb
