#include "ui/web/WebCommands.h"

#include <QApplication>

#include "ui/kit/CommandBoard.h"
#include "ui/kit/Revision.h"
#include "ui/web/AwardPageWindow.h"
#include "ui/web/ClusterWindow.h"
#include "ui/web/GuideWindow.h"
#include "ui/web/HelpTexts.h"

void RegisterWebCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.onCommand("Mnu_Guide",
                  [b] { b->openSingleWindow("Guide", [b] { return new GuideWindow(b->context().settings); }); });
  board.onCommand("Mnu_Reglement", [b] {
    b->openSingleWindow("Reglement", [b] { return new AwardPageWindow(b->context(), AwardPage::Rules); });
  });
  board.onCommand("Liste_KMB_Active", [b] {
    b->openSingleWindow("KMB_Active", [b] { return new AwardPageWindow(b->context(), AwardPage::ActiveList); });
  });
  board.onCommand("Mnu_Cluster", [b] {
    b->openSingleWindow("Cluster", [b] { return new ClusterWindow(b->context(), b->logbook()); });
  });
  board.onCommand("Mnu_Apropos", [b] {
    b->context().messages.inform(b->messageParent(), AboutText(kRevisionText, b->context().programFolder));
  });
  board.onCommand("Mnu_Historique", [b] { b->context().messages.inform(b->messageParent(), HistoryText()); });
  board.onCommand("Mnu_Quitter", [] {
    // Every QSO is already on disk: nothing to ask, nothing to save.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
  });
}
