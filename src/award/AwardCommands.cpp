#include "app/MainWindow.h"
#include "award/ContactedListWindow.h"
#include "award/DiplomaWindow.h"
#include "award/MapWindow.h"
#include "award/ScoreWindow.h"

// Scores, diplomas, map and contacted lists.
void MainWindow::connectAwardCommands() {
  connectCommand("Mnu_Score", [this] {
    openSingleWindow("Score_KMB", [this] { return new ScoreWindow(context(), *this); });
  });
  connectCommand("Mnu_KMB_HF", [this] {
    openSingleWindow("Diplomes", [this] { return new DiplomaWindow(context(), *this, HfDiplomaFace()); });
  });
  connectCommand("Mnu_Diplome_VHF", [this] {
    openSingleWindow("Diplome_VHF", [this] { return new DiplomaWindow(context(), *this, VhfDiplomaFace()); });
  });
  connectCommand("Mnu_Carte_Acti_KMB", [this] {
    openSingleWindow("Carte_Acti_KMB", [this] { return new MapWindow(context(), *this); });
  });
  connectCommand("Mnu_L_Contacte", [this] {
    openSingleWindow("Aff_Contacte", [this] { return new ContactedListWindow(context(), *this); });
  });
}
