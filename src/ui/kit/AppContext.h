#pragma once
// What every window receives: the program's folder and the seams to the
// world (disk, message boxes, settings, clock, printer choice, file manager).
#include <filesystem>

#include "core/app/Clock.h"
#include "core/log/FileSystem.h"
#include "ui/kit/FolderOpener.h"
#include "ui/kit/Messenger.h"
#include "ui/kit/PrinterChooser.h"
#include "ui/kit/SettingsStore.h"

struct AppContext {
  std::filesystem::path programFolder;
  kmb::FileSystem& files;
  Messenger& messages;
  SettingsStore& settings;
  const kmb::Clock& clock;
  PrinterChooser& printers;
  FolderOpener& folders;
};
