#pragma once
class CommandBoard;

// Guide, web pages, About, history and quit.
void RegisterWebCommands(CommandBoard& board);
