#include "app/LogListPanel.h"

#include <QKeyEvent>
#include <QListView>
#include <QVBoxLayout>

#include "core/log/LogLine.h"
#include "ui/kit/ColumnTitles.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/LogListModel.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"

namespace {
const QString kListHint =
    QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");
}  // namespace

LogListPanel::LogListPanel(QWidget* parent) : QGroupBox(kListHint, parent) {
  setObjectName(QStringLiteral("L_Communes"));
  list_ = Named(new QListView(this), "Liste_KMB");
  model_ =
      new LogListModel(list_, [](std::size_t n, std::string_view line) { return kmb::FormatListRow(n + 1, line); });
  list_->setModel(model_);
  list_->setUniformItemSizes(true);
  list_->setFont(ListFont());
  list_->setToolTip(kListHint);
  list_->setAccessibleName(QStringLiteral("Liste des QSO du log"));
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumHeight(120);
  list_->setMinimumWidth(QFontMetrics(ListFont()).horizontalAdvance(QString(kmb::kListRowLength + 4, u'M')));
  titles_ = Named(new ColumnTitles(*list_, this), "Label_Liste_BQRT");
  titles_->setText(FromCp1252(kmb::ListTitles()));

  auto* column = new QVBoxLayout(this);
  column->setSpacing(0);
  column->addWidget(titles_);
  column->addWidget(list_, 1);

  connect(list_, &QListView::clicked, this, &LogListPanel::rowShown);
  // Arrows move the selection and show the row, as a click does.
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LogListPanel::rowShown);
  list_->installEventFilter(this);
  list_->viewport()->installEventFilter(this);
}

void LogListPanel::showLines(kmb::Lines lines) { model_->setLines(std::move(lines)); }

void LogListPanel::clear() { model_->setLines({}); }

const kmb::Lines& LogListPanel::lines() const { return model_->lines(); }

void LogListPanel::selectRow(int index) {
  if (index < 0 || index >= model_->rowCount()) return;
  const QModelIndex row = model_->index(index);
  const bool moves = list_->currentIndex() != row;  // a move shows the row through currentRowChanged
  list_->setCurrentIndex(row);
  list_->scrollTo(row);
  if (!moves) emit rowShown();
}

void LogListPanel::selectLastRow() { selectRow(model_->rowCount() - 1); }

int LogListPanel::currentRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

bool LogListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) emit rowOpened();
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsEnter(key)) {
      emit rowOpened();
      return true;
    }
    if (key.key() == Qt::Key_Delete) {
      emit deleteAsked();
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}
