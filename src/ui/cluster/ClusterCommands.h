#pragma once
class CommandBoard;

// "Spots KMB", the live spots of a DX-cluster node.
void RegisterClusterCommands(CommandBoard& board);
