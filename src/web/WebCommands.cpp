#include <QApplication>

#include "app/MainWindow.h"
#include "web/AwardPageWindow.h"
#include "web/ClusterWindow.h"
#include "web/GuideWindow.h"
#include "web/HelpTexts.h"

// Guide, web pages, About, history and quit.
void MainWindow::connectWebCommands() {
  connectCommand("Mnu_Guide", [this] { openSingleWindow("Guide", [this] { return new GuideWindow(context().settings); }); });
  connectCommand("Mnu_Reglement", [this] {
    openSingleWindow("Reglement", [this] { return new AwardPageWindow(context(), AwardPage::Rules); });
  });
  connectCommand("Liste_KMB_Active", [this] {
    openSingleWindow("KMB_Active", [this] { return new AwardPageWindow(context(), AwardPage::ActiveList); });
  });
  connectCommand("Mnu_Cluster", [this] {
    openSingleWindow("Cluster", [this] { return new ClusterWindow(context(), *this); });
  });
  connectCommand("Mnu_Apropos",
                 [this] { context().messages.inform(this, AboutText(kRevisionText, context().programFolder)); });
  connectCommand("Mnu_Historique", [this] { context().messages.inform(this, HistoryText()); });
  connectCommand("Mnu_Quitter", [] {
    // Every QSO is already on disk: nothing to ask, nothing to save.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
  });
}
