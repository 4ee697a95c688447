// A spot of the cluster taken into the entry: the fields a spot gives walk
// the same checks and fill-ins as typed ones (first-name list, wash-house
// already contacted on the band).
#include <QComboBox>
#include <QLineEdit>

#include "app/EntryForm.h"
#include "core/settings/StationCall.h"

std::optional<QString> EntryForm::busyFor(const QString& action) const {
  if (mode_ != EntryMode::Entry || rowLocked_)
    return QStringLiteral(
               "Un QSO est en cours de modification ou d'insertion : enregistrez-le ou annulez-le avant de %1.")
        .arg(action);
  if (!call_->isEnabled()) return std::nullopt;
  for (const QLineEdit* field : {call_, firstName_, department_, reference_})
    if (!field->text().isEmpty())
      return QStringLiteral(
                 "Un QSO est en cours de saisie : validez-le ou annulez-le (« Annuler saisie en cours ») avant de %1.")
          .arg(action);
  return std::nullopt;
}

std::optional<QString> EntryForm::takeSpot(const QString& band, const QString& call, const QString& reference,
                                           const QString& mode) {
  if (around_.stationCall() == kmb::kNoStation)
    return QStringLiteral("Aucune station n'est choisie : indiquez d'abord votre indicatif (menu Station).");
  const int item = band_->findText(band, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (item < 0)
    return QStringLiteral("La saisie n'a pas de bande %1 : ce spot ne peut pas être repris dans le log.").arg(band);
  if (std::optional<QString> busy = busyFor(QStringLiteral("prendre un spot"))) return busy;
  // A row of the list only shown holds nothing typed.
  if (!call_->isEnabled()) reset();
  band_->setCurrentIndex(item);
  if (radioMode_.isEmpty() && !mode.isEmpty()) qsoMode_->setEditText(mode);
  // A spot without a reference stops after the call sign; a refusal stops where it is said.
  const Control last = reference.isEmpty() ? Control::Ind : Control::Ref;
  for (const Control c : {Control::Bande, Control::Ind, Control::Prenom, Control::Dpt, Control::Ref}) {
    if (c == Control::Ind) call_->setText(call);
    if (c == Control::Ref) reference_->setText(reference);
    if (!enter(c) || c == last) break;
  }
  return std::nullopt;
}
