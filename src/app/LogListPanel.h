#pragma once
// The numbered list of the log (Liste_KMB) under its column titles. A click
// or the arrows show a row, a double click or Enter opens it, Delete asks to
// delete it.
#include <QGroupBox>

#include "core/log/LogFile.h"

class QListView;
class ColumnTitles;
class LogListModel;

class LogListPanel final : public QGroupBox {
  Q_OBJECT
 public:
  explicit LogListPanel(QWidget* parent);

  // One numbered row per line, in file order.
  void showLines(kmb::Lines lines);
  void clear();
  const kmb::Lines& lines() const;

  // Selects a row as the operator's click does.
  void selectRow(int index);
  void selectLastRow();
  int currentRow() const;  // -1 when none

  QListView& list() { return *list_; }

 signals:
  void rowShown();
  void rowOpened();
  void deleteAsked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ColumnTitles* titles_ = nullptr;  // Label_Liste_BQRT
  QListView* list_ = nullptr;       // Liste_KMB
  LogListModel* model_ = nullptr;
};
