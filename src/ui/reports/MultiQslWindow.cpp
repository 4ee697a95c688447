#include "ui/reports/MultiQslWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/reports/QslCard.h"
#include "core/reports/QslList.h"
#include "core/settings/StationCall.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/LinePrinter.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

namespace {

const QString kTitle = QStringLiteral("QSL's non reçues");

}  // namespace

MultiQslWindow::MultiQslWindow(AppContext& context, const LogbookView& logbook) : ctx_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Multi_QSL"));
  setWindowTitle(kTitle);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCallFrame());
  layout->addWidget(buildListFrame(), 1);
  layout->addWidget(buildPrintFrame());

  call_->installEventFilter(this);
  KeepToLogCharacters(*call_);
  connect(listButton_, &QPushButton::clicked, this, &MultiQslWindow::listAwaitedQsls);
  connect(printButton_, &QPushButton::clicked, this, &MultiQslWindow::print);

  resize(760, 520);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
}

QWidget* MultiQslWindow::buildCallFrame() {
  auto* frame = Named(new QGroupBox, "Frame1");
  title_ = Named(new QLabel(kTitle, frame), "Titre_QSL");
  QFont big = title_->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  title_->setFont(big);
  // The title holds the typed call: a long one is cut, never widens the window.
  title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* label3 = Named(new QLabel(QStringLiteral("QSL's non reçues de "), frame), "Label3");
  call_ = Named(new QLineEdit(frame), "Indicatif");
  NameAfterCaption(*call_, label3->text());
  auto* label6 = Named(new QLabel(QStringLiteral("Cliquez"), frame), "Label6");
  listButton_ = Named(new QPushButton(QStringLiteral("ICI"), frame), "Recherche");
  auto* label1 = Named(new QLabel(QStringLiteral("pour les afficher"), frame), "Label1");
  auto* sentence = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{label3, call_, label6, listButton_, label1}) sentence->addWidget(w);
  sentence->addStretch(1);
  auto* column = new QVBoxLayout(frame);
  column->addWidget(title_);
  column->addLayout(sentence);
  return frame;
}

QWidget* MultiQslWindow::buildListFrame() {
  auto* frame = Named(new QGroupBox, "Frame2");
  awaited_ = Named(new QListWidget(frame), "Liste_QSO");
  awaited_->setFont(ListFont());
  awaited_->setAccessibleName(QStringLiteral("QSO dont la QSL n'est pas reçue"));
  (new QVBoxLayout(frame))->addWidget(awaited_);
  return frame;
}

QWidget* MultiQslWindow::buildPrintFrame() {
  auto* frame = Named(new QGroupBox, "Frame3");
  printButton_ = Named(new QPushButton(QStringLiteral("Imprimer"), frame), "Imprimer");
  printButton_->setToolTip(QStringLiteral("Imprimer le dos d'une QSL avec la liste des QSO's cochés"));
  (new QHBoxLayout(frame))->addWidget(printButton_, 0, Qt::AlignCenter);
  return frame;
}

bool MultiQslWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == call_ && event->type() == QEvent::KeyPress)
    return callSignKeyPress(static_cast<const QKeyEvent&>(*event));
  return QWidget::eventFilter(watched, event);
}

// True when the key has been dealt with here.
bool MultiQslWindow::callSignKeyPress(const QKeyEvent& key) {
  if (IsEnter(key)) {
    listAwaitedQsls();
    listButton_->setFocus();
    return true;
  }
  return TypeSmallLetterAsCapital(*call_, key);
}

void MultiQslWindow::listAwaitedQsls() {
  const QString typed = call_->text();
  if (typed.isEmpty()) {
    ctx_.messages.inform(this, QStringLiteral("Entrez un indicatif"));
    return;
  }
  title_->setText(QStringLiteral("QSL's non reçues de ") + typed);
  awaited_->clear();
  for (const kmb::Bytes& row : kmb::AwaitedQslRows(logbook_.listedLines(), ToCp1252(typed))) {
    QListWidgetItem* item = AddRowItem(*awaited_, row);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

std::vector<kmb::Bytes> MultiQslWindow::tickedRows() const {
  std::vector<kmb::Bytes> ticked;
  for (int i = 0; i < awaited_->count(); ++i) {
    const QListWidgetItem* item = awaited_->item(i);
    if (item->checkState() == Qt::Checked) ticked.push_back(RowBytes(*item));
  }
  return ticked;
}

void MultiQslWindow::print() {
  if (awaited_->count() == 0) {
    ctx_.messages.inform(this, QStringLiteral("Pas de QSO a imprimer"));
    return;
  }
  if (call_->text().isEmpty()) {
    ctx_.messages.inform(this, QStringLiteral("Entrez un indicatif"));
    return;
  }
  const std::vector<kmb::Bytes> ticked = tickedRows();
  // Nothing ticked: no card, and no printer to choose for it.
  if (ticked.empty()) {
    ctx_.messages.inform(this, QStringLiteral("Aucun QSO n'est coché : cochez (barre d'espace) les QSO à confirmer "
                                              "sur la carte, puis cliquez sur « Imprimer »."));
    return;
  }
  QPrinter printer;
  if (!ctx_.printers.choose(printer, this)) return;
  const kmb::Lines card =
      kmb::QslCardLines(ToCp1252(call_->text()), kmb::StationCallDisplay(logbook_.stationCall()), ticked);
  if (!PrintLines(printer, card))
    ctx_.messages.inform(this,
                         QStringLiteral("L'impression de la QSL n'a pas pu commencer : imprimante indisponible."));
}
