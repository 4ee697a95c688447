#pragma once
// The "Exporter le log au format ADIF" command.
#include <string>

#include "ui/kit/AppContext.h"

class QWidget;

// Writes the station's log as ADIF beside it, then names the file and its
// folder, offered to open, or says which file could not be read or written
// and why.
void ExportAdifFile(AppContext& context, const std::string& storedCall, QWidget* parent);
