#include "support/MainSession.h"

MainSession::MainSession(const QByteArray& log, bool startNow) {
  env.settings->write(settings_keys::kSetup, settings_keys::kIndicatifStation, QStringLiteral("F4ABC"));
  env.writeFile("F4ABC_KMB.log", log);
  if (startNow) start();
}

void MainSession::start(AppContext* context) {
  main = std::make_unique<MainWindow>(context ? *context : env.context);
  main->start();
}

QString MainSession::text(const char* name) const {
  QWidget* w = widget(name);
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  return qobject_cast<QLineEdit*>(w)->text();
}

QStringList MainSession::texts(std::initializer_list<const char*> names) const {
  QStringList all;
  for (const char* name : names) all << text(name);
  return all;
}

void MainSession::type(const char* name, const QString& text) const { TypeKeys(*widget(name), text); }

void MainSession::enter(const char* name) const { QTest::keyClick(widget(name), Qt::Key_Return); }

void MainSession::clickRow(int row) const {
  auto* list = widget<QListView>("Liste_KMB");
  const QRect rect = list->visualRect(list->model()->index(row, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void MainSession::doubleClickRow(int row) const {
  auto* list = widget<QListView>("Liste_KMB");
  const QPoint at =
      row < 0 ? QPoint(5, list->viewport()->height() - 5) : list->visualRect(list->model()->index(row, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void MainSession::trigger(const char* action) const {
  main->findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

bool MainSession::focusedOn(const char* name) const {
  QWidget* w = focused();
  while (w && w->objectName().isEmpty()) w = w->parentWidget();
  return w && w->objectName() == QLatin1String(name);
}

void MainSession::walkToValidate(const QString& call, const QString& ref, const QString& prenom, const QString& dpt,
                                 const QString& date, const QString& time) {
  typeAndEnter("Ind_A", call);
  typeAndEnter("Prenom_A", prenom);
  typeAndEnter("Dpt_A", dpt);
  typeAndEnter("Ref_A", ref);
  if (!date.isEmpty()) typeAndEnter("Date_A", date);
  if (!time.isEmpty()) typeAndEnter("Heure_A", time);
  enterToValidate();
}
