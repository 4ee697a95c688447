#include "reports/AdifExportCommand.h"

#include "app/Cp1252Text.h"
#include "reports/AdifExport.h"

void Mnu_ADIF_Click(AppContext& context, const std::string& storedCall, QWidget* parent) {
  if (const kmb::IoStatus error = kmb::ExportAdif(context.files, context.programFolder, storedCall)) {
    context.messages.inform(parent, QString::fromStdString(kmb::IoErrorMessage(*error)));
    return;
  }
  context.messages.inform(
      parent, QStringLiteral("Le fichier a été enregistré sous le nom : ") + FromCp1252(kmb::AdifFileName(storedCall)));
}
