// The Enter walk of the entry form: each control checks its text when Enter
// is pressed in it, then hands over to the next one.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>

#include "app/ClockPanel.h"
#include "app/EntryForm.h"
#include "core/log/ContactedLavoir.h"
#include "core/log/FirstNameList.h"
#include "core/log/LogSnapshot.h"
#include "core/settings/StationCall.h"
#include "ui/kit/FieldColours.h"
#include "ui/kit/SettingsStore.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"

using namespace settings_keys;

namespace {

const QString kFirstInstall = QStringLiteral(
    "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
    "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

QLineEdit* EditorOf(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(control);
}

kmb::Bytes TextOf(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return ToCp1252(combo->currentText());
  if (auto* field = qobject_cast<QLineEdit*>(control)) return ToCp1252(field->text());
  return {};
}

// The list index of the text, -1 when it is none of the items.
int ExactIndex(const QComboBox& combo) {
  return combo.findText(combo.currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

// "7.0 MHZ" typed (in capitals, as every field) is the list's "7.0 Mhz": the
// item itself is chosen, so the log, the contacted check and the remembered
// band all see the list's own label.
void SelectTypedItem(QComboBox& combo) {
  const int item = combo.findText(combo.currentText().trimmed(), Qt::MatchFixedString);
  if (item < 0) return;
  combo.setCurrentIndex(item);
  combo.setEditText(combo.itemText(item));
}

}  // namespace

bool EntryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto c = controlOf_.constFind(watched);
    if (c != controlOf_.constEnd()) return keyPress(*c, static_cast<QKeyEvent&>(*event));
  }
  return QGroupBox::eventFilter(watched, event);
}

// Before the first station is chosen, what is typed in the call sign is
// answered once by where to choose it; the keys that move around (Tab, Alt
// and a menu's letter) stay free, so the keyboard reaches "Station".
bool EntryForm::keyPress(Control c, QKeyEvent& key) {
  if (c == Control::Ind && around_.stationCall() == kmb::kNoStation) {
    const bool typing = !key.text().isEmpty() && !(key.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) &&
                        key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Escape;
    if (typing && !firstInstallSaid_) {
      firstInstallSaid_ = true;
      ctx_.messages.inform(this, kFirstInstall);
    }
    return false;
  }
  if (IsEnter(key)) {
    enter(c);
    return true;
  }
  rememberBandAndMode(c);
  const bool keptAsTyped = c == Control::Dpt || c == Control::Ref || c == Control::Qsl;
  QLineEdit* editor = EditorOf(control(c));
  if (keptAsTyped || !editor || editor->isReadOnly() || !editor->isEnabled()) return false;
  return TypeSmallLetterAsCapital(*editor, key);
}

QWidget* EntryForm::nextControl(Control c) const {
  const std::optional<Control> next = kmb::NextEntryControl(c);
  return next ? control(*next) : validate_;
}

bool EntryForm::enter(Control c) {
  QWidget* widget = control(c);
  if (c == Control::Dpt || c == Control::Ref) {
    auto* field = qobject_cast<QLineEdit*>(widget);
    field->setText(LowerKeepingLength(field->text()));
  }
  if (c == Control::Bande || c == Control::Mode) SelectTypedItem(*qobject_cast<QComboBox*>(widget));
  if (refuse(kmb::CheckEntry(c, TextOf(widget)))) return false;
  if (c == Control::Bande || c == Control::Mode) rememberBandAndMode(c);
  if (c == Control::Mode) modeFollowsRadio_ = false;
  if (c == Control::Ind) fillKnownStation();
  if (c == Control::Ref) {
    acceptReference();
    return true;
  }
  closeField(widget);
  openField(nextControl(c));
  if (c == Control::Rste) lavoirName_->end(false);
  return true;
}

bool EntryForm::refuse(const kmb::Refusal& refusal) {
  if (!refusal) return false;
  ctx_.messages.inform(this, QString::fromStdString(*refusal));
  return true;
}

void EntryForm::closeField(QWidget* field) { SetFieldColour(*field, kLightYellow); }

void EntryForm::openField(QWidget* field) {
  field->setEnabled(true);
  SetFieldColour(*field, kLightGreen);
  field->setFocus();
}

// A text that is none of the items (a band typed by hand) leaves the remembered
// one as it was: the next entry always has a band and a mode.
void EntryForm::rememberBandAndMode(Control c) {
  if (mode_ == EntryMode::Modification || (c != Control::Bande && c != Control::Mode)) return;
  const bool band = c == Control::Bande;
  const int index = ExactIndex(band ? *band_ : *qsoMode_);
  if (index >= 0) ctx_.settings.write(stationSection(), band ? kBandeUtilisee : kModeUtilise, QString::number(index));
}

void EntryForm::fillKnownStation() {
  if (mode_ == EntryMode::Modification) return;
  const kmb::FirstNameListRead list = kmb::ReadFirstNameList(ctx_.files, ctx_.programFolder);
  if (list.error) {
    ctx_.messages.inform(this, QStringLiteral("La liste des prénoms ne peut pas être lue : le prénom et le "
                                              "département ne sont pas repris.\r\n") +
                                   QString::fromStdString(kmb::IoErrorMessage(*list.error)));
    return;
  }
  const auto known = kmb::FindFirstName(list.text.lines, TextOf(call_));
  if (!known) return;
  department_->setEnabled(true);
  department_->setText(FromCp1252(known->dpt));
  firstName_->setEnabled(true);
  firstName_->setText(FromCp1252(known->prenom));
}

// A wash-house already contacted on the band discards the entry; otherwise
// the automatic date takes the clock, the manual date opens the date.
void EntryForm::acceptReference() {
  if (mode_ != EntryMode::Modification) {
    const kmb::LinesResult log =
        kmb::ReadLogLines(ctx_.files, kmb::LogFilePath(ctx_.programFolder, around_.stationCall()));
    if (log.error && log.error->errnum != ENOENT) {
      ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(*log.error)));
      return;
    }
    if (const auto earlier = kmb::FindContactedLavoir(log.lines, TextOf(reference_), TextOf(band_))) {
      ctx_.messages.inform(this, reference_->text() + QStringLiteral(" Lavoir deja contacté le ") +
                                     FromCp1252(earlier->date) + QStringLiteral(" sur ") + FromCp1252(earlier->band));
      reference_->clear();
      reset();
      return;
    }
  }
  closeField(reference_);
  bandFollowsRadio_ = false;  // the contacted check was made on this band
  if (around_.automaticDate() && mode_ == EntryMode::Entry) {
    qsoMode_->setEnabled(true);
    SetFieldColour(*qsoMode_, kLightGreen);
    date_->setText(clock_.utcDate());
    time_->setText(clock_.utcTime());
    lavoirName_->setText(QStringLiteral("C. "));
    qsoMode_->setFocus();
  } else {
    openField(date_);
  }
  lavoirName_->end(false);
}
