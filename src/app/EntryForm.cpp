#include "app/EntryForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <tuple>

#include "core/log/Bands.h"
#include "ui/kit/FieldColours.h"
#include "ui/kit/FieldWidths.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/SettingsStore.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"

using namespace settings_keys;

namespace {

const QString kEntryCaption = QStringLiteral("Saisie QSO");
const QString kInsertionCaption = QStringLiteral("Insertion QSO");
const QString kModificationCaption = QStringLiteral("Modification QSO");
// The widest of the characters a field holds: capitals, or digits and their separators.
constexpr QChar kWidestLetter = u'W';
constexpr QChar kWidestDigit = u'0';

QLabel* Caption(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

QLineEdit* EntryField(const char* name, QWidget* parent) {
  auto* field = Named(new QLineEdit(parent), name);
  field->setAutoFillBackground(true);
  return field;
}

QComboBox* EntryCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  return combo;
}

QStringList EntryBandLabels() {
  QStringList labels;
  for (const kmb::Band& band : kmb::kBands)
    if (band.inEntryList) labels << QString::fromLatin1(band.label.data(), qsizetype(band.label.size()));
  return labels;
}

const char* NameOf(kmb::EntryControl control) { return kmb::RowOf(control).objectName; }

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  return Named(new QPushButton(text, parent), name);
}

}  // namespace

EntryForm::EntryForm(AppContext& context, const EntrySurroundings& around, const ClockPanel& clock, QWidget* parent)
    : QGroupBox(QStringLiteral("Saisie ou modification d'un QSO"), parent),
      ctx_(context),
      around_(around),
      clock_(clock) {
  setObjectName(QStringLiteral("Frame3"));
  build();
  for (QWidget* widget : controls_) {
    const Control c = controlOf_.value(widget);
    widget->installEventFilter(this);
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (QLineEdit* editor = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget)) {
      controlOf_.insert(editor, c);
      editor->installEventFilter(this);
      KeepToLogCharacters(*editor);
    }
  }
  connect(validate_, &QPushButton::clicked, this, &EntryForm::validateAsked);
  connect(clear_, &QPushButton::clicked, this, &EntryForm::reset);
  connect(delete_, &QPushButton::clicked, this, &EntryForm::deleteAsked);
  connect(insert_, &QPushButton::clicked, this, &EntryForm::startInsertion);
}

void EntryForm::build() {
  auto* grid = new QGridLayout(this);
  band_ = EntryCombo(NameOf(Control::Bande), EntryBandLabels(), this);
  call_ = EntryField(NameOf(Control::Ind), this);
  firstName_ = EntryField(NameOf(Control::Prenom), this);
  department_ = EntryField(NameOf(Control::Dpt), this);
  reference_ = EntryField(NameOf(Control::Ref), this);
  date_ = EntryField(NameOf(Control::Date), this);
  time_ = EntryField(NameOf(Control::Heure), this);
  qsoMode_ = EntryCombo(NameOf(Control::Mode), {"SSB", "CW", "FM"}, this);
  reportReceived_ = EntryField(NameOf(Control::Rst), this);
  reportSent_ = EntryField(NameOf(Control::Rste), this);
  lavoirName_ = EntryField(NameOf(Control::Rem), this);
  qslReceived_ = Named(new QCheckBox(this), NameOf(Control::Qsl));
  qslReceived_->setAutoFillBackground(true);

  const struct {
    const char* name;
    const char* text;
    QWidget* field;
    int row, column, span;
  } cells[] = {
      // In the order of kEntryControls. The reports sit under the call sign and the lavoir's name under the first name
      // and the columns beside it:
      // the second row is then no wider than the first.
      {"Label26", "Bande", band_, 0, 0, 1},
      {"Label8", "Indicatif", call_, 0, 1, 2},
      {"Label6", "Prénom (optionnel)", firstName_, 0, 3, 1},
      {"Label36", "Dpt", department_, 0, 4, 1},
      {"Label1", "Ref Lavoir", reference_, 0, 5, 1},
      {"Label5", "Date", date_, 0, 6, 1},
      {"Label40", "Heure UTC", time_, 0, 7, 1},
      {"Label16", "Mode", qsoMode_, 2, 0, 1},
      {"Label41", "RST R", reportReceived_, 2, 1, 1},
      {"Label9", "RST E", reportSent_, 2, 2, 1},
      {"Label4", "Nom du Lavoir (optionnel)", lavoirName_, 2, 3, 4},
      {"Label3", "QSL", qslReceived_, 2, 7, 1},
  };
  static_assert(std::size(cells) == std::tuple_size_v<decltype(controls_)>);
  for (std::size_t i = 0; i < std::size(cells); ++i) {
    const auto& cell = cells[i];
    QLabel* caption = Caption(cell.name, QString::fromUtf8(cell.text), this);
    caption->setBuddy(cell.field);  // screen readers name a list by its caption
    grid->addWidget(caption, cell.row, cell.column, 1, cell.span);
    grid->addWidget(cell.field, cell.row + 1, cell.column, 1, cell.span);
    NameAfterCaption(*cell.field, QString::fromUtf8(cell.text));
    controls_[i] = cell.field;
    controlOf_.insert(cell.field, kmb::kEntryControls[i].control);
  }
  // Wide enough for the longest value each holds.
  for (const kmb::EntryControlRow& row : kmb::kEntryControls)
    if (row.width > 0) FitCharacters(*control(row.control), int(row.width), row.digits ? kWidestDigit : kWidestLetter);

  grid->addWidget(Caption("Label10", QStringLiteral("Mode de saisie"), this), 2, 8);
  modeCaption_ = Caption("Mode_Aff", {}, this);
  modeCaption_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  // As wide as its longest caption, so that opening a QSO does not widen the window.
  QFont bold = modeCaption_->font();
  bold.setBold(true);
  const QFontMetrics shown(bold);
  modeCaption_->setMinimumWidth(
      std::max({shown.horizontalAdvance(kEntryCaption), shown.horizontalAdvance(kInsertionCaption),
                shown.horizontalAdvance(kModificationCaption)}));
  grid->addWidget(modeCaption_, 3, 8);

  // Alt and the underlined letter press a button; no letter is one of the menu bar's.
  validate_ = Button("Valide_A", QStringLiteral("&Valider le QSO"), this);
  clear_ = Button("Efface_A", QStringLiteral("Ann&uler saisie en cours"), this);
  validate_->setAutoFillBackground(true);
  // At the end of the second row, where the Enter walk ends.
  grid->addWidget(validate_, 3, 9);
  grid->addWidget(clear_, 3, 10);

  delete_ = Button("Annule_Saisie", QStringLiteral("Su&pprimer un QSO"), this);
  insert_ = Button("Ajout_QSO", QStringLiteral("I&nserer un QSO"), this);
  search_ = Button("Rechercher", QStringLiteral("&Rechercher un QSO"), this);
  activeList_ = Button("Liste_KMB_Active", QStringLiteral("Liste des &KMB activés"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {delete_, insert_, search_, activeList_}) buttons->addWidget(button);
  buttons->addStretch(1);
  grid->addLayout(buttons, 4, 0, 1, 11);
}

QWidget* EntryForm::control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }

QString EntryForm::stationSection() const {
  return SettingsStore::stationSection(QString::fromStdString(around_.stationCall()));
}

void EntryForm::setMode(EntryMode mode, const QString& caption) {
  mode_ = mode;
  modeCaption_->setText(caption);
}

void EntryForm::reset() {
  for (QLineEdit* field : {department_, firstName_, reference_, date_, time_}) {
    field->clear();
    SetWaiting(*field);
  }
  selectStoredBandAndMode();
  SetWaiting(*qsoMode_);
  restoreDefaultTexts();
  qslReceived_->setChecked(false);
  call_->clear();
  openField(call_);
  rowLocked_ = false;
  setMode(EntryMode::Entry, kEntryCaption);
  delete_->setEnabled(false);
  validate_->setEnabled(false);
  bandFollowsRadio_ = modeFollowsRadio_ = true;
  takeRadioBandAndMode();
}

void EntryForm::prepareNextQso() {
  rowLocked_ = false;
  setMode(EntryMode::Entry, kEntryCaption);
  validate_->setEnabled(false);
  for (QLineEdit* field : {call_, department_, firstName_, reference_, time_}) {
    field->clear();
    SetWaiting(*field);
  }
  if (around_.automaticDate()) date_->clear();
  SetWaiting(*date_);
  SetWaiting(*qsoMode_);
  SetFieldColour(*band_, kLightYellow);
  restoreDefaultTexts();
  qslReceived_->setChecked(false);
  qslReceived_->setEnabled(false);
  openField(call_);
  selectStoredBandAndMode();
  bandFollowsRadio_ = modeFollowsRadio_ = true;
  takeRadioBandAndMode();
}

void EntryForm::restoreDefaultTexts() {
  reportReceived_->setText(QStringLiteral("59"));
  reportSent_->setText(QStringLiteral("59"));
  lavoirName_->setText(QStringLiteral("C. "));
  for (QLineEdit* field : {reportReceived_, reportSent_, lavoirName_}) SetWaiting(*field);
}

void EntryForm::selectStoredBandAndMode() {
  const QString section = stationSection();
  band_->setCurrentIndex(ctx_.settings.readIndex(section, kBandeUtilisee, band_->count()));
  qsoMode_->setCurrentIndex(ctx_.settings.readIndex(section, kModeUtilise, qsoMode_->count()));
}

void EntryForm::showQso(const kmb::QsoRecord& fields) {
  call_->setText(FromCp1252(fields.indicatif));
  department_->setText(FromCp1252(fields.dpt));
  firstName_->setText(FromCp1252(fields.prenom));
  reference_->setText(FromCp1252(fields.ref));
  date_->setText(FromCp1252(fields.date));
  time_->setText(FromCp1252(fields.heure));
  qsoMode_->setEditText(FromCp1252(fields.mode));
  band_->setEditText(FromCp1252(fields.bande));
  reportReceived_->setText(FromCp1252(fields.rstR));
  reportSent_->setText(FromCp1252(fields.rstE));
  lavoirName_->setText(FromCp1252(fields.nomLavoir));
  qslReceived_->setChecked(fields.qsl);
  call_->setEnabled(false);
}

void EntryForm::openQso(const kmb::QsoRecord& fields) {
  rowLocked_ = true;
  setMode(EntryMode::Modification, kModificationCaption);
  for (QWidget* widget : controls_) widget->setEnabled(true);
  validate_->setEnabled(true);
  showQso(fields);
  call_->setEnabled(true);
  SetFieldColour(*call_, kLightGreen);
  call_->setFocus();
}

// A modification in progress stays one, and wins at saving. After a row
// click the call-sign field is disabled; it is opened again so the QSO to
// insert can be typed at once.
void EntryForm::startInsertion() {
  setMode(mode_ == EntryMode::Modification ? EntryMode::Modification : EntryMode::Insertion, kInsertionCaption);
  call_->setEnabled(true);
  SetFieldColour(*call_, kLightGreen);
  call_->setFocus();
}

void EntryForm::clearDate() { date_->clear(); }

void EntryForm::enableDelete(bool enabled) { delete_->setEnabled(enabled); }

void EntryForm::openCallSign() {
  call_->setEnabled(true);
  call_->setFocus();
}

bool EntryForm::callSignOpen() const { return call_->isEnabled(); }

kmb::QsoRecord EntryForm::record() const {
  return kmb::QsoRecord{
      ToCp1252(call_->text()),           ToCp1252(department_->text()),  ToCp1252(firstName_->text()),
      ToCp1252(reference_->text()),      ToCp1252(date_->text()),        ToCp1252(time_->text()),
      ToCp1252(qsoMode_->currentText()), ToCp1252(band_->currentText()), ToCp1252(reportReceived_->text()),
      ToCp1252(reportSent_->text()),     ToCp1252(lavoirName_->text()),  qslReceived_->isChecked()};
}

bool EntryForm::readyToSave() {
  if (refuse(kmb::CheckRecordFitsLog(record()))) return false;
  firstName_->setText(UpperKeepingLength(firstName_->text()));
  const QString name = lavoirName_->text().trimmed();
  if (name.size() > int(kmb::kNomLavoirWidth)) lavoirName_->setText(name.left(int(kmb::kNomLavoirWidth)));
  return true;
}
