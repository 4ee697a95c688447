#include "ui/kit/WindowKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include "ui/kit/WidgetHelpers.h"

namespace {

class EnterAction final : public QObject {
 public:
  EnterAction(QWidget& widget, std::function<void()> act) : QObject(&widget), act_(std::move(act)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<const QKeyEvent&>(*event)))
      return QObject::eventFilter(watched, event);
    act_();
    return true;
  }

 private:
  std::function<void()> act_;
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

void ActOnEnter(QWidget& widget, std::function<void()> act) {
  widget.setFocusPolicy(Qt::StrongFocus);
  widget.installEventFilter(new EnterAction(widget, std::move(act)));
}
