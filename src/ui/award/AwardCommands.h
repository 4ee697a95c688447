#pragma once
class CommandBoard;

// Scores, diplomas, map and contacted lists.
void RegisterAwardCommands(CommandBoard& board);
