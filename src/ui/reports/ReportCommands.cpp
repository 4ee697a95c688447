#include "ui/reports/ReportCommands.h"

#include "ui/kit/CommandBoard.h"
#include "ui/reports/AdifExportCommand.h"
#include "ui/reports/AdifImportCommand.h"
#include "ui/reports/MultiQslWindow.h"

void RegisterReportCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.onCommand("Mnu_ADIF", [b] { ExportAdifFile(b->context(), b->logbook().stationCall(), b->messageParent()); });
  board.onCommand("Mnu_Import_ADIF", [b] { ImportAdifFile(*b); });
  board.onCommand("Mnu_Non_Recue", [b] {
    b->openSingleWindow("Multi_QSL", [b] { return new MultiQslWindow(b->context(), b->logbook()); });
  });
}
