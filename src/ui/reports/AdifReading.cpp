#include "ui/reports/AdifReading.h"

#include <QFileDialog>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <filesystem>
#include <memory>

#include "ui/reports/ImportProgressDialog.h"

namespace {

// Shared by the window and the reading thread.
struct ReadingState {
  std::atomic<std::size_t> recordsRead{0};
  std::atomic<bool> cancelled{false};
};

AdifDelivery Inform(AppContext& ctx, QWidget* parent, const QString& text) {
  return [&ctx, parent, text] { ctx.messages.inform(parent, text); };
}

// On the worker: nothing it returns runs once the reading was cancelled.
AdifDelivery ReadAndPlan(AppContext& ctx, QWidget* parent, const QString& file, const QString& nothingDone,
                         const std::function<AdifDelivery(const kmb::AdifFile&)>& plan, ReadingState& state) {
  const kmb::ReadResult read = ctx.files.readAll(std::filesystem::path(file.toStdString()));
  if (read.error) return Inform(ctx, parent, QString::fromStdString(kmb::IoErrorMessage(*read.error)));
  const kmb::AdifFile adif = kmb::ReadAdif(read.bytes, [&state](std::size_t records) {
    state.recordsRead.store(records, std::memory_order_relaxed);
    return !state.cancelled.load(std::memory_order_relaxed);
  });
  if (adif.stopped) return {};
  if (!adif.isAdif || (adif.records.empty() && !adif.cut))
    return Inform(
        ctx, parent,
        QStringLiteral("Le fichier %1 %2 : %3.")
            .arg(file,
                 adif.isAdif ? QStringLiteral("ne contient aucun QSO") : QStringLiteral("n'est pas un fichier ADIF"),
                 nothingDone));
  return plan(adif);
}

}  // namespace

QString ChooseAdifFile(AppContext& context, QWidget* parent, const QString& caption) {
  return QFileDialog::getOpenFileName(parent, caption, QString::fromStdString(context.programFolder.string()),
                                      QStringLiteral("Fichiers ADIF (*.adi *.adif)"), nullptr,
                                      QFileDialog::DontUseNativeDialog);
}

void ReadAdifInBackground(AppContext& context, QWidget* parent, const QString& file, const QString& caption,
                          const QString& nothingDone, std::function<AdifDelivery(const kmb::AdifFile&)> plan,
                          std::function<void()> finished) {
  const auto state = std::make_shared<ReadingState>();
  // Window-modal while the file is read: no other command changes the log the plan is made on.
  auto* progress = new ImportProgressDialog(
      caption, [state] { return state->recordsRead.load(); }, parent);
  auto* reading = new QFutureWatcher<AdifDelivery>(progress);
  const auto cancel = [state] { state->cancelled = true; };
  QObject::connect(progress, &ImportProgressDialog::cancelAsked, cancel);
  QObject::connect(progress, &QObject::destroyed, cancel);  // closed with the program
  QObject::connect(reading, &QFutureWatcherBase::finished, progress,
                   [state, progress, reading, finished = std::move(finished)] {
                     progress->hide();
                     progress->deleteLater();
                     const AdifDelivery delivery = reading->future().takeResult();
                     if (!state->cancelled && delivery) delivery();
                     finished();
                   });
  reading->setFuture(QtConcurrent::run([&context, parent, file, nothingDone, plan = std::move(plan), state] {
    return ReadAndPlan(context, parent, file, nothingDone, plan, *state);
  }));
  progress->open();
}
