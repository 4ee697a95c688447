#pragma once
// Prints lines of text one under the other in the print font, going on to a
// new page when the page is full.
#include "core/log/LogFile.h"

class QPrinter;

// Ends the document so the printer receives the job; false when the printer
// could not be started. Lines are Windows-1252 bytes.
bool PrintLines(QPrinter& printer, const kmb::Lines& lines);
