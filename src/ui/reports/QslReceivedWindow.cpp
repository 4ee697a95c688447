#include "ui/reports/QslReceivedWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/reports/QslList.h"
#include "ui/kit/CommandBoard.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowKeys.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/reports/AdifReading.h"
#include "ui/reports/ConfirmationSummaryDialog.h"
#include "ui/reports/QslCallFrame.h"
#include "ui/reports/SummaryLists.h"

namespace {

const QString kTitle = QStringLiteral("QSL reçues");

QString ConfirmedCount(std::size_t count) {
  return Agreed(count, QStringLiteral("%1 QSO confirmé : sa QSL reçue est enregistrée dans le log."),
                QStringLiteral("%1 QSO confirmés : leur QSL reçue est enregistrée dans le log."));
}

}  // namespace

QslReceivedWindow::QslReceivedWindow(CommandBoard& board) : board_(board) {
  setObjectName(QStringLiteral("QSL_Recues"));
  setWindowTitle(kTitle);
  // Enter goes on to the list, where the space bar ticks.
  const QslCallFrame callFrame = BuildQslCallFrame(kTitle, QStringLiteral("QSL reçues de "), [this] {
    listAwaitedQsls();
    if (awaited_->count() > 0) awaited_->setFocus();
  });
  title_ = callFrame.title;
  call_ = callFrame.call;
  call_->setAccessibleName(QStringLiteral("Indicatif"));
  callFrame.list->setAccessibleName(QStringLiteral("Afficher les QSO dont la QSL n'est pas enregistrée"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(callFrame.frame);
  layout->addWidget(
      BuildQslListFrame(awaited_, QStringLiteral("QSO dont la QSL n'est pas enregistrée (barre d'espace : cocher)")),
      1);
  layout->addWidget(buildButtons());

  connect(callFrame.list, &QPushButton::clicked, this, &QslReceivedWindow::listAwaitedQsls);
  connect(confirm_, &QPushButton::clicked, this, &QslReceivedWindow::confirmTicked);
  connect(readFile_, &QPushButton::clicked, this, &QslReceivedWindow::readConfirmationFile);
  board_.onLogListed(this, [this] { followLog(); });

  resize(760, 520);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, board_.context().settings);
}

QWidget* QslReceivedWindow::buildButtons() {
  auto* frame = new QGroupBox;
  confirm_ = Named(new QPushButton(QStringLiteral("&Confirmer"), frame), "Confirmer_QSL");
  confirm_->setToolTip(QStringLiteral("Enregistrer dans le log la QSL reçue des QSO cochés"));
  readFile_ = Named(new QPushButton(QStringLiteral("&Lire un fichier de confirmations…"), frame), "Lire_Confirmations");
  readFile_->setToolTip(QStringLiteral("Confirmer les QSO d'un fichier ADIF de QSL reçues (LoTW, eQSL, autre carnet)"));
  auto* row = new QHBoxLayout(frame);
  row->addWidget(confirm_);
  row->addStretch(1);
  row->addWidget(readFile_);
  return frame;
}

void QslReceivedWindow::listAwaitedQsls() {
  if (call_->text().isEmpty()) {
    board_.context().messages.inform(this, QStringLiteral("Entrez un indicatif"));
    return;
  }
  listedCall_ = call_->text();
  followLog();
  awaited_->setCurrentRow(0);
}

void QslReceivedWindow::followLog() {
  if (listedCall_.isEmpty()) return;
  const std::vector<kmb::ChosenLine> ticked = tickedQsos();
  title_->setText(QStringLiteral("QSL reçues de ") + listedCall_);
  awaited_->clear();
  rows_.clear();
  const kmb::Lines& log = board_.listedLog();
  for (const std::size_t i : kmb::AwaitedQslPlaces(log, ToCp1252(listedCall_))) {
    const bool wasTicked =
        std::any_of(ticked.begin(), ticked.end(), [&log, i](const kmb::ChosenLine& c) { return c.line == log[i]; });
    AddTickableRow(*awaited_, kmb::QslListRow(log[i]), wasTicked);
    rows_.push_back({i, log[i]});
  }
}

std::vector<kmb::ChosenLine> QslReceivedWindow::tickedQsos() const {
  std::vector<kmb::ChosenLine> ticked;
  for (const int row : TickedRows(*awaited_)) ticked.push_back(rows_[static_cast<std::size_t>(row)]);
  return ticked;
}

void QslReceivedWindow::confirmTicked() {
  const std::vector<kmb::ChosenLine> ticked = tickedQsos();
  if (ticked.empty()) {
    board_.context().messages.inform(
        this, QStringLiteral("Aucun QSO n'est coché : tapez l'indicatif puis Entrée, cochez (barre d'espace) les QSO "
                             "dont la QSL est arrivée, puis cliquez sur « Confirmer »."));
    return;
  }
  markReceived(ticked);
}

void QslReceivedWindow::markReceived(const std::vector<kmb::ChosenLine>& chosen) {
  AppContext& ctx = board_.context();
  if (!kmb::StillInPlace(board_.listedLog(), chosen)) {
    ctx.messages.inform(this, QStringLiteral("Le log a changé depuis que ces QSO ont été lus : rien n'a été écrit. "
                                             "Vérifiez-les, puis recommencez."));
    followLog();
    return;
  }
  std::vector<std::size_t> places;
  for (const kmb::ChosenLine& c : chosen) places.push_back(c.index);
  const kmb::ChangeLabel label{kmb::ChangeKind::Confirmed, chosen.size() == 1 ? chosen.front().line : kmb::Bytes(),
                               chosen.size()};
  if (!board_.changeLog([places](kmb::Lines log) { return kmb::MarkQslReceivedAt(std::move(log), places); }, {}, label))
    return;
  ctx.messages.inform(this, ConfirmedCount(places.size()));
  activateWindow();
  call_->setFocus();
  call_->selectAll();
}

void QslReceivedWindow::readConfirmationFile() {
  AppContext& ctx = board_.context();
  const QString chosen = ChooseAdifFile(ctx, this, QStringLiteral("Lire un fichier de confirmations"));
  if (chosen.isEmpty()) return;
  // Matched on a copy of the log as listed: the list is the window's.
  ReadAdifInBackground(
      ctx, this, chosen, kTitle, QStringLiteral("rien n'a été confirmé"),
      [this, listed = std::make_shared<const kmb::Lines>(board_.listedLog())](const kmb::AdifFile& adif) {
        auto match = std::make_shared<const kmb::ConfirmationMatch>(kmb::MatchConfirmations(adif, *listed));
        return AdifDelivery([this, match, listed] { offerConfirmations(*match, *listed); });
      },
      [this] { activateWindow(); });
}

void QslReceivedWindow::offerConfirmations(const kmb::ConfirmationMatch& match, const kmb::Lines& matchedLog) {
  ConfirmationSummaryDialog summary(match, matchedLog, board_.context().settings, this);
  if (summary.exec() != QDialog::Accepted) return;
  std::vector<kmb::ChosenLine> chosen;
  for (const std::size_t i : match.toConfirm) chosen.push_back({i, matchedLog[i]});
  markReceived(chosen);
}
