#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <cerrno>

#include "app/FieldColours.h"
#include "award/ContactedListWindow.h"
#include "support/FakeLogbook.h"
#include "support/FaultyFileSystem.h"
#include "support/TestSupport.h"

class ContactedListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithNothingListed();
  void listsTheGroupInReferenceOrder();
  void typedGroupsListOnlyKnownGroups();
  void savesTheListByteForByte();
  void savingAnEmptyListAndReplacingAnEarlierFile();
  void failedSaveLeavesNoFileAndSaysWhy();
  void printsTheListInCourierNew();
  void cancelledPrinterChoicePrintsNothing();
  void missingLogListsNothingAndSaysWhy();
};

namespace {

QByteArray Qso(const std::string& ref, const std::string& band, bool qsl, const std::string& call = "F1AAA",
               const std::string& name = "LAVOIR") {
  return LogLine(call, ref.substr(0, 2), ref, "05/12/26", "09:07", band, qsl, name);
}

QStringList Listed(QWidget& window) {
  QStringList texts;
  QAbstractItemModel* model = Find<QListView>(window, "Liste_KMB_Contacte")->model();
  for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, 0).data().toString();
  return texts;
}

void ShowGroup(QWidget& window, const QString& group) {
  Find<QComboBox>(window, "Bande_D")->setCurrentText(group);
  QTest::mouseClick(Find<QPushButton>(window, "Afficher"), Qt::LeftButton);
}

QString Counts(QWidget& window) {
  return Find<QLabel>(window, "Compt_C")->text() + QLatin1Char('/') + Find<QLabel>(window, "Compt_V")->text();
}

QString RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

const QByteArray kTwoLavoirs = LogBytes({Qso("89001", "14 Mhz", false, "F1AAA", "LAVOIR DU PONT"),
                                         Qso("77001", "50 Mhz", true, "F5ZZZ", "GRAND LAVOIR")});

}  // namespace

void ContactedListWindowTest::opensWithNothingListed() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", kTwoLavoirs);
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  QCOMPARE(window.objectName(), QStringLiteral("Aff_Contacte"));
  QCOMPARE(window.windowTitle(), QStringLiteral("Lavoirs contactés et confirmés"));
  auto* group = Find<QComboBox>(window, "Bande_D");
  QVERIFY(group->isEditable());
  QCOMPARE(group->count(), 2);
  QCOMPARE(group->itemText(0), QStringLiteral("HF"));
  QCOMPARE(group->itemText(1), QStringLiteral("VHF"));
  QCOMPARE(group->currentText(), QStringLiteral("HF"));
  QVERIFY(!Find<QPushButton>(window, "Enregistrer")->isEnabled());
  QVERIFY(!Find<QPushButton>(window, "Imprimer")->isEnabled());
  QCOMPARE(Find<QPushButton>(window, "Command1")->text(), QStringLiteral("Quitter"));
  QCOMPARE(Find<QLabel>(window, "Label3")->text(), QStringLiteral("Lavoirs contactés bande"));
  QCOMPARE(Find<QLabel>(window, "Label4")->text(), QStringLiteral("Lavoirs confirmés bande"));
  QCOMPARE(Listed(window), QStringList());
  QCOMPARE(FieldColour(*Find<QListView>(window, "Liste_KMB_Contacte")), QColor(255, 255, 192));
  // Every character as wide as the next, whatever fontconfig calls the font.
  const QFontMetrics metrics(Find<QListView>(window, "Liste_KMB_Contacte")->font());
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")));
}

void ContactedListWindowTest::listsTheGroupInReferenceOrder() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", kTwoLavoirs + LogBytes({Qso("01001", "10 Mhz", true), Qso("02001", "144 Mhz", true)}));
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("HF"));
  QCOMPARE(Find<QLabel>(window, "Label2")->text(),
           QStringLiteral("   Ref             Nom du Lavoir                       Date      Indicatif         QSL"));
  QCOMPARE(Listed(window), QStringList({" 77001  GRAND LAVOIR                    05/12/26  F5ZZZ         *",
                                        " 89001  LAVOIR DU PONT                  05/12/26  F1AAA          "}));
  QCOMPARE(Counts(window), QStringLiteral("2/1"));
  QVERIFY(Find<QPushButton>(window, "Enregistrer")->isEnabled());
  QVERIFY(Find<QPushButton>(window, "Imprimer")->isEnabled());

  ShowGroup(window, QStringLiteral("VHF"));
  QCOMPARE(Listed(window).size(), 1);
  QVERIFY(Listed(window)[0].startsWith(QStringLiteral(" 02001")));
  QCOMPARE(Counts(window), QStringLiteral("1/1"));
}

void ContactedListWindowTest::typedGroupsListOnlyKnownGroups() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", kTwoLavoirs + LogBytes({Qso("03001", "432 Mhz", false), Qso("01001", "10 Mhz", true)}));
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("UHF"));
  QCOMPARE(Listed(window).size(), 1);
  QCOMPARE(Counts(window), QStringLiteral("1/0"));
  for (const char* typed : {"hf", "10 Mhz", "", "XYZ"}) {
    ShowGroup(window, QString::fromLatin1(typed));
    QCOMPARE(Listed(window), QStringList());
    QCOMPARE(Counts(window), QStringLiteral("0/0"));
  }
}

void ContactedListWindowTest::savesTheListByteForByte() {
  TestEnvironment env;
  env.clock.local = {2026, 12, 5, 23, 59, 0};
  env.clock.utc = {2026, 12, 6, 0, 59, 0};  // the local date names the file
  env.writeFile("F4ABC_KMB.log", kTwoLavoirs);
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("HF"));
  QTest::mouseClick(Find<QPushButton>(window, "Enregistrer"), Qt::LeftButton);

  const QByteArray expected =
      " F4ABC Liste alphanumerique des Lavoirs contact\xE9s bande HF au 05/12/2026\r\n"
      "\r\n"
      "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL\r\n"
      "\r\n"
      "    1  77001  GRAND LAVOIR                    05/12/26  F5ZZZ         *\r\n"
      "    2  89001  LAVOIR DU PONT                  05/12/26  F1AAA          \r\n"
      "\r\n"
      "                        ORX_KMB - carnet de trafic du Diplome Kembaro\r\n";
  QCOMPARE(env.readFile("F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt"), expected);
  QCOMPARE(env.messages.shown,
           QStringList({QStringLiteral("Fichier enregistré sous le nom : F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt")}));
  QVERIFY(!env.exists("F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt.tmp"));
}

void ContactedListWindowTest::savingAnEmptyListAndReplacingAnEarlierFile() {
  TestEnvironment env;
  env.clock.local = {2027, 2, 1, 8, 0, 0};
  env.writeFile("FXXXX_KMB.log", kTwoLavoirs);
  env.writeFile("FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt", "an earlier list that is much longer than the new one");
  FakeLogbook logbook("FXXXX");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("VHF"));
  QTest::mouseClick(Find<QPushButton>(window, "Enregistrer"), Qt::LeftButton);
  QCOMPARE(env.readFile("FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt"),
           QByteArray(" FXXXX Liste alphanumerique des Lavoirs contact\xE9s bande VHF au 01/02/2027\r\n"
                      "\r\n"
                      "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL\r\n"
                      "\r\n"
                      "\r\n"
                      "                        ORX_KMB - carnet de trafic du Diplome Kembaro\r\n"));
  // The group shown at saving time names the file, even before a new display.
  Find<QComboBox>(window, "Bande_D")->setCurrentText(QStringLiteral("HF"));
  QTest::mouseClick(Find<QPushButton>(window, "Enregistrer"), Qt::LeftButton);
  QVERIFY(env.readFile("FXXXX_Liste_Lavoirs_Bande_HF_01_02_27.txt").contains("bande HF au 01/02/2027\r\n\r\n"));
  QVERIFY(env.messages.last().endsWith(QStringLiteral("FXXXX_Liste_Lavoirs_Bande_HF_01_02_27.txt")));
}

void ContactedListWindowTest::failedSaveLeavesNoFileAndSaysWhy() {
  for (const kmb::IoError::Step step : {kmb::IoError::Step::Create, kmb::IoError::Step::Write,
                                        kmb::IoError::Step::Flush, kmb::IoError::Step::Rename}) {
    TestEnvironment env;
    FaultyFileSystem faulty(env.files);
    AppContext context{env.folder(), faulty, env.messages, *env.settings, env.clock, env.printers};
    env.writeFile("F4ABC_KMB.log", kTwoLavoirs);
    FakeLogbook logbook("F4ABC");
    ContactedListWindow window(context, logbook);
    ShowGroup(window, QStringLiteral("HF"));
    faulty.failAt(step, ENOSPC);
    QTest::mouseClick(Find<QPushButton>(window, "Enregistrer"), Qt::LeftButton);

    QVERIFY(!env.exists("F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt"));
    QVERIFY(!env.exists("F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt.tmp"));
    QCOMPARE(env.messages.shown.size(), 1);
    const QString said = env.messages.last();
    QVERIFY2(said.contains(QStringLiteral("F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("le disque est plein")), qPrintable(said));
    QVERIFY(!said.contains(QStringLiteral("Fichier enregistré")));
  }
}

void ContactedListWindowTest::printsTheListInCourierNew() {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
  if (pdftotext.isEmpty() || pdffonts.isEmpty()) QSKIP("poppler-utils are not installed");
  TestEnvironment env;
  QByteArray log;
  for (int n = 0; n < 12; ++n) log += Qso("890" + std::to_string(10 + n), "14 Mhz", n % 2 == 0) + "\r\n";
  env.writeFile("F4ABC_KMB.log", log);
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("HF"));
  QTest::mouseClick(Find<QPushButton>(window, "Imprimer"), Qt::LeftButton);
  QCOMPARE(env.printers.asked, 1);
  QVERIFY(QFile::exists(env.printers.pdfPath));

  const QStringList lines = RunTool(pdftotext, {QStringLiteral("-layout"), env.printers.pdfPath, QStringLiteral("-")})
                                .split(QLatin1Char('\n'));
  auto lineWith = [&](const QString& text) {
    for (const QString& line : lines)
      if (line.contains(text)) return line.simplified();
    return QString();
  };
  QCOMPARE(lineWith(QStringLiteral("Liste alphanumerique")),
           QStringLiteral("F4ABC Liste alphanumerique des Lavoirs contactés bande HF au 05/12/2026"));
  QCOMPARE(lineWith(QStringLiteral("Nom du Lavoir")), QStringLiteral("N° Ref Nom du Lavoir Date Indicatif QSL"));
  QCOMPARE(lineWith(QStringLiteral("89010")), QStringLiteral("1 89010 LAVOIR 05/12/26 F1AAA *"));
  QCOMPARE(lineWith(QStringLiteral("89021")), QStringLiteral("12 89021 LAVOIR 05/12/26 F1AAA"));
  QCOMPARE(lineWith(QStringLiteral("Kembaro")), QStringLiteral("ORX_KMB - carnet de trafic du Diplome Kembaro"));

  const QString fonts = RunTool(pdffonts, {env.printers.pdfPath});
  QVERIFY2(fonts.contains(QStringLiteral("Courier")) || fonts.contains(QStringLiteral("LiberationMono-Bold")),
           qPrintable(fonts));
}

void ContactedListWindowTest::cancelledPrinterChoicePrintsNothing() {
  TestEnvironment env;
  env.printers.accept = false;
  env.writeFile("F4ABC_KMB.log", kTwoLavoirs);
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  ShowGroup(window, QStringLiteral("HF"));
  QTest::mouseClick(Find<QPushButton>(window, "Imprimer"), Qt::LeftButton);
  QCOMPARE(env.printers.asked, 1);
  QVERIFY(!QFile::exists(env.printers.pdfPath));
  QCOMPARE(env.messages.shown, QStringList());
}

void ContactedListWindowTest::missingLogListsNothingAndSaysWhy() {
  TestEnvironment env;
  FakeLogbook logbook("F4ABC");
  ContactedListWindow window(env.context, logbook);
  QCOMPARE(env.messages.shown, QStringList());  // nothing is read before "Afficher"
  ShowGroup(window, QStringLiteral("HF"));
  QCOMPARE(Listed(window), QStringList());
  QCOMPARE(Counts(window), QStringLiteral("0/0"));
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("F4ABC_KMB.log")));
}

QTEST_MAIN(ContactedListWindowTest)
#include "ContactedListWindowTest.moc"
