#include "ui/reports/ReportCommands.h"

#include "ui/kit/CommandBoard.h"
#include "ui/reports/AdifExportCommand.h"
#include "ui/reports/AdifImportCommand.h"
#include "ui/reports/MultiQslWindow.h"
#include "ui/reports/QslReceivedWindow.h"

void RegisterReportCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.addCommand(MenuPlace::File, "Mnu_ADIF", QStringLiteral("&Exporter le log au format ADIF"),
                   [b] { ExportAdifFile(b->context(), b->logbook().stationCall(), b->messageParent()); });
  board.addCommand(MenuPlace::File, "Mnu_Import_ADIF", QStringLiteral("&Importer un fichier ADIF"),
                   [b] { ImportAdifFile(*b); });
  board.addCommand(MenuPlace::BarBeforeHelp, "Mnu_Non_Recue", QStringLiteral("&QSL's non reçues"), [b] {
    b->openSingleWindow("Multi_QSL", [b] { return new MultiQslWindow(b->context(), b->logbook()); });
  });
  board.addCommand(MenuPlace::BarBeforeHelp, "Mnu_QSL_Recues", QStringLiteral("Enre&gistrer des QSL reçues…"),
                   [b] { b->openSingleWindow("QSL_Recues", [b] { return new QslReceivedWindow(*b); }); });
}
