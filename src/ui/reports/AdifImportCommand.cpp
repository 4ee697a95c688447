#include "ui/reports/AdifImportCommand.h"

#include <QFileDialog>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <memory>

#include "core/log/FirstNameList.h"
#include "core/log/LogRewrite.h"
#include "ui/kit/CommandBoard.h"
#include "ui/reports/ImportProgressDialog.h"
#include "ui/reports/ImportSummaryDialog.h"

namespace {

// Shared by the window and the reading thread.
struct ReadingState {
  std::atomic<std::size_t> recordsRead{0};
  std::atomic<bool> cancelled{false};
};

struct ReadImport {
  kmb::IoStatus error;
  bool isAdif = false;
  std::size_t records = 0;
  kmb::ImportPlan plan;
};

// Planned against the log as the list shows it, which is what the import changes.
ReadImport ReadAndPlan(kmb::FileSystem& files, const std::filesystem::path& file, const kmb::Lines& listed,
                       ReadingState& state) {
  ReadImport result;
  const kmb::ReadResult read = files.readAll(file);
  result.error = read.error;
  if (read.error) return result;
  const kmb::AdifFile adif = kmb::ReadAdif(read.bytes, [&state](std::size_t records) {
    state.recordsRead.store(records, std::memory_order_relaxed);
    return !state.cancelled.load(std::memory_order_relaxed);
  });
  if (adif.stopped) return result;
  result.isAdif = adif.isAdif;
  result.records = adif.records.size() + (adif.cut ? 1 : 0);
  result.plan = kmb::PlanImport(adif, listed);
  return result;
}

// The list's lines of the imported call signs, with what the QSOs bring. No
// list yet knows nobody.
kmb::LinesResult FirstNamesToStore(AppContext& ctx, const kmb::Lines& oldestFirst) {
  const kmb::FirstNameListRead list = kmb::ReadFirstNameList(ctx.files, ctx.programFolder);
  if (list.error) return {{}, list.error};
  return {kmb::LatestFirstNames(list.text.lines, oldestFirst), std::nullopt};
}

// What the file would bring, and the QSOs added once the operator agrees.
void OfferImport(CommandBoard& board, const QString& chosen, const ReadImport& read) {
  AppContext& ctx = board.context();
  QWidget* parent = board.messageParent();
  if (read.error) {
    ctx.messages.inform(parent, QString::fromStdString(kmb::IoErrorMessage(*read.error)));
    return;
  }
  if (!read.isAdif || read.records == 0) {
    ctx.messages.inform(parent, QStringLiteral("Le fichier %1 %2 : rien n'a été importé.")
                                    .arg(chosen, read.isAdif ? QStringLiteral("ne contient aucun QSO")
                                                             : QStringLiteral("n'est pas un fichier ADIF")));
    return;
  }
  ImportSummaryDialog summary(read.plan, ctx.settings, parent);
  if (summary.exec() != QDialog::Accepted) return;
  kmb::LinesResult firstNames = FirstNamesToStore(ctx, read.plan.firstNameLines);
  if (firstNames.error) {
    ctx.messages.inform(parent,
                        QStringLiteral("La liste des prénoms ne peut pas être lue : rien n'a été importé.\r\n") +
                            QString::fromStdString(kmb::IoErrorMessage(*firstNames.error)));
    return;
  }
  const kmb::Lines& added = read.plan.toAdd;
  if (board.changeLog([&added](kmb::Lines lines) { return kmb::InsertLinesByDate(lines, added); },
                      std::move(firstNames.lines)))
    ctx.messages.inform(
        parent,
        (added.size() > 1 ? QStringLiteral("%1 QSO importés") : QStringLiteral("%1 QSO importé")).arg(added.size()));
}

}  // namespace

void ImportAdifFile(CommandBoard& board) {
  AppContext& ctx = board.context();
  QWidget* parent = board.messageParent();
  const QString chosen = QFileDialog::getOpenFileName(
      parent, QStringLiteral("Importer un fichier ADIF"), QString::fromStdString(ctx.programFolder.string()),
      QStringLiteral("Fichiers ADIF (*.adi *.adif)"), nullptr, QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) {
    board.giveKeyboardBack();
    return;
  }
  const auto state = std::make_shared<ReadingState>();
  // Window-modal while the file is read: no other command changes the log the plan is made on.
  auto* progress = new ImportProgressDialog([state] { return state->recordsRead.load(); }, parent);
  auto* reading = new QFutureWatcher<ReadImport>(progress);
  const auto cancel = [state] { state->cancelled = true; };
  QObject::connect(progress, &ImportProgressDialog::cancelAsked, cancel);
  QObject::connect(progress, &QObject::destroyed, cancel);  // closed with the program
  QObject::connect(reading, &QFutureWatcherBase::finished, progress, [&board, chosen, state, progress, reading] {
    progress->hide();
    progress->deleteLater();
    if (!state->cancelled) OfferImport(board, chosen, reading->future().takeResult());
    board.giveKeyboardBack();
  });
  // A copy of the list for the reading thread: the list is the window's.
  reading->setFuture(
      QtConcurrent::run([&files = ctx.files, file = std::filesystem::path(chosen.toStdString()),
                         listed = board.listedLog(), state] { return ReadAndPlan(files, file, listed, *state); }));
  progress->open();
}
