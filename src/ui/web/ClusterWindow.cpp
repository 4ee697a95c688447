#include "ui/web/ClusterWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "core/web/ClusterBands.h"
#include "core/web/SiteAddress.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/LogbookView.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/web/SitePage.h"

using namespace settings_keys;

namespace {

QLabel* Caption(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

}  // namespace

ClusterWindow::ClusterWindow(AppContext& context, const LogbookView& logbook) : ctx_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Cluster"));
  setWindowTitle(QStringLiteral("Cluster"));
  buildWidgets();
  resize(1000, 760);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
  fillBands();
  const QString stored = ctx_.settings.read(stationSection(), kBandeCluster, QStringLiteral("0"));
  band_->setCurrentIndex(kmb::ClusterBandFromSetting(stored.toStdString()));
  showPage();
}

void ClusterWindow::buildWidgets() {
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  band_ = new QComboBox(frame);
  band_->setObjectName(QStringLiteral("Bande_CL"));
  band_->setEditable(true);
  band_->setInsertPolicy(QComboBox::NoInsert);
  KeepToLogCharacters(*band_->lineEdit());
  NameAfterCaption(*band_, QStringLiteral("Bande"));
  displayButton_ = new QPushButton(QStringLiteral("Afficher"), frame);
  displayButton_->setObjectName(QStringLiteral("Afficher"));
  connect(displayButton_, &QPushButton::clicked, this, &ClusterWindow::showPage);

  auto* row = new QHBoxLayout(frame);
  row->addWidget(Caption("Label2", QStringLiteral("Cluster (DxCluster)"), frame));
  row->addSpacing(24);
  QLabel* caption = Caption("Label3", QStringLiteral("Bande"), frame);
  caption->setBuddy(band_);  // screen readers name a list by its caption
  row->addWidget(caption);
  row->addWidget(band_);
  row->addWidget(displayButton_);
  row->addStretch(1);
  row->addWidget(Caption("Label1", QStringLiteral("Cluster remis a jour toutes les minutes"), frame));

  browser_ = NewWebBrowser(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(browser_, 1);
}

void ClusterWindow::fillBands() {
  for (const kmb::ClusterBand& band : kmb::ClusterBands())
    band_->addItem(QString::fromLatin1(band.label.data(), static_cast<qsizetype>(band.label.size())));
}

int ClusterWindow::chosenBand() const {
  const int index = band_->currentIndex();
  const bool typedOver = index < 0 || band_->currentText() != band_->itemText(index);
  return typedOver ? -1 : index;
}

QString ClusterWindow::stationSection() const {
  return SettingsStore::stationSection(QString::fromStdString(logbook_.stationCall()));
}

void ClusterWindow::showPage() {
  const int band = chosenBand();
  ctx_.settings.write(stationSection(), kBandeCluster, QString::number(band));
  ShowSitePage(*browser_, ctx_.settings, kSiteCluster, kmb::ClusterPath(kmb::ClusterPageCode(band)));
}
