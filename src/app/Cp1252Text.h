#pragma once
// Conversion between what the windows show (QString) and what the files hold
// (Windows-1252 bytes).
#include <QString>
#include <string_view>

#include "log/FixedColumns.h"

QString FromCp1252(std::string_view bytes);

// Characters Windows-1252 cannot hold become "?" (the typed text is cleaned
// before it gets here, so this is a last guard, never a silent 0x1A).
kmb::Bytes ToCp1252(const QString& text);

bool IsCp1252Character(QChar c);

// Drops control characters and characters Windows-1252 cannot hold, so that
// neither typing nor pasting can break a fixed-column line.
QString CleanTypedText(const QString& text);

// Upper case, character by character, never changing the length ("ß" stays).
QString UpperKeepingLength(const QString& text);
QString LowerKeepingLength(const QString& text);
