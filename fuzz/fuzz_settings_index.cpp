// Any text as a stored settings value: an index is always one of the list's.
#include "FuzzInput.h"
#include "core/log/LeadingNumber.h"
#include "core/settings/StoredIndex.h"
#include "core/web/ClusterBands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const int count = 1 + input.byte() % 20;
  const std::string text = input.piece();
  const int index = kmb::ParseStoredIndex(text, count);
  FUZZ_CHECK(index >= 0 && index < count);
  (void)kmb::LeadingNumber(text);
  const int band = kmb::ClusterBandFromSetting(text);
  FUZZ_CHECK(band >= 0 && band < kmb::kClusterBandCount);
  (void)kmb::ClusterPageCode(band);
  FUZZ_CHECK(kmb::LeadingDigits(text) >= 0);
  return 0;
}
