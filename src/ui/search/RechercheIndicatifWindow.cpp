#include "ui/search/RechercheIndicatifWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "core/entry/EntryControls.h"
#include "core/search/SearchResultRow.h"
#include "ui/kit/ColumnTitles.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

using kmb::SearchCriterion;

namespace {

// Option buttons are numbered 1 to 3: call sign, reference, department.
SearchCriterion CriterionOfOption(int index) {
  switch (index) {
    case 2: return SearchCriterion::Reference;
    case 3: return SearchCriterion::Departement;
    default: return SearchCriterion::Indicatif;
  }
}

constexpr int kFoundLineRole = Qt::UserRole + 1;
constexpr int kFoundIndexRole = Qt::UserRole + 2;

QString EmptyTextMessage(SearchCriterion criterion) {
  switch (criterion) {
    case SearchCriterion::Indicatif: return QStringLiteral("Entrez un indicatif");
    case SearchCriterion::Reference: return QStringLiteral("Entrez une référence");
    case SearchCriterion::Departement: return QStringLiteral("Entrez un departement");
  }
  return {};
}

}  // namespace

RechercheIndicatifWindow::RechercheIndicatifWindow(AppContext& context, LogbookView& logbook)
    : ctx_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Recherche_Indicatif"));
  setWindowTitle(QStringLiteral("Rechercher un QSO"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCriteriaFrame());
  layout->addWidget(buildResultFrame(), 1);
  auto* quitter = Named(new QPushButton(QStringLiteral("Quitter"), this), "Command1");
  layout->addWidget(quitter, 0, Qt::AlignCenter);

  for (QLineEdit* box : {callBox_, referenceBox_, departmentBox_}) {
    box->installEventFilter(this);
    KeepToLogCharacters(*box);
  }
  connect(criteria_, &QButtonGroup::idClicked, this, &RechercheIndicatifWindow::focusCriterionBox);
  connect(quitter, &QPushButton::clicked, this, &QWidget::close);
  connect(results_, &QListWidget::itemDoubleClicked, this, &RechercheIndicatifWindow::returnToResult);

  resize(820, 480);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
  callBox_->setFocus();
}

QWidget* RechercheIndicatifWindow::buildCriteriaFrame() {
  auto* frame = Named(new QGroupBox, "Frame1");
  auto* grid = new QGridLayout(frame);
  grid->addWidget(Named(new QLabel(QStringLiteral("Rechercher un QSO par ..."), frame), "Label3"), 0, 0, 1, 2);
  criteria_ = new QButtonGroup(frame);
  const std::array<std::pair<const char*, QString>, 3> options{{
      {"Option1_1", QStringLiteral("Indicatif")},
      {"Option1_2", QStringLiteral("N° KMB")},
      {"Option1_3", QStringLiteral("Dpt")},
  }};
  callBox_ = Named(new QLineEdit(frame), "Indica");
  referenceBox_ = Named(new QLineEdit(frame), "Data");
  departmentBox_ = Named(new QLineEdit(frame), "Depa");
  const std::array<QLineEdit*, 3> boxes{callBox_, referenceBox_, departmentBox_};
  for (int i = 0; i < 3; ++i) {
    auto* option = Named(new QRadioButton(options[i].second, frame), options[i].first);
    criteria_->addButton(option, i + 1);
    grid->addWidget(option, i + 1, 0);
    grid->addWidget(boxes[i], i + 1, 1);
    NameAfterCaption(*boxes[i], options[i].second);
  }
  criteria_->button(1)->setChecked(true);
  return frame;
}

QWidget* RechercheIndicatifWindow::buildResultFrame() {
  auto* frame = Named(new QGroupBox, "Frame2");
  results_ = Named(new QListWidget(frame), "QSO_Effectues");
  results_->setFont(ListFont());
  results_->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
  results_->setAccessibleName(QStringLiteral("QSO trouvés"));
  results_->installEventFilter(this);
  auto* label13 = Named(new ColumnTitles(*results_, frame), "Label13");
  label13->setText(FromCp1252(kmb::SearchResultTitles()));
  auto* column = new QVBoxLayout(frame);
  column->addWidget(label13);
  column->addWidget(results_, 1);
  return frame;
}

bool RechercheIndicatifWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) selectCriterionOf(watched);
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == callBox_) return callSignKeyPress(key);
    if (watched == referenceBox_) return referenceKeyPress(key);
    if (watched == departmentBox_) return departmentKeyPress(key);
    if (watched == results_ && IsEnter(key)) {
      returnToResult();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// A click into a box selects its criterion; keyboard moves do not.
void RechercheIndicatifWindow::selectCriterionOf(const QObject* box) {
  const std::array<const QObject*, 3> boxes{callBox_, referenceBox_, departmentBox_};
  for (int i = 0; i < 3; ++i)
    if (box == boxes[i]) criteria_->button(i + 1)->setChecked(true);
}

void RechercheIndicatifWindow::focusCriterionBox(int index) { boxOf(CriterionOfOption(index)).setFocus(); }

SearchCriterion RechercheIndicatifWindow::selectedCriterion() const {
  return CriterionOfOption(criteria_->checkedId());
}

QLineEdit& RechercheIndicatifWindow::boxOf(SearchCriterion criterion) const {
  switch (criterion) {
    case SearchCriterion::Reference: return *referenceBox_;
    case SearchCriterion::Departement: return *departmentBox_;
    case SearchCriterion::Indicatif: break;
  }
  return *callBox_;
}

void RechercheIndicatifWindow::inform(const QString& text) { ctx_.messages.inform(this, text); }

// Each handler returns true when it took the key; Enter never reaches a box.
bool RechercheIndicatifWindow::callSignKeyPress(const QKeyEvent& key) {
  if (!IsEnter(key)) return TypeSmallLetterAsCapital(*callBox_, key);
  searchUnlessRefused(kmb::EntryControl::Ind, *callBox_);
  return true;
}

bool RechercheIndicatifWindow::referenceKeyPress(const QKeyEvent& key) {
  if (!IsEnter(key)) return TypeSmallLetterAsCapital(*referenceBox_, key);
  searchUnlessRefused(kmb::EntryControl::Ref, *referenceBox_);
  return true;
}

bool RechercheIndicatifWindow::departmentKeyPress(const QKeyEvent& key) {
  if (!IsEnter(key)) return false;
  departmentBox_->setText(LowerKeepingLength(departmentBox_->text()));
  searchUnlessRefused(kmb::EntryControl::Dpt, *departmentBox_);
  return true;
}

// The box is checked as the entry control it searches by.
void RechercheIndicatifWindow::searchUnlessRefused(kmb::EntryControl control, const QLineEdit& box) {
  if (const kmb::Refusal refusal = kmb::CheckSearch(control, ToCp1252(box.text())))
    inform(QString::fromStdString(*refusal));
  else
    search();
}

void RechercheIndicatifWindow::search() {
  results_->clear();
  const SearchCriterion criterion = selectedCriterion();
  QLineEdit& box = boxOf(criterion);
  // A single-line box holds no line break; a pasted one must not count.
  const QString text = CleanTypedText(box.text());
  if (!logbook_.listedLines().empty() && text.isEmpty()) {
    inform(EmptyTextMessage(criterion));
    if (criterion == SearchCriterion::Indicatif) callBox_->clear();
    return;
  }
  lastSearch_ = {criterion, ToCp1252(text)};
  listResults();
  if (results_->count() == 0) inform(QStringLiteral("Pas de QSO trouvé"));
  for (QLineEdit* b : {callBox_, referenceBox_, departmentBox_}) b->clear();
}

// Each result keeps the log line it was found in and its place, so the very
// QSO is found again even when the list changed since.
void RechercheIndicatifWindow::listResults() {
  results_->clear();
  const kmb::Lines& lines = logbook_.listedLines();
  for (const std::size_t index : kmb::FindQsos(lines, lastSearch_.criterion, lastSearch_.text)) {
    QListWidgetItem* item = AddRowItem(*results_, kmb::SearchResultRow(index + 1, lines[index]));
    item->setData(kFoundLineRole, QByteArray::fromStdString(lines[index]));
    item->setData(kFoundIndexRole, static_cast<qulonglong>(index));
  }
}

void RechercheIndicatifWindow::returnToResult() {
  const QListWidgetItem* selected = results_->currentItem();
  if (selected) {
    const kmb::Bytes line = selected->data(kFoundLineRole).toByteArray().toStdString();
    const auto index =
        kmb::ListIndexOfLine(logbook_.listedLines(), line, selected->data(kFoundIndexRole).toULongLong());
    if (!index) {
      inform(
          QStringLiteral("Ce QSO n'est plus dans le log : il a été modifié ou supprimé depuis la recherche. Les "
                         "résultats ne sont plus à jour ; la recherche est refaite."));
      listResults();
      return;
    }
    logbook_.selectListRow(static_cast<int>(*index));
  }
  close();
}
