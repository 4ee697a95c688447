#include "ui/kit/StoredRadio.h"

#include "ui/kit/SettingsStore.h"

using namespace settings_keys;

bool RadioTicked(const SettingsStore& settings) {
  return settings.read(kSetup, kRadioModele).toInt() > 0 && settings.readTick(kSetup, kRadioUtilisee, true);
}

kmb::RadioSetup StoredRadioSetup(const SettingsStore& settings) {
  return {RadioTicked(settings) ? settings.read(kSetup, kRadioModele).toInt() : 0,
          settings.read(kSetup, kRadioPort).toStdString(), settings.read(kSetup, kRadioVitesse).toInt()};
}
