#include "ui/kit/LinePrinter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "ui/kit/Fonts.h"
#include "ui/kit/ShownText.h"

bool PrintLines(QPagedPaintDevice& pages, const kmb::Lines& lines) {
  QPainter painter;
  if (!painter.begin(&pages)) return false;
  painter.setFont(PrintFont());
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageHeight = painter.viewport().height();
  int top = 0;
  for (const kmb::Bytes& line : lines) {
    if (top + metrics.lineSpacing() > pageHeight && top > 0) {
      pages.newPage();
      top = 0;
    }
    painter.drawText(0, top + metrics.ascent(), FromCp1252(line));
    top += metrics.lineSpacing();
  }
  return painter.end();
}

QByteArray LinesPdf(const kmb::Lines& lines, const QString& title) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("ORX_KMB"));
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  if (!PrintLines(writer, lines)) return {};
  return pdf.data();
}
