#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ColumnTitles.h"
#include "app/Cp1252Text.h"
#include "app/FieldColours.h"
#include "app/Fonts.h"
#include "app/LogListModel.h"
#include "app/WidgetHelpers.h"
#include "app/WindowPlacement.h"
#include "log/LogFile.h"
#include "log/LogLine.h"
#include "settings/StationCall.h"
#include "settings/StationDialog.h"

using namespace settings_keys;

namespace {

const QStringList kBandLabels = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                 "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz"};
const QStringList kModes = {"SSB", "CW", "FM"};

const QString kListHint =
    QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");

QLabel* Caption(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

QLineEdit* EntryField(const char* name, QWidget* parent) {
  auto* field = Named(new QLineEdit(parent), name);
  field->setAutoFillBackground(true);
  return field;
}

QComboBox* EntryCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  return combo;
}


}  // namespace

MainWindow::MainWindow(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("Main"));
  buildWidgets();
  buildMenus();
  timer1_ = Named(new QTimer(this), "Timer1");
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  installEntryFilters();
  setReadingOrder();
  PressButtonsOnEnter(*this);
  connect(valideA_, &QPushButton::clicked, this, &MainWindow::Valide_A_Click);
  connect(annuleSaisie_, &QPushButton::clicked, this, &MainWindow::Annule_Saisie_Click);
  connect(ajoutQso_, &QPushButton::clicked, this, &MainWindow::Ajout_QSO_Click);
  connect(mnuDateAuto_, &QAction::triggered, this, &MainWindow::Mnu_Date_Auto_Click);
  connect(mnuDateMan_, &QAction::triggered, this, &MainWindow::Mnu_Date_Man_Click);
  connectAwardCommands();
  connectReportCommands();
  connectWebCommands();
  ctx_.settings.onWriteFailure([this](const QString& file) {
    ctx_.messages.inform(this, QStringLiteral("Les réglages d'ORX_KMB ne peuvent pas être enregistrés dans le fichier "
                                              "%1 (fichier protégé en écriture, ou dossier à sa place). L'indicatif "
                                              "de la station et les choix de bande, de mode et de date seront "
                                              "oubliés à la fermeture du programme.")
                                   .arg(file));
  });
}

void MainWindow::connectCommand(const char* objectName, std::function<void()> handler) {
  const QString name = QString::fromLatin1(objectName);
  if (auto* action = findChild<QAction*>(name)) {
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  } else if (auto* button = findChild<QAbstractButton*>(name)) {
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
  } else {
    qFatal("no command named %s", objectName);
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWidgets() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(buildStationBand());
  auto* middle = new QHBoxLayout;
  middle->addWidget(buildEntryFrame(), 1);
  middle->addWidget(buildClock());
  layout->addLayout(middle);
  layout->addWidget(buildListFrame(), 1);
  setCentralWidget(central);
}

QWidget* MainWindow::buildStationBand() {
  auto* frame = Named(new QGroupBox, "Frame1");
  auto* row = new QHBoxLayout(frame);
  auto* picture = Named(new QLabel(frame), "Picture1");
  picture->setPixmap(QIcon(QStringLiteral(":/orx_kmb.svg")).pixmap(48, 48));
  auto* title = Caption("Label2", QStringLiteral("INDICATIF DE LA STATION  : "), frame);
  iStation_ = Caption("I_Station", {}, frame);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  iStation_->setFont(big);
  iStation_->setStyleSheet(QStringLiteral("color: #0000c0;"));
  auto* author = Caption("Label_Auteur", QStringLiteral("Carnet de trafic du Diplome Kembaro"), frame);
  row->addWidget(picture);
  row->addWidget(title);
  row->addWidget(iStation_);
  row->addStretch(1);
  row->addWidget(author);
  return frame;
}

QWidget* MainWindow::buildEntryFrame() {
  auto* frame = Named(new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), "Frame3");
  auto* grid = new QGridLayout(frame);

  bandeA_ = EntryCombo("Bande_A", kBandLabels, frame);
  indA_ = EntryField("Ind_A", frame);
  prenomA_ = EntryField("Prenom_A", frame);
  dptA_ = EntryField("Dpt_A", frame);
  refA_ = EntryField("Ref_A", frame);
  dateA_ = EntryField("Date_A", frame);
  heureA_ = EntryField("Heure_A", frame);
  modeA_ = EntryCombo("Mode_A", kModes, frame);
  rstA_ = EntryField("RST_A", frame);
  rsteA_ = EntryField("RSTE_A", frame);
  remA_ = EntryField("Rem_A", frame);
  qslA_ = Named(new QCheckBox(frame), "QSL_A");
  qslA_->setAutoFillBackground(true);

  const struct {
    const char* name;
    const char* text;
    QWidget* field;
    int row, column, span;
  } cells[] = {
      {"Label26", "Bande", bandeA_, 0, 0, 1},         {"Label8", "Indicatif", indA_, 0, 1, 1},
      {"Label6", "Prénom (optionnel)", prenomA_, 0, 2, 1}, {"Label36", "Dpt", dptA_, 0, 3, 1},
      {"Label1", "Ref Lavoir", refA_, 0, 4, 1},      {"Label5", "Date", dateA_, 0, 5, 1},
      {"Label40", "Heure UTC", heureA_, 0, 6, 1},    {"Label16", "Mode", modeA_, 2, 0, 1},
      {"Label41", "RST R", rstA_, 2, 1, 1},          {"Label9", "RST E", rsteA_, 2, 2, 1},
      {"Label4", "Nom du Lavoir (optionnel)", remA_, 2, 3, 3}, {"Label3", "QSL", qslA_, 2, 6, 1},
  };
  for (const auto& cell : cells) {
    grid->addWidget(Caption(cell.name, QString::fromUtf8(cell.text), frame), cell.row, cell.column, 1, cell.span);
    grid->addWidget(cell.field, cell.row + 1, cell.column, 1, cell.span);
  }
  prenomA_->setMinimumWidth(130);
  remA_->setMinimumWidth(240);

  grid->addWidget(Caption("Label10", QStringLiteral("Mode de saisie"), frame), 2, 7);
  modeAff_ = Caption("Mode_Aff", {}, frame);
  modeAff_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  grid->addWidget(modeAff_, 3, 7);

  valideA_ = Named(new QPushButton(QStringLiteral("Valider le QSO"), frame), "Valide_A");
  effaceA_ = Named(new QPushButton(QStringLiteral("Annuler saisie en cours"), frame), "Efface_A");
  valideA_->setAutoFillBackground(true);
  // At the end of the second row, where the Enter walk ends.
  grid->addWidget(valideA_, 3, 8);
  grid->addWidget(effaceA_, 3, 9);

  annuleSaisie_ = Named(new QPushButton(QStringLiteral("Supprimer un QSO"), frame), "Annule_Saisie");
  ajoutQso_ = Named(new QPushButton(QStringLiteral("Inserer un QSO"), frame), "Ajout_QSO");
  auto* rechercher = Named(new QPushButton(QStringLiteral("Rechercher un QSO"), frame), "Rechercher");
  auto* active = Named(new QPushButton(QStringLiteral("Liste des KMB activés"), frame), "Liste_KMB_Active");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {annuleSaisie_, ajoutQso_, rechercher, active}) buttons->addWidget(button);
  buttons->addStretch(1);
  grid->addLayout(buttons, 4, 0, 1, 10);

  connect(effaceA_, &QPushButton::clicked, this, &MainWindow::ResetEntry);
  return frame;
}

QWidget* MainWindow::buildClock() {
  auto* box = new QWidget;
  auto* column = new QVBoxLayout(box);
  auto* frame7 = Named(new QGroupBox, "Frame7");
  auto* times = new QVBoxLayout(frame7);
  label34_ = Caption("Label34", {}, frame7);
  label37_ = Caption("Label37", {}, frame7);
  times->addWidget(label34_);
  times->addWidget(label37_);
  auto* frame2 = Named(new QGroupBox, "Frame2");
  label33_ = Caption("Label33", {}, frame2);
  (new QVBoxLayout(frame2))->addWidget(label33_);
  for (QLabel* label : {label33_, label34_, label37_}) {
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
  }
  column->addWidget(frame7);
  column->addWidget(frame2);
  column->addStretch(1);
  return box;
}

QWidget* MainWindow::buildListFrame() {
  auto* frame = Named(new QGroupBox(kListHint), "L_Communes");
  auto* column = new QVBoxLayout(frame);
  column->setSpacing(0);
  listeKmb_ = Named(new QListView(frame), "Liste_KMB");
  listModel_ = new LogListModel(listeKmb_);
  listeKmb_->setModel(listModel_);
  listeKmb_->setUniformItemSizes(true);
  listeKmb_->setFont(ListFont());
  listeKmb_->setToolTip(kListHint);
  listeKmb_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listeKmb_->setSelectionMode(QAbstractItemView::SingleSelection);
  listeKmb_->setMinimumHeight(120);
  listeKmb_->setMinimumWidth(QFontMetrics(ListFont()).horizontalAdvance(QString(kmb::kListRowLength + 4, u'M')));
  listHeader_ = Named(new ColumnTitles(*listeKmb_, frame), "Label_Liste_BQRT");
  column->addWidget(listHeader_);
  column->addWidget(listeKmb_, 1);
  connect(listeKmb_, &QListView::clicked, this, [this] { Liste_KMB_Click(); });
  // Arrows move the selection and show the row, as a click does.
  connect(listeKmb_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { Liste_KMB_Click(); });
  return frame;
}

// Tab follows the reading order: the entry rows, the buttons, then the list.
void MainWindow::setReadingOrder() {
  QWidget* const order[] = {bandeA_,   indA_,     prenomA_, dptA_,    refA_,    dateA_,
                            heureA_,   modeA_,    rstA_,    rsteA_,   remA_,    qslA_,
                            valideA_,  effaceA_,  annuleSaisie_,       ajoutQso_,
                            findChild<QPushButton*>(QStringLiteral("Rechercher")),
                            findChild<QPushButton*>(QStringLiteral("Liste_KMB_Active")), listeKmb_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
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
  item(fichier, "Mnu_ADIF", QStringLiteral("&Exporter le log au format ADIF"));
  item(fichier, "Mnu_Quitter", QStringLiteral("&Quitter ORX_KMB"));

  QMenu* date = menu("Mnu_Date", QStringLiteral("&Date"));
  mnuDateAuto_ = item(date, "Mnu_Date_Auto", QStringLiteral("&Automatique"));
  mnuDateMan_ = item(date, "Mnu_Date_Man", QStringLiteral("&Manuelle"));
  mnuDateAuto_->setCheckable(true);
  mnuDateMan_->setCheckable(true);
  mnuDateAuto_->setChecked(true);

  QAction* station = item(bar, "Mnu_New_Indicatif", QStringLiteral("&Station"));
  connect(station, &QAction::triggered, this, [this] { openStationDialog(false); });

  QMenu* liste = menu("Mnu_Liste", QStringLiteral("&Liste"));
  item(liste, "Mnu_L_Contacte", QStringLiteral("des &Lavoirs contactés"));
  QMenu* carte = menu("Mnu_Carte", QStringLiteral("&Carte"));
  item(carte, "Mnu_Carte_Acti_KMB", QStringLiteral("des &départements contactés"));
  item(bar, "Mnu_Score", QStringLiteral("Sc&ores"));
  QMenu* diplomes = menu("Mnu_Diplomes", QStringLiteral("D&iplomes"));
  item(diplomes, "Mnu_KMB_HF", QStringLiteral("KMB Bande &HF"));
  item(diplomes, "Mnu_Diplome_VHF", QStringLiteral("KMB Bande &VHF"));
  item(bar, "Mnu_Non_Recue", QStringLiteral("&QSL's non reçues"));
  item(bar, "Mnu_Cluster", QStringLiteral("&Afficher Cluster"));
  QMenu* aide = menu("Mnu_Aide", QStringLiteral("Aid&e"));
  item(aide, "Mnu_Guide", QStringLiteral("&Guide d'utilisation"))->setShortcut(QKeySequence::HelpContents);
  item(aide, "Mnu_Apropos", QStringLiteral("A &Propos"));
  item(aide, "Mnu_Reglement", QStringLiteral("&Reglement"));
  item(aide, "Mnu_Historique", QStringLiteral("&Historique"));
}

QString MainWindow::stationSection() const {
  return SettingsStore::stationSection(QString::fromStdString(stationCall_));
}

void MainWindow::start() {
  setWindowTitle(QStringLiteral("ORX KMB   Diplome Kembaro Revision ") + kRevisionText);
  listHeader_->setText(FromCp1252(kmb::ListTitles()));
  stationCall_ = storedStationCall();
  iStation_->setText(QString::fromStdString(stationCall_));
  selectStoredBandAndMode();
  applyStoredDateMode();
  // Whatever the first message says, what stands behind it is real: the
  // clock, and an entry ready for a QSO.
  Timer1_Timer();
  timer1_->start();
  ResetEntry();
  placeOnScreen();
  ctx_.settings.write(kSetup, kCheminRepertoire, QString::fromStdString(ctx_.programFolder.string()));
  if (stationCall_ == kNoStation.toStdString()) {
    ctx_.messages.inform(this, QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
    openStationDialog(true);
  }
  modificationMode_ = false;
  show();
  indA_->setEnabled(true);
  indA_->setFocus();
  modeAff_->setText(QStringLiteral("Saisie QSO"));
  if (stationCall_ != kNoStation.toStdString()) LoadLogList();
  selectLastRow();
  ctx_.settings.write(stationSection(), kRevision, kRevisionText);
  ResetEntry();
}

// Where the operator left it; the first time, tall enough for 25 rows of
// the list when the screen allows it, and centred.
void MainWindow::placeOnScreen() {
  adjustSize();
  if (PlaceWindow(*this, ctx_.settings)) return;
  constexpr int kRowsShown = 25;
  constexpr int kRoomForFrameAndPanels = 64;
  const int rowHeight = QFontMetrics(listeKmb_->font()).lineSpacing() + 4;
  const int wantedList = kRowsShown * rowHeight + 2 * listeKmb_->frameWidth();
  int height = sizeHint().height() + std::max(0, wantedList - listeKmb_->sizeHint().height());
  if (const QScreen* screen = this->screen())
    height = std::min(height, screen->availableGeometry().height() - kRoomForFrameAndPanels);
  resize(width(), std::max(height, minimumSizeHint().height()));
  CentreOnScreen(*this);
}

std::string MainWindow::storedStationCall() {
  const QString stored = ctx_.settings.read(kSetup, kIndicatifStation, kNoStation);
  if (kmb::CheckStationCall(ToCp1252(stored)) == kmb::StationCallCheck::Accepted) return stored.toStdString();
  ctx_.messages.inform(this, QStringLiteral("L'indicatif de station enregistré dans les réglages, « %1 », n'est pas "
                                            "valable : un indicatif ne comporte que des lettres, des chiffres ou le "
                                            "signe '_', 12 au plus. Il n'est pas utilisé.")
                                 .arg(stored));
  return kNoStation.toStdString();
}

void MainWindow::selectStoredBandAndMode() {
  const QString section = stationSection();
  bandeA_->setCurrentIndex(ctx_.settings.readIndex(section, kBandeUtilisee, bandeA_->count()));
  modeA_->setCurrentIndex(ctx_.settings.readIndex(section, kModeUtilise, modeA_->count()));
}

void MainWindow::applyStoredDateMode() {
  const QString value = ctx_.settings.read(stationSection(), kDateAuto, QStringLiteral("Oui"));
  const bool manual = value == QStringLiteral("Non");
  mnuDateAuto_->setChecked(!manual);
  mnuDateMan_->setChecked(manual);
}

void MainWindow::openStationDialog(bool modal) {
  if (modal) {
    StationDialog dialog(ctx_, this);
    connect(&dialog, &StationDialog::stationAccepted, this,
            [this](const QString& call) { stationChosen(call.toStdString()); });
    dialog.exec();
    return;
  }
  ShowSingleWindow(station_, [this] {
    auto* dialog = new StationDialog(ctx_);
    connect(dialog, &StationDialog::stationAccepted, this,
            [this](const QString& call) { stationChosen(call.toStdString()); });
    return dialog;
  });
}

void MainWindow::stationChosen(const std::string& storedCall) {
  stationCall_ = storedCall;
  iStation_->setText(QString::fromStdString(kmb::StationCallDisplay(storedCall)));
  selectStoredBandAndMode();
  LoadLogList();
}

const std::vector<kmb::Bytes>& MainWindow::listRows() const { return listModel_->rows(); }

bool MainWindow::LoadLogList() {
  listModel_->setRows({});
  listedLog_ = {};
  kmb::SnapshotResult read = kmb::ReadLogSnapshot(ctx_.files, kmb::LogFilePath(ctx_.programFolder, stationCall_));
  if (read.error) {
    ctx_.messages.inform(this, QStringLiteral("Erreur N° %1\r\n").arg(read.error->errnum) +
                                   QString::fromStdString(kmb::IoErrorMessage(*read.error)) +
                                   QStringLiteral("\r\nLa liste reste vide et rien ne sera écrit dans ce log."));
    return false;
  }
  if (!read.snapshot.exists) {
    ctx_.messages.inform(this, QStringLiteral("Le log de la station %1 est introuvable :\r\n%2\r\n"
                                              "La liste reste vide ; le fichier sera créé au premier QSO enregistré.")
                                   .arg(QString::fromStdString(stationCall_), logFileName()));
    return false;
  }
  if (!read.snapshot.writable() && offerConversion(read.snapshot)) return LoadLogList();
  listedLog_ = std::move(read.snapshot);
  return listLines(listedLog_.lines());
}

void MainWindow::listWrittenLog(const kmb::Lines& lines) {
  listedLog_ = kmb::LogSnapshot{kmb::DecodedLog{lines}, true};
  listLines(listedLog_.lines());
}

bool MainWindow::listLines(const kmb::Lines& lines) {
  if (lines.size() > kmb::kMaxListedLines) {
    listModel_->setRows({});
    ctx_.messages.inform(this, QStringLiteral("Le log %1 contient %2 QSO : au-delà de %3 QSO il ne peut pas être "
                                              "affiché. Le fichier n'a pas été modifié.")
                                   .arg(logFileName())
                                   .arg(lines.size())
                                   .arg(kmb::kMaxListedLines));
    return false;
  }
  std::vector<kmb::Bytes> rows;
  rows.reserve(lines.size());
  for (std::size_t n = 0; n < lines.size(); ++n) rows.push_back(kmb::FormatListRow(n + 1, lines[n]));
  listModel_->setRows(std::move(rows));
  indA_->setEnabled(true);
  return true;
}

void MainWindow::selectListRow(int index) {
  if (index < 0 || index >= listModel_->rowCount()) return;
  const QModelIndex row = listModel_->index(index);
  listeKmb_->setCurrentIndex(row);
  listeKmb_->scrollTo(row);
  Liste_KMB_Click();
}

void MainWindow::selectLastRow() { selectListRow(listModel_->rowCount() - 1); }

void MainWindow::Liste_KMB_Click() {
  if (rowLocked_) return;
  const QModelIndex current = listeKmb_->currentIndex();
  if (!current.isValid()) return;
  selectedIndex_ = static_cast<std::size_t>(current.row());
  selectedRow_ = listModel_->rows()[selectedIndex_];
  annuleSaisie_->setEnabled(true);
  showRowInEntry(selectedRow_);
  indA_->setEnabled(false);
}

void MainWindow::showRowInEntry(const kmb::Bytes& row) {
  const kmb::QsoRecord fields = kmb::ParseListRow(row);
  indA_->setText(FromCp1252(fields.indicatif));
  dptA_->setText(FromCp1252(fields.dpt));
  prenomA_->setText(FromCp1252(fields.prenom));
  refA_->setText(FromCp1252(fields.ref));
  dateA_->setText(FromCp1252(fields.date));
  heureA_->setText(FromCp1252(fields.heure));
  modeA_->setEditText(FromCp1252(fields.mode));
  bandeA_->setEditText(FromCp1252(fields.bande));
  rstA_->setText(FromCp1252(fields.rstR));
  rsteA_->setText(FromCp1252(fields.rstE));
  remA_->setText(FromCp1252(fields.nomLavoir));
  qslA_->setChecked(fields.qsl);
}

void MainWindow::ResetEntry() {
  for (QLineEdit* field : {dptA_, prenomA_, refA_, dateA_, heureA_}) {
    field->clear();
    SetWaiting(*field);
  }
  selectStoredBandAndMode();
  SetWaiting(*modeA_);
  restoreDefaultTexts();
  qslA_->setChecked(false);
  indA_->clear();
  openField(indA_);
  leaveEntryModes();
  annuleSaisie_->setEnabled(false);
  valideA_->setEnabled(false);
}

void MainWindow::restoreDefaultTexts() {
  rstA_->setText(QStringLiteral("59"));
  rsteA_->setText(QStringLiteral("59"));
  remA_->setText(QStringLiteral("C. "));
  for (QLineEdit* field : {rstA_, rsteA_, remA_}) SetWaiting(*field);
}

void MainWindow::leaveEntryModes() {
  modificationMode_ = false;
  rowLocked_ = false;
  insertionMode_ = false;
  modeAff_->setText(QStringLiteral("Saisie QSO"));
}
