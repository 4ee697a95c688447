#include "ui/kit/ColumnTitles.h"

#include <QScrollBar>
#include <QStringListModel>

namespace {
// Room for the list's vertical scroll bar, so the titles scroll as far as the rows.
constexpr int kSpareColumns = 8;
}  // namespace

ColumnTitles::ColumnTitles(QAbstractItemView& list, QWidget* parent) : QListView(parent) {
  model_ = new QStringListModel(this);
  setModel(model_);
  setFont(list.font());
  // The list's own frame, so the titles start exactly where its rows do.
  setFrameStyle(list.frameStyle());
  setLineWidth(list.lineWidth());
  setMidLineWidth(list.midLineWidth());
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(QStringLiteral("Titres des colonnes"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  viewport()->setBackgroundRole(QPalette::Window);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  connect(list.horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
  setText({});
}

void ColumnTitles::setText(const QString& titles) {
  model_->setStringList({titles + QString(kSpareColumns, u' ')});
  setFixedHeight(sizeHintForRow(0) + 2 * frameWidth());
}

QString ColumnTitles::text() const { return model_->stringList().value(0).chopped(kSpareColumns); }
