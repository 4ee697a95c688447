#include "ui/search/SearchCommands.h"

#include <QAbstractButton>

#include "ui/kit/CommandBoard.h"
#include "ui/search/RechercheIndicatifWindow.h"

void RegisterSearchCommands(CommandBoard& board, QAbstractButton& searchButton) {
  CommandBoard* b = &board;
  QObject::connect(&searchButton, &QAbstractButton::clicked, &searchButton, [b] {
    b->openSingleWindow("Recherche_Indicatif",
                        [b] { return new RechercheIndicatifWindow(b->context(), b->logbook()); });
  });
}
