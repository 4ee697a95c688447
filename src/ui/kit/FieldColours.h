#pragma once
#include <QColor>
#include <QWidget>

// Light green marks the control that takes the next input, light yellow a
// control that waits.
inline const QColor kLightGreen{192, 255, 192};
inline const QColor kLightYellow{255, 255, 192};

void SetFieldColour(QWidget& field, const QColor& colour);
// Disabled and light yellow: the control waits for its turn.
void SetWaiting(QWidget& field);
QColor FieldColour(const QWidget& field);
