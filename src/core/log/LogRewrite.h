#pragma once
// The ways the log changes. Each takes the whole log and gives the whole new
// log; a log handed over by value is changed in place, its lines not copied.
// A modified or deleted QSO is the line the operator chose, by its place in
// the file: two equal lines are still two QSOs.
#include <cstddef>
#include <vector>

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

// A line the operator chose, known by its place and its text.
struct ChosenLine {
  std::size_t index = 0;
  Bytes line;
};

// True when each chosen line still stands at its place: a change computed
// on an older log never touches another QSO.
bool StillInPlace(const Lines& log, const std::vector<ChosenLine>& chosen);

// The lines at `indices` get the QSL mark "*" in their last column, a short
// line padded with blanks up to it; every other byte stays.
Lines MarkQslReceivedAt(Lines log, const std::vector<std::size_t>& indices);

}  // namespace kmb
