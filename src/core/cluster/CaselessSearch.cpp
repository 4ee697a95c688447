#include "core/cluster/CaselessSearch.h"

#include <algorithm>
#include <cctype>

namespace kmb {

std::size_t FindCaseless(std::string_view text, std::string_view smallWord, std::size_t from) {
  if (from > text.size()) return std::string_view::npos;
  const auto found = std::search(text.begin() + std::ptrdiff_t(from), text.end(), smallWord.begin(), smallWord.end(),
                                 [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return found == text.end() ? std::string_view::npos : std::size_t(found - text.begin());
}

}  // namespace kmb
