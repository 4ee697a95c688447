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
#include "log/ContactedLavoir.h"
#include "log/FirstNameList.h"

using namespace settings_keys;

namespace {

const QString kFirstInstall = QStringLiteral(
    "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
    "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

QLineEdit* EditorOf(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(control);
}

int ExactIndex(const QComboBox& combo) {
  return combo.findText(combo.currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

kmb::Bytes TextOf(const QLineEdit& field) { return ToCp1252(field.text()); }
kmb::Bytes TextOf(const QComboBox& field) { return ToCp1252(field.currentText()); }

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
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto entry = entryOf_.constFind(watched);
    if (entry != entryOf_.constEnd()) return entryKeyPress(*entry, static_cast<QKeyEvent&>(*event));
  }
  if (event->type() == QEvent::MouseButtonDblClick && watched == listeKmb_->viewport()) Liste_KMB_DblClick();
  return QMainWindow::eventFilter(watched, event);
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

void MainWindow::entryEnter(Entry entry) {
  switch (entry) {
    case Entry::Bande:
      if (refuse(kmb::CheckBande(TextOf(*bandeA_)))) return;
      rememberBandAndMode(entry);
      closeField(bandeA_);
      openField(indA_);
      return;
    case Entry::Ind:
      if (refuse(kmb::CheckIndicatif(TextOf(*indA_)))) return;
      FindFirstName();
      closeField(indA_);
      openField(prenomA_);
      return;
    case Entry::Prenom:
      if (refuse(kmb::CheckPrenom(TextOf(*prenomA_)))) return;
      closeField(prenomA_);
      openField(dptA_);
      return;
    case Entry::Dpt:
      dptA_->setText(LowerKeepingLength(dptA_->text()));
      if (refuse(kmb::CheckDpt(TextOf(*dptA_)))) return;
      closeField(dptA_);
      openField(refA_);
      return;
    case Entry::Ref:
      refA_->setText(LowerKeepingLength(refA_->text()));
      if (refuse(kmb::CheckRef(TextOf(*refA_)))) return;
      acceptRef();
      return;
    case Entry::Date:
      if (refuse(kmb::CheckDate(TextOf(*dateA_)))) return;
      closeField(dateA_);
      openField(heureA_);
      return;
    case Entry::Heure:
      if (refuse(kmb::CheckHeure(TextOf(*heureA_)))) return;
      closeField(heureA_);
      openField(modeA_);
      return;
    case Entry::Mode:
      if (refuse(kmb::CheckMode(TextOf(*modeA_)))) return;
      rememberBandAndMode(entry);
      closeField(modeA_);
      openField(rstA_);
      return;
    case Entry::Rst:
      if (refuse(kmb::CheckReport(TextOf(*rstA_)))) return;
      closeField(rstA_);
      openField(rsteA_);
      return;
    case Entry::Rste:
      if (refuse(kmb::CheckReport(TextOf(*rsteA_)))) return;
      closeField(rsteA_);
      openField(remA_);
      remA_->end(false);
      return;
    case Entry::Rem:
      if (refuse(kmb::CheckNomLavoir(TextOf(*remA_)))) return;
      closeField(remA_);
      openField(qslA_);
      return;
    case Entry::Qsl:
      closeField(qslA_);
      openField(valideA_);
      return;
  }
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
  const auto known = kmb::FindFirstName(list.lines, TextOf(*indA_));
  if (!known) return;
  dptA_->setEnabled(true);
  dptA_->setText(FromCp1252(known->dpt));
  prenomA_->setEnabled(true);
  prenomA_->setText(FromCp1252(known->prenom));
}

void MainWindow::acceptRef() {
  if (!modificationMode_) {
    const kmb::LinesResult log = kmb::ReadLines(ctx_.files, kmb::LogFilePath(ctx_.programFolder, stationCall_));
    if (log.error && log.error->errnum != ENOENT) {
      reportIoError(*log.error);
      return;
    }
    if (const auto earlier = kmb::FindContactedLavoir(log.lines, TextOf(*refA_), TextOf(*bandeA_))) {
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
