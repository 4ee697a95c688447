#pragma once
// Chooses the station call sign, stores it and creates its empty log when
// there is none yet.
#include <QDialog>

#include "ui/kit/AppContext.h"

class QLineEdit;
class QPushButton;

class StationDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit StationDialog(AppContext& context, QWidget* parent = nullptr);

 signals:
  // A call sign was accepted and stored; its log exists or could not be made.
  void stationAccepted(const QString& storedCall);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void acceptCallSign();
  bool callSignKeyPress(class QKeyEvent& key);

  AppContext& ctx_;
  QLineEdit* callSign_ = nullptr;
  QPushButton* accept_ = nullptr;
};
