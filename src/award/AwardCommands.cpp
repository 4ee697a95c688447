#include "app/MainWindow.h"

// Scores, diplomas, map and contacted lists.
void MainWindow::connectAwardCommands() {}
