#include "ui/award/AwardCommands.h"

#include "ui/award/ContactedListWindow.h"
#include "ui/award/DiplomaWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/CommandBoard.h"

void RegisterAwardCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.onCommand("Mnu_Score", [b] {
    b->openSingleWindow("Score_KMB", [b] { return new ScoreWindow(b->context(), b->logbook()); });
  });
  board.onCommand("Mnu_KMB_HF", [b] {
    b->openSingleWindow("Diplomes", [b] { return new DiplomaWindow(b->context(), b->logbook(), HfDiplomaFace()); });
  });
  board.onCommand("Mnu_Diplome_VHF", [b] {
    b->openSingleWindow("Diplome_VHF", [b] { return new DiplomaWindow(b->context(), b->logbook(), VhfDiplomaFace()); });
  });
  board.onCommand("Mnu_Carte_Acti_KMB", [b] {
    b->openSingleWindow("Carte_Acti_KMB", [b] { return new MapWindow(b->context(), b->logbook()); });
  });
  board.onCommand("Mnu_L_Contacte", [b] {
    b->openSingleWindow("Aff_Contacte", [b] { return new ContactedListWindow(b->context(), b->logbook()); });
  });
}
