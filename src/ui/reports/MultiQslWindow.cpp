#include "ui/reports/MultiQslWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/reports/QslCard.h"
#include "core/reports/QslList.h"
#include "core/settings/StationCall.h"
#include "ui/kit/LinePrinter.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/reports/QslCallFrame.h"

namespace {

const QString kTitle = QStringLiteral("QSL's non reçues");

}  // namespace

MultiQslWindow::MultiQslWindow(AppContext& context, const LogbookView& logbook) : ctx_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Multi_QSL"));
  setWindowTitle(kTitle);
  const QslCallFrame callFrame = BuildQslCallFrame(kTitle, QStringLiteral("QSL's non reçues de "), [this] {
    listAwaitedQsls();
    listButton_->setFocus();
  });
  title_ = callFrame.title;
  call_ = callFrame.call;
  listButton_ = callFrame.list;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(callFrame.frame);
  layout->addWidget(BuildQslListFrame(awaited_, QStringLiteral("QSO dont la QSL n'est pas reçue")), 1);
  layout->addWidget(buildPrintFrame());

  connect(listButton_, &QPushButton::clicked, this, &MultiQslWindow::listAwaitedQsls);
  connect(printButton_, &QPushButton::clicked, this, &MultiQslWindow::print);

  resize(760, 520);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
}

QWidget* MultiQslWindow::buildPrintFrame() {
  auto* frame = Named(new QGroupBox, "Frame3");
  printButton_ = Named(new QPushButton(QStringLiteral("Imprimer"), frame), "Imprimer");
  printButton_->setToolTip(QStringLiteral("Imprimer le dos d'une QSL avec la liste des QSO's cochés"));
  (new QHBoxLayout(frame))->addWidget(printButton_, 0, Qt::AlignCenter);
  return frame;
}

void MultiQslWindow::listAwaitedQsls() {
  const QString typed = call_->text();
  if (typed.isEmpty()) {
    ctx_.messages.inform(this, QStringLiteral("Entrez un indicatif"));
    return;
  }
  title_->setText(QStringLiteral("QSL's non reçues de ") + typed);
  awaited_->clear();
  for (const kmb::Bytes& row : kmb::AwaitedQslRows(logbook_.listedLines(), ToCp1252(typed)))
    AddTickableRow(*awaited_, row, false);
}

std::vector<kmb::Bytes> MultiQslWindow::tickedRows() const {
  std::vector<kmb::Bytes> ticked;
  for (const int row : TickedRows(*awaited_)) ticked.push_back(RowBytes(*awaited_->item(row)));
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
