#pragma once
// The rows of "Spots KMB", each with the state of its wash-house in the log,
// in words and in colour. The node's text is shown as plain text.
#include <QAbstractTableModel>
#include <vector>

#include "core/cluster/SpotTable.h"
#include "core/cluster/WorkedReferences.h"

struct ShownSpot {
  kmb::SpotRow row;
  kmb::ReferenceState state = kmb::ReferenceState::NoReference;
};

class SpotListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Time, Age, Frequency, Call, Reference, State, Band, Mode, Spotters, Comment, ColumnCount };

  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // `now` dates the ages.
  void setSpots(std::vector<ShownSpot> spots, kmb::Minute now);
  const std::vector<ShownSpot>& spots() const { return spots_; }

 private:
  std::vector<ShownSpot> spots_;
  kmb::Minute now_ = 0;
};

QString StateText(kmb::ReferenceState state);
