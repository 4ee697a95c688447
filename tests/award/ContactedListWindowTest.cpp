#include "support/TestData.h"
#include "support/TestSupport.h"
#include "ui/award/ContactedListWindow.h"

namespace {

QByteArray Qso(const std::string& ref, const std::string& band, bool qsl, const std::string& call = "F1AAA",
               const std::string& name = "LAVOIR") {
  return LogLine(call, ref.substr(0, 2), ref, "05/12/26", "09:07", band, qsl, name);
}

const QByteArray kTwoLavoirs = LogBytes(
    {Qso("89001", "14 Mhz", false, "F1AAA", "LAVOIR DU PONT"), Qso("77001", "50 Mhz", true, "F5ZZZ", "GRAND LAVOIR")});
const char* const kHfFile = "F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt";

// The window of a station over its log.
struct ListOnLog {
  explicit ListOnLog(const QByteArray& log, const std::string& call = "F4ABC", kmb::FileSystem* files = nullptr)
      : logbook(call) {
    env.writeFile(call + "_KMB.log", log);
    context = std::make_unique<AppContext>(
        AppContext{env.folder(), files ? *files : env.files, env.messages, *env.settings, env.clock, env.printers});
    window = std::make_unique<ContactedListWindow>(*context, logbook);
  }
  QStringList listed() const {
    QStringList texts;
    QAbstractItemModel* model = Find<QListView>(*window, "Liste_KMB_Contacte")->model();
    for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, 0).data().toString();
    return texts;
  }
  void show(const QString& group) {
    Find<QComboBox>(*window, "Bande_D")->setCurrentText(group);
    click("Afficher");
  }
  void click(const char* button) { QTest::mouseClick(Find<QPushButton>(*window, button), Qt::LeftButton); }
  bool enabled(const char* button) const { return Find<QPushButton>(*window, button)->isEnabled(); }
  QString counts() const {
    return Find<QLabel>(*window, "Compt_C")->text() + QLatin1Char('/') + Find<QLabel>(*window, "Compt_V")->text();
  }

  TestEnvironment env;
  FakeLogbook logbook;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<ContactedListWindow> window;
};

}  // namespace

class ContactedListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Nothing is listed, saved or printed before "Afficher"; a typed group lists only if it is a known one.
  void listsTheGroupInReferenceOrder() {
    ListOnLog l(kTwoLavoirs + LogBytes({Qso("01001", "10 Mhz", true), Qso("02001", "144 Mhz", true),
                                        Qso("03001", "432 Mhz", false)}));
    auto* group = Find<QComboBox>(*l.window, "Bande_D");
    QVERIFY(group->isEditable());
    QCOMPARE(QStringList({group->itemText(0), group->itemText(1), group->currentText()}),
             QStringList({"HF", "VHF", "HF"}));
    QCOMPARE(group->count(), 2);
    QVERIFY(!l.enabled("Enregistrer") && !l.enabled("Imprimer"));
    QCOMPARE(l.listed(), QStringList());
    QVERIFY(IsMonospaced(Find<QListView>(*l.window, "Liste_KMB_Contacte")->font()));
    l.show(QStringLiteral("HF"));
    QCOMPARE(l.listed(), QStringList({" 77001  GRAND LAVOIR                    05/12/26  F5ZZZ         *",
                                      " 89001  LAVOIR DU PONT                  05/12/26  F1AAA          "}));
    QCOMPARE(l.counts(), QStringLiteral("2/1"));
    QVERIFY(l.enabled("Enregistrer") && l.enabled("Imprimer"));
    l.show(QStringLiteral("VHF"));
    QCOMPARE(l.listed().size(), 1);
    QVERIFY(l.listed()[0].startsWith(QStringLiteral(" 02001")));
    QCOMPARE(l.counts(), QStringLiteral("1/1"));
    l.show(QStringLiteral("UHF"));
    QCOMPARE(l.counts(), QStringLiteral("1/0"));
  }

  void savesTheListByteForByte() {
    ListOnLog l(kTwoLavoirs);
    l.env.clock.local = {2026, 12, 5, 23, 59, 0};
    l.env.clock.utc = {2026, 12, 6, 0, 59, 0};  // the local date names the file
    l.show(QStringLiteral("HF"));
    l.click("Enregistrer");
    QCOMPARE(l.env.readFile(kHfFile), QByteArray::fromStdString(TestData(kHfFile)));
    QCOMPARE(l.env.messages.shown, QStringList({QStringLiteral("Fichier enregistré sous le nom : ") + kHfFile}));
    QVERIFY(!l.env.exists(kHfFile + std::string(".tmp")));
  }

  void savingAnEmptyListAndReplacingAnEarlierFile() {
    ListOnLog l(kTwoLavoirs, "FXXXX");
    l.env.clock.local = {2027, 2, 1, 8, 0, 0};
    const char* const vhf = "FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt";
    l.env.writeFile(vhf, "an earlier list that is much longer than the new one, and never kept in any part of it");
    l.show(QStringLiteral("VHF"));
    l.click("Enregistrer");
    QVERIFY(l.env.readFile(vhf).startsWith(" FXXXX Liste alphanumerique des Lavoirs contact\xE9s bande VHF"));
    QVERIFY(!l.env.readFile(vhf).contains("kept"));
    // The group shown at saving time names the file, even before a new display.
    Find<QComboBox>(*l.window, "Bande_D")->setCurrentText(QStringLiteral("HF"));
    l.click("Enregistrer");
    QVERIFY(l.env.readFile("FXXXX_Liste_Lavoirs_Bande_HF_01_02_27.txt").contains("bande HF au 01/02/2027\r\n\r\n"));
    QVERIFY(l.env.messages.last().endsWith(QStringLiteral("FXXXX_Liste_Lavoirs_Bande_HF_01_02_27.txt")));

    // The typed group becomes part of a file name: nothing may lead it out of the folder.
    const auto entries = [](const std::filesystem::path& folder) {
      return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
    };
    const auto before = entries(l.env.folder().parent_path());
    for (const char* group : {"/../../evade", "..", "a\\b", "C:x"}) {
      l.env.messages.clear();
      Find<QComboBox>(*l.window, "Bande_D")->setCurrentText(QString::fromLatin1(group));
      l.click("Enregistrer");
      QVERIFY2(l.env.messages.last().contains(QStringLiteral("ne peut pas entrer dans un nom de fichier")), group);
    }
    QCOMPARE(entries(l.env.folder().parent_path()), before);
    QCOMPARE(entries(l.env.folder()), 3);  // the log and the two lists
  }

  void printsTheList() {
    ListOnLog l(kTwoLavoirs);
    l.show(QStringLiteral("HF"));
    l.env.printers.accept = false;  // a cancelled printer choice prints nothing
    l.click("Imprimer");
    QVERIFY(!QFile::exists(l.env.printers.pdfPath));
    if (!HasPdfTools()) QSKIP("poppler-utils are not installed");
    l.env.printers.accept = true;
    l.click("Imprimer");
    QCOMPARE(l.env.printers.asked, 2);
    QCOMPARE(l.env.messages.shown, QStringList());
    // The layout of the page is the core's PrintedListLines test; the font is the one printer's (MultiQslWindowTest).
    const QStringList lines = PrintedLines(l.env.printers.pdfPath);
    QCOMPARE(lines.value(0), QStringLiteral("F4ABC Liste alphanumerique des Lavoirs contactés bande HF au 05/12/2026"));
    QCOMPARE(lines.filter(QStringLiteral("89001")), QStringList{"2 89001 LAVOIR DU PONT 05/12/26 F1AAA"});
  }
};

QTEST_MAIN(ContactedListWindowTest)
#include "ContactedListWindowTest.moc"
