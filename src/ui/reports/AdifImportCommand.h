#pragma once
// The "Importer un fichier ADIF" command.
class CommandBoard;

// Asks for the file (Qt's chooser, in the program folder), reads it on a
// worker thread while the window shows the records read and can cancel,
// shows what the import would do and, once the operator agrees, adds the new
// QSOs in date order in one rewrite of the log. Returns once the reading has
// started; the keyboard goes back to the main window at the end.
void ImportAdifFile(CommandBoard& board);
