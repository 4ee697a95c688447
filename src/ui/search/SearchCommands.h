#pragma once
class CommandBoard;
class QAbstractButton;

// "Rechercher un QSO", opened by the main window's `searchButton`.
void RegisterSearchCommands(CommandBoard& board, QAbstractButton& searchButton);
