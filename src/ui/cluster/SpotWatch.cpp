#include "ui/cluster/SpotWatch.h"

#include <QApplication>
#include <QLabel>
#include <QShortcut>
#include <QSoundEffect>

#include "core/cluster/ClusterSetup.h"
#include "core/cluster/SpotLine.h"
#include "core/settings/StationCall.h"
#include "ui/cluster/SpotsWindow.h"
#include "ui/kit/CommandBoard.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/SettingsStore.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WindowKeys.h"

using namespace settings_keys;

namespace {

constexpr int kShowAfterMs = 50;
constexpr int kMinuteMs = 60 * 1000;
const QString kPreferences = QStringLiteral("Fichier, Préférences…");

// The desktop's own means: the window's entry in the task bar asks for a look, and a short sound. The sound
// is loaded at its first use: the audio system is not woken for a program that never announces.
class DesktopAttention final : public Attention {
 public:
  void request(QWidget& window, bool sound) override {
    QApplication::alert(&window);
    if (!sound) return;
    if (!sound_) {
      sound_ = std::make_unique<QSoundEffect>();
      sound_->setSource(QUrl(QStringLiteral("qrc:/sounds/annonce.wav")));
    }
    sound_->play();
  }

 private:
  std::unique_ptr<QSoundEffect> sound_;
};

}  // namespace

SpotWatch::SpotWatch(CommandBoard& board, QObject* parent)
    : LiveSpots(parent), board_(board), attention_(std::make_unique<DesktopAttention>()) {
  QWidget& main = *board_.messageParent();
  status_ = StatusLine("Etat_Spots", QStringLiteral("État des spots"), &main);
  status_->setToolTip(QStringLiteral("Entrée ou Alt+M : les spots, sur le plus récent des nouveaux lavoirs"));
  ActOnEnter(*status_, [this] { showNewest(); });
  auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_M), &main);
  connect(shortcut, &QShortcut::activated, this, &SpotWatch::showNewest);
  board_.placeStatusLine(status_);

  showLater_.setSingleShot(true);
  showLater_.setInterval(kShowAfterMs);
  connect(&showLater_, &QTimer::timeout, this, [this] {
    announceNew();
    showWatchStatus();
    emit spotsChanged();
  });
  minute_.start(kMinuteMs);
  connect(&minute_, &QTimer::timeout, this, &SpotWatch::everyMinute);
  board_.onLogListed(this, [this] { readLog(); });
  linkStatus_ = QStringLiteral("à l'arrêt ; le menu « Spots KMB » lance l'écoute");
  readLog();
}

SpotWatch::~SpotWatch() { stop(); }

kmb::Minute SpotWatch::now() const { return kmb::MinuteOf(board_.context().clock.utcNow()); }

void SpotWatch::listenIfAsked() {
  if (board_.context().settings.readTick(kSetup, kClusterAuDemarrage, false)) listen();
}

void SpotWatch::listen(const ClusterTimings& timings) {
  const SettingsStore& settings = board_.context().settings;
  const QString typed = settings.read(kSetup, kClusterNoeud).trimmed();
  const auto node = kmb::ParseNodeAddress(ToCp1252(typed));
  QString login = settings.read(kSetup, kClusterIndicatif).trimmed().toUpper();
  const std::string station = board_.logbook().stationCall();
  if (login.isEmpty() && station != kmb::kNoStation) login = FromCp1252(kmb::StationCallDisplay(station));
  if (link_ && listenedTo_ == typed + u' ' + login) return;
  stop();
  if (typed.isEmpty())
    linkStatus_ =
        QStringLiteral("Aucun nœud de cluster : indiquez « Cluster Noeud » (hôte:port) dans %1.").arg(kPreferences);
  else if (!node)
    linkStatus_ = QStringLiteral("Le nœud « %1 » n'est pas de la forme hôte:port : corrigez « Cluster Noeud » dans %2.")
                      .arg(typed, kPreferences);
  else if (login.isEmpty())
    linkStatus_ = QStringLiteral(
                      "Aucun indicatif pour le cluster : indiquez « Cluster Indicatif » dans %1, ou "
                      "l'indicatif de la station (menu Station).")
                      .arg(kPreferences);
  if (!node || login.isEmpty()) {
    emit linkStatusChanged(linkStatus_);
    showWatchStatus();
    return;
  }
  listenedTo_ = typed + u' ' + login;
  link_ = new ClusterLink(*node, ToCp1252(login), timings, this);
  connect(link_, &ClusterLink::statusChanged, this, [this](const QString& status) {
    linkStatus_ = status;
    emit linkStatusChanged(status);
    showWatchStatus();
  });
  connect(link_, &ClusterLink::linesReceived, this, &SpotWatch::takeLines);
  link_->open();
}

void SpotWatch::stop() { delete link_; }

bool SpotWatch::isConnected() const { return link_ && link_->isConnected(); }

bool SpotWatch::send(const std::string& line) { return link_ && link_->send(line); }

void SpotWatch::takeLines(const std::vector<std::string>& lines) {
  const kmb::ClockReading now = board_.context().clock.utcNow();
  const kmb::Minute nowMinute = kmb::MinuteOf(now);
  bool spotsChanged = false;
  bool messagesAdded = false;
  for (const std::string& line : lines) {
    if (const auto spot = kmb::ParseSpotLine(line)) {
      if (const auto when = kmb::SpotMinute(*spot, now))
        spotsChanged = table_.add(*spot, *when, nowMinute) || spotsChanged;
    } else {
      messages_.add(line);
      messagesAdded = true;
    }
  }
  if (messagesAdded) emit messagesChanged();
  if (spotsChanged && !showLater_.isActive()) showLater_.start();
}

// Once for a burst: the newest lavoir said, the desktop asked once; the keyboard stays where it is.
void SpotWatch::announceNew() {
  const kmb::Minute minute = now();
  const kmb::SpotRow* newest = nullptr;
  for (const kmb::SpotRow* row : kmb::NewOnAir(table_.rows(), worked_, minute))
    if (announced_.firstInTheHour(row->reference, row->band, minute) && !newest) newest = row;
  if (!newest) return;
  announcedAt_ = minute;
  announcement_ = QStringLiteral("Nouveau lavoir sur l'air : %1, %2, %3")
                      .arg(FromCp1252(newest->call), FromCp1252(newest->reference), FromCp1252(newest->band));
  attention_->request(*board_.messageParent(), board_.context().settings.readTick(kSetup, kClusterAnnonceSonore, true));
}

void SpotWatch::everyMinute() {
  table_.expire(now());
  showWatchStatus();
  emit spotsChanged();  // ages, and the 15 minutes of the map
}

void SpotWatch::readLog() {
  worked_ = kmb::WorkedReferences(board_.logbook().listedLines());
  showWatchStatus();
  emit spotsChanged();
}

void SpotWatch::showWatchStatus() {
  if (now() != announcedAt_) announcement_.clear();
  const std::size_t onAir = kmb::NewOnAir(table_.rows(), worked_, now()).size();
  QString text;
  if (!announcement_.isEmpty())
    text = announcement_;
  else if (onAir > 0)
    text = onAir == 1 ? QStringLiteral("Spots : 1 nouveau lavoir sur l'air")
                      : QStringLiteral("Spots : %1 nouveaux lavoirs sur l'air").arg(onAir);
  else if (isConnected())
    text = QStringLiteral("Spots : connecté, rien de nouveau");
  else
    text = QStringLiteral("Spots : ") + linkStatus_;
  ShowStatus(*status_, text);
}

std::map<std::string, int> SpotWatch::departmentsOnAir(std::string_view group) const {
  return kmb::DepartmentsOnAir(table_.rows(), worked_, now(), group);
}

void SpotWatch::showDepartment(const std::string& department) { open({department, std::nullopt}); }

void SpotWatch::showNewest() {
  const auto newest = kmb::NewOnAir(table_.rows(), worked_, now());
  open({std::nullopt, newest.empty() ? std::nullopt : std::optional(newest.front()->id)});
}

void SpotWatch::open(const SpotsRequest& request) {
  board_.openSingleWindow(QStringLiteral("Spots"), [this] { return new SpotsWindow(board_, *this); });
  emit shown(request);
}
