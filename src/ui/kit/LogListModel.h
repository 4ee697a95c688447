#pragma once
// The lines a list shows, kept as bytes and turned into text only when a row
// is painted or read aloud, so long logs load fast. The main list numbers
// each line as its row; other lists show their lines as they are.
#include <QAbstractListModel>
#include <string_view>

#include "core/log/LogFile.h"

class LogListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  // The text of the row at a place (from 0), made from its line.
  using RowText = kmb::Bytes (*)(std::size_t place, std::string_view line);

  explicit LogListModel(QObject* parent = nullptr, RowText rowText = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void setLines(kmb::Lines lines);
  const kmb::Lines& lines() const { return lines_; }

 private:
  RowText rowText_;
  kmb::Lines lines_;
};
