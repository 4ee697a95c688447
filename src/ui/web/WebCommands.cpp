#include "ui/web/WebCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>

#include "ui/kit/CommandBoard.h"
#include "ui/web/AwardPageWindow.h"
#include "ui/web/ClusterWindow.h"
#include "ui/web/GuideWindow.h"

void RegisterWebCommands(CommandBoard& board, QAbstractButton& activeListButton) {
  CommandBoard* b = &board;
  QAction* guide = board.addCommand(MenuPlace::Help, "Mnu_Guide", QStringLiteral("&Guide d'utilisation"), [b] {
    b->openSingleWindow("Guide", [b] { return new GuideWindow(b->context().settings); });
  });
  guide->setShortcut(QKeySequence::HelpContents);
  board.addCommand(MenuPlace::HelpAfterAbout, "Mnu_Reglement", QStringLiteral("&Reglement"), [b] {
    b->openSingleWindow("Reglement", [b] { return new AwardPageWindow(b->context(), AwardPage::Rules); });
  });
  board.addCommand(MenuPlace::BarBeforeHelp, "Mnu_Cluster", QStringLiteral("&Afficher Cluster"), [b] {
    b->openSingleWindow("Cluster", [b] { return new ClusterWindow(b->context(), b->logbook()); });
  });
  QObject::connect(&activeListButton, &QAbstractButton::clicked, &activeListButton, [b] {
    b->openSingleWindow("KMB_Active", [b] { return new AwardPageWindow(b->context(), AwardPage::ActiveList); });
  });
}
