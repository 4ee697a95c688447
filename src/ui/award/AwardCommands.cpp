#include "ui/award/AwardCommands.h"

#include "ui/award/ContactedListWindow.h"
#include "ui/award/DiplomaWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/CommandBoard.h"

namespace {

// The window shows the log anew each time the main list does; a closed one
// waiting for its deletion reads nothing.
template <typename Window>
Window* FollowingTheLog(CommandBoard& board, Window* window) {
  board.onLogListed(window, [window] {
    if (window->isVisible()) window->showLog();
  });
  return window;
}

}  // namespace

void RegisterAwardCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.addCommand(MenuPlace::List, "Mnu_L_Contacte", QStringLiteral("des &Lavoirs contactés"), [b] {
    b->openSingleWindow("Aff_Contacte",
                        [b] { return FollowingTheLog(*b, new ContactedListWindow(b->context(), b->logbook())); });
  });
  board.addCommand(MenuPlace::Map, "Mnu_Carte_Acti_KMB", QStringLiteral("des &départements contactés"), [b] {
    b->openSingleWindow("Carte_Acti_KMB",
                        [b] { return FollowingTheLog(*b, new MapWindow(b->context(), b->logbook(), b->liveSpots())); });
  });
  board.addCommand(MenuPlace::BarBeforeDiplomas, "Mnu_Score", QStringLiteral("Sc&ores"), [b] {
    b->openSingleWindow("Score_KMB", [b] { return FollowingTheLog(*b, new ScoreWindow(b->context(), b->logbook())); });
  });
  board.addCommand(MenuPlace::Diplomas, "Mnu_KMB_HF", QStringLiteral("KMB Bande &HF"), [b] {
    b->openSingleWindow("Diplomes", [b] {
      return FollowingTheLog(*b, new DiplomaWindow(b->context(), b->logbook(), HfDiplomaFace()));
    });
  });
  board.addCommand(MenuPlace::Diplomas, "Mnu_Diplome_VHF", QStringLiteral("KMB Bande &VHF"), [b] {
    b->openSingleWindow("Diplome_VHF", [b] {
      return FollowingTheLog(*b, new DiplomaWindow(b->context(), b->logbook(), VhfDiplomaFace()));
    });
  });
}
