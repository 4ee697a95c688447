#pragma once
#include <QPointer>
#include <QWidget>

#include "ui/kit/WindowKeys.h"

class SettingsStore;

// Centres a window on its screen, in whole pixels.
void CentreOnScreen(QWidget& window);

// Puts a window where the operator left it last time (kept in the settings
// under its object name), brought back onto the screen if the screen got
// smaller; centres it the first time. Its place is kept again when it closes.
// False when nothing was stored.
bool PlaceWindow(QWidget& window, SettingsStore& settings);

// Each secondary window exists at most once: built on first use, brought to
// the front while open, built afresh once it has been closed. Escape closes it.
template <typename Window, typename Make>
Window* ShowSingleWindow(QPointer<Window>& slot, Make make) {
  if (!slot) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    CloseOnEscape(*slot);
    slot->show();
  } else {
    slot->showNormal();
    slot->raise();
    slot->activateWindow();
  }
  return slot;
}
