// Any bytes as an ADIF file to import: reading never fails, every record is
// added, passed over or refused, every line added is a whole log line with a
// real date, time and band and Windows-1252 characters only, no control
// character (nor its first-name line), and what is added exports and imports
// back the same. A UTF-8 text saved as UTF-16, in either byte order, with its
// mark or, plain ASCII, without, imports the same.
#include <algorithm>

#include "Cp1252Lines.h"
#include "FuzzInput.h"
#include "core/log/Bands.h"
#include "core/log/Cp1252Text.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"
#include "core/reports/AdifExport.h"
#include "core/reports/AdifImport.h"

namespace {

bool Plain(const kmb::Lines& lines) {
  return std::all_of(lines.begin(), lines.end(), [](const kmb::Bytes& line) {
    return std::none_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  });
}

kmb::ImportPlan CheckedImport(std::string_view bytes) {
  const kmb::AdifFile file = kmb::ReadAdif(bytes);
  const kmb::ImportPlan plan = kmb::PlanImport(file, {});
  FUZZ_CHECK(plan.toAdd.size() + plan.alreadyInLog.size() + plan.refused.size() ==
             file.records.size() + (file.cut ? 1 : 0));
  FUZZ_CHECK(plan.firstNameLines.size() == plan.toAdd.size());
  for (const kmb::Bytes& line : plan.toAdd) {
    FUZZ_CHECK(line.size() == kmb::kLogLineLength && Cp1252Line(line));
    FUZZ_CHECK(kmb::ReadQsoDate(kmb::log_columns::Date(line)) && kmb::ReadQsoTime(kmb::log_columns::Heure(line)));
    FUZZ_CHECK(kmb::BandOfLabel(kmb::Trim(kmb::log_columns::Bande(line))) != nullptr);
  }
  for (const kmb::Bytes& line : plan.firstNameLines) FUZZ_CHECK(Cp1252Line(line));
  return plan;
}

std::string Utf16(std::u32string_view text, bool littleEndian, bool mark) {
  std::string bytes;
  const auto unit = [&](char32_t u) {
    const char high = static_cast<char>(u >> 8);
    const char low = static_cast<char>(u & 0xFF);
    bytes += littleEndian ? std::string{low, high} : std::string{high, low};
  };
  if (mark) unit(0xFEFF);
  for (const char32_t c : text) {
    if (c < 0x10000) {
      unit(c);
    } else {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const kmb::ImportPlan plan = CheckedImport(bytes);
  if (Plain(plan.toAdd)) {
    const kmb::ImportPlan again = kmb::PlanImport(kmb::ReadAdif(kmb::AdifFileText("F4KMB", plan.toAdd)), {});
    FUZZ_CHECK(again.toAdd == plan.toAdd);
  }
  // Without a NUL, a UTF-8 text is never taken for UTF-16 itself.
  const auto characters = kmb::DecodeUtf8(bytes);
  if (!characters || bytes.find('\0') != std::string_view::npos || bytes.size() < 2) return 0;
  for (const bool littleEndian : {true, false}) {
    for (const bool mark : {true, false}) {
      const kmb::ImportPlan wide = CheckedImport(Utf16(*characters, littleEndian, mark));
      if (mark || !kmb::HasHighByte(bytes))
        FUZZ_CHECK(wide.toAdd == plan.toAdd && wide.firstNameLines == plan.firstNameLines &&
                   wide.refused.size() == plan.refused.size());
    }
  }
  return 0;
}
