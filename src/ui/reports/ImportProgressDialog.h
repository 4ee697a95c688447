#pragma once
// The window shown while an ADIF file is read: how many records are read so
// far, and "Annuler", which asks the reading to stop. The window stays until
// the reading has stopped, so that nothing else starts meanwhile.
#include <QDialog>
#include <cstddef>
#include <functional>

class QLabel;
class QPushButton;

class ImportProgressDialog final : public QDialog {
  Q_OBJECT
 public:
  // `recordsRead` is asked again and again while the window shows.
  ImportProgressDialog(const QString& caption, std::function<std::size_t()> recordsRead, QWidget* parent);

  // "Annuler", Escape and the window's close box ask for the stop.
  void reject() override;

 signals:
  void cancelAsked();

 private:
  void showCount();

  std::function<std::size_t()> recordsRead_;
  QLabel* text_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
