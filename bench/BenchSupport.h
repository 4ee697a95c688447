#pragma once
// Seams that stay quiet while a benchmark runs.
#include "app/Messenger.h"
#include "app/PrinterChooser.h"

class SilentMessenger final : public Messenger {
 public:
  void inform(QWidget*, const QString&) override {}
  bool ask(QWidget*, const QString&) override { return false; }
};

class NoPrinter final : public PrinterChooser {
 public:
  bool choose(QPrinter&, QWidget*) override { return false; }
};
