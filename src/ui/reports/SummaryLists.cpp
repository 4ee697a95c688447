#include "ui/reports/SummaryLists.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/kit/Fonts.h"
#include "ui/kit/LogListModel.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowKeys.h"
#include "ui/kit/WindowPlacement.h"

namespace {

class EnterInListsIgnored final : public QObject {
 public:
  explicit EnterInListsIgnored(QWidget& dialog) : QObject(&dialog) {
    for (QListView* view : dialog.findChildren<QListView*>()) view->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(*event))) return true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

QListView* LinesView(const char* name, QAbstractItemModel* model, QWidget* parent) {
  auto* view = Named(new QListView(parent), name);
  model->setParent(view);
  view->setModel(model);
  view->setFont(ListFont());
  view->setUniformItemSizes(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return view;
}

QAbstractItemModel* LogLinesModel(const kmb::Lines& lines) {
  auto* model = new LogListModel;
  model->setLines(lines);
  return model;
}

QString Agreed(std::size_t count, const QString& one, const QString& many) {
  return (count > 1 ? many : one).arg(count);
}

void LayOutSummary(QDialog& dialog, QLabel* counts, QTabWidget* tabs, QPushButton* act, SettingsStore& settings) {
  auto* cancel = Named(new QPushButton(QStringLiteral("Annuler"), &dialog), "Annuler");
  QObject::connect(act, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(act);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(counts);
  layout->addWidget(tabs, 1);
  layout->addLayout(buttons);
  PressButtonsOnEnter(dialog);
  new EnterInListsIgnored(dialog);
  for (int tab = 0; tab < tabs->count(); ++tab) NameAfterCaption(*tabs->widget(tab), tabs->tabText(tab));
  dialog.resize(QFontMetrics(ListFont()).horizontalAdvance(QString(110, u'M')), 480);
  PlaceWindow(dialog, settings);
  (act->isEnabled() ? act : cancel)->setFocus();
}
