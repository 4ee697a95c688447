#pragma once
// "Importation ADIF": what an import would do, before anything is written:
// the QSOs to add, those the log holds already, those refused and why.
#include <QDialog>

#include "core/reports/AdifImport.h"

class SettingsStore;

class ImportSummaryDialog final : public QDialog {
  Q_OBJECT
 public:
  ImportSummaryDialog(const kmb::ImportPlan& plan, SettingsStore& settings, QWidget* parent);
};
