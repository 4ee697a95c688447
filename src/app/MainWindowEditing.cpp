// Editing the log from the list (modify, insert, delete) and saving an entry.
// Every change rewrites the whole log atomically; a failed write leaves the
// files as they were and the entry on screen.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "app/Cp1252Text.h"
#include "app/FieldColours.h"
#include "app/MainWindow.h"
#include "log/FirstNameList.h"
#include "log/Cp1252Case.h"
#include "log/LogRewrite.h"
#include "log/QsoSave.h"

using namespace settings_keys;

namespace {

constexpr const char* kTemporaire = "Temporaire.txt";
constexpr const char* kTemporaire6 = "Temporaire6.txt";

}  // namespace

void MainWindow::reportIoError(const kmb::IoError& error) {
  ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(error)));
}

template <typename Change>
bool MainWindow::rewriteLog(const char* tempName, Change change) {
  const auto logPath = kmb::LogFilePath(ctx_.programFolder, stationCall_);
  return showWrittenLog(kmb::RewriteLogFile(ctx_.files, logPath, tempName, change));
}

bool MainWindow::showWrittenLog(const kmb::LinesResult& log) {
  if (log.error) {
    reportIoError(*log.error);
    return false;
  }
  listLog(log.lines);
  selectLastRow();
  return true;
}

void MainWindow::Liste_KMB_DblClick() {
  if (rowLocked_) return;
  rowLocked_ = true;
  if (selectedRow_.empty()) {
    ctx_.messages.inform(this, QStringLiteral("Cliquez sur une ligne pour l'editer"));
    return;
  }
  modificationMode_ = true;
  for (Entry entry : {Entry::Ind, Entry::Dpt, Entry::Prenom, Entry::Ref, Entry::Date, Entry::Heure, Entry::Mode,
                      Entry::Bande, Entry::Rst, Entry::Rste, Entry::Rem, Entry::Qsl})
    entryControl(entry)->setEnabled(true);
  valideA_->setEnabled(true);
  modeAff_->setText(QStringLiteral("Modification QSO"));
  showRowInEntry(selectedRow_);
  SetFieldColour(*indA_, kLightGreen);
  indA_->setFocus();
}

void MainWindow::Annule_Saisie_Click() {
  if (selectedRow_.empty()) {
    ctx_.messages.inform(this, QStringLiteral("Cliquez sur une ligne pour l'effacer"));
    return;
  }
  if (ctx_.messages.ask(this, QStringLiteral("Voulez vous Supprimer ce QSO ?"))) {
    const kmb::Bytes oldLine = kmb::LogLineFromListRow(selectedRow_);
    rewriteLog(kTemporaire, [&oldLine](const kmb::Lines& log) { return kmb::DeleteLogLine(log, oldLine); });
  }
  annuleSaisie_->setEnabled(false);
  ResetEntry();
}

// After a row click the call-sign field is disabled; it is opened again so
// the QSO to insert can be typed at once.
void MainWindow::Ajout_QSO_Click() {
  insertionMode_ = true;
  modeAff_->setText(QStringLiteral("Insertion QSO"));
  indA_->setEnabled(true);
  SetFieldColour(*indA_, kLightGreen);
  indA_->setFocus();
}

kmb::QsoRecord MainWindow::recordFromEntry() const {
  return kmb::QsoRecord{ToCp1252(indA_->text()),      ToCp1252(dptA_->text()),  ToCp1252(prenomA_->text()),
                        ToCp1252(refA_->text()),      ToCp1252(dateA_->text()), ToCp1252(heureA_->text()),
                        ToCp1252(modeA_->currentText()), ToCp1252(bandeA_->currentText()), ToCp1252(rstA_->text()),
                        ToCp1252(rsteA_->text()),     ToCp1252(remA_->text()),  qslA_->isChecked()};
}

void MainWindow::Valide_A_Click() {
  if (ctx_.messages.ask(this, QStringLiteral("Voulez vous enregistrer ces données ?")) && !saveEntry()) return;
  returnToFreshEntry();
}

bool MainWindow::saveEntry() {
  if (refuse(kmb::CheckRecordFitsLog(recordFromEntry()))) return false;
  prenomA_->setText(UpperKeepingLength(prenomA_->text()));
  const QString rem = remA_->text().trimmed();
  if (rem.size() > int(kmb::kNomLavoirWidth)) remA_->setText(rem.left(int(kmb::kNomLavoirWidth)));
  const kmb::QsoRecord record = recordFromEntry();
  const kmb::Bytes newLine = kmb::FormatLogLine(record);

  kmb::QsoSave save{ctx_.programFolder, kmb::LogFilePath(ctx_.programFolder, stationCall_),
                    kmb::FirstNameLine(record.indicatif, record.dpt, record.prenom), kTemporaire, {}};
  if (modificationMode_) {
    kmb::Bytes oldRow = selectedRow_;
    if (oldRow.size() > 89) oldRow.replace(89, 30, kmb::UpperCp1252(kmb::Column(oldRow, 90, 30)));
    save.change = [newLine, oldLine = kmb::LogLineFromListRow(oldRow)](const kmb::Lines& log) {
      return kmb::ReplaceLogLine(log, newLine, oldLine);
    };
  } else if (automaticDate() && !insertionMode_) {
    save.change = [newLine](const kmb::Lines& log) { return kmb::AddLogLine(log, newLine); };
  } else {
    save.logTempName = kTemporaire6;
    save.change = [newLine](const kmb::Lines& log) { return kmb::InsertLogLineByDate(log, newLine); };
  }
  return showWrittenLog(kmb::SaveQso(ctx_.files, save));
}

// Unlike a reset, the last row is shown first, a manual date stays, the QSL
// box is closed and the delete button keeps the state the row gave it.
void MainWindow::returnToFreshEntry() {
  selectLastRow();
  leaveEntryModes();
  valideA_->setEnabled(false);
  for (QLineEdit* field : {indA_, dptA_, prenomA_, refA_, heureA_}) {
    field->clear();
    SetWaiting(*field);
  }
  if (automaticDate()) dateA_->clear();
  SetWaiting(*dateA_);
  SetWaiting(*modeA_);
  SetFieldColour(*bandeA_, kLightYellow);
  restoreDefaultTexts();
  qslA_->setChecked(false);
  qslA_->setEnabled(false);
  openField(indA_);
  selectStoredBandAndMode();
}
