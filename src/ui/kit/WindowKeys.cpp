#include "ui/kit/WindowKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include "ui/kit/WidgetHelpers.h"

namespace {

// Enter runs `act`; with `capitals`, the other keys type small letters as capitals into it.
class EnterAction final : public QObject {
 public:
  EnterAction(QWidget& widget, std::function<void()> act, QLineEdit* capitals = nullptr)
      : QObject(&widget), act_(std::move(act)), capitals_(capitals) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!IsEnter(key)) return capitals_ ? TypeSmallLetterAsCapital(*capitals_, key) : false;
    act_();
    return true;
  }

 private:
  std::function<void()> act_;
  QLineEdit* capitals_;
};

}  // namespace

void PressButtonsOnEnter(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void CloseOnEscape(QWidget& window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

void ActOnEnterTypingCapitals(QLineEdit& box, std::function<void()> act) {
  box.installEventFilter(new EnterAction(box, std::move(act), &box));
}

void ActOnEnter(QWidget& widget, std::function<void()> act) {
  widget.setFocusPolicy(Qt::StrongFocus);
  widget.installEventFilter(new EnterAction(widget, std::move(act)));
}
