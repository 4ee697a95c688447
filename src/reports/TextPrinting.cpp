#include "reports/TextPrinting.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageBottom = painter.window().height() - metrics.descent();
  int baseline = metrics.ascent();
  for (const QString& line : lines) {
    if (baseline > pageBottom) {
      printer.newPage();
      baseline = metrics.ascent();
    }
    painter.drawText(0, baseline, line);
    baseline += metrics.lineSpacing();
  }
  return painter.end();
}
