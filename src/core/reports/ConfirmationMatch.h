#pragma once
// Confirmations that come as an ADIF file (a confirmation service's report,
// another logger's export) matched with the log's QSOs, before any is marked.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/log/LogFile.h"
#include "core/reports/AdifReader.h"

namespace kmb {

// "CW", "PHONE", "DATA", or empty for no mode: QSOs of one group are the same
// QSO whatever the sideband or the digital mode's name.
std::string_view ModeGroup(std::string_view mode);

// QSL_RCVD, LOTW_QSL_RCVD or EQSL_QSL_RCVD of "Y" or "V".
bool ConfirmsQsl(const AdifFields& record);

// A record as the summary names it: what it says, read as the log writes it
// where it can be.
struct ConfirmingRecord {
  Bytes call;
  Bytes date;  // "JJ/MM/AA", else QSO_DATE as written
  Bytes time;  // "HH:MM", else TIME_ON as written
  Bytes band;  // the log's band label, else BAND or FREQ as written
};

struct ConfirmationMatch {
  // Indices of log lines, each once, in log order.
  std::vector<std::size_t> toConfirm;         // without their QSL mark
  std::vector<std::size_t> alreadyConfirmed;  // with it already
  std::vector<ConfirmingRecord> notInLog;
  std::vector<ConfirmingRecord> ambiguous;  // two different QSOs of the log equally near
  std::size_t notConfirming = 0;            // records of the file that confirm nothing
};

inline constexpr long long kConfirmationWindowMinutes = 30;

// A confirming record is the QSO of the log with the same call sign (case
// ignored), the same band, a moment at most 30 minutes away (across midnight
// too) and the same mode group when both give a mode; the nearest one wins.
// Equal lines are one QSO and are marked together.
ConfirmationMatch MatchConfirmations(const AdifFile& file, const Lines& log);

}  // namespace kmb
