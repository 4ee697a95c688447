#pragma once
// Reading ADIF as other loggers write it: tags in any case, a header or
// none, "<eor>" in any case, field lengths counted in characters or in UTF-8
// bytes, text in UTF-8 or in Windows-1252 (decided once for the file).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/log/FixedColumns.h"

namespace kmb {

// One record: its fields by lower-case tag, values in Windows-1252 (letters
// it lacks turned into the nearest ones it has), control characters as
// blanks, trimmed; an empty field is left out, as loggers write them for none.
struct AdifFields {
  std::vector<std::pair<std::string, Bytes>> fields;

  // The value of a tag, empty when the record has none.
  Bytes value(std::string_view lowerCaseTag) const;
  bool has(std::string_view lowerCaseTag) const;
};

struct AdifFile {
  bool isAdif = false;  // at least one field was read
  bool utf8 = false;
  std::vector<AdifFields> records;
};

AdifFile ReadAdif(std::string_view bytes);

}  // namespace kmb
