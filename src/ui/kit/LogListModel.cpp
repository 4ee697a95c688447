#include "ui/kit/LogListModel.h"

#include "ui/kit/ShownText.h"

LogListModel::LogListModel(QObject* parent, RowText rowText) : QAbstractListModel(parent), rowText_(rowText) {}

int LogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const auto n = static_cast<std::size_t>(index.row());
  return rowText_ ? ShownRow(rowText_(n, lines_[n])) : ShownRow(lines_[n]);
}

void LogListModel::setLines(kmb::Lines lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}
