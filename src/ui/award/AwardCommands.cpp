#include "ui/award/AwardCommands.h"

#include "ui/award/ContactedListWindow.h"
#include "ui/award/DiplomaWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/CommandBoard.h"

void RegisterAwardCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.addCommand(MenuPlace::List, "Mnu_L_Contacte", QStringLiteral("des &Lavoirs contactés"), [b] {
    b->openSingleWindow("Aff_Contacte", [b] { return new ContactedListWindow(b->context(), b->logbook()); });
  });
  board.addCommand(MenuPlace::Map, "Mnu_Carte_Acti_KMB", QStringLiteral("des &départements contactés"), [b] {
    b->openSingleWindow("Carte_Acti_KMB", [b] { return new MapWindow(b->context(), b->logbook()); });
  });
  board.addCommand(MenuPlace::BarBeforeDiplomas, "Mnu_Score", QStringLiteral("Sc&ores"), [b] {
    b->openSingleWindow("Score_KMB", [b] { return new ScoreWindow(b->context(), b->logbook()); });
  });
  board.addCommand(MenuPlace::Diplomas, "Mnu_KMB_HF", QStringLiteral("KMB Bande &HF"), [b] {
    b->openSingleWindow("Diplomes", [b] { return new DiplomaWindow(b->context(), b->logbook(), HfDiplomaFace()); });
  });
  board.addCommand(MenuPlace::Diplomas, "Mnu_Diplome_VHF", QStringLiteral("KMB Bande &VHF"), [b] {
    b->openSingleWindow("Diplome_VHF", [b] { return new DiplomaWindow(b->context(), b->logbook(), VhfDiplomaFace()); });
  });
}
