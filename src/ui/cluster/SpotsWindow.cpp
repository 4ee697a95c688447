#include "ui/cluster/SpotsWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cluster/SpotLine.h"
#include "core/settings/StationCall.h"
#include "ui/cluster/AnnounceWindow.h"
#include "ui/cluster/SpotListModel.h"
#include "ui/kit/CommandBoard.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

using namespace settings_keys;

namespace {

constexpr int kShowAfterMs = 50;
constexpr int kExpiryCheckMs = 60 * 1000;
const QString kPreferences = QStringLiteral("Fichier, Préférences…");

// The texts each column is made wide enough for; the comment takes the rest.
const QStringList kWidestTexts{QStringLiteral("Heure UTC"),
                               QStringLiteral("144300.0"),
                               QStringLiteral("F4ABC/P/MM"),
                               QStringLiteral("Référence"),
                               QStringLiteral("Nouveau sur la bande"),
                               QStringLiteral("144 Mhz"),
                               QStringLiteral("Mode"),
                               QStringLiteral("F4ABC et 2 autres")};

}  // namespace

SpotsWindow::SpotsWindow(CommandBoard& board, ClusterTimings timings) : board_(board) {
  setObjectName(QStringLiteral("Spots"));
  setWindowTitle(QStringLiteral("Spots KMB"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildTopRow());
  layout->addWidget(buildList(), 1);
  message_ = StatusLine("Message_Spots", QStringLiteral("Message des spots"), this);
  layout->addWidget(message_);
  layout->addWidget(buildButtons());

  showLater_.setSingleShot(true);
  showLater_.setInterval(kShowAfterMs);
  connect(&showLater_, &QTimer::timeout, this, &SpotsWindow::showSpots);
  expiry_.start(kExpiryCheckMs);
  connect(&expiry_, &QTimer::timeout, this, &SpotsWindow::expire);
  board_.onLogListed(this, [this] { readLog(); });
  readLog();
  resize(1040, 520);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, board_.context().settings);
  list_->setFocus();
  connectToNode(timings);
}

QWidget* SpotsWindow::buildTopRow() {
  auto* row = new QWidget(this);
  status_ = StatusLine("Etat_Cluster", QStringLiteral("État du cluster"), row);  // it names the node as typed
  all_ = Named(new QCheckBox(QStringLiteral("&Tous les spots"), row), "Tous_Spots");
  all_->setChecked(board_.context().settings.read(kSetup, kTousLesSpots) == QStringLiteral("Oui"));
  connect(all_, &QCheckBox::toggled, this, [this](bool all) {
    board_.context().settings.write(kSetup, kTousLesSpots, all ? QStringLiteral("Oui") : QStringLiteral("Non"));
    showSpots();
  });
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins({});
  layout->addWidget(status_, 1);
  layout->addWidget(all_);
  return row;
}

QWidget* SpotsWindow::buildList() {
  model_ = new SpotListModel(this);
  list_ = Named(new QTableView(this), "Liste_Spots");
  list_->setModel(model_);
  list_->setAccessibleName(QStringLiteral("Spots KMB"));
  list_->setToolTip(QStringLiteral("Entrée ou double clic : le spot passe dans la saisie"));
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setTabKeyNavigation(false);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);  // the scroll bar counts rows
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < kWidestTexts.size(); ++column)
    list_->setColumnWidth(column, list_->fontMetrics().horizontalAdvance(kWidestTexts[column]) + 16);
  list_->installEventFilter(this);
  connect(list_, &QTableView::doubleClicked, this, &SpotsWindow::takeCurrentSpot);
  return list_;
}

QWidget* SpotsWindow::buildButtons() {
  auto* row = new QWidget(this);
  auto* announce = Named(new QPushButton(QStringLiteral("&Annoncer un lavoir"), row), "Annoncer");
  auto* close = Named(new QPushButton(QStringLiteral("&Fermer"), row), "Fermer");
  connect(announce, &QPushButton::clicked, this, &SpotsWindow::openAnnounce);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins({});
  layout->addWidget(announce);
  layout->addStretch(1);
  layout->addWidget(close);
  return row;
}

std::optional<std::string> SpotsWindow::loginCall() const {
  const QString typed = board_.context().settings.read(kSetup, kClusterIndicatif).trimmed();
  if (!typed.isEmpty()) return ToCp1252(typed.toUpper());
  const std::string station = board_.logbook().stationCall();
  if (station == kmb::kNoStation) return std::nullopt;
  return kmb::StationCallDisplay(station);
}

void SpotsWindow::connectToNode(const ClusterTimings& timings) {
  const QString typed = board_.context().settings.read(kSetup, kClusterNoeud).trimmed();
  const auto node = kmb::ParseNodeAddress(ToCp1252(typed));
  const auto call = loginCall();
  if (typed.isEmpty())
    ShowStatus(
        *status_,
        QStringLiteral("Aucun nœud de cluster : indiquez « Cluster Noeud » (hôte:port) dans %1.").arg(kPreferences));
  else if (!node)
    ShowStatus(*status_, QStringLiteral("Le nœud « %1 » n'est pas de la forme hôte:port : corrigez « Cluster Noeud » "
                                        "dans %2.")
                             .arg(typed, kPreferences));
  else if (!call)
    ShowStatus(*status_, QStringLiteral("Aucun indicatif pour le cluster : indiquez « Cluster Indicatif » dans %1, "
                                        "ou l'indicatif de la station (menu Station).")
                             .arg(kPreferences));
  if (!node || !call) return;
  link_ = new ClusterLink(*node, *call, timings, this);
  connect(link_, &ClusterLink::statusChanged, status_, [this](const QString& status) { ShowStatus(*status_, status); });
  connect(link_, &ClusterLink::linesReceived, this, &SpotsWindow::takeLines);
  link_->open();
}

void SpotsWindow::closeEvent(QCloseEvent* event) {
  delete link_;
  link_ = nullptr;
  QWidget::closeEvent(event);
}

void SpotsWindow::takeLines(const std::vector<std::string>& lines) {
  const kmb::ClockReading now = board_.context().clock.utcNow();
  const kmb::Minute nowMinute = kmb::MinuteOf(now);
  bool changed = false;
  for (const std::string& line : lines)
    if (const auto spot = kmb::ParseSpotLine(line))
      if (const auto when = kmb::SpotMinute(*spot, now)) changed = table_.add(*spot, *when, nowMinute) || changed;
  if (changed && !showLater_.isActive()) showLater_.start();
}

void SpotsWindow::expire() {
  if (table_.expire(kmb::MinuteOf(board_.context().clock.utcNow()))) showSpots();
}

void SpotsWindow::readLog() {
  worked_ = kmb::WorkedReferences(board_.logbook().listedLines());
  showSpots();
}

// The operator's place is kept: the same spot stays current, and a list
// scrolled down keeps its first visible spot at the top. A list at its top
// stays there, showing the newest spots as they come.
void SpotsWindow::showSpots() {
  showLater_.stop();
  QScrollBar& scroll = *list_->verticalScrollBar();
  const int currentRow = list_->currentIndex().row();
  const std::optional<std::uint64_t> current = idAt(currentRow);
  const std::optional<std::uint64_t> top = scroll.value() > 0 ? idAt(list_->rowAt(0)) : std::nullopt;
  std::vector<ShownSpot> spots;
  for (const kmb::SpotRow& row : table_.rows())
    if (all_->isChecked() || !row.reference.empty()) spots.push_back({row, worked_.stateOf(row.reference, row.band)});
  model_->setSpots(std::move(spots));
  if (model_->rowCount() == 0) return;
  const int row = rowOf(current).value_or(std::clamp(currentRow, 0, model_->rowCount() - 1));
  list_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scroll.setValue(rowOf(top).value_or(0));
}

std::optional<std::uint64_t> SpotsWindow::idAt(int row) const {
  if (row < 0 || row >= model_->rowCount()) return std::nullopt;
  return model_->spots()[std::size_t(row)].row.id;
}

std::optional<int> SpotsWindow::rowOf(std::optional<std::uint64_t> id) const {
  if (!id) return std::nullopt;
  const auto& spots = model_->spots();
  const auto found =
      std::find_if(spots.begin(), spots.end(), [&id](const ShownSpot& spot) { return spot.row.id == *id; });
  if (found == spots.end()) return std::nullopt;
  return int(found - spots.begin());
}

bool SpotsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(*event))) {
    takeCurrentSpot();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SpotsWindow::takeCurrentSpot() {
  const int current = list_->currentIndex().row();
  if (current < 0) return;
  const kmb::SpotRow spot = model_->spots()[std::size_t(current)].row;
  const QString mode = FromCp1252(spot.mode);
  const auto refused = board_.takeSpot(FromCp1252(spot.band), FromCp1252(spot.call), FromCp1252(spot.reference), mode);
  ShowStatus(*message_, refused.value_or(QString()));
  if (refused) return;
  RadioControl& radio = board_.radio();
  if (radio.inUse()) {
    const auto untuned =
        radio.tune(spot.kHz * 1000, mode, this, [this](const QString& refusal) { ShowStatus(*message_, refusal); });
    if (untuned) ShowStatus(*message_, *untuned);
  }
  board_.giveKeyboardBack();
}

void SpotsWindow::openAnnounce() {
  ShowSingleWindow(announce_, [this] {
    auto* window = new AnnounceWindow(
        board_.context(), board_.entryFields(), board_.radio().frequencyHz(),
        [this] { return link_ && link_->isConnected(); },
        [this](const std::string& line) { return link_ && link_->send(line); });
    window->setParent(this, Qt::Window);
    return window;
  });
}
