#include "ui/reports/ImportSummaryDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/kit/Fonts.h"
#include "ui/kit/LogListModel.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowKeys.h"
#include "ui/kit/WindowPlacement.h"

namespace {

QListView* LinesView(const char* name, QAbstractItemModel* model, QWidget* parent) {
  auto* view = Named(new QListView(parent), name);
  model->setParent(view);
  view->setModel(model);
  view->setFont(ListFont());
  view->setUniformItemSizes(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return view;
}

// Log lines stay bytes until they are painted: a long file shows at once.
QAbstractItemModel* LogLines(const kmb::Lines& lines) {
  auto* model = new LogListModel;
  model->setLines(lines);
  return model;
}

QAbstractItemModel* Reasons(const std::vector<kmb::RefusedRecord>& refused) {
  QStringList shown;
  for (const kmb::RefusedRecord& record : refused)
    shown << QStringLiteral("Enregistrement %1 (%2) : %3")
                 .arg(record.number)
                 .arg(FromCp1252(record.call), QString::fromStdString(record.reason));
  return new QStringListModel(shown);
}

// French counts agree from two on ("1 refusé", "2 refusés"); 0 takes the singular.
QString Agreed(std::size_t count, const QString& one, const QString& many) {
  return (count > 1 ? many : one).arg(count);
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

bool ImportSummaryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(*event))) return true;
  return QDialog::eventFilter(watched, event);
}

ImportSummaryDialog::ImportSummaryDialog(const kmb::ImportPlan& plan, SettingsStore& settings, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("Importation_ADIF"));
  setWindowTitle(QStringLiteral("Importation ADIF"));
  auto* counts = Named(new QLabel(Counts(plan), this), "Compte_Import");
  auto* tabs = new QTabWidget(this);
  tabs->addTab(LinesView("QSO_A_Ajouter", LogLines(plan.toAdd), tabs),
               QStringLiteral("&À ajouter (%1)").arg(plan.toAdd.size()));
  tabs->addTab(LinesView("QSO_Deja_Dans_Le_Log", LogLines(plan.alreadyInLog), tabs),
               QStringLiteral("&Déjà dans le log (%1)").arg(plan.alreadyInLog.size()));
  tabs->addTab(LinesView("QSO_Refuses", Reasons(plan.refused), tabs),
               QStringLiteral("&Refusés (%1)").arg(plan.refused.size()));
  auto* import = Named(new QPushButton(QStringLiteral("Importer"), this), "Importer");
  auto* cancel = Named(new QPushButton(QStringLiteral("Annuler"), this), "Annuler");
  import->setEnabled(!plan.toAdd.empty());
  connect(import, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(import);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(counts);
  layout->addWidget(tabs, 1);
  layout->addLayout(buttons);
  PressButtonsOnEnter(*this);
  for (QListView* view : findChildren<QListView*>()) view->installEventFilter(this);
  for (int tab = 0; tab < tabs->count(); ++tab) NameAfterCaption(*tabs->widget(tab), tabs->tabText(tab));
  resize(QFontMetrics(ListFont()).horizontalAdvance(QString(110, u'M')), 480);
  PlaceWindow(*this, settings);
  (plan.toAdd.empty() ? cancel : import)->setFocus();
}
