#pragma once
class CommandBoard;

// ADIF export and import, QSL printing.
void RegisterReportCommands(CommandBoard& board);
