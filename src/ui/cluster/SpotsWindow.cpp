#include "ui/cluster/SpotsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cluster/SpotsOnAir.h"
#include "core/log/Bands.h"
#include "ui/cluster/AnnounceWindow.h"
#include "ui/cluster/SpotListModel.h"
#include "ui/cluster/SpotWatch.h"
#include "ui/kit/CommandBoard.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

using namespace settings_keys;

namespace {

const QString kAllBands = QStringLiteral("Toutes");

// The texts each column is made wide enough for; the comment takes the rest.
const QStringList kWidestTexts{
    QStringLiteral("Heure UTC"),  QStringLiteral("il y a 1 h 59"), QStringLiteral("144300.0"),
    QStringLiteral("F4ABC/P/MM"), QStringLiteral("Référence"),     QStringLiteral("Nouveau sur la bande"),
    QStringLiteral("144 Mhz"),    QStringLiteral("Mode"),          QStringLiteral("F4ABC et 2 autres")};

}  // namespace

SpotsWindow::SpotsWindow(CommandBoard& board, SpotWatch& watch) : board_(board), watch_(watch) {
  setObjectName(QStringLiteral("Spots"));
  setWindowTitle(QStringLiteral("Spots KMB"));
  auto* layout = new QVBoxLayout(this);
  status_ = StatusLine("Etat_Cluster", QStringLiteral("État du cluster"), this);  // it names the node as typed
  layout->addWidget(status_);
  layout->addWidget(buildFilters());
  layout->addWidget(buildList(), 1);
  message_ = StatusLine("Message_Spots", QStringLiteral("Message des spots"), this);
  layout->addWidget(message_);
  auto* messagesCaption = new QLabel(QStringLiteral("&Messages du nœud"), this);
  messages_ = Named(new QPlainTextEdit(this), "Messages_Noeud");
  messages_->setReadOnly(true);
  messages_->setMaximumBlockCount(int(kmb::NodeMessages::kKept));
  messages_->setFixedHeight(messages_->fontMetrics().lineSpacing() * 4 + 12);
  messagesCaption->setBuddy(messages_);
  NameAfterCaption(*messages_, messagesCaption->text());
  layout->addWidget(messagesCaption);
  layout->addWidget(messages_);
  layout->addWidget(buildButtons());

  connect(&watch_, &LiveSpots::spotsChanged, this, &SpotsWindow::showSpots);
  connect(&watch_, &SpotWatch::linkStatusChanged, status_, [this](const QString& text) { ShowStatus(*status_, text); });
  connect(&watch_, &SpotWatch::messagesChanged, this, &SpotsWindow::showMessages);
  connect(&watch_, &SpotWatch::shown, this, &SpotsWindow::showRequest);
  resize(1040, 600);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, board_.context().settings);
  list_->setFocus();
  watch_.listen();
  ShowStatus(*status_, watch_.linkStatus());
  showSpots();
  showMessages();
}

// Each choice is kept for the next opening.
QWidget* SpotsWindow::buildFilters() {
  SettingsStore& settings = board_.context().settings;
  auto* row = new QWidget(this);
  all_ = Named(new QCheckBox(QStringLiteral("&Tous les spots"), row), "Tous_Spots");
  all_->setChecked(settings.readTick(kSetup, kTousLesSpots, false));
  newOnly_ = Named(new QCheckBox(QStringLiteral("&Nouveaux seulement"), row), "Nouveaux_Seulement");
  newOnly_->setChecked(settings.readTick(kSetup, kSpotsNouveauxSeulement, false));
  bands_ = Named(new QComboBox(row), "Bandes_Spots");
  bands_->addItems({kAllBands, FromCp1252(kmb::kHf), FromCp1252(kmb::kVhf)});
  bands_->setCurrentIndex(std::max(0, bands_->findText(settings.read(kSetup, kSpotsBandes))));
  auto* bandsCaption = new QLabel(QStringLiteral("&Bandes :"), row);
  bandsCaption->setBuddy(bands_);
  NameAfterCaption(*bands_, QStringLiteral("Bandes"));
  department_ = Named(new QLineEdit(row), "Departement_Spots");
  department_->setMaxLength(2);
  department_->setFixedWidth(department_->fontMetrics().horizontalAdvance(QStringLiteral("2A")) * 3);
  auto* departmentCaption = new QLabel(QStringLiteral("&Département :"), row);
  departmentCaption->setBuddy(department_);
  NameAfterCaption(*department_, QStringLiteral("Département (vide : tous)"));
  connect(all_, &QCheckBox::toggled, this, [this](bool all) {
    board_.context().settings.writeTick(kSetup, kTousLesSpots, all);
    showSpots();
  });
  connect(newOnly_, &QCheckBox::toggled, this, [this](bool only) {
    board_.context().settings.writeTick(kSetup, kSpotsNouveauxSeulement, only);
    showSpots();
  });
  connect(bands_, &QComboBox::currentTextChanged, this, [this](const QString& group) {
    board_.context().settings.write(kSetup, kSpotsBandes, group);
    showSpots();
  });
  connect(department_, &QLineEdit::textChanged, this, &SpotsWindow::showSpots);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins({});
  for (QWidget* w : std::initializer_list<QWidget*>{newOnly_, bandsCaption, bands_, departmentCaption, department_})
    layout->addWidget(w);
  layout->addStretch(1);
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

// A department asked for is shown whatever the other choices hide, but for its group.
void SpotsWindow::showRequest(const SpotsRequest& request) {
  if (request.department) {
    department_->setText(FromCp1252(*request.department).toUpper());
    all_->setChecked(false);
    newOnly_->setChecked(true);
  }
  if (const auto row = rowOf(request.spot)) chooseRow(*row);
  list_->setFocus();
}

bool SpotsWindow::shows(const kmb::SpotRow& row, kmb::ReferenceState state) const {
  if (!all_->isChecked() && row.reference.empty()) return false;
  if (newOnly_->isChecked() && state == kmb::ReferenceState::AlreadyWorked) return false;
  if (bands_->currentText() != kAllBands) {
    const kmb::Band* band = kmb::BandOfLabel(row.band);
    if (!band || FromCp1252(band->group) != bands_->currentText()) return false;
  }
  const QString department = department_->text().trimmed();
  return department.isEmpty() ||
         FromCp1252(kmb::DepartmentOf(row.reference)).compare(department, Qt::CaseInsensitive) == 0;
}

// The operator's place is kept: the same spot stays current, and a list
// scrolled down keeps its first visible spot at the top. A list at its top
// stays there, showing the newest spots as they come.
void SpotsWindow::showSpots() {
  QScrollBar& scroll = *list_->verticalScrollBar();
  const int currentRow = list_->currentIndex().row();
  const std::optional<std::uint64_t> current = idAt(currentRow);
  const std::optional<std::uint64_t> top = scroll.value() > 0 ? idAt(list_->rowAt(0)) : std::nullopt;
  std::vector<ShownSpot> spots;
  for (const kmb::SpotRow& row : watch_.table().rows()) {
    const kmb::ReferenceState state = watch_.worked().stateOf(row.reference, row.band);
    if (shows(row, state)) spots.push_back({row, state});
  }
  model_->setSpots(std::move(spots), watch_.now());
  if (model_->rowCount() == 0) return;
  chooseRow(rowOf(current).value_or(std::clamp(currentRow, 0, model_->rowCount() - 1)));
  scroll.setValue(rowOf(top).value_or(0));
}

void SpotsWindow::chooseRow(int row) {
  list_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SpotsWindow::showMessages() {
  QStringList lines;
  for (const std::string& line : watch_.nodeMessages().lines()) lines << FromCp1252(line);
  messages_->setPlainText(lines.join(u'\n'));
  messages_->moveCursor(QTextCursor::End);
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
        board_.context(), board_.entryFields(), board_.radio().frequencyHz(), [this] { return watch_.isConnected(); },
        [this](const std::string& line) { return watch_.send(line); });
    window->setParent(this, Qt::Window);
    return window;
  });
}
