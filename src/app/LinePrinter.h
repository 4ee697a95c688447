#pragma once
// Prints lines of text one under the other in one font, going on to a new
// page when the page is full.
#include <QFont>
#include <QStringList>

class QPrinter;

// Ends the document so the printer receives the job; false when the printer
// could not be started.
bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines);
