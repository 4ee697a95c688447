#include "core/reports/AdifExport.h"

#include <algorithm>

#include "core/log/LogLine.h"
#include "core/log/LogSnapshot.h"
#include "core/reports/AdifRecord.h"

namespace kmb {

std::string AdifFileName(std::string_view storedCall) { return std::string(storedCall) + "_KMB.adi"; }

Bytes AdifFileText(std::string_view storedCall, const Lines& logLines) {
  Lines out{
      "Exportation du log de la station " + std::string(storedCall) + " au format ADIF",
      "",
      "Fichier produit par ORX_KMB, carnet de trafic du Diplome Kembaro",
      "",
      "",
      "<eoh>",
  };
  out.reserve(out.size() + logLines.size());
  for (const Bytes& line : logLines) out.push_back(AdifRecordOf(line));
  return JoinLines(out);
}

AdifExportResult ExportAdif(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall) {
  const LinesResult log = ReadLogLines(fs, LogFilePath(folder, storedCall));
  if (log.error) return {log.error};
  const std::string name = AdifFileName(storedCall);
  const auto undated = std::count_if(log.lines.begin(), log.lines.end(), [](const Bytes& line) {
    return AdifDate(Trim(log_columns::Date(line))).empty() || AdifTime(Trim(log_columns::Heure(line))).empty();
  });
  return {ReplaceFileAtomically(fs, folder / name, AdifFileText(storedCall, log.lines)),
          static_cast<std::size_t>(undated)};
}

}  // namespace kmb
