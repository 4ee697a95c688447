#pragma once
#include <QPointer>
#include <QWidget>

#include "ui/kit/WindowKeys.h"

class SettingsStore;

// Puts a window, before it shows, where the operator left it last time (kept
// in the settings under its object name), else centred; either way wholly on
// the screen's free area, title bar and frame included, made smaller if need
// be, and brought back on it again once the window manager has framed it. Its
// place is kept again when it closes. False when nothing was stored.
bool PlaceWindow(QWidget& window, SettingsStore& settings);

// Each secondary window exists at most once: built on first use, brought to
// the front while open, built afresh once it has been closed (even before
// its deletion, which waits for the event loop). Escape closes it.
template <typename Window, typename Make>
Window* ShowSingleWindow(QPointer<Window>& slot, Make make) {
  if (!slot || !slot->isVisible()) {
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
