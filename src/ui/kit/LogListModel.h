#pragma once
// The rows of the main list, kept as the bytes of the log and turned into
// text only when a row is painted, so long logs load fast.
#include <QAbstractListModel>
#include <vector>

#include "core/log/FixedColumns.h"

class LogListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void setRows(std::vector<kmb::Bytes> rows);
  const std::vector<kmb::Bytes>& rows() const { return rows_; }

 private:
  std::vector<kmb::Bytes> rows_;
};
