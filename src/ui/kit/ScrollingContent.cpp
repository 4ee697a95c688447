#include "ui/kit/ScrollingContent.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>

namespace {

// Room a window keeps on the screen for its title bar, frame and menu bar.
constexpr QSize kWindowFrame(32, 120);

// A scroll area asks for its content's whole size, where Qt's would ask for
// a small part of it, and is never smaller than its content's minimum when
// the screen has room for it; on a smaller screen, it scrolls.
class ContentSizedScrollArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override { return widget()->sizeHint() + frame(); }
  QSize minimumSizeHint() const override {
    const QSize whole = widget()->minimumSizeHint() + frame();
    const QScreen* shown = screen();
    return shown ? whole.boundedTo(shown->availableSize() - kWindowFrame) : whole;
  }

 protected:
  // The window follows its content's sizes as they change (a clock, a status set after the first layout).
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
  }

 private:
  QSize frame() const { return {2 * frameWidth(), 2 * frameWidth()}; }
};

}  // namespace

QScrollArea* ScrollingContent(QWidget* content, QWidget* parent) {
  auto* area = new ContentSizedScrollArea(parent);
  area->setWidget(content);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);
  QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
    if (now && area->widget()->isAncestorOf(now)) area->ensureWidgetVisible(now);
  });
  return area;
}
