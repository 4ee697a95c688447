#pragma once
class CommandBoard;

// ADIF export and QSL printing.
void RegisterReportCommands(CommandBoard& board);
