#include "ui/kit/NamedWidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ui/kit/FieldColours.h"
#include "ui/kit/WidgetHelpers.h"

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

QFrame* NamedFrame(const char* name, QWidget* parent) {
  auto* frame = Named(new QFrame(parent), name);
  frame->setFrameShape(QFrame::StyledPanel);
  return frame;
}

QLineEdit* FigureBox(const char* name, const QColor& background, QWidget* parent) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setAlignment(Qt::AlignCenter);
  SetFieldColour(*box, background);
  return box;
}

QFrame* TitleFrame(const QString& title, QWidget* parent) {
  auto* frame = NamedFrame("Frame1", parent);
  auto* label = NamedLabel("Label2", title, frame);
  label->setAlignment(Qt::AlignCenter);
  QFont big = label->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  label->setFont(big);
  (new QVBoxLayout(frame))->addWidget(label);
  return frame;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget.setPalette(palette);
}

QLabel* StatusLine(const char* name, const QString& accessibleName, QWidget* parent) {
  auto* line = NamedLabel(name, {}, parent);
  line->setTextFormat(Qt::PlainText);
  line->setWordWrap(true);
  line->setAccessibleName(accessibleName);
  return line;
}

void ShowStatus(QLabel& line, const QString& text) {
  line.setText(text);
  line.setAccessibleDescription(text);
}

void NameAfterCaption(QWidget& control, const QString& caption) {
  static const QRegularExpression shortcutMark(QStringLiteral("&(?!&)"));
  const QString name = QString(caption).remove(shortcutMark).trimmed();
  control.setAccessibleName(name);
  // Typing goes to an editable combo box's line edit; on Linux the box itself is read out by its text.
  if (auto* combo = qobject_cast<QComboBox*>(&control); combo && combo->lineEdit())
    combo->lineEdit()->setAccessibleName(name);
}
