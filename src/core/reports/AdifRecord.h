#pragma once
// One QSO of the log as an ADIF record: twelve fields, each "<TAG:length>"
// and its value, closed by " <eor>". Lengths are byte counts, which the
// single-byte Windows-1252 text makes character counts too.
#include <string_view>

#include "core/log/FixedColumns.h"

namespace kmb {

// "<TAG:length>value".
Bytes AdifField(std::string_view tag, std::string_view value);

// ADIF band of a band label ("14 Mhz" gives "20m"); empty for a label the
// table does not know.
Bytes AdifBand(std::string_view bandLabel);

// "JJ/MM/AA" as YYYYMMDD, with the log's century: 50-99 are 19xx, 00-49
// are 20xx. Anything that is not a real calendar date gives an empty value.
Bytes AdifDate(std::string_view date);

// "HH:MM" as HHMM; anything that is not a time of day gives an empty value.
Bytes AdifTime(std::string_view time);

// The record of one 107-column log line, without line end. A short line
// reads as blank where it ends.
Bytes AdifRecordOf(std::string_view logLine);

}  // namespace kmb
