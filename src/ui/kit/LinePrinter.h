#pragma once
// Prints lines of text one under the other in the print font, going on to a
// new page when the page is full.
#include <QByteArray>
#include <QString>

#include "core/log/LogFile.h"

class QPagedPaintDevice;

// Ends the document so the printer receives the job; false when the printer
// could not be started. Lines are Windows-1252 bytes.
bool PrintLines(QPagedPaintDevice& pages, const kmb::Lines& lines);

// The same lines on A4 pages, as the bytes of a PDF file titled `title`;
// empty when the document could not be drawn.
QByteArray LinesPdf(const kmb::Lines& lines, const QString& title);
