#pragma once
class CommandBoard;

// "Rechercher un QSO".
void RegisterSearchCommands(CommandBoard& board);
