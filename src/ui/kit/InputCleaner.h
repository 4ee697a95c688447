#pragma once
class QLineEdit;

// Keeps a field to what a log line can hold: no control characters, no line
// breaks from a paste, and letters outside Windows-1252 turned into the
// nearest ones it has.
void KeepToLogCharacters(QLineEdit& field);
