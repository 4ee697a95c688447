#pragma once
#include <QPointer>
#include <QWidget>

// Centres a window on its screen, in whole pixels.
void CentreOnScreen(QWidget& window);

// Each secondary window exists at most once: built on first use, brought to
// the front while open, built afresh once it has been closed.
template <typename Window, typename Make>
Window* ShowSingleWindow(QPointer<Window>& slot, Make make) {
  if (!slot) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    slot->show();
  } else {
    slot->showNormal();
    slot->raise();
    slot->activateWindow();
  }
  return slot;
}
