#pragma once
class CommandBoard;

// "Spots KMB", the live spots of a DX-cluster node.
class SpotWatch;

// "Spots KMB", and the watch of the spots that outlives its window; the
// watch is the board's child.
SpotWatch* RegisterClusterCommands(CommandBoard& board);
