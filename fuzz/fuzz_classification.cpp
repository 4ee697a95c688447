// Any log as award input: counts stay consistent and every department
// number or map box stays inside its table.
#include "FuzzInput.h"
#include "core/award/AwardRules.h"
#include "core/award/MapColouring.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  kmb::Lines log;
  while (!input.empty()) log.push_back(input.piece());
  for (const kmb::Bytes& line : log) {
    const std::string dpt = line.substr(0, 4);
    if (const auto n = kmb::DepartmentNumber(dpt, kmb::DepartmentReading::LeadingDigits))
      FUZZ_CHECK(*n >= 1 && *n <= 97);
    if (const auto n = kmb::DepartmentNumber(dpt, kmb::DepartmentReading::WholeNumber)) FUZZ_CHECK(*n >= 0 && *n <= 99);
    const std::string_view group = kmb::BandGroup(line);
    FUZZ_CHECK(group.empty() || group == kmb::kHf || group == kmb::kVhf || group == kmb::kUhf);
  }
  for (const std::string_view group : {kmb::kHf, kmb::kVhf, kmb::kUhf}) {
    const kmb::GroupCounts counts = kmb::CountGroup(log, group);
    FUZZ_CHECK(counts.confirmed <= counts.contacted && counts.contacted <= static_cast<int>(log.size()));
    FUZZ_CHECK(counts.confirmedDepartments <= counts.confirmed && counts.confirmedDepartments <= 97);
    const kmb::MapCounts map = kmb::CountMapBoxes(kmb::ColourMapBoxes(log, group));
    FUZZ_CHECK(map.contacted == map.confirmed + map.notConfirmed && map.contacted <= 99);
    FUZZ_CHECK(map.confirmed <= counts.confirmed);
  }
  return 0;
}
