#include "ui/reports/ImportSummaryDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>

#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/reports/SummaryLists.h"

namespace {

QAbstractItemModel* Reasons(const std::vector<kmb::RefusedRecord>& refused) {
  QStringList shown;
  for (const kmb::RefusedRecord& record : refused)
    shown << QStringLiteral("Enregistrement %1 (%2) : %3")
                 .arg(record.number)
                 .arg(FromCp1252(record.call), QString::fromStdString(record.reason));
  return new QStringListModel(shown);
}

QString Counts(const kmb::ImportPlan& plan) {
  QString text =
      QStringLiteral("%1 QSO à ajouter, %2 déjà dans le log, ").arg(plan.toAdd.size()).arg(plan.alreadyInLog.size()) +
      Agreed(plan.refused.size(), QStringLiteral("%1 refusé."), QStringLiteral("%1 refusés."));
  if (plan.firstNamesCut > 0)
    text += Agreed(plan.firstNamesCut, QStringLiteral(" %1 prénom coupé à 15 caractères."),
                   QStringLiteral(" %1 prénoms coupés à 15 caractères."));
  if (plan.withoutReports > 0)
    text += Agreed(plan.withoutReports,
                   QStringLiteral(" %1 QSO sans report reçu ou envoyé : sa modification demandera de le saisir."),
                   QStringLiteral(" %1 QSO sans report reçu ou envoyé : la modification de l'un d'eux demandera de "
                                  "le saisir."));
  return text;
}

}  // namespace

ImportSummaryDialog::ImportSummaryDialog(const kmb::ImportPlan& plan, SettingsStore& settings, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("Importation_ADIF"));
  setWindowTitle(QStringLiteral("Importation ADIF"));
  auto* counts = Named(new QLabel(Counts(plan), this), "Compte_Import");
  auto* tabs = new QTabWidget(this);
  tabs->addTab(LinesView("QSO_A_Ajouter", LogLinesModel(plan.toAdd), tabs),
               QStringLiteral("&À ajouter (%1)").arg(plan.toAdd.size()));
  tabs->addTab(LinesView("QSO_Deja_Dans_Le_Log", LogLinesModel(plan.alreadyInLog), tabs),
               QStringLiteral("&Déjà dans le log (%1)").arg(plan.alreadyInLog.size()));
  tabs->addTab(LinesView("QSO_Refuses", Reasons(plan.refused), tabs),
               QStringLiteral("&Refusés (%1)").arg(plan.refused.size()));
  auto* import = Named(new QPushButton(QStringLiteral("Importer"), this), "Importer");
  import->setEnabled(!plan.toAdd.empty());
  LayOutSummary(*this, counts, tabs, import, settings);
}
