#include "ui/settings/StationDialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/log/LogFile.h"
#include "core/settings/StationCall.h"
#include "ui/kit/FieldColours.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

using namespace settings_keys;

StationDialog::StationDialog(AppContext& context, QWidget* parent) : QDialog(parent), ctx_(context) {
  setObjectName(QStringLiteral("Station"));
  setWindowTitle(QStringLiteral("Selection Indicatif"));

  auto* frame1 = new QGroupBox(this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* label2 = new QLabel(QStringLiteral("Indicatif de la Station"), frame1);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setAlignment(Qt::AlignCenter);
  QFont titleFont = label2->font();
  titleFont.setBold(true);
  titleFont.setPointSize(titleFont.pointSize() + 2);
  label2->setFont(titleFont);
  (new QVBoxLayout(frame1))->addWidget(label2);

  auto* frame2 = new QGroupBox(this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* label3 = new QLabel(QStringLiteral("Indicatif"), frame2);
  label3->setObjectName(QStringLiteral("Label3"));
  callSign_ = new QLineEdit(frame2);
  callSign_->setObjectName(QStringLiteral("New_Indicatif"));
  SetFieldColour(*callSign_, kLightGreen);
  KeepToLogCharacters(*callSign_);
  NameAfterCaption(*callSign_, label3->text());
  auto* label5 = new QLabel(QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'"), frame2);
  label5->setObjectName(QStringLiteral("Label5"));
  auto* frame2Layout = new QVBoxLayout(frame2);
  frame2Layout->addWidget(label3);
  frame2Layout->addWidget(callSign_);
  frame2Layout->addWidget(label5);

  accept_ = new QPushButton(QStringLiteral("Validez"), this);
  accept_->setObjectName(QStringLiteral("Validation"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame1);
  layout->addWidget(frame2);
  layout->addWidget(accept_, 0, Qt::AlignCenter);

  callSign_->installEventFilter(this);
  connect(accept_, &QPushButton::clicked, this, &StationDialog::acceptCallSign);

  adjustSize();
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
}

bool StationDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == callSign_ && event->type() == QEvent::KeyPress)
    return callSignKeyPress(static_cast<QKeyEvent&>(*event));
  return QDialog::eventFilter(watched, event);
}

// Returns true when the key has been dealt with here.
bool StationDialog::callSignKeyPress(QKeyEvent& key) {
  if (IsEnter(key)) {
    SetFieldColour(*callSign_, Qt::white);
    accept_->setFocus();
    return true;
  }
  if (key.text() == QStringLiteral("/")) {
    callSign_->insert(QStringLiteral("_"));
    return true;
  }
  return TypeSmallLetterAsCapital(*callSign_, key);
}

void StationDialog::acceptCallSign() {
  const QString candidate = UpperKeepingLength(callSign_->text());
  // One byte per character, so an accent counts once in the length.
  switch (kmb::CheckStationCall(ToCp1252(candidate))) {
    case kmb::StationCallCheck::Empty:
      ctx_.messages.inform(this, QStringLiteral("Vous devez entrer un indicatif"));
      return;
    case kmb::StationCallCheck::TooLong:
      ctx_.messages.inform(this, QStringLiteral("12 caracteres maximum pour l'indicatif"));
      return;
    case kmb::StationCallCheck::ForbiddenCharacter:
      ctx_.messages.inform(
          this, QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "));
      callSign_->clear();
      return;
    case kmb::StationCallCheck::Accepted: break;
  }
  const std::string call = candidate.toStdString();
  const QString section = SettingsStore::stationSection(candidate);
  // An existing log, even one that cannot be read, is never recreated.
  if (!ctx_.files.exists(kmb::LogFilePath(ctx_.programFolder, call))) {
    if (const kmb::IoStatus error = kmb::CreateLogFile(ctx_.files, ctx_.programFolder, call))
      ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(*error)));
    ctx_.settings.write(section, kBandeUtilisee, QStringLiteral("0"));
    ctx_.settings.write(section, kModeUtilise, QStringLiteral("0"));
  }
  ctx_.settings.write(kSetup, kIndicatifStation, candidate);
  // The accepted call sign, even when the settings could not keep it.
  emit stationAccepted(candidate);
  close();
}
