#include "ui/kit/AfterShown.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstShow final : public QObject {
 public:
  FirstShow(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      watched->removeEventFilter(this);
      // After the window has been painted once.
      QTimer::singleShot(0, watched, std::move(work_));
    }
    return false;
  }

 private:
  std::function<void()> work_;
};

}  // namespace

void AfterFirstShown(QWidget& window, std::function<void()> work) { new FirstShow(window, std::move(work)); }
