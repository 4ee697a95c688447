#include "core/log/FixedDecimals.h"

#include <array>
#include <charconv>

namespace kmb {

std::string FixedDecimals(double value, int decimals) {
  std::array<char, 64> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
  return error == std::errc{} ? std::string(text.data(), end) : "?";
}

}  // namespace kmb
