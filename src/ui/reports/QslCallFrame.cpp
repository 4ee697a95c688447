#include "ui/reports/QslCallFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kit/Fonts.h"
#include "ui/kit/InputCleaner.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowKeys.h"

QslCallFrame BuildQslCallFrame(const QString& title, const QString& wordsBefore, std::function<void()> onEnter) {
  QslCallFrame built;
  built.frame = Named(new QGroupBox, "Frame1");
  built.title = Named(new QLabel(title, built.frame), "Titre_QSL");
  QFont big = built.title->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  built.title->setFont(big);
  // The title holds the typed call: a long one is cut, never widens the window.
  built.title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* before = Named(new QLabel(wordsBefore, built.frame), "Label3");
  built.call = Named(new QLineEdit(built.frame), "Indicatif");
  NameAfterCaption(*built.call, before->text());
  KeepToLogCharacters(*built.call);
  ActOnEnterTypingCapitals(*built.call, std::move(onEnter));
  auto* click = Named(new QLabel(QStringLiteral("Cliquez"), built.frame), "Label6");
  built.list = Named(new QPushButton(QStringLiteral("ICI"), built.frame), "Recherche");
  auto* after = Named(new QLabel(QStringLiteral("pour les afficher"), built.frame), "Label1");
  auto* sentence = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{before, built.call, click, built.list, after})
    sentence->addWidget(w);
  sentence->addStretch(1);
  auto* column = new QVBoxLayout(built.frame);
  column->addWidget(built.title);
  column->addLayout(sentence);
  return built;
}

QGroupBox* BuildQslListFrame(QListWidget*& list, const QString& accessibleName) {
  auto* frame = Named(new QGroupBox, "Frame2");
  list = Named(new QListWidget(frame), "Liste_QSO");
  list->setFont(ListFont());
  list->setAccessibleName(accessibleName);
  (new QVBoxLayout(frame))->addWidget(list);
  return frame;
}

void AddTickableRow(QListWidget& list, const kmb::Bytes& row, bool ticked) {
  QListWidgetItem* item = AddRowItem(list, row);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

std::vector<int> TickedRows(const QListWidget& list) {
  std::vector<int> ticked;
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->checkState() == Qt::Checked) ticked.push_back(row);
  return ticked;
}
