// Any text as a stored settings value: an index is always one of the list's.
#include "FuzzInput.h"
#include "log/LeadingNumber.h"
#include "settings/StoredIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const int count = 1 + input.byte() % 20;
  const std::string text = input.piece();
  const int index = kmb::ParseStoredIndex(text, count);
  FUZZ_CHECK(index >= -1 && index < count);
  (void)kmb::LeadingNumber(text);
  FUZZ_CHECK(kmb::LeadingDigits(text) >= 0);
  return 0;
}
