#pragma once
// The main window as the award windows see it: only the station matters.
#include <string>
#include <vector>

#include "app/LogbookView.h"

class FakeLogbook final : public LogbookView {
 public:
  explicit FakeLogbook(std::string call) : call_(std::move(call)) {}
  std::string stationCall() const override { return call_; }
  const std::vector<kmb::Bytes>& listRows() const override { return rows_; }
  void selectListRow(int) override {}

 private:
  std::string call_;
  std::vector<kmb::Bytes> rows_;
};

template <typename W>
W* Find(QWidget& window, const QString& name) {
  W* widget = window.findChild<W*>(name);
  if (!widget) qFatal("missing widget %s", qPrintable(name));
  return widget;
}
