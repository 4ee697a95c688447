// The log as the main list shows it: loading it, and every change made from
// the list or the entry form. Each change acts on the log as listed and
// rewrites it atomically; a refused or failed write leaves the files as they
// were and the entry on screen.
#include "app/ClockPanel.h"
#include "app/LogListPanel.h"
#include "app/MainWindow.h"
#include "core/log/FirstNameList.h"
#include "core/log/LogConversion.h"
#include "core/log/LogRewrite.h"
#include "ui/kit/FolderOffer.h"
#include "ui/kit/ShownText.h"

namespace {

const QString kRowGone =
    QStringLiteral("La ligne choisie n'est plus dans la liste : cliquez de nouveau sur le QSO voulu.");

}  // namespace

void MainWindow::reportIoError(const kmb::IoError& error) {
  ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(error)));
}

QString MainWindow::logFileName() const {
  return QString::fromStdString(kmb::LogFilePath(ctx_.programFolder, stationCall_).string());
}

bool MainWindow::loadLogList() {
  list_->clear();
  listedLog_ = {};
  kmb::SnapshotResult read = kmb::ReadLogSnapshot(ctx_.files, kmb::LogFilePath(ctx_.programFolder, stationCall_));
  if (read.error) {
    ctx_.messages.inform(this, QString::fromStdString(kmb::IoErrorMessage(*read.error)) +
                                   QStringLiteral("\r\nLa liste reste vide et rien ne sera écrit dans ce log."));
    return false;
  }
  if (!read.snapshot.exists) {
    ctx_.messages.inform(this, QStringLiteral("Le log de la station %1 est introuvable :\r\n%2\r\n"
                                              "La liste reste vide ; le fichier sera créé au premier QSO enregistré.")
                                   .arg(QString::fromStdString(stationCall_), logFileName()));
    return false;
  }
  if (!read.snapshot.writable() && offerConversion(read.snapshot)) return loadLogList();
  listedLog_ = std::move(read.snapshot);
  return listLines(listedLog_.lines());
}

void MainWindow::listWrittenLog(kmb::Lines lines) {
  listedLog_ = kmb::LogSnapshot{kmb::DecodedLog{std::move(lines)}, true};
  listLines(listedLog_.lines());
  list_->selectLastRow();
  // The entry may still hold the row it saved, and so not follow the
  // selection: the row chosen from now on is the one selected now.
  rememberCurrentRow();
}

void MainWindow::rememberCurrentRow() {
  const int row = list_->currentRow();
  selectedIndex_ = row < 0 ? 0 : static_cast<std::size_t>(row);
  selectedLine_ = row < 0 ? std::nullopt : std::optional(list_->lines()[selectedIndex_]);
}

bool MainWindow::listLines(const kmb::Lines& lines) {
  if (lines.size() > kmb::kMaxListedLines) {
    list_->clear();
    ctx_.messages.inform(this, QStringLiteral("Le log %1 contient %2 QSO : au-delà de %3 QSO il ne peut pas être "
                                              "affiché. Le fichier n'a pas été modifié.")
                                   .arg(logFileName())
                                   .arg(lines.size())
                                   .arg(kmb::kMaxListedLines));
    return false;
  }
  list_->showLines(lines);
  form_->openCallSign();
  return true;
}

void MainWindow::showSelectedRow() {
  if (form_->rowLocked()) return;
  if (list_->currentRow() < 0) return;
  rememberCurrentRow();
  form_->enableDelete(true);
  form_->showQso(kmb::EntryRecord(*selectedLine_));
}

void MainWindow::openSelectedRow() {
  if (form_->rowLocked()) return;
  form_->lockRow();
  if (!selectedLine_) {
    ctx_.messages.inform(this, QStringLiteral("Cliquez sur une ligne pour l'editer"));
    return;
  }
  form_->openQso(kmb::EntryRecord(*selectedLine_));
}

std::optional<std::size_t> MainWindow::chosenLine() const {
  const kmb::Lines& lines = list_->lines();
  if (!selectedLine_ || selectedIndex_ >= lines.size() || lines[selectedIndex_] != *selectedLine_) return std::nullopt;
  return selectedIndex_;
}

void MainWindow::deleteSelectedQso() {
  if (!selectedLine_) {
    ctx_.messages.inform(this, QStringLiteral("Cliquez sur une ligne pour l'effacer"));
    return;
  }
  if (const auto line = chosenLine()) {
    const kmb::QsoRecord qso = kmb::EntryRecord(*selectedLine_);
    if (ctx_.messages.ask(this, QStringLiteral("Voulez vous Supprimer ce QSO ?\r\n\r\n%1 du %2, lavoir %3")
                                    .arg(FromCp1252(qso.indicatif), FromCp1252(qso.date), FromCp1252(qso.ref))))
      editLog([index = *line](kmb::Lines log) { return kmb::DeleteLogLineAt(std::move(log), index); }, {},
              {kmb::ChangeKind::Deleted, *selectedLine_});
  } else {
    ctx_.messages.inform(this, kRowGone);
  }
  form_->reset();
}

void MainWindow::validateEntry() {
  if (ctx_.messages.ask(this, QStringLiteral("Voulez vous enregistrer ces données ?")) && !saveEntry()) return;
  list_->selectLastRow();
  form_->prepareNextQso();
}

bool MainWindow::saveEntry() {
  std::optional<std::size_t> modified;
  if (form_->mode() == EntryMode::Modification && !(modified = chosenLine())) {
    ctx_.messages.inform(this, kRowGone);
    return false;
  }
  if (!form_->readyToSave()) return false;
  const kmb::QsoRecord record = form_->record();
  const kmb::Bytes newLine = kmb::FormatLogLine(record);
  kmb::Lines firstName{kmb::FirstNameLine(record.indicatif, record.dpt, record.prenom)};
  if (modified)
    return editLog(
        [newLine, index = *modified](kmb::Lines log) { return kmb::ReplaceLogLineAt(std::move(log), index, newLine); },
        std::move(firstName), {kmb::ChangeKind::Modified, listedLog_.lines()[*modified]});
  if (automaticDate() && form_->mode() == EntryMode::Entry)
    return editLog([newLine](kmb::Lines log) { return kmb::AddLogLine(std::move(log), newLine); }, std::move(firstName),
                   {kmb::ChangeKind::Saved, newLine});
  const kmb::ChangeKind kind =
      form_->mode() == EntryMode::Insertion ? kmb::ChangeKind::Inserted : kmb::ChangeKind::Saved;
  return editLog([newLine](kmb::Lines log) { return kmb::InsertLogLineByDate(log, newLine); }, std::move(firstName),
                 {kind, newLine});
}

// The entry is emptied afterwards: a QSO being typed would be lost.
bool MainWindow::changeLog(kmb::LogChange change, kmb::Lines firstNameLines, const kmb::ChangeLabel& label) {
  if (entryBusyFor(QStringLiteral("modifier le log"))) return false;
  if (!editLog(std::move(change), std::move(firstNameLines), label)) return false;
  form_->reset();
  return true;
}

bool MainWindow::entryBusyFor(const QString& action) {
  const std::optional<QString> busy = form_->busyFor(action);
  if (busy) ctx_.messages.inform(this, *busy + QStringLiteral("\r\nRien n'a été écrit."));
  return busy.has_value();
}

bool MainWindow::editLog(kmb::LogChange change, kmb::Lines firstNameLines, const kmb::ChangeLabel& label) {
  kmb::LogDifference difference;
  // The change is given the log as listed, which stays listed until it is written.
  const kmb::LogChange kept = [this, &change, &difference](kmb::Lines log) {
    kmb::Lines after = change(std::move(log));
    difference = kmb::DifferenceOf(listedLog_.lines(), after);
    return after;
  };
  std::optional<kmb::EditResult> written = rewriteLog(kept, std::move(firstNameLines), std::nullopt);
  if (!written) return false;
  history_.record(stationCall_, {label, std::move(difference), std::move(written->bytesBefore)});
  showHistoryState();
  return true;
}

std::optional<kmb::EditResult> MainWindow::rewriteLog(const kmb::LogChange& change, kmb::Lines firstNameLines,
                                                      const std::optional<kmb::Bytes>& exactBytes,
                                                      bool mayConvertFirstNames) {
  const kmb::LogEdit edit{ctx_.programFolder, stationCall_, change, firstNameLines, kmb::DayText(ctx_.clock.localNow()),
                          exactBytes};
  kmb::EditResult result = kmb::EditLog(ctx_.files, listedLog_, edit);
  if (result.error) {
    reportIoError(*result.error);
    if (result.firstNamesError)
      ctx_.messages.inform(this, QStringLiteral("La liste des prénoms n'a pas pu être remise comme elle était avant "
                                                "l'enregistrement.\r\n") +
                                     QString::fromStdString(kmb::IoErrorMessage(*result.firstNamesError)));
    return std::nullopt;
  }
  switch (result.refusal) {
    case kmb::EditRefusal::ChangedOnDisk:
      // What the history kept no longer fits the file.
      ctx_.messages.inform(this, QStringLiteral("Le log %1 a été modifié ou supprimé hors d'ORX_KMB depuis son "
                                                "affichage : rien n'y a été écrit. La liste va être relue ; "
                                                "vérifiez-la, puis recommencez.")
                                         .arg(logFileName()) +
                                     (history_.toUndo() || history_.toRedo()
                                          ? QStringLiteral("\r\nL'historique des modifications est effacé.")
                                          : QString()));
      history_.clear();
      showHistoryState();
      loadLogList();
      return std::nullopt;
    case kmb::EditRefusal::NotWindows1252:
      if (offerConversion(listedLog_)) {
        loadLogList();
        ctx_.messages.inform(this, QStringLiteral("Rien n'a encore été écrit : recommencez."));
      }
      return std::nullopt;
    case kmb::EditRefusal::FirstNamesNotWindows1252:
      // The QSO is saved either way: with the list converted, or without touching it; asked once.
      if (mayConvertFirstNames && offerFirstNamesConversion())
        return rewriteLog(change, std::move(firstNameLines), exactBytes, false);
      return rewriteLog(change, {}, exactBytes, false);
    case kmb::EditRefusal::TooManyLines:
      ctx_.messages.inform(this, QStringLiteral("Le log %1 ne peut pas dépasser %2 QSO : au-delà, la liste ne pourrait "
                                                "plus l'afficher. Rien n'a été écrit ; le fichier n'a pas été modifié.")
                                     .arg(logFileName())
                                     .arg(kmb::kMaxListedLines));
      return std::nullopt;
    case kmb::EditRefusal::None: break;
  }
  listWrittenLog(std::move(result.lines));
  if (result.backupError)
    ctx_.messages.inform(this, QStringLiteral("Le log a bien été enregistré, mais sa copie du jour n'a pas pu être "
                                              "faite.\r\n") +
                                   QString::fromStdString(kmb::IoErrorMessage(*result.backupError)));
  return result;
}

bool MainWindow::offerFirstNamesConversion() {
  const std::filesystem::path path = ctx_.programFolder / kmb::kFirstNameListName;
  const QString name = QString::fromStdString(path.string());
  const kmb::FirstNameListRead list = kmb::ReadFirstNameList(ctx_.files, ctx_.programFolder);
  const QString found = QString::fromStdString(kmb::LogEncodingDescription(list.text));
  return convertAfterAsking(
      path,
      QStringLiteral("La liste des prénoms %1 n'est pas écrite comme ORX_KMB l'écrit (Windows-1252) : elle contient "
                     "%2.\r\n\r\nLa convertir maintenant en Windows-1252 ? Le fichier d'origine sera gardé à côté. "
                     "Sinon, elle reste telle quelle et ce QSO est enregistré sans y retenir le prénom ni le "
                     "département.")
          .arg(name, found),
      QStringLiteral("La liste des prénoms %1 est convertie en Windows-1252.").arg(name));
}

bool MainWindow::offerConversion(const kmb::LogSnapshot& log) {
  const QString name = logFileName();
  const QString found = QString::fromStdString(kmb::LogEncodingDescription(log.text));
  return convertAfterAsking(
      kmb::LogFilePath(ctx_.programFolder, stationCall_),
      QStringLiteral("Le log %1 n'est pas écrit comme ORX_KMB écrit ses logs (Windows-1252) : il contient %2.\r\n"
                     "Il est affiché tel quel, mais aucun QSO n'y sera enregistré, modifié ou supprimé tant qu'il "
                     "n'est pas converti.\r\n\r\nLe convertir maintenant en Windows-1252 ? Le fichier d'origine "
                     "sera gardé à côté.")
          .arg(name, found),
      QStringLiteral("Le log %1 est converti en Windows-1252.").arg(name));
}

bool MainWindow::convertAfterAsking(const std::filesystem::path& path, const QString& question, const QString& done) {
  if (!ctx_.messages.ask(this, question)) return false;
  const kmb::ConversionResult converted = kmb::ConvertToWindows1252(ctx_.files, path);
  if (converted.error) {
    reportIoError(*converted.error);
    return false;
  }
  InformOfferingFolder(ctx_, this,
                       done + QStringLiteral(" Le fichier d'origine est gardé sous le nom %1.")
                                  .arg(QString::fromStdString(converted.original.string())));
  return true;
}
