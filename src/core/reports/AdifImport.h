#pragma once
// Bringing QSOs logged in another program into the KMB log: each ADIF record
// becomes a log line, or is refused with its reason; the QSOs the log holds
// already are passed over.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/log/Bands.h"
#include "core/log/LogFile.h"
#include "core/reports/AdifReader.h"

namespace kmb {

struct RefusedRecord {
  std::size_t number = 0;  // 1 for the file's first record
  Bytes call;
  std::string reason;  // UTF-8, for the operator
};

struct ImportPlan {
  Lines toAdd;           // log lines, in the file's order
  Lines firstNameLines;  // one per line to add, oldest QSO first, for Liste_Prenom.txt
  Lines alreadyInLog;    // lines of the file the log holds (or that came earlier in the file)
  std::vector<RefusedRecord> refused;
  std::size_t firstNamesCut = 0;   // names longer than the log's 15 columns
  std::size_t withoutReports = 0;  // lines to add lacking a report: editing one later asks for it
};

// The log line of one record, or why it is refused (UTF-8).
struct RecordLine {
  Bytes line;
  Bytes firstNameLine;
  std::string refusal;
  bool firstNameCut = false;
};
RecordLine LogLineOfRecord(const AdifFields& record);

// What the import and the reading of confirmations take from a record alike:
// the band by BAND, else by FREQ in MHz; QSO_DATE and TIME_ON (four or six
// digits) as the log writes them; the call sign in capitals.
const Band* BandOfRecord(const AdifFields& record);
std::optional<Bytes> LogDateOfRecord(const AdifFields& record);
std::optional<Bytes> LogTimeOfRecord(const AdifFields& record);
Bytes CallOfRecord(const AdifFields& record);

// Same call sign, date, time and band: the same QSO. A record cut by the end
// of the file is refused.
ImportPlan PlanImport(const AdifFile& file, const Lines& log);

}  // namespace kmb
