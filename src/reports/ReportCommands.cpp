#include "app/MainWindow.h"

// ADIF export, QSL printing and search.
void MainWindow::connectReportCommands() {}
