// Undo and redo of the log's changes: each goes through the same rewrite as
// every other change, and only over the very log the change left (or found).
#include <QAction>
#include <QMenu>

#include "app/LogListPanel.h"
#include "app/MainWindow.h"
#include "core/log/LogLine.h"
#include "ui/kit/ShownText.h"

namespace {

QString ChangeName(kmb::ChangeKind kind) {
  switch (kind) {
    case kmb::ChangeKind::Saved: return QStringLiteral("l'enregistrement");
    case kmb::ChangeKind::Modified: return QStringLiteral("la modification");
    case kmb::ChangeKind::Inserted: return QStringLiteral("l'insertion");
    case kmb::ChangeKind::Deleted: return QStringLiteral("la suppression");
    case kmb::ChangeKind::Imported: return QStringLiteral("l'importation");
    case kmb::ChangeKind::Confirmed: return QStringLiteral("la confirmation de la QSL");
  }
  return {};
}

// "Annuler la suppression du QSO F1AAA du 05/12/26, lavoir 89001 ?", "Annuler l'importation de 57 QSO ?"
QString Question(const kmb::ChangeLabel& label, bool back) {
  const QString action = (back ? QStringLiteral("Annuler ") : QStringLiteral("Rétablir ")) + ChangeName(label.kind);
  if (label.qso.empty()) return QStringLiteral("%1 de %2 QSO ?").arg(action).arg(label.count);
  const kmb::QsoRecord qso = kmb::EntryRecord(label.qso);
  return QStringLiteral("%1 du QSO %2 du %3, lavoir %4 ?")
      .arg(action, FromCp1252(qso.indicatif), FromCp1252(qso.date), FromCp1252(qso.ref));
}

}  // namespace

// Not Ctrl+Z: the entry fields keep their own undo of what is typed.
void MainWindow::buildHistoryCommands(QMenu& file) {
  undo_ = new QAction(QStringLiteral("&Annuler la dernière modification du log"), this);
  undo_->setObjectName(QStringLiteral("Mnu_Annuler"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
  redo_ = new QAction(QStringLiteral("&Rétablir la modification annulée"), this);
  redo_->setObjectName(QStringLiteral("Mnu_Retablir"));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Y));
  file.addAction(undo_);
  file.addAction(redo_);
  connect(undo_, &QAction::triggered, this, &MainWindow::undoLastChange);
  connect(redo_, &QAction::triggered, this, &MainWindow::redoUndoneChange);
  showHistoryState();
}

void MainWindow::undoLastChange() { stepThroughHistory(true); }
void MainWindow::redoUndoneChange() { stepThroughHistory(false); }

void MainWindow::stepThroughHistory(bool back) {
  const kmb::RecordedChange* change = back ? history_.toUndo() : history_.toRedo();
  if (!change) return;
  const QString action =
      back ? QStringLiteral("annuler une modification du log") : QStringLiteral("rétablir une modification du log");
  if (entryBusyFor(action)) return;
  if (history_.storedCall() != stationCall_) {
    forgetHistory(QStringLiteral("Les modifications gardées sont celles du log de la station %1 : le log de %2 "
                                 "n'a pas été touché.")
                      .arg(QString::fromStdString(kmb::StationCallDisplay(history_.storedCall())),
                           QString::fromStdString(kmb::StationCallDisplay(stationCall_))));
    return;
  }
  const kmb::LogDifference& difference = change->difference;
  if (!(back ? kmb::HoldsAfter : kmb::HoldsBefore)(listedLog_.lines(), difference)) {
    forgetHistory(QStringLiteral("Le log %1 n'est plus tel que cette modification l'a laissé : rien n'y a été écrit.")
                      .arg(logFileName()));
    return;
  }
  if (!ctx_.messages.ask(this, Question(change->label, back))) return;
  const auto step = [&difference, back](kmb::Lines log) {
    return back ? kmb::Undone(log, difference) : kmb::Redone(log, difference);
  };
  if (!rewriteLog(step, {}, back ? change->bytesBefore : std::nullopt)) return;
  const std::size_t place = kmb::FirstPlace(difference, !back);
  back ? history_.undone() : history_.redone();
  showHistoryState();
  form_->reset();
  if (!listedLog_.lines().empty()) selectListRow(static_cast<int>(place));
}

void MainWindow::forgetHistory(const QString& why) {
  history_.clear();
  showHistoryState();
  ctx_.messages.inform(this, why + QStringLiteral("\r\nL'historique des modifications est effacé."));
}

void MainWindow::showHistoryState() {
  if (!undo_) return;
  undo_->setEnabled(history_.toUndo() != nullptr);
  redo_->setEnabled(history_.toRedo() != nullptr);
}
