#pragma once
// "Confirmations reçues": what a file of confirmations would mark in the
// log, before anything is written: the QSOs to confirm, those confirmed
// already, the records without a QSO in the log and the ambiguous ones.
#include <QDialog>

#include "core/reports/ConfirmationMatch.h"

class SettingsStore;

class ConfirmationSummaryDialog final : public QDialog {
  Q_OBJECT
 public:
  // `log` is the log the match was made on.
  ConfirmationSummaryDialog(const kmb::ConfirmationMatch& match, const kmb::Lines& log, SettingsStore& settings,
                            QWidget* parent);
};
