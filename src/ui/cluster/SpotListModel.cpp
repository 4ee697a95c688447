#include "ui/cluster/SpotListModel.h"

#include <QColor>

#include "core/cluster/SpotsOnAir.h"
#include "ui/kit/ShownText.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;

QColor StateColour(kmb::ReferenceState state) {
  switch (state) {
    case kmb::ReferenceState::NewLavoir: return {176, 240, 176};
    case kmb::ReferenceState::NewOnBand: return {255, 222, 160};
    case kmb::ReferenceState::AlreadyWorked: return {216, 216, 216};
    case kmb::ReferenceState::NoReference: break;
  }
  return {};
}

QString TimeText(kmb::Minute minute) {
  const auto ofDay = int(((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
  return QStringLiteral("%1:%2").arg(ofDay / 60, 2, 10, QChar(u'0')).arg(ofDay % 60, 2, 10, QChar(u'0'));
}

QString SpottersText(const kmb::SpotRow& row) {
  const auto others = qsizetype(row.spotters.size()) - 1;
  const QString last = FromCp1252(row.spotter);
  if (others <= 0) return last;
  return others == 1 ? last + QStringLiteral(" et 1 autre") : last + QStringLiteral(" et %1 autres").arg(others);
}

QString CellText(const ShownSpot& spot, int column, kmb::Minute now) {
  const kmb::SpotRow& row = spot.row;
  switch (column) {
    case SpotListModel::Time: return TimeText(row.last);
    case SpotListModel::Age: return QString::fromStdString(kmb::SpotAge(row.last, now));
    case SpotListModel::Frequency: return QString::number(row.kHz, 'f', 1);
    case SpotListModel::Call: return FromCp1252(row.call);
    case SpotListModel::Reference: return FromCp1252(row.reference);
    case SpotListModel::State: return StateText(spot.state);
    case SpotListModel::Band: return FromCp1252(row.band);
    case SpotListModel::Mode: return FromCp1252(row.mode);
    case SpotListModel::Spotters: return SpottersText(row);
    case SpotListModel::Comment: return FromCp1252(row.comment);
    default: return {};
  }
}

}  // namespace

QString StateText(kmb::ReferenceState state) {
  switch (state) {
    case kmb::ReferenceState::NewLavoir: return QStringLiteral("Nouveau lavoir");
    case kmb::ReferenceState::NewOnBand: return QStringLiteral("Nouveau sur la bande");
    case kmb::ReferenceState::AlreadyWorked: return QStringLiteral("Déjà contacté");
    case kmb::ReferenceState::NoReference: break;
  }
  return {};
}

int SpotListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(spots_.size()); }

int SpotListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SpotListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ShownSpot& spot = spots_[std::size_t(index.row())];
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return CellText(spot, index.column(), now_);
  if (role == Qt::BackgroundRole && spot.state != kmb::ReferenceState::NoReference) return StateColour(spot.state);
  if (role == Qt::ForegroundRole && spot.state != kmb::ReferenceState::NoReference) return QColor(Qt::black);
  return {};
}

QVariant SpotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const QStringList kTitles{
      QStringLiteral("Heure UTC"), QStringLiteral("Âge"),        QStringLiteral("kHz"),   QStringLiteral("Indicatif"),
      QStringLiteral("Référence"), QStringLiteral("État"),       QStringLiteral("Bande"), QStringLiteral("Mode"),
      QStringLiteral("Spotters"),  QStringLiteral("Commentaire")};
  return kTitles.value(section);
}

void SpotListModel::setSpots(std::vector<ShownSpot> spots, kmb::Minute now) {
  beginResetModel();
  spots_ = std::move(spots);
  now_ = now;
  endResetModel();
}
