#pragma once
// Conversion between what the windows show (QString) and what the files hold
// (Windows-1252 bytes).
#include <QListWidget>
#include <QString>
#include <string_view>

#include "core/log/FixedColumns.h"

QString FromCp1252(std::string_view bytes);

// A row as the lists show it: a control byte another program left in a line
// shows as "¤", so nothing after it is hidden.
QString ShownRow(std::string_view bytes);

// Characters Windows-1252 lacks become the nearest letters it has ("Ł" is
// "L"), "?" when there are none; the typed text is cleaned before it gets
// here, so this is a last guard, never a silent 0x1A.
kmb::Bytes ToCp1252(const QString& text);

// Drops control characters and signs that have no letters, and turns
// letters Windows-1252 lacks into the nearest ones it has, so that neither
// typing nor pasting can break a fixed-column line or lose a letter.
QString CleanTypedText(const QString& text);

// Upper case, character by character, never changing the length ("ß" stays).
QString UpperKeepingLength(const QString& text);
QString LowerKeepingLength(const QString& text);

// An item of `list` showing `row`, which it keeps as bytes for RowBytes.
QListWidgetItem* AddRowItem(QListWidget& list, const kmb::Bytes& row);
kmb::Bytes RowBytes(const QListWidgetItem& item);
