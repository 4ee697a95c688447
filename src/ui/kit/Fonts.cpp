#include "ui/kit/Fonts.h"

QFont ListFont() {
  QFont font(QStringLiteral("DejaVu Sans Mono"), 9);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

QFont PrintFont() {
  QFont font(QStringLiteral("Courier New"), 9);
  font.setBold(true);
  return font;
}
