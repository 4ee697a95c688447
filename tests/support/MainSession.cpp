#include "support/MainSession.h"

MainSession::MainSession(const QByteArray& log, bool startNow) {
  env.settings->write(settings_keys::kSetup, settings_keys::kIndicatifStation, u"F4ABC"_s);
  env.writeFile("F4ABC_KMB.log", log);
  if (startNow) start();
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

void MainSession::walkToValidate(const QString& call, const QString& ref, const QString& prenom, const QString& dpt,
                                 const QString& date, const QString& time) {
  walk({{"Ind_A", call}, {"Prenom_A", prenom}, {"Dpt_A", dpt}, {"Ref_A", ref}});
  if (!date.isEmpty()) typeAndEnter("Date_A", date);
  if (!time.isEmpty()) typeAndEnter("Heure_A", time);
  enterToValidate();
}

void MainSession::clickRow(int row, bool twice) const {
  auto* list = widget<QListView>("Liste_KMB");
  const QPoint at =
      row < 0 ? QPoint(5, list->viewport()->height() - 5) : list->visualRect(list->model()->index(row, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

bool MainSession::focusedOn(const char* name) const {
  QWidget* w = main->focusWidget();
  while (w && w->objectName().isEmpty()) w = w->parentWidget();
  return w && w->objectName() == QLatin1String(name);
}

void ChooseAdifFile(TestEnvironment& env, const std::string& file) {
  WhenShown("QFileDialog", [&env, file](QWidget& window) {
    auto& chooser = static_cast<QFileDialog&>(window);
    QCOMPARE(chooser.directory().absolutePath(), QString::fromStdString(env.folder().string()));
    QVERIFY(chooser.nameFilters().join(u' ').contains(QStringLiteral("*.adi *.adif")));
    QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(file));  // the name box has the focus
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
}
