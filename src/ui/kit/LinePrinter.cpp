#include "ui/kit/LinePrinter.h"

#include <QPainter>
#include <QPrinter>

#include "ui/kit/Fonts.h"
#include "ui/kit/ShownText.h"

bool PrintLines(QPrinter& printer, const kmb::Lines& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(PrintFont());
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageHeight = painter.viewport().height();
  int top = 0;
  for (const kmb::Bytes& line : lines) {
    if (top + metrics.lineSpacing() > pageHeight && top > 0) {
      printer.newPage();
      top = 0;
    }
    painter.drawText(0, top + metrics.ascent(), FromCp1252(line));
    top += metrics.lineSpacing();
  }
  return painter.end();
}
