#include "ui/reports/AdifImportCommand.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>
#include <chrono>
#include <future>

#include "core/log/LogRewrite.h"
#include "ui/kit/CommandBoard.h"
#include "ui/reports/ImportSummaryDialog.h"

namespace {

struct ReadImport {
  kmb::IoStatus error;
  bool isAdif = false;
  std::size_t records = 0;
  kmb::ImportPlan plan;
};

// Planned against the log as the list shows it, which is what the import changes.
ReadImport ReadAndPlan(kmb::FileSystem& files, const std::filesystem::path& file, const kmb::Lines& listed) {
  ReadImport result;
  const kmb::ReadResult read = files.readAll(file);
  result.error = read.error;
  if (read.error) return result;
  const kmb::AdifFile adif = kmb::ReadAdif(read.bytes);
  result.isAdif = adif.isAdif;
  result.records = adif.records.size();
  result.plan = kmb::PlanImport(adif.records, listed);
  return result;
}

// A long file is read on a thread of its own; the window keeps answering and
// shows a progress once a second has gone by.
ReadImport ReadWithoutFreezing(QWidget* parent, std::function<ReadImport()> work) {
  std::future<ReadImport> reading = std::async(std::launch::async, std::move(work));
  QProgressDialog progress(QStringLiteral("Lecture du fichier ADIF…"), QString(), 0, 0, parent);
  progress.setWindowTitle(QStringLiteral("Importation ADIF"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(1000);
  while (reading.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
    progress.setValue(0);
    // Until the progress shows, keys and clicks wait, so that no other
    // command changes the log the plan is made on.
    QApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
  }
  return reading.get();
}

}  // namespace

void ImportAdifFile(CommandBoard& board) {
  AppContext& ctx = board.context();
  QWidget* parent = board.messageParent();
  const QString chosen = QFileDialog::getOpenFileName(
      parent, QStringLiteral("Importer un fichier ADIF"), QString::fromStdString(ctx.programFolder.string()),
      QStringLiteral("Fichiers ADIF (*.adi *.adif)"), nullptr, QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return;
  const std::filesystem::path file = chosen.toStdString();
  // A copy for the reading thread: the list is the window's.
  const ReadImport read = ReadWithoutFreezing(
      parent, [&files = ctx.files, file, listed = board.listedLog()] { return ReadAndPlan(files, file, listed); });
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
  const kmb::Lines& added = read.plan.toAdd;
  if (board.changeLog([&added](kmb::Lines lines) { return kmb::InsertLinesByDate(lines, added); },
                      read.plan.firstNameLines))
    ctx.messages.inform(parent, QStringLiteral("%1 QSO importés").arg(added.size()));
}
