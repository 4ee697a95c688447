// Editing the log from the list (modify, insert, delete) and saving an entry.
// Every change acts on the log as listed and rewrites it atomically; a
// refused or failed write leaves the files as they were and the entry on
// screen.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "app/Cp1252Text.h"
#include "app/FieldColours.h"
#include "app/LogListModel.h"
#include "app/MainWindow.h"
#include "log/FirstNameList.h"
#include "log/LogConversion.h"
#include "log/LogRewrite.h"

using namespace settings_keys;

namespace {

constexpr const char* kTemporaire = "Temporaire.txt";
constexpr const char* kTemporaire6 = "Temporaire6.txt";

const QString kRowGone =
    QStringLiteral("La ligne choisie n'est plus dans la liste : cliquez de nouveau sur le QSO voulu.");

}  // namespace

void MainWindow::reportIoError(const kmb::IoError& error) {
  ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(error)));
}

QString MainWindow::logFileName() const {
  return QString::fromStdString(kmb::LogFilePath(ctx_.programFolder, stationCall_).string());
}

bool MainWindow::editLog(const char* tempName, kmb::LogChange change, kmb::Lines firstNameLines) {
  const kmb::LogEdit edit{ctx_.programFolder, stationCall_,           std::move(change),
                          tempName,           std::move(firstNameLines), kmb::DayText(ctx_.clock.localNow())};
  const kmb::EditResult result = kmb::EditLog(ctx_.files, listedLog_, edit);
  if (result.error) {
    reportIoError(*result.error);
    return false;
  }
  switch (result.refusal) {
    case kmb::EditRefusal::ChangedOnDisk:
      ctx_.messages.inform(this, QStringLiteral("Le log %1 a été modifié ou supprimé hors d'ORX_KMB depuis son "
                                                "affichage : rien n'y a été écrit. La liste va être relue ; "
                                                "vérifiez-la, puis recommencez.")
                                     .arg(logFileName()));
      LoadLogList();
      return false;
    case kmb::EditRefusal::NotWindows1252:
      if (offerConversion(listedLog_)) {
        LoadLogList();
        ctx_.messages.inform(this, QStringLiteral("Rien n'a encore été écrit : recommencez."));
      }
      return false;
    case kmb::EditRefusal::TooManyLines:
      ctx_.messages.inform(this, QStringLiteral("Le log %1 ne peut pas dépasser %2 QSO : au-delà, la liste ne pourrait "
                                                "plus l'afficher. Rien n'a été écrit ; le fichier n'a pas été modifié.")
                                     .arg(logFileName())
                                     .arg(kmb::kMaxListedLines));
      return false;
    case kmb::EditRefusal::None:
      break;
  }
  listWrittenLog(result.lines);
  selectLastRow();
  if (result.backupError)
    ctx_.messages.inform(this, QStringLiteral("Le log a bien été enregistré, mais sa copie du jour n'a pas pu être "
                                              "faite.\r\n") +
                                   QString::fromStdString(kmb::IoErrorMessage(*result.backupError)));
  return true;
}

bool MainWindow::offerConversion(const kmb::LogSnapshot& log) {
  const QString name = logFileName();
  const QString found = QString::fromStdString(kmb::LogEncodingDescription(log.text));
  const bool convert = ctx_.messages.ask(
      this, QStringLiteral("Le log %1 n'est pas écrit comme ORX_KMB écrit ses logs (Windows-1252) : il contient %2.\r\n"
                           "Il est affiché tel quel, mais aucun QSO n'y sera enregistré, modifié ou supprimé tant "
                           "qu'il n'est pas converti.\r\n\r\nLe convertir maintenant en Windows-1252 ? Le fichier "
                           "d'origine sera gardé à côté.")
                .arg(name, found));
  if (!convert) return false;
  const kmb::ConversionResult converted =
      kmb::ConvertLogToWindows1252(ctx_.files, kmb::LogFilePath(ctx_.programFolder, stationCall_));
  if (converted.error) {
    reportIoError(*converted.error);
    return false;
  }
  ctx_.messages.inform(this, QStringLiteral("Le log %1 est converti en Windows-1252. Le fichier d'origine est gardé "
                                            "sous le nom %2.")
                                 .arg(name, QString::fromStdString(converted.original.string())));
  return true;
}

std::optional<std::size_t> MainWindow::chosenLine() const {
  const auto& rows = listModel_->rows();
  if (selectedRow_.empty() || selectedIndex_ >= rows.size() || rows[selectedIndex_] != selectedRow_)
    return std::nullopt;
  return selectedIndex_;
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
  if (const auto line = chosenLine()) {
    if (ctx_.messages.ask(this, QStringLiteral("Voulez vous Supprimer ce QSO ?")))
      editLog(kTemporaire, [index = *line](const kmb::Lines& log) { return kmb::DeleteLogLineAt(log, index); }, {});
  } else {
    ctx_.messages.inform(this, kRowGone);
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
  std::optional<std::size_t> modified;
  if (modificationMode_ && !(modified = chosenLine())) {
    ctx_.messages.inform(this, kRowGone);
    return false;
  }
  prenomA_->setText(UpperKeepingLength(prenomA_->text()));
  const QString rem = remA_->text().trimmed();
  if (rem.size() > int(kmb::kNomLavoirWidth)) remA_->setText(rem.left(int(kmb::kNomLavoirWidth)));
  const kmb::QsoRecord record = recordFromEntry();
  const kmb::Bytes newLine = kmb::FormatLogLine(record);
  kmb::Lines firstName{kmb::FirstNameLine(record.indicatif, record.dpt, record.prenom)};

  if (modified)
    return editLog(
        kTemporaire,
        [newLine, index = *modified](const kmb::Lines& log) { return kmb::ReplaceLogLineAt(log, index, newLine); },
        std::move(firstName));
  if (automaticDate() && !insertionMode_)
    return editLog(
        kTemporaire, [newLine](const kmb::Lines& log) { return kmb::AddLogLine(log, newLine); }, std::move(firstName));
  return editLog(
      kTemporaire6, [newLine](const kmb::Lines& log) { return kmb::InsertLogLineByDate(log, newLine); },
      std::move(firstName));
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
