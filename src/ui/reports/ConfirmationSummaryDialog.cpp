#include "ui/reports/ConfirmationSummaryDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>

#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/reports/SummaryLists.h"

namespace {

kmb::Lines LinesAt(const kmb::Lines& log, const std::vector<std::size_t>& indices) {
  kmb::Lines lines;
  lines.reserve(indices.size());
  for (const std::size_t i : indices) lines.push_back(log[i]);
  return lines;
}

QAbstractItemModel* Records(const std::vector<kmb::ConfirmingRecord>& records) {
  QStringList shown;
  for (const kmb::ConfirmingRecord& r : records)
    shown << QStringLiteral("%1  %2  %3  %4")
                 .arg(FromCp1252(r.call), FromCp1252(r.date), FromCp1252(r.time), FromCp1252(r.band));
  return new QStringListModel(shown);
}

QString Counts(const kmb::ConfirmationMatch& m) {
  QString text =
      QStringLiteral("%1 QSO à confirmer, ").arg(m.toConfirm.size()) +
      Agreed(m.alreadyConfirmed.size(), QStringLiteral("%1 déjà confirmé, "), QStringLiteral("%1 déjà confirmés, ")) +
      QStringLiteral("%1 sans QSO dans le log, ").arg(m.notInLog.size()) +
      Agreed(m.ambiguous.size(), QStringLiteral("%1 ambigu."), QStringLiteral("%1 ambigus."));
  if (m.notConfirming > 0)
    text += Agreed(m.notConfirming, QStringLiteral(" %1 enregistrement ne confirme rien : il est laissé de côté."),
                   QStringLiteral(" %1 enregistrements ne confirment rien : ils sont laissés de côté."));
  return text;
}

}  // namespace

ConfirmationSummaryDialog::ConfirmationSummaryDialog(const kmb::ConfirmationMatch& match, const kmb::Lines& log,
                                                     SettingsStore& settings, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("Confirmations_Recues"));
  setWindowTitle(QStringLiteral("Confirmations reçues"));
  auto* counts = Named(new QLabel(Counts(match), this), "Compte_Confirmations");
  counts->setWordWrap(true);
  auto* tabs = new QTabWidget(this);
  tabs->addTab(LinesView("QSO_A_Confirmer", LogLinesModel(LinesAt(log, match.toConfirm)), tabs),
               QStringLiteral("À &confirmer (%1)").arg(match.toConfirm.size()));
  tabs->addTab(LinesView("QSO_Deja_Confirmes", LogLinesModel(LinesAt(log, match.alreadyConfirmed)), tabs),
               QStringLiteral("&Déjà confirmés (%1)").arg(match.alreadyConfirmed.size()));
  tabs->addTab(LinesView("Sans_QSO_Dans_Le_Log", Records(match.notInLog), tabs),
               QStringLiteral("&Sans QSO dans le log (%1)").arg(match.notInLog.size()));
  tabs->addTab(LinesView("QSO_Ambigus", Records(match.ambiguous), tabs),
               QStringLiteral("A&mbigus (%1)").arg(match.ambiguous.size()));
  auto* confirm = Named(new QPushButton(QStringLiteral("Confirmer"), this), "Confirmer");
  confirm->setEnabled(!match.toConfirm.empty());
  LayOutSummary(*this, counts, tabs, confirm, settings);
}
