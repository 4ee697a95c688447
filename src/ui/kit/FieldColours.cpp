#include "ui/kit/FieldColours.h"

#include <QPalette>

void SetFieldColour(QWidget& field, const QColor& colour) {
  QPalette palette = field.palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Button, colour);
  field.setPalette(palette);
}

QColor FieldColour(const QWidget& field) { return field.palette().color(QPalette::Base); }

void SetWaiting(QWidget& field) {
  field.setEnabled(false);
  SetFieldColour(field, kLightYellow);
}
