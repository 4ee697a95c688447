#pragma once
// The main window as a secondary window sees it: a station, the rows of the
// list, and the rows the window selected.
#include <QtTest>
#include <QtWidgets>
#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "support/TestSupport.h"
#include "ui/kit/LogbookView.h"

class FakeLogbook final : public LogbookView {
 public:
  explicit FakeLogbook(std::string call = "F4ABC") : call_(std::move(call)) {}
  std::string stationCall() const override { return call_; }
  const std::vector<kmb::Bytes>& listRows() const override { return rows; }
  void selectListRow(int index) override { selected.push_back(index); }

  // Appends the list row of a log line, numbered after the others.
  void addLine(const QByteArray& logLine) {
    rows.push_back(kmb::FormatListRow(rows.size() + 1, logLine.toStdString()));
  }

  std::vector<kmb::Bytes> rows;
  std::vector<int> selected;

 private:
  std::string call_;
};

template <typename W>
W* Find(QWidget& window, const QString& name) {
  W* widget = window.findChild<W*>(name);
  if (!widget) qFatal("missing widget %s", qPrintable(name));
  return widget;
}

// The visible top-level windows of that object name.
inline QList<QWidget*> TopLevels(const QString& name) {
  QList<QWidget*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) found << w;
  return found;
}

// Every character as wide as any other, whatever the font says of itself.
inline bool IsMonospaced(const QFont& font) {
  const QFontMetrics metrics(font);
  const int narrow = metrics.horizontalAdvance(QStringLiteral("iiiiiiii"));
  return narrow == metrics.horizontalAdvance(QStringLiteral("WWWWWWWW")) &&
         narrow == metrics.horizontalAdvance(QStringLiteral("        "));
}
