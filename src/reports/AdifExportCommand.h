#pragma once
// The "Exporter le log au format ADIF" command.
#include <string>

#include "app/AppContext.h"

class QWidget;

// Writes the station's log as ADIF beside it, then names the file, or says
// which file could not be read or written and why.
void Mnu_ADIF_Click(AppContext& context, const std::string& storedCall, QWidget* parent);
