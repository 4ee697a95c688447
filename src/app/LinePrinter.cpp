#include "app/LinePrinter.h"

#include <QPainter>
#include <QPrinter>

bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageHeight = painter.viewport().height();
  int top = 0;
  for (const QString& line : lines) {
    if (top + metrics.lineSpacing() > pageHeight && top > 0) {
      printer.newPage();
      top = 0;
    }
    painter.drawText(0, top + metrics.ascent(), line);
    top += metrics.lineSpacing();
  }
  return painter.end();
}
