#include "ui/kit/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "ui/kit/SettingsStore.h"

namespace {

// "x,y,width,height": where the frame starts, how big the inside is.
QString PlaceKey(const QWidget& window) { return QStringLiteral("Fenetre ") + window.objectName(); }

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

std::optional<QRect> ReadPlace(const QString& text) {
  const QStringList parts = text.split(u',');
  if (parts.size() != 4) return std::nullopt;
  int values[4];
  for (int i = 0; i < 4; ++i) {
    bool number = false;
    values[i] = parts[i].trimmed().toInt(&number);
    if (!number) return std::nullopt;
  }
  if (values[2] <= 0 || values[3] <= 0) return std::nullopt;
  return QRect(values[0], values[1], values[2], values[3]);
}

// The whole window, frame included, no bigger than the screen and on it.
void KeepOnScreen(QWidget& window) {
  const QRect area = AvailableArea(window);
  const QRect frame = window.frameGeometry();
  if (area.isEmpty() || area.contains(frame)) return;
  const QSize frameExtra = frame.size() - window.size();
  window.resize(window.size().boundedTo(area.size() - frameExtra));
  const QSize whole = window.frameGeometry().size();
  // A window that cannot be made as small as the screen starts at its corner.
  const auto within = [](int at, int first, int last) { return std::max(first, std::min(at, last)); };
  window.move(within(frame.left(), area.left(), area.right() + 1 - whole.width()),
              within(frame.top(), area.top(), area.bottom() + 1 - whole.height()));
}

// Keeps the window's place in the settings when it closes, and brings it
// back onto the screen when it shows (its frame is known only then).
class PlaceKeeper final : public QObject {
 public:
  PlaceKeeper(QWidget& window, SettingsStore& settings) : QObject(&window), window_(window), settings_(settings) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_) return false;
    if (event->type() == QEvent::Show) KeepOnScreen(window_);
    if (event->type() == QEvent::Close) {
      const QPoint at = window_.pos();
      settings_.write(settings_keys::kSetup, PlaceKey(window_),
                      QStringLiteral("%1,%2,%3,%4").arg(at.x()).arg(at.y()).arg(window_.width()).arg(window_.height()));
    }
    return false;
  }

 private:
  QWidget& window_;
  SettingsStore& settings_;
};

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QRect area = AvailableArea(window);
  if (area.isEmpty()) return;
  const QSize size = window.frameGeometry().size();
  window.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

bool PlaceWindow(QWidget& window, SettingsStore& settings) {
  new PlaceKeeper(window, settings);
  const auto stored = ReadPlace(settings.read(settings_keys::kSetup, PlaceKey(window)));
  if (!stored) {
    CentreOnScreen(window);
    return false;
  }
  window.resize(stored->size());
  window.move(stored->topLeft());
  return true;
}
