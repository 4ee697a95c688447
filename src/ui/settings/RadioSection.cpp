#include "ui/settings/RadioSection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/radio/SerialPorts.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/RadioControl.h"
#include "ui/kit/SettingsStore.h"
#include "ui/kit/StoredRadio.h"
#include "ui/kit/WidgetHelpers.h"

using namespace settings_keys;

namespace {

const QStringList kUsualSpeeds{"4800", "9600", "19200", "38400", "57600", "115200"};

QString ModelCaption(const kmb::RadioModel& model) {
  return QStringLiteral("%1 %2 (n° %3)")
      .arg(QString::fromStdString(model.maker), QString::fromStdString(model.name))
      .arg(model.number);
}

// Blank for the model's own speed, else a number of bauds.
std::optional<int> TypedSpeed(const QString& typed) {
  if (typed.trimmed().isEmpty()) return 0;
  bool number = false;
  const int speed = typed.trimmed().toInt(&number);
  if (!number || speed <= 0) return std::nullopt;
  return speed;
}

const QString kTest = QStringLiteral("Tester");
const QString kCancelTest = QStringLiteral("Annuler l'essai");

template <typename W>
W* Field(W* field, const char* name, const QString& accessibleName) {
  Named(field, name)->setAccessibleName(accessibleName);
  return field;
}

}  // namespace

RadioSection::RadioSection(const SettingsStore& settings, RadioControl& radio, QWidget* parent)
    : PreferencesSection(QStringLiteral("Radio"), parent), models_(kmb::RadioModels()), radio_(radio) {
  setObjectName(QStringLiteral("Radio"));
  chosenModel_ = settings.read(kSetup, kRadioModele).toInt();
  build(settings);
  filterModels();
  enableFields();
  connect(useRadio_, &QCheckBox::toggled, this, &RadioSection::enableFields);
  connect(filter_, &QLineEdit::textChanged, this, &RadioSection::filterModels);
  connect(model_, &QComboBox::activated, this, [this] { chosenModel_ = model_->currentData().toInt(); });
  connect(testButton_, &QPushButton::clicked, this, &RadioSection::test);
  connect(reconnect_, &QPushButton::clicked, this, [this] {
    radio_.reconnect();
    ShowStatus(*testResult_, QStringLiteral("Nouvel essai de connexion : la ligne Radio de la fenêtre principale dit "
                                            "où il en est."));
  });
}

// A test still waiting is forgotten with the window.
RadioSection::~RadioSection() {
  if (testing_) radio_.cancelTest();
}

void RadioSection::build(const SettingsStore& settings) {
  useRadio_ = Field(new QCheckBox(QStringLiteral("Utiliser une radio"), this), "Radio_Utiliser",
                    QStringLiteral("Utiliser une radio"));
  useRadio_->setChecked(RadioTicked(settings));
  filter_ = Field(new QLineEdit(this), "Radio_Filtre", QStringLiteral("Chercher un modèle"));
  filter_->setPlaceholderText(QStringLiteral("marque ou modèle, par exemple 7300"));
  model_ = Field(new QComboBox(this), "Radio_Modele", QStringLiteral("Modèle"));
  port_ = Field(new QComboBox(this), "Radio_Port", QStringLiteral("Port"));
  port_->setEditable(true);
  port_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& device : kmb::SerialPorts("/dev")) port_->addItem(QString::fromStdString(device));
  port_->setEditText(settings.read(kSetup, kRadioPort));
  port_->lineEdit()->setPlaceholderText(QStringLiteral("/dev/ttyUSB0, ou hôte:port d'un rigctld"));
  speed_ = Field(new QComboBox(this), "Radio_Vitesse", QStringLiteral("Vitesse (bauds)"));
  speed_->setEditable(true);
  speed_->setInsertPolicy(QComboBox::NoInsert);
  speed_->addItems(kUsualSpeeds);
  speed_->setEditText(settings.read(kSetup, kRadioVitesse));
  speed_->lineEdit()->setPlaceholderText(QStringLiteral("celle du modèle"));
  testButton_ = Named(new QPushButton(kTest, this), "Radio_Tester");
  reconnect_ = Named(new QPushButton(QStringLiteral("Reconnecter"), this), "Radio_Reconnecter");
  testResult_ = StatusLine("Radio_Resultat", QStringLiteral("Résultat de l'essai"), this);

  // The fields' rows hold no wrapped text: a form's rows would give their height to it.
  auto* form = new QFormLayout;
  form->addRow(useRadio_);
  form->addRow(QStringLiteral("Chercher un modèle"), filter_);
  form->addRow(QStringLiteral("Modèle"), model_);
  form->addRow(QStringLiteral("Port"), port_);
  form->addRow(QStringLiteral("Vitesse (bauds)"), speed_);
  auto* testRow = new QHBoxLayout;
  testRow->addWidget(testButton_);
  testRow->addWidget(reconnect_);
  testRow->addWidget(testResult_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(testRow);
  layout->addWidget(new QLabel(QStringLiteral("Pour un rigctld déjà lancé : modèle « Hamlib NET rigctl », port "
                                              "hôte:port (par exemple localhost:4532)."),
                               this));
}

void RadioSection::filterModels() {
  const QString typed = filter_->text().trimmed();
  model_->clear();
  for (const kmb::RadioModel& model : models_) {
    const QString caption = ModelCaption(model);
    if (caption.contains(typed, Qt::CaseInsensitive)) model_->addItem(caption, model.number);
  }
  // Never a model the operator did not choose: none rather than the list's first.
  model_->setCurrentIndex(model_->findData(chosenModel_));
}

void RadioSection::enableFields() {
  for (QWidget* field : std::initializer_list<QWidget*>{filter_, model_, port_, speed_, testButton_, reconnect_})
    field->setEnabled(useRadio_->isChecked());
}

kmb::RadioSetup RadioSection::typedSetup() const {
  return {model_->currentData().toInt(), port_->currentText().trimmed().toStdString(),
          TypedSpeed(speed_->currentText()).value_or(0)};
}

// The button keeps the focus while the radio is asked; pressed again, it cancels the test.
void RadioSection::test() {
  if (testing_) {
    radio_.cancelTest();
    showTestResult(QStringLiteral("Essai annulé."));
    return;
  }
  if (const auto refused = refusal()) {
    ShowStatus(*testResult_, refused->reason);
    refused->field->setFocus();
    return;
  }
  testing_ = true;
  testButton_->setText(kCancelTest);
  ShowStatus(*testResult_, QStringLiteral("Essai en cours…"));
  radio_.test(typedSetup(), this, [this](const QString& result) { showTestResult(result); });
}

void RadioSection::showTestResult(const QString& result) {
  testing_ = false;
  testButton_->setText(kTest);
  ShowStatus(*testResult_, result);
}

std::optional<PreferencesSection::Refusal> RadioSection::refusal() const {
  if (!useRadio_->isChecked()) return std::nullopt;
  if (model_->count() == 0)
    return Refusal{filter_,
                   QStringLiteral("Aucun modèle de radio ne répond à « %1 » : tapez une partie de la marque ou "
                                  "du modèle dans « Chercher un modèle », puis choisissez-le dans « Modèle ».")
                       .arg(filter_->text())};
  if (model_->currentIndex() < 0)
    return Refusal{model_, QStringLiteral("Aucun modèle de radio n'est choisi : choisissez-le dans la liste "
                                          "« Modèle » (flèches haut et bas), ou décochez « Utiliser une radio ».")};
  if (!TypedSpeed(speed_->currentText()))
    return Refusal{speed_, QStringLiteral("La vitesse « %1 » n'est pas un nombre de bauds : choisissez-en une dans la "
                                          "liste « Vitesse », ou videz le champ pour celle du modèle.")
                               .arg(speed_->currentText())};
  return std::nullopt;
}

void RadioSection::save(SettingsStore& settings) const {
  const kmb::RadioSetup setup = typedSetup();
  const bool used = useRadio_->isChecked();
  settings.writeTick(kSetup, kRadioUtilisee, used);
  settings.write(kSetup, kRadioModele, QString::number(used ? setup.model : chosenModel_));
  settings.write(kSetup, kRadioPort, QString::fromStdString(setup.port));
  settings.write(kSetup, kRadioVitesse, setup.speed > 0 ? QString::number(setup.speed) : QString());
}
