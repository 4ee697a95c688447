#include "ui/kit/LogListModel.h"

#include "ui/kit/ShownText.h"

int LogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return ShownRow(rows_[static_cast<std::size_t>(index.row())]);
}

void LogListModel::setRows(std::vector<kmb::Bytes> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}
