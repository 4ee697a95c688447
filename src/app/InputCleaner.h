#pragma once
class QLineEdit;

// Keeps a field to what a log line can hold: no control characters, no line
// breaks from a paste, nothing outside Windows-1252.
void KeepToLogCharacters(QLineEdit& field);
