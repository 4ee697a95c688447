#include "app/MainWindow.h"
#include "reports/AdifExportCommand.h"
#include "reports/MultiQslWindow.h"
#include "search/RechercheIndicatifWindow.h"

// ADIF export, QSL printing and search.
void MainWindow::connectReportCommands() {
  connectCommand("Mnu_ADIF", [this] { Mnu_ADIF_Click(context(), stationCall(), this); });
  connectCommand("Mnu_Non_Recue",
                 [this] { openSingleWindow("Multi_QSL", [this] { return new MultiQslWindow(context(), *this); }); });
  connectCommand("Rechercher", [this] {
    openSingleWindow("Recherche_Indicatif", [this] { return new RechercheIndicatifWindow(context(), *this); });
  });
}
