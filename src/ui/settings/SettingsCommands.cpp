#include "ui/settings/SettingsCommands.h"

#include "ui/kit/CommandBoard.h"
#include "ui/kit/FolderOffer.h"
#include "ui/settings/PreferencesWindow.h"

void RegisterSettingsCommands(CommandBoard& board) {
  CommandBoard* b = &board;
  board.addCommand(MenuPlace::File, "Mnu_Ouvrir_Dossier", QStringLiteral("&Ouvrir le dossier des logs"),
                   [b] { OpenFolder(b->context(), b->messageParent(), b->context().programFolder); });
  board.addCommand(MenuPlace::File, "Mnu_Preferences", QStringLiteral("&Préférences…"), [b] {
    b->openSingleWindow("Preferences", [b] {
      return new PreferencesWindow(b->context(), b->radio(), [b] { b->radio().useStoredSetup(); });
    });
  });
}
