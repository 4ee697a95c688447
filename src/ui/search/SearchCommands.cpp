#include "ui/search/SearchCommands.h"

#include "ui/kit/CommandBoard.h"
#include "ui/search/RechercheIndicatifWindow.h"

void RegisterSearchCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.onCommand("Rechercher", [b] {
    b->openSingleWindow("Recherche_Indicatif",
                        [b] { return new RechercheIndicatifWindow(b->context(), b->logbook()); });
  });
}
