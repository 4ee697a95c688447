#include "app/Cp1252Text.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromCp1252(std::string_view bytes) {
  QStringDecoder decode("windows-1252");
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool IsCp1252Character(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return true;
  static constexpr char16_t kHigh[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                       0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                       0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  for (char16_t h : kHigh)
    if (u == h) return true;
  return false;
}

kmb::Bytes ToCp1252(const QString& text) {
  QString safe = text;
  for (QChar& c : safe)
    if (!IsCp1252Character(c)) c = QLatin1Char('?');
  QStringEncoder encode("windows-1252");
  const QByteArray bytes = encode(safe);
  return kmb::Bytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString CleanTypedText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    const bool control = u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0);
    if (!control && IsCp1252Character(c)) out += c;
  }
  return out;
}

namespace {

template <typename Convert>
QString MapKeepingLength(const QString& text, Convert convert) {
  QString out = text;
  for (QChar& c : out) {
    const QString mapped = convert(QString(c));
    if (mapped.size() == 1 && IsCp1252Character(mapped.at(0))) c = mapped.at(0);
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
