#pragma once
// The "Importer un fichier ADIF" command.
class CommandBoard;

// Asks for the file (Qt's chooser, in the program folder), reads it away
// from the window thread, shows what the import would do and, once the
// operator agrees, adds the new QSOs in date order in one rewrite of the log.
void ImportAdifFile(CommandBoard& board);
