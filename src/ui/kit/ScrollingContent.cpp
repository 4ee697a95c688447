#include "ui/kit/ScrollingContent.h"

#include <QApplication>
#include <QScrollArea>

namespace {

// A scroll area asks for its content's whole size, where Qt's would ask for
// a small part of it; smaller than that, it scrolls.
class ContentSizedScrollArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }
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
