#pragma once
// Finding a word whatever the case a node or a spotter wrote it in.
#include <string_view>

namespace kmb {

// Where `smallWord` (in small letters) first stands in `text` from `from`, in
// any case of ASCII letters; npos when nowhere.
std::size_t FindCaseless(std::string_view text, std::string_view smallWord, std::size_t from = 0);

}  // namespace kmb
