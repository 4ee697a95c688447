#pragma once
// Lines of text sent to a printer, top to bottom, a new page when one is full.
#include <QStringList>

class QFont;
class QPrinter;

// Ends the document so the printer receives the job; false when the printer
// could not be started.
bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines);
