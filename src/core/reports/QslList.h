#pragma once
// The QSOs of one station whose QSL card is still awaited, as the QSL
// window lists them.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

// Length of a row whose department has two characters; the first 57 end
// with the report sent.
inline constexpr std::size_t kQslListRowLength = 90;
inline constexpr std::size_t kQslPrintedWidth = 57;

// Date, time, department, "KMB " and reference, mode, band, reports and the
// lavoir name, cut from a log line.
Bytes QslListRow(std::string_view logLine);

// True when the line's QSL mark is "*".
bool QslReceived(std::string_view logLine);

// The places in the log, in log order, of the QSOs of the call signs
// containing `typed` whose QSL has not been received.
std::vector<std::size_t> AwaitedQslPlaces(const Lines& lines, std::string_view typed);

// Those QSOs, each as QslListRow gives it.
std::vector<Bytes> AwaitedQslRows(const Lines& lines, std::string_view typed);

}  // namespace kmb
