#pragma once
// Reading ADIF as other loggers write it: tags in any case, a header or
// none, "<eor>" in any case or none after the last record, field lengths
// counted in characters or in UTF-8 bytes, text in UTF-16, or in UTF-8 and
// Windows-1252 (decided value by value: a UTF-8 file another program added
// to may hold both).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/log/FixedColumns.h"

namespace kmb {

// One record: its fields by lower-case tag, values in Windows-1252 (letters
// it lacks turned into the nearest ones it has), control characters as
// blanks, trimmed; an empty field is left out, as loggers write them for none.
// All in one string: a long file holds millions of fields.
class AdifFields {
 public:
  // Leaves out an empty value.
  void add(std::string_view lowerCaseTag, std::string_view value);
  // The value of a tag, empty when the record has none; valid as long as the record.
  std::string_view value(std::string_view lowerCaseTag) const;
  bool has(std::string_view lowerCaseTag) const;
  std::size_t size() const { return ends_.size(); }
  // Room for a record like this one.
  void reserveLike(const AdifFields& other);

 private:
  struct FieldEnds {
    std::size_t tag;    // where the tag ends in text_ and its value begins
    std::size_t value;  // where the value ends and the next tag begins
  };
  std::optional<std::size_t> find(std::string_view lowerCaseTag) const;

  Bytes text_;
  std::vector<FieldEnds> ends_;
};

struct AdifFile {
  bool isAdif = false;   // at least one field was read
  bool stopped = false;  // told to stop: the records are only the first ones
  std::vector<AdifFields> records;
  // The record after them when the file ends inside it (in a value shorter
  // than its length says, or in a tag): never imported. Its whole fields only.
  std::optional<AdifFields> cut;
};

// Told how many records are read, after each one; answering false stops the
// reading there (a long file the operator gives up on).
using RecordsReadCallback = std::function<bool(std::size_t recordsRead)>;

AdifFile ReadAdif(std::string_view bytes, const RecordsReadCallback& recordsRead = {});

}  // namespace kmb
