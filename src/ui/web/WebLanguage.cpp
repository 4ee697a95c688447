#include "ui/web/WebLanguage.h"

#include <QByteArray>
#include <QLocale>

void SpeakFrenchOnTheWeb() {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--lang=")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --lang=fr").trimmed());
}
