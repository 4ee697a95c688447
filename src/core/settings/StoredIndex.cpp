#include "core/settings/StoredIndex.h"

#include <charconv>

#include "core/log/FixedColumns.h"

namespace kmb {

int ParseStoredIndex(std::string_view text, int count, int fallback) {
  const std::string trimmed = Trim(text);
  int value = 0;
  const char* begin = trimmed.data();
  const char* end = begin + trimmed.size();
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (trimmed.empty() || ec != std::errc{} || ptr != end) return fallback;
  if (value < 0 || value >= count) return fallback;
  return value;
}

}  // namespace kmb
