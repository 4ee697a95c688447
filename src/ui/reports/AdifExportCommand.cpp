#include "ui/reports/AdifExportCommand.h"

#include "core/reports/AdifExport.h"
#include "ui/kit/FolderOffer.h"
#include "ui/kit/ShownText.h"

void ExportAdifFile(AppContext& context, const std::string& storedCall, QWidget* parent) {
  const kmb::AdifExportResult exported = kmb::ExportAdif(context.files, context.programFolder, storedCall);
  if (exported.error) {
    context.messages.inform(parent, QString::fromStdString(kmb::IoErrorMessage(*exported.error)));
    return;
  }
  QString text = QStringLiteral("Le fichier a été enregistré sous le nom : ") +
                 FromCp1252(kmb::AdifFileName(storedCall)) + InFolderLine(context.programFolder);
  if (exported.withoutDateOrTime > 0)
    text += QStringLiteral(
                "\r\n\r\n%1 QSO du log n'ont pas de date ou d'heure valable : ils ont été exportés avec "
                "QSO_DATE ou TIME_ON vide.")
                .arg(exported.withoutDateOrTime);
  InformOfferingFolder(context, parent, text);
}
