#pragma once
// What every window receives: the program's folder and the seams to the
// world (disk, message boxes, settings, clock, printer choice).
#include <filesystem>

#include "app/Clock.h"
#include "app/Messenger.h"
#include "app/PrinterChooser.h"
#include "log/FileSystem.h"
#include "settings/SettingsStore.h"

struct AppContext {
  std::filesystem::path programFolder;
  kmb::FileSystem& files;
  Messenger& messages;
  SettingsStore& settings;
  const kmb::Clock& clock;
  PrinterChooser& printers;
};
