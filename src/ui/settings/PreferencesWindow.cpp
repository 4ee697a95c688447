#include "ui/settings/PreferencesWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/kit/ScrollingContent.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/settings/ClusterSection.h"
#include "ui/settings/RadioSection.h"
#include "ui/settings/WebSitesSection.h"

PreferencesWindow::PreferencesWindow(AppContext& context, RadioControl& radio, std::function<void()> saved)
    : ctx_(context), saved_(std::move(saved)) {
  setObjectName(QStringLiteral("Preferences"));
  setWindowTitle(QStringLiteral("Préférences"));
  // The sections scroll on a small screen, each row as tall as it wants; the buttons stay in view.
  auto* content = new QWidget;
  auto* sectionsLayout = new QVBoxLayout(content);
  sectionsLayout->setContentsMargins({});
  // Each subject that comes to the settings adds its section here.
  sections_ = {new WebSitesSection(ctx_.settings, content), new RadioSection(ctx_.settings, radio, content),
               new ClusterSection(ctx_.settings, content)};
  for (PreferencesSection* section : sections_) {
    section->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // never squeezed: scrolled
    sectionsLayout->addWidget(section);
  }
  sectionsLayout->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ScrollingContent(content, this), 1);
  layout->addLayout(buildButtons());

  // Enter in a field goes on to the next one, after the last to "Enregistrer".
  for (QLineEdit* field : findChildren<QLineEdit*>())
    connect(field, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
  for (QCheckBox* tick : findChildren<QCheckBox*>()) tick->installEventFilter(this);
  for (QComboBox* list : findChildren<QComboBox*>())
    if (!list->isEditable()) list->installEventFilter(this);
  if (auto* first = findChild<QLineEdit*>()) first->setFocus();
  adjustSize();
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, ctx_.settings);
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(*event))) {
    focusNextChild();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

QLayout* PreferencesWindow::buildButtons() {
  auto* save = Named(new QPushButton(QStringLiteral("Enregistrer"), this), "Enregistrer");
  auto* close = Named(new QPushButton(QStringLiteral("Fermer"), this), "Fermer");
  connect(save, &QPushButton::clicked, this, &PreferencesWindow::save);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(save);
  row->addWidget(close);
  return row;
}

void PreferencesWindow::save() {
  for (const PreferencesSection* section : sections_)
    if (const auto refused = section->refusal()) {
      ctx_.messages.inform(this, refused->reason);
      refused->field->setFocus();
      return;
    }
  for (const PreferencesSection* section : sections_) section->save(ctx_.settings);
  saved_();
  close();
}
