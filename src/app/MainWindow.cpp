#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <vector>

#include "app/ClockPanel.h"
#include "app/LogListPanel.h"
#include "core/entry/EntryControls.h"
#include "core/log/DailyBackup.h"
#include "core/log/FirstNameList.h"
#include "core/settings/StationCall.h"
#include "ui/award/AwardCommands.h"
#include "ui/cluster/ClusterCommands.h"
#include "ui/cluster/SpotWatch.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/Revision.h"
#include "ui/kit/ScrollingContent.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/radio/RadioLink.h"
#include "ui/reports/ReportCommands.h"
#include "ui/search/SearchCommands.h"
#include "ui/settings/SettingsCommands.h"
#include "ui/settings/StationDialog.h"
#include "ui/web/HelpTexts.h"
#include "ui/web/WebCommands.h"

// Every way the list shows the log again (a change, a station, a failed read) resets its model.
void MainWindow::onLogListed(QObject* receiver, std::function<void()> handler) {
  connect(list_->list().model(), &QAbstractItemModel::modelReset, receiver, std::move(handler));
}

std::optional<QString> MainWindow::takeSpot(const QString& band, const QString& call, const QString& reference,
                                            const QString& mode) {
  return form_->takeSpot(band, call, reference, mode);
}

using namespace settings_keys;

MainWindow::MainWindow(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("Main"));
  auto* central = new QWidget(this);
  clock_ = new ClockPanel(ctx_.clock, central);
  form_ = new EntryForm(ctx_, *this, *clock_, central);
  list_ = new LogListPanel(central);
  radio_ = new RadioLink(ctx_.settings, this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(buildStationBand());
  auto* middle = new QHBoxLayout;
  middle->addWidget(form_, 1);
  middle->addWidget(clock_);
  layout->addLayout(middle);
  layout->addWidget(list_, 1);
  setCentralWidget(ScrollingContent(central, this));
  buildMenus();
  registerAreaCommands();
  setReadingOrder();
  PressButtonsOnEnter(*this);

  connect(form_, &EntryForm::validateAsked, this, &MainWindow::validateEntry);
  connect(form_, &EntryForm::deleteAsked, this, &MainWindow::deleteSelectedQso);
  connect(list_, &LogListPanel::rowShown, this, &MainWindow::showSelectedRow);
  connect(list_, &LogListPanel::rowOpened, this, &MainWindow::openSelectedRow);
  connect(list_, &LogListPanel::deleteAsked, this, &MainWindow::deleteSelectedQso);
  connect(radio_, &RadioLink::statusChanged, this, &MainWindow::showRadioStatus);
  connect(radio_, &RadioLink::tuned, form_, &EntryForm::followRadio);
  connect(radio_, &RadioLink::lost, form_, &EntryForm::forgetRadio);
  ctx_.settings.onWriteFailure([this](const QString& file) {
    ctx_.messages.inform(this, QStringLiteral("Les réglages d'ORX_KMB ne peuvent pas être enregistrés dans le fichier "
                                              "%1 (fichier protégé en écriture, ou dossier à sa place). L'indicatif "
                                              "de la station et les choix de bande, de mode et de date seront "
                                              "oubliés à la fermeture du programme.")
                                   .arg(file));
  });
}

// The secondary windows read the main window: none outlives it.
MainWindow::~MainWindow() {
  for (const QPointer<QWidget>& window : windows_) delete window;
  delete station_;
}

RadioControl& MainWindow::radio() { return *radio_; }

QWidget* MainWindow::buildStationBand() {
  auto* frame = Named(new QGroupBox, "Frame1");
  auto* picture = Named(new QLabel(frame), "Picture1");
  picture->setPixmap(QIcon(QStringLiteral(":/orx_kmb.svg")).pixmap(48, 48));
  auto* title = Named(new QLabel(QStringLiteral("INDICATIF DE LA STATION  : "), frame), "Label2");
  stationLabel_ = Named(new QLabel(frame), "I_Station");
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  stationLabel_->setFont(big);
  stationLabel_->setStyleSheet(QStringLiteral("color: #0000c0;"));
  auto* author = Named(new QLabel(QStringLiteral("Carnet de trafic du Diplome Kembaro"), frame), "Label_Auteur");
  // Two lines at most, so that a long failure never widens the window.
  radioStatus_ = StatusLine("Radio_Etat", QStringLiteral("État de la radio"), frame);
  radioStatus_->setFixedWidth(radioStatus_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
  radioStatus_->setToolTip(QStringLiteral("Entrée : reconnecter la radio sans attendre"));
  ActOnEnter(*radioStatus_, [this] { radio_->reconnect(); });
  showRadioStatus(radio_->status());
  auto* row = new QHBoxLayout(frame);
  row->addWidget(picture);
  row->addWidget(title);
  row->addWidget(stationLabel_);
  row->addStretch(1);
  statusLines_ = new QVBoxLayout;
  statusLines_->addWidget(radioStatus_);
  row->addLayout(statusLines_);
  row->addWidget(author);
  return frame;
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  const auto menu = [bar](const char* name, const QString& title) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
  };
  const auto item = [this](QWidget* on, const char* name, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    on->addAction(action);
    return action;
  };

  QMenu* fichier = menu("Mnu_Fichier", QStringLiteral("&Fichier"));
  buildHistoryCommands(*fichier);
  QAction* quit = item(fichier, "Mnu_Quitter", QStringLiteral("&Quitter ORX_KMB"));
  connect(quit, &QAction::triggered, this, &MainWindow::quit);

  QMenu* date = menu("Mnu_Date", QStringLiteral("&Date"));
  automaticDate_ = item(date, "Mnu_Date_Auto", QStringLiteral("&Automatique"));
  manualDate_ = item(date, "Mnu_Date_Man", QStringLiteral("&Manuelle"));
  automaticDate_->setCheckable(true);
  manualDate_->setCheckable(true);
  automaticDate_->setChecked(true);
  connect(automaticDate_, &QAction::triggered, this, &MainWindow::useAutomaticDate);
  connect(manualDate_, &QAction::triggered, this, &MainWindow::useManualDate);

  QAction* station = item(bar, "Mnu_New_Indicatif", QStringLiteral("&Station"));
  connect(station, &QAction::triggered, this, [this] { openStationDialog(false); });

  QMenu* liste = menu("Mnu_Liste", QStringLiteral("&Liste"));
  QMenu* carte = menu("Mnu_Carte", QStringLiteral("&Carte"));
  QMenu* diplomes = menu("Mnu_Diplomes", QStringLiteral("D&iplomes"));
  QMenu* aide = menu("Mnu_Aide", QStringLiteral("Aid&e"));
  QAction* about = item(aide, "Mnu_Apropos", QStringLiteral("A &Propos"));
  QAction* history = item(aide, "Mnu_Historique", QStringLiteral("&Historique"));
  connect(about, &QAction::triggered, this, &MainWindow::showAbout);
  connect(history, &QAction::triggered, this, &MainWindow::showHistory);

  menuSlots_ = {
      {MenuPlace::File, {fichier, quit}},         {MenuPlace::List, {liste, nullptr}},
      {MenuPlace::Map, {carte, nullptr}},         {MenuPlace::BarBeforeDiplomas, {bar, diplomes->menuAction()}},
      {MenuPlace::Diplomas, {diplomes, nullptr}}, {MenuPlace::BarBeforeHelp, {bar, aide->menuAction()}},
      {MenuPlace::Help, {aide, about}},           {MenuPlace::HelpAfterAbout, {aide, history}},
  };
}

// Commands of the same place stand in this order.
void MainWindow::registerAreaCommands() {
  RegisterAwardCommands(*this);
  RegisterReportCommands(*this);
  RegisterSearchCommands(*this, form_->searchButton());
  RegisterSettingsCommands(*this);
  RegisterWebCommands(*this, form_->activeListButton());
  spotWatch_ = RegisterClusterCommands(*this);  // beside "Afficher Cluster"
}

QAction* MainWindow::addCommand(MenuPlace where, const char* objectName, const QString& caption,
                                std::function<void()> handler) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(objectName));
  const MenuSlot& slot = menuSlots_.at(where);
  slot.holder->insertAction(slot.before, action);
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  return action;
}

void MainWindow::showRadioStatus(const QString& status) { ShowStatus(*radioStatus_, status); }

void MainWindow::placeStatusLine(QWidget* line) {
  line->setFixedWidth(radioStatus_->maximumWidth());
  statusLines_->addWidget(line);
}

LiveSpots& MainWindow::liveSpots() { return *spotWatch_; }

// Every QSO is already on disk: nothing to ask, nothing to save. The radio
// stops at once; quitting waits for it a second at most.
void MainWindow::quit() {
  radio_->shutDown();
  spotWatch_->stop();
  QApplication::closeAllWindows();
  QCoreApplication::exit(0);
}

// The close box ends the program as "Quitter" does: no window stays behind it.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  quit();
}

void MainWindow::showAbout() { ctx_.messages.inform(this, AboutText(kRevisionText, ctx_.programFolder)); }

void MainWindow::showHistory() { ctx_.messages.inform(this, HistoryText()); }

// Tab follows the reading order: the entry rows, the buttons, then the list.
// The entry controls in their walk's order, then the buttons.
void MainWindow::setReadingOrder() {
  std::vector<const char*> order;
  for (const kmb::EntryControlRow& row : kmb::kEntryControls) order.push_back(row.objectName);
  order.insert(order.end(), {"Valide_A", "Efface_A", "Annule_Saisie", "Ajout_QSO", "Rechercher", "Liste_KMB_Active",
                             "Liste_KMB", "Radio_Etat", "Etat_Spots"});
  for (std::size_t i = 1; i < order.size(); ++i)
    setTabOrder(findChild<QWidget*>(QString::fromLatin1(order[i - 1])),
                findChild<QWidget*>(QString::fromLatin1(order[i])));
}

void MainWindow::openSingleWindow(const QString& name, std::function<QWidget*()> make) {
  giveKeyboardBackWhenGone(ShowSingleWindow(windows_[name], make));
}

void MainWindow::giveKeyboardBackWhenGone(QWidget* secondaryWindow) {
  connect(secondaryWindow, &QObject::destroyed, this, &MainWindow::windowGone, Qt::UniqueConnection);
}

// Another window still open keeps the keyboard, one opened since the closed one went too: a closed window is
// deleted only once the event loop runs.
void MainWindow::windowGone() {
  if (std::none_of(windows_.begin(), windows_.end(), [](const QPointer<QWidget>& w) { return w && w->isVisible(); }))
    giveKeyboardBack();
}

// A shown row disables the call sign, and Qt then moves the focus to
// whatever comes next: the list is where that row was chosen.
void MainWindow::giveKeyboardBack() {
  if (!isVisible()) return;
  activateWindow();
  QWidget* last = focusWidget();
  if (!form_->callSignOpen())
    list_->list().setFocus();
  else if (!last || !last->isEnabled())
    form_->openCallSign();
}

QString MainWindow::stationSection() const {
  return SettingsStore::stationSection(QString::fromStdString(stationCall_));
}

bool MainWindow::takeProgramFolder() {
  kmb::LockResult taken = ctx_.files.lockFolder(ctx_.programFolder);
  if (taken.error && taken.error->errnum == EWOULDBLOCK) {
    ctx_.messages.inform(this, QStringLiteral("Les logs du dossier %1 sont déjà ouverts dans une autre fenêtre "
                                              "d'ORX_KMB. Continuez dans cette fenêtre-là : celle-ci se ferme sans "
                                              "rien modifier.")
                                   .arg(QString::fromStdString(ctx_.programFolder.string())));
    return false;
  }
  folderLock_ = std::move(taken.lock);
  // A folder that cannot be written cannot hold the lock either, and is said so elsewhere.
  if (taken.error && !ctx_.files.checkWritable(ctx_.programFolder))
    ctx_.messages.inform(this, QStringLiteral("Le verrou du dossier %1 ne peut pas être posé : %2\r\nUne seconde "
                                              "fenêtre d'ORX_KMB ouverte sur ce dossier pourrait donc modifier les "
                                              "mêmes logs en même temps. Retirez ce qui porte ce nom, puis "
                                              "relancez ORX_KMB.")
                                   .arg(QString::fromStdString(ctx_.programFolder.string()),
                                        QString::fromStdString(kmb::IoErrorMessage(*taken.error))));
  kmb::RemoveLeftoverTemporaryFiles(ctx_.files, ctx_.programFolder);
  kmb::RemoveLeftoverTemporaryFiles(ctx_.files, kmb::BackupFolder(ctx_.programFolder));
  return true;
}

// A log or a first-name list that is a link is rewritten beside the file it
// leads to: a crash leaves its temporary file there.
void MainWindow::removeTemporaryFilesBesideLinks() {
  for (const std::filesystem::path& file :
       {kmb::LogFilePath(ctx_.programFolder, stationCall_), ctx_.programFolder / kmb::kFirstNameListName}) {
    const std::filesystem::path target = ctx_.files.resolveLink(file);
    if (target != file)
      kmb::RemoveLeftoverTemporaryFiles(ctx_.files, target.parent_path(), kmb::TemporaryNames::OwnOnly);
  }
}

bool MainWindow::start() {
  if (!takeProgramFolder()) return false;
  setWindowTitle(QStringLiteral("ORX KMB   Diplome Kembaro Revision ") + kRevisionText);
  stationCall_ = storedStationCall();
  removeTemporaryFilesBesideLinks();
  stationLabel_->setText(QString::fromStdString(kmb::StationCallDisplay(stationCall_)));
  applyStoredDateMode();
  // Whatever the first message says, what stands behind it is real: the
  // clock, and an entry ready for a QSO.
  clock_->start();
  form_->reset();
  placeOnScreen();
  ctx_.settings.write(kSetup, kCheminRepertoire, QString::fromStdString(ctx_.programFolder.string()));
  if (stationCall_ == kmb::kNoStation) {
    ctx_.messages.inform(this, QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
    openStationDialog(true);
  }
  show();
  form_->openCallSign();
  if (stationCall_ != kmb::kNoStation) loadLogList();
  list_->selectLastRow();
  ctx_.settings.write(stationSection(), kRevision, kRevisionText);
  form_->reset();
  radio_->useStoredSetup();
  spotWatch_->listenIfAsked();
  return true;
}

// Where the operator left it; the first time, tall enough for 25 rows of
// the list when the screen allows it.
void MainWindow::placeOnScreen() {
  adjustSize();
  constexpr int kRowsShown = 25;
  const QListView& rows = list_->list();
  const int rowHeight = QFontMetrics(rows.font()).lineSpacing() + 4;
  const int wantedList = kRowsShown * rowHeight + 2 * rows.frameWidth();
  resize(width(), sizeHint().height() + std::max(0, wantedList - rows.sizeHint().height()));
  PlaceWindow(*this, ctx_.settings);
}

std::string MainWindow::storedStationCall() {
  const QString stored = ctx_.settings.read(kSetup, kIndicatifStation, FromCp1252(kmb::kNoStation));
  if (kmb::CheckStationCall(ToCp1252(stored)) == kmb::StationCallCheck::Accepted) return stored.toStdString();
  ctx_.messages.inform(this, QStringLiteral("L'indicatif de station enregistré dans les réglages, « %1 », n'est pas "
                                            "valable : un indicatif ne comporte que des lettres, des chiffres ou le "
                                            "signe '_', 12 au plus. Il n'est pas utilisé.")
                                 .arg(stored));
  return std::string(kmb::kNoStation);
}

void MainWindow::applyStoredDateMode() {
  const bool manual = ctx_.settings.read(stationSection(), kDateAuto, QStringLiteral("Oui")) == QStringLiteral("Non");
  automaticDate_->setChecked(!manual);
  manualDate_->setChecked(manual);
}

bool MainWindow::automaticDate() const { return automaticDate_->isChecked(); }

void MainWindow::useAutomaticDate() {
  automaticDate_->setChecked(true);
  manualDate_->setChecked(false);
  form_->clearDate();
  ctx_.settings.write(stationSection(), kDateAuto, QStringLiteral("Oui"));
}

void MainWindow::useManualDate() {
  automaticDate_->setChecked(false);
  manualDate_->setChecked(true);
  ctx_.settings.write(stationSection(), kDateAuto, QStringLiteral("Non"));
}

void MainWindow::openStationDialog(bool modal) {
  const auto accepted = [this](const QString& call) { stationChosen(call.toStdString()); };
  if (modal) {
    StationDialog dialog(ctx_, this);
    connect(&dialog, &StationDialog::stationAccepted, this, accepted);
    dialog.exec();
    return;
  }
  giveKeyboardBackWhenGone(ShowSingleWindow(station_, [this, accepted] {
    auto* dialog = new StationDialog(ctx_);
    connect(dialog, &StationDialog::stationAccepted, this, accepted);
    return dialog;
  }));
}

void MainWindow::stationChosen(const std::string& storedCall) {
  stationCall_ = storedCall;
  stationLabel_->setText(QString::fromStdString(kmb::StationCallDisplay(storedCall)));
  form_->selectStoredBandAndMode();
  loadLogList();
}

const kmb::Lines& MainWindow::listedLines() const { return list_->lines(); }

void MainWindow::selectListRow(int index) { list_->selectRow(index); }
