#include "ui/cluster/ClusterCommands.h"

#include "ui/cluster/SpotsWindow.h"
#include "ui/kit/CommandBoard.h"

void RegisterClusterCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.addCommand(MenuPlace::BarBeforeHelp, "Mnu_Spots", QStringLiteral("Spo&ts KMB"),
                   [b] { b->openSingleWindow("Spots", [b] { return new SpotsWindow(*b); }); });
}
