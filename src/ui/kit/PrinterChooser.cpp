#include "ui/kit/PrinterChooser.h"

#include <QPrintDialog>
#include <QPrinter>

bool DialogPrinterChooser::choose(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}
