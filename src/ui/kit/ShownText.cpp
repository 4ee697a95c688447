#include "ui/kit/ShownText.h"

#include <QStringDecoder>

#include "core/log/Cp1252Text.h"

QString FromCp1252(std::string_view bytes) {
  QStringDecoder decode("windows-1252");
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
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

namespace {

// Only a mapping that stays one Windows-1252 character is taken.
template <typename Convert>
QString MapKeepingLength(const QString& text, Convert convert) {
  QString out = text;
  for (QChar& c : out) {
    const QString mapped = convert(QString(c));
    if (mapped.size() == 1 && kmb::Cp1252Byte(mapped.at(0).unicode())) c = mapped.at(0);
  }
  return out;
}

}  // namespace

QString UpperKeepingLength(const QString& text) {
  return MapKeepingLength(text, [](const QString& s) { return s.toUpper(); });
}

QString LowerKeepingLength(const QString& text) {
  return MapKeepingLength(text, [](const QString& s) { return s.toLower(); });
}
