// Any bytes as Liste_Prenom.txt: a look-up never fails and storing a line
// keeps every other call sign's lines.
#include <algorithm>

#include "FuzzInput.h"
#include "core/log/FirstNameList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const kmb::Lines list = kmb::SplitLines(input.piece());
  const std::string call = input.piece().substr(0, 12);
  (void)kmb::FindFirstName(list, call);

  const kmb::Bytes line = kmb::FirstNameLine(call, input.piece().substr(0, 2), input.piece());
  const kmb::Lines stored = kmb::StoreFirstNames(list, {line});
  FUZZ_CHECK(std::count(stored.begin(), stored.end(), line) >= 1);
  FUZZ_CHECK(stored.size() == list.size() || stored.size() == list.size() + 1);
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].substr(0, 12) != line.substr(0, 12)) FUZZ_CHECK(stored[i] == list[i]);
  return 0;
}
