#include "ui/kit/ShownText.h"

#include <QStringDecoder>

#include "core/log/Cp1252Case.h"
#include "core/log/Cp1252Text.h"

QString FromCp1252(std::string_view bytes) {
  QStringDecoder decode("windows-1252");
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString ShownRow(std::string_view bytes) {
  QString text = FromCp1252(bytes);
  for (QChar& c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u'\u00A4';
  return text;
}

kmb::Bytes ToCp1252(const QString& text) { return kmb::Cp1252FromUnicode(text.toStdU32String()); }

QString CleanTypedText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const char32_t c : text.toStdU32String()) {
    const bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
    if (control) continue;
    if (kmb::Cp1252Byte(c))
      out += QString::fromUcs4(&c, 1);
    else if (const auto letters = kmb::Cp1252Letters(c))
      out += FromCp1252(*letters);
  }
  return out;
}

QString UpperKeepingLength(const QString& text) { return FromCp1252(kmb::UpperCp1252(ToCp1252(text))); }

QString LowerKeepingLength(const QString& text) { return FromCp1252(kmb::LowerCp1252(ToCp1252(text))); }

QListWidgetItem* AddRowItem(QListWidget& list, const kmb::Bytes& row) {
  auto* item = new QListWidgetItem(ShownRow(row), &list);
  item->setData(Qt::UserRole, QByteArray::fromStdString(row));
  return item;
}

kmb::Bytes RowBytes(const QListWidgetItem& item) { return item.data(Qt::UserRole).toByteArray().toStdString(); }
