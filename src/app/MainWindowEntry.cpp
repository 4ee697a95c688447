// The entry walk: each control checks its text when Enter is pressed in it,
// then hands over to the next one.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "app/Cp1252Text.h"
#include "app/FieldColours.h"
#include "app/InputCleaner.h"
#include "app/MainWindow.h"
#include "app/WidgetHelpers.h"
#include "log/ContactedLavoir.h"
#include "log/FirstNameList.h"
#include "log/LogSnapshot.h"

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

int ExactIndex(const QComboBox& combo) {
  return combo.findText(combo.currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}


}  // namespace

QWidget* MainWindow::entryControl(Entry entry) const {
  switch (entry) {
    case Entry::Bande: return bandeA_;
    case Entry::Ind: return indA_;
    case Entry::Prenom: return prenomA_;
    case Entry::Dpt: return dptA_;
    case Entry::Ref: return refA_;
    case Entry::Date: return dateA_;
    case Entry::Heure: return heureA_;
    case Entry::Mode: return modeA_;
    case Entry::Rst: return rstA_;
    case Entry::Rste: return rsteA_;
    case Entry::Rem: return remA_;
    case Entry::Qsl: return qslA_;
  }
  return nullptr;
}

void MainWindow::installEntryFilters() {
  for (Entry entry : {Entry::Bande, Entry::Ind, Entry::Prenom, Entry::Dpt, Entry::Ref, Entry::Date, Entry::Heure,
                      Entry::Mode, Entry::Rst, Entry::Rste, Entry::Rem, Entry::Qsl}) {
    QWidget* control = entryControl(entry);
    entryOf_.insert(control, entry);
    control->installEventFilter(this);
    if (QLineEdit* editor = EditorOf(control)) {
      entryOf_.insert(editor, entry);
      editor->installEventFilter(this);
      KeepToLogCharacters(*editor);
    }
  }
  listeKmb_->viewport()->installEventFilter(this);
  listeKmb_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto& key = static_cast<QKeyEvent&>(*event);
    const auto entry = entryOf_.constFind(watched);
    if (entry != entryOf_.constEnd()) return entryKeyPress(*entry, key);
    if (watched == listeKmb_) return listKeyPress(key);
  }
  if (event->type() == QEvent::MouseButtonDblClick && watched == listeKmb_->viewport()) Liste_KMB_DblClick();
  return QMainWindow::eventFilter(watched, event);
}

// Enter on the selected row opens it as a double click does; Delete asks to
// delete it.
bool MainWindow::listKeyPress(const QKeyEvent& key) {
  if (IsEnter(key)) {
    Liste_KMB_DblClick();
    return true;
  }
  if (key.key() == Qt::Key_Delete) {
    Annule_Saisie_Click();
    return true;
  }
  return false;
}

bool MainWindow::entryKeyPress(Entry entry, QKeyEvent& key) {
  if (entry == Entry::Ind && stationCall_ == kNoStation.toStdString()) {
    ctx_.messages.inform(this, kFirstInstall);
    return false;
  }
  if (IsEnter(key)) {
    entryEnter(entry);
    return true;
  }
  rememberBandAndMode(entry);
  const bool keptAsTyped = entry == Entry::Dpt || entry == Entry::Ref || entry == Entry::Qsl;
  const QString text = key.text();
  if (keptAsTyped || text.size() != 1 || text.at(0) < u'a' || text.at(0) > u'z') return false;
  QLineEdit* editor = EditorOf(entryControl(entry));
  if (!editor || editor->isReadOnly() || !editor->isEnabled()) return false;
  editor->insert(text.toUpper());
  return true;
}

bool MainWindow::refuse(const kmb::Refusal& refusal) {
  if (!refusal) return false;
  ctx_.messages.inform(this, QString::fromStdString(*refusal));
  return true;
}

void MainWindow::closeField(QWidget* field) { SetFieldColour(*field, kLightYellow); }

void MainWindow::openField(QWidget* field) {
  field->setEnabled(true);
  SetFieldColour(*field, kLightGreen);
  field->setFocus();
}

kmb::Check MainWindow::checkOf(Entry entry) {
  switch (entry) {
    case Entry::Bande: return kmb::CheckBande;
    case Entry::Ind: return kmb::CheckIndicatif;
    case Entry::Prenom: return kmb::CheckPrenom;
    case Entry::Dpt: return kmb::CheckDpt;
    case Entry::Ref: return kmb::CheckRef;
    case Entry::Date: return kmb::CheckDate;
    case Entry::Heure: return kmb::CheckHeure;
    case Entry::Mode: return kmb::CheckMode;
    case Entry::Rst:
    case Entry::Rste: return kmb::CheckReport;
    case Entry::Rem: return kmb::CheckNomLavoir;
    case Entry::Qsl: break;
  }
  return [](std::string_view) { return kmb::Refusal{}; };
}

QWidget* MainWindow::nextControl(Entry entry) const {
  switch (entry) {
    case Entry::Bande: return indA_;
    case Entry::Ind: return prenomA_;
    case Entry::Prenom: return dptA_;
    case Entry::Dpt: return refA_;
    case Entry::Ref: return dateA_;
    case Entry::Date: return heureA_;
    case Entry::Heure: return modeA_;
    case Entry::Mode: return rstA_;
    case Entry::Rst: return rsteA_;
    case Entry::Rste: return remA_;
    case Entry::Rem: return qslA_;
    case Entry::Qsl: return valideA_;
  }
  return nullptr;
}

void MainWindow::entryEnter(Entry entry) {
  QWidget* control = entryControl(entry);
  if (entry == Entry::Dpt || entry == Entry::Ref) {
    auto* field = qobject_cast<QLineEdit*>(control);
    field->setText(LowerKeepingLength(field->text()));
  }
  if (refuse(checkOf(entry)(TextOf(control)))) return;
  if (entry == Entry::Bande || entry == Entry::Mode) rememberBandAndMode(entry);
  if (entry == Entry::Ind) FindFirstName();
  if (entry == Entry::Ref) {
    acceptRef();
    return;
  }
  closeField(control);
  openField(nextControl(entry));
  if (entry == Entry::Rste) remA_->end(false);
}

void MainWindow::rememberBandAndMode(Entry entry) {
  if (modificationMode_) return;
  const QString section = stationSection();
  if (entry == Entry::Bande) ctx_.settings.write(section, kBandeUtilisee, QString::number(ExactIndex(*bandeA_)));
  if (entry == Entry::Mode) ctx_.settings.write(section, kModeUtilise, QString::number(ExactIndex(*modeA_)));
}

void MainWindow::FindFirstName() {
  if (modificationMode_) return;
  const kmb::LinesResult list = kmb::ReadLines(ctx_.files, ctx_.programFolder / kmb::kFirstNameListName);
  if (list.error) return;  // no list yet: nobody is known
  const auto known = kmb::FindFirstName(list.lines, TextOf(indA_));
  if (!known) return;
  dptA_->setEnabled(true);
  dptA_->setText(FromCp1252(known->dpt));
  prenomA_->setEnabled(true);
  prenomA_->setText(FromCp1252(known->prenom));
}

void MainWindow::acceptRef() {
  if (!modificationMode_) {
    const kmb::LinesResult log = kmb::ReadLogLines(ctx_.files, kmb::LogFilePath(ctx_.programFolder, stationCall_));
    if (log.error && log.error->errnum != ENOENT) {
      reportIoError(*log.error);
      return;
    }
    if (const auto earlier = kmb::FindContactedLavoir(log.lines, TextOf(refA_), TextOf(bandeA_))) {
      ctx_.messages.inform(this, refA_->text() + QStringLiteral(" Lavoir deja contacté le ") +
                                     FromCp1252(earlier->date) + QStringLiteral(" sur ") + FromCp1252(earlier->band));
      refA_->clear();
      ResetEntry();
      return;
    }
  }
  closeField(refA_);
  if (automaticDate() && !modificationMode_ && !insertionMode_) {
    modeA_->setEnabled(true);
    SetFieldColour(*modeA_, kLightGreen);
    dateA_->setText(label33_->text());
    heureA_->setText(label37_->text().left(5));
    remA_->setText(QStringLiteral("C. "));
    modeA_->setFocus();
  } else {
    openField(dateA_);
  }
  remA_->end(false);
}
