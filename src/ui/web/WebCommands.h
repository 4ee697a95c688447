#pragma once
class CommandBoard;
class QAbstractButton;

// Guide, cluster and the award's web pages, the active list opened by the main
// window's `activeListButton`.
void RegisterWebCommands(CommandBoard& board, QAbstractButton& activeListButton);
