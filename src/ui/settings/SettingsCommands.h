#pragma once
// The Fichier commands about the program itself: its preferences and its folder.
class CommandBoard;

void RegisterSettingsCommands(CommandBoard& board);
