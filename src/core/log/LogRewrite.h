#pragma once
// The ways the log changes. Each takes the whole log and gives the whole new
// log; a log handed over by value is changed in place, its lines not copied.
// A modified or deleted QSO is the line the operator chose, by its place in
// the file: two equal lines are still two QSOs.
#include <cstddef>

#include "core/log/LogFile.h"

namespace kmb {

// Appends, except that the line goes before the first line whose leading
// number (its call sign starting with a digit) is greater than its own.
Lines AddLogLine(Lines log, const Bytes& newLine);

// Before the first line dated at or after the new one; last when none is.
// Lines whose date or time cannot be read are passed over, never moved.
Lines InsertLogLineByDate(const Lines& log, const Bytes& newLine);

// Many new lines, each placed as InsertLogLineByDate places one; new lines of
// the same moment keep their order.
Lines InsertLinesByDate(const Lines& log, const Lines& newLines);

// The line at `index` becomes `newLine`; the others keep their bytes.
Lines ReplaceLogLineAt(Lines log, std::size_t index, const Bytes& newLine);

// The line at `index` is left out.
Lines DeleteLogLineAt(Lines log, std::size_t index);

}  // namespace kmb
