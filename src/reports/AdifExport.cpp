#include "reports/AdifExport.h"

#include "reports/AdifRecord.h"

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
  for (const Bytes& line : logLines) out.push_back(ADIF_SP(line));
  return JoinLines(out);
}

IoStatus ExportAdif(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall) {
  const LinesResult log = ReadLines(fs, LogFilePath(folder, storedCall));
  if (log.error) return log.error;
  const std::string name = AdifFileName(storedCall);
  return ReplaceFileAtomically(fs, folder / name, folder / (name + ".tmp"), AdifFileText(storedCall, log.lines));
}

}  // namespace kmb
