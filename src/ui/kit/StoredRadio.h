#pragma once
// The radio as "Préférences" stores it under "Setup ": one reading for the
// section that edits it and for the link that connects to it.
#include "core/radio/HamlibRadio.h"

class SettingsStore;

// "Utiliser une radio" ticked, with a model.
bool RadioTicked(const SettingsStore& settings);

// The setup the program connects with: model 0 while unticked, the model
// itself staying stored for the next time.
kmb::RadioSetup StoredRadioSetup(const SettingsStore& settings);
