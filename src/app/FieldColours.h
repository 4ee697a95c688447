#pragma once
#include <QColor>
#include <QWidget>

// Light green marks the control that takes the next input, light yellow a
// control that waits.
inline const QColor kLightGreen{192, 255, 192};
inline const QColor kLightYellow{255, 255, 192};

void SetFieldColour(QWidget& field, const QColor& colour);
QColor FieldColour(const QWidget& field);
