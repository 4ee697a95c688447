#include "ui/cluster/ClusterCommands.h"

#include <QWidget>

#include "ui/cluster/SpotWatch.h"
#include "ui/kit/CommandBoard.h"

SpotWatch* RegisterClusterCommands(CommandBoard& board) {
  auto* watch = new SpotWatch(board, board.messageParent());
  board.addCommand(MenuPlace::BarBeforeHelp, "Mnu_Spots", QStringLiteral("Spo&ts KMB"),
                   [watch] { watch->showNewest(); });
  return watch;
}
