#include "ui/award/ContactedListWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/award/ContactedList.h"
#include "core/log/Bands.h"
#include "ui/award/AwardColours.h"
#include "ui/award/StationLog.h"
#include "ui/kit/ColumnTitles.h"
#include "ui/kit/FieldColours.h"
#include "ui/kit/FolderOffer.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/LinePrinter.h"
#include "ui/kit/LogListModel.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

ContactedListWindow::ContactedListWindow(AppContext& context, const LogbookView& logbook)
    : context_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Aff_Contacte"));
  setWindowTitle(QStringLiteral("Lavoirs contactés et confirmés"));
  const QFont fixed = ListFont();

  lines_ = new LogListModel(this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("Liste_KMB_Contacte"));
  list_->setModel(lines_);
  list_->setFont(fixed);
  list_->setAccessibleName(QStringLiteral("Lavoirs contactés"));
  header_ = Named(new ColumnTitles(*list_, this), "Label2");
  list_->setUniformItemSizes(true);
  SetFieldColour(*list_, kFigureBackground);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCommands());
  layout->addWidget(header_);
  layout->addWidget(list_, 1);
  layout->addWidget(buildCounts());

  connect(displayButton_, &QPushButton::clicked, this, &ContactedListWindow::display);
  connect(saveButton_, &QPushButton::clicked, this, &ContactedListWindow::save);
  connect(printButton_, &QPushButton::clicked, this, &ContactedListWindow::print);
  connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);

  resize(QFontMetrics(fixed).horizontalAdvance(FromCp1252(kmb::ContactedListTitles())) + 80, 520);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, context_.settings);
}

QWidget* ContactedListWindow::buildCommands() {
  auto* commands = new QWidget(this);
  group_ = new QComboBox(commands);
  group_->setObjectName(QStringLiteral("Bande_D"));
  group_->setEditable(true);
  group_->setInsertPolicy(QComboBox::NoInsert);
  KeepToLogCharacters(*group_->lineEdit());
  // No list of wash-houses is kept for UHF.
  for (std::string_view group : kmb::kGroups)
    if (group != kmb::kUhf) group_->addItem(FromCp1252(group));
  group_->setCurrentIndex(0);
  NameAfterCaption(*group_, QStringLiteral("Bande"));
  displayButton_ = Named(new QPushButton(QStringLiteral("Afficher"), commands), "Afficher");
  saveButton_ = Named(new QPushButton(QStringLiteral("Enregistrer"), commands), "Enregistrer");
  printButton_ = Named(new QPushButton(QStringLiteral("Imprimer"), commands), "Imprimer");
  quitButton_ = Named(new QPushButton(QStringLiteral("Quitter"), commands), "Command1");
  saveButton_->setEnabled(false);
  printButton_->setEnabled(false);

  auto* caption = NamedLabel("Label_Bande", QStringLiteral("Bande :"), commands);
  caption->setBuddy(group_);  // screen readers name a list by its caption
  auto* row = new QHBoxLayout(commands);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(caption);
  row->addWidget(group_);
  row->addWidget(displayButton_);
  row->addWidget(saveButton_);
  row->addWidget(printButton_);
  row->addStretch(1);
  row->addWidget(quitButton_);
  return commands;
}

QWidget* ContactedListWindow::buildCounts() {
  auto* counts = new QWidget(this);
  listedCount_ = NamedLabel("Compt_C", QString(), counts);
  confirmedCount_ = NamedLabel("Compt_V", QString(), counts);
  auto* row = new QHBoxLayout(counts);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(listedCount_);
  row->addWidget(NamedLabel("Label3", QStringLiteral("Lavoirs contactés bande"), counts));
  row->addSpacing(30);
  row->addWidget(confirmedCount_);
  row->addWidget(NamedLabel("Label4", QStringLiteral("Lavoirs confirmés bande"), counts));
  row->addStretch(1);
  return counts;
}

void ContactedListWindow::display() { listGroup(ToCp1252(group_->currentText())); }

// The group typed since without "Afficher" waits for it.
void ContactedListWindow::showLog() {
  if (!shownGroup_.empty()) listGroup(shownGroup_);
}

void ContactedListWindow::listGroup(kmb::Bytes group) {
  header_->setText(FromCp1252(kmb::ContactedListTitles()));
  lines_->setLines({});
  shownGroup_ = std::move(group);
  kmb::ContactedList list = kmb::ListContacted(ReadStationLog(context_, logbook_, this), shownGroup_);
  listedCount_->setText(QString::number(list.listed));
  confirmedCount_->setText(QString::number(list.confirmed));
  lines_->setLines(std::move(list.lines));
  saveButton_->setEnabled(true);
  printButton_->setEnabled(true);
}

void ContactedListWindow::save() {
  const kmb::Bytes& group = shownGroup_;
  const kmb::ClockReading today = context_.clock.localNow();
  const std::string call = logbook_.stationCall();
  const std::optional<kmb::Bytes> fileName = kmb::SavedListFileName(call, group, today);
  if (!fileName) {
    context_.messages.inform(this, QStringLiteral("Le groupe « %1 » ne peut pas entrer dans un nom de fichier : "
                                                  "les signes / \\ : et « .. » y sont refusés. La liste n'a pas été "
                                                  "enregistrée.")
                                       .arg(group_->currentText()));
    return;
  }
  const QString name = FromCp1252(*fileName);
  const auto target = context_.programFolder / name.toStdString();
  const kmb::Bytes content = kmb::SavedListContent(call, group, today, lines_->lines());
  if (const kmb::IoStatus error = kmb::ReplaceFileAtomically(context_.files, target, content)) {
    context_.messages.inform(this, QStringLiteral("La liste n'a pas été enregistrée dans le fichier %1.\r\n%2")
                                       .arg(name, QString::fromStdString(kmb::IoErrorMessage(*error))));
    return;
  }
  InformOfferingFolder(
      context_, this,
      QStringLiteral("Fichier enregistré sous le nom : ") + name + InFolderLine(context_.programFolder));
}

void ContactedListWindow::print() {
  QPrinter printer;
  if (!context_.printers.choose(printer, this)) return;
  const kmb::Lines page =
      kmb::PrintedListLines(logbook_.stationCall(), shownGroup_, context_.clock.localNow(), lines_->lines());
  if (!PrintLines(printer, page))
    context_.messages.inform(this, QStringLiteral("L'impression de la liste n'a pas pu commencer."));
}
