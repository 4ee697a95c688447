#include "ui/settings/SettingsCommands.h"

#include "ui/kit/CommandBoard.h"
#include "ui/kit/FolderOffer.h"
#include "ui/settings/PreferencesWindow.h"

void RegisterSettingsCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.onCommand("Mnu_Preferences",
                  [b] { b->openSingleWindow("Preferences", [b] { return new PreferencesWindow(b->context()); }); });
  board.onCommand("Mnu_Ouvrir_Dossier",
                  [b] { OpenFolder(b->context(), b->messageParent(), b->context().programFolder); });
}
