#include "ui/kit/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "ui/kit/SettingsStore.h"

namespace {

// A window manager's usual title bar and border, taken until one has framed a window.
constexpr QMargins kUsualFrame(8, 40, 8, 8);

// "x,y,width,height": where the frame starts, how big the inside is.
QString PlaceKey(const QWidget& window) { return QStringLiteral("Fenetre ") + window.objectName(); }

// The free area of the screen under the middle of `place`, else of the window's own screen.
QRect AvailableArea(const QWidget& window, const QRect& place) {
  const QScreen* screen = place.isValid() ? QGuiApplication::screenAt(place.center()) : nullptr;
  if (!screen) screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
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

// The frame around the window; none until the window manager has framed it.
QMargins FrameOf(const QWidget& window) {
  const QRect whole = window.frameGeometry();
  const QRect inside = window.geometry();
  return {inside.left() - whole.left(), inside.top() - whole.top(), whole.right() - inside.right(),
          whole.bottom() - inside.bottom()};
}

// The frame a window about to show will get: that of a window already framed, else the usual one.
QMargins ExpectedFrame(const QWidget& window) {
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    const bool framed = other->windowType() == Qt::Window || other->windowType() == Qt::Dialog;
    if (other != &window && framed && other->isVisible() && !FrameOf(*other).isNull()) return FrameOf(*other);
  }
  return kUsualFrame;
}

// The whole window, frame included, no bigger than the screen's free area and on it; a window that cannot be made
// that small starts at the area's corner. `at` is where the frame starts.
void KeepOnScreen(QWidget& window, QPoint at, const QMargins& frame) {
  const QRect area = AvailableArea(window, QRect(at, window.size().grownBy(frame)));
  if (area.isEmpty()) return;
  window.resize(window.size().boundedTo(area.size().shrunkBy(frame)));
  const QSize whole = window.size().grownBy(frame);
  const auto within = [](int value, int first, int last) { return std::max(first, std::min(value, last)); };
  window.move(within(at.x(), area.left(), area.right() + 1 - whole.width()),
              within(at.y(), area.top(), area.bottom() + 1 - whole.height()));
}

void CentreOnScreen(QWidget& window, const QMargins& frame) {
  const QRect area = AvailableArea(window, {});
  if (area.isEmpty()) return;
  window.resize(window.size().boundedTo(area.size().shrunkBy(frame)));
  const QSize whole = window.size().grownBy(frame);
  KeepOnScreen(window,
               {area.left() + (area.width() - whole.width()) / 2, area.top() + (area.height() - whole.height()) / 2},
               frame);
}

// Keeps the window's place in the settings when it closes, and brings it back wholly onto the screen once the window
// manager has framed it, when that frame is not the one it was placed with.
class PlaceKeeper final : public QObject {
 public:
  PlaceKeeper(QWidget& window, SettingsStore& settings, const QMargins& placedWith)
      : QObject(&window), window_(window), settings_(settings), frame_(placedWith) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_) return false;
    const bool placeChanged = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (placeChanged && window_.isVisible()) {
      const QMargins frame = FrameOf(window_);
      if (!frame.isNull() && frame != frame_) {
        frame_ = frame;
        KeepOnScreen(window_, window_.pos(), frame);
      }
    }
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
  QMargins frame_;
};

}  // namespace

bool PlaceWindow(QWidget& window, SettingsStore& settings) {
  // The layout's least size counts before the window shows.
  window.ensurePolished();
  if (QLayout* layout = window.layout()) layout->activate();
  const QMargins frame = ExpectedFrame(window);
  new PlaceKeeper(window, settings, frame);
  const auto stored = ReadPlace(settings.read(settings_keys::kSetup, PlaceKey(window)));
  if (!stored) {
    CentreOnScreen(window, frame);
    return false;
  }
  window.resize(stored->size());
  KeepOnScreen(window, stored->topLeft(), frame);
  return true;
}
