#pragma once
// The printer-choice dialog, behind a seam so tests print to a PDF file.
class QPrinter;
class QWidget;

class PrinterChooser {
 public:
  virtual ~PrinterChooser() = default;
  // Lets the operator pick the printer; false when the choice is cancelled.
  virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

class DialogPrinterChooser final : public PrinterChooser {
 public:
  bool choose(QPrinter& printer, QWidget* parent) override;
};
