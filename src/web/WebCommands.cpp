#include "app/MainWindow.h"

// Web pages, About, history and quit.
void MainWindow::connectWebCommands() {}
