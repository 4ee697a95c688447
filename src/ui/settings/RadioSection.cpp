#include "ui/settings/RadioSection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtConcurrent>

#include "core/radio/RadioStatus.h"
#include "core/radio/SerialPorts.h"
#include "ui/kit/SettingsStore.h"
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

// Runs in a worker: opening and asking may take as long as the radio's time-out.
QString AskRadio(const kmb::RadioSetup& setup) {
  kmb::HamlibRadio radio(setup);
  const kmb::RadioAnswer answer = radio.read();
  if (!answer.failure.empty())
    return QStringLiteral("La radio ne répond pas : %1.").arg(QString::fromStdString(answer.failure));
  return QStringLiteral("La radio répond : %1.").arg(QString::fromStdString(kmb::DescribeReading(answer.reading)));
}

template <typename W>
W* Field(W* field, const char* name, const QString& accessibleName) {
  Named(field, name)->setAccessibleName(accessibleName);
  return field;
}

}  // namespace

RadioSection::RadioSection(const SettingsStore& settings, QWidget* parent)
    : PreferencesSection(QStringLiteral("Radio"), parent), models_(kmb::RadioModels()) {
  setObjectName(QStringLiteral("Radio"));
  chosenModel_ = settings.read(kSetup, kRadioModele).toInt();
  build(settings);
  filterModels();
  enableFields();
  connect(useRadio_, &QCheckBox::toggled, this, &RadioSection::enableFields);
  connect(filter_, &QLineEdit::textChanged, this, &RadioSection::filterModels);
  connect(model_, &QComboBox::activated, this, [this] { chosenModel_ = model_->currentData().toInt(); });
  connect(testButton_, &QPushButton::clicked, this, &RadioSection::test);
  connect(&testing_, &QFutureWatcher<QString>::finished, this, [this] { testResult_->setText(testing_.result()); });
}

void RadioSection::build(const SettingsStore& settings) {
  useRadio_ = Field(new QCheckBox(QStringLiteral("Utiliser une radio"), this), "Radio_Utiliser",
                    QStringLiteral("Utiliser une radio"));
  useRadio_->setChecked(chosenModel_ > 0);
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
  testButton_ = Named(new QPushButton(QStringLiteral("Tester"), this), "Radio_Tester");
  testResult_ = Field(new QLabel(this), "Radio_Resultat", QStringLiteral("Résultat de l'essai"));
  testResult_->setWordWrap(true);
  testResult_->setTextFormat(Qt::PlainText);

  auto* form = new QFormLayout(this);
  form->addRow(useRadio_);
  form->addRow(QStringLiteral("Chercher un modèle"), filter_);
  form->addRow(QStringLiteral("Modèle"), model_);
  form->addRow(QStringLiteral("Port"), port_);
  form->addRow(QStringLiteral("Vitesse (bauds)"), speed_);
  auto* testRow = new QHBoxLayout;
  testRow->addWidget(testButton_);
  testRow->addWidget(testResult_, 1);
  form->addRow(testRow);
  form->addRow(new QLabel(QStringLiteral("Pour un rigctld déjà lancé : modèle « Hamlib NET rigctl », port hôte:port "
                                         "(par exemple localhost:4532)."),
                          this));
}

void RadioSection::filterModels() {
  const QString typed = filter_->text().trimmed();
  model_->clear();
  for (const kmb::RadioModel& model : models_) {
    const QString caption = ModelCaption(model);
    if (caption.contains(typed, Qt::CaseInsensitive)) model_->addItem(caption, model.number);
  }
  const int chosen = model_->findData(chosenModel_);
  model_->setCurrentIndex(chosen >= 0 ? chosen : 0);
}

void RadioSection::enableFields() {
  for (QWidget* field : std::initializer_list<QWidget*>{filter_, model_, port_, speed_, testButton_})
    field->setEnabled(useRadio_->isChecked());
}

kmb::RadioSetup RadioSection::typedSetup() const {
  return {model_->currentData().toInt(), port_->currentText().trimmed().toStdString(),
          TypedSpeed(speed_->currentText()).value_or(0)};
}

// The button keeps the focus while the radio is asked; a second press waits for the first answer.
void RadioSection::test() {
  if (testing_.isRunning()) return;
  if (const auto refused = refusal()) {
    testResult_->setText(refused->reason);
    refused->field->setFocus();
    return;
  }
  testResult_->setText(QStringLiteral("Essai en cours…"));
  testing_.setFuture(QtConcurrent::run(AskRadio, typedSetup()));
}

std::optional<PreferencesSection::Refusal> RadioSection::refusal() const {
  if (!useRadio_->isChecked()) return std::nullopt;
  if (model_->currentIndex() < 0)
    return Refusal{filter_,
                   QStringLiteral("Aucun modèle de radio ne répond à « %1 » : tapez une partie de la marque ou "
                                  "du modèle dans « Chercher un modèle », puis choisissez-le dans « Modèle ».")
                       .arg(filter_->text())};
  if (!TypedSpeed(speed_->currentText()))
    return Refusal{speed_, QStringLiteral("La vitesse « %1 » n'est pas un nombre de bauds : choisissez-en une dans la "
                                          "liste « Vitesse », ou videz le champ pour celle du modèle.")
                               .arg(speed_->currentText())};
  return std::nullopt;
}

void RadioSection::save(SettingsStore& settings) const {
  const kmb::RadioSetup setup = typedSetup();
  settings.write(kSetup, kRadioModele, QString::number(useRadio_->isChecked() ? setup.model : 0));
  settings.write(kSetup, kRadioPort, QString::fromStdString(setup.port));
  settings.write(kSetup, kRadioVitesse, setup.speed > 0 ? QString::number(setup.speed) : QString());
}
