// The award windows over the station's log: scores, diplomas, map, lists.
// What each counts is the core's AwardRulesTest; here what each shows.
#include <cerrno>

#include "core/reports/AdifImport.h"
#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"
#include "support/TempFolder.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/award/DiplomaWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/FieldColours.h"

namespace {

const QColor kYellow(255, 255, 128);
const QColor kPink(255, 192, 192);
const QColor kGreen(128, 255, 128);

QByteArray Qso(const std::string& dpt, const std::string& band, bool qsl, const std::string& ref = "89001",
               const std::string& call = "F1AAA", const std::string& name = "LAVOIR") {
  return LogLine(call, dpt, ref, "05/12/26", "09:07", band, qsl, name);
}

const QByteArray kTwoLavoirs = LogBytes({Qso("89", "14 Mhz", false, "89001", "F1AAA", "LAVOIR DU PONT"),
                                         Qso("77", "50 Mhz", true, "77001", "F5ZZZ", "GRAND LAVOIR")});
const char* const kHfFile = "F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt";

// Call, date, time, band, mode and reference of each line.
QStringList QsoFields(const kmb::Lines& lines) {
  QStringList fields;
  for (const kmb::Bytes& line : lines) {
    const kmb::QsoRecord qso = kmb::EntryRecord(line);
    fields << QString::fromStdString(qso.indicatif + " " + qso.date + " " + qso.heure + " " + qso.bande + " " +
                                     qso.mode + " " + qso.ref);
  }
  return fields;
}

// The lavoirs on the air as the test sets them in HF, none in the other groups; the groups asked for and the
// departments shown.
class FakeSpots final : public LiveSpots {
 public:
  std::map<std::string, int> departmentsOnAir(std::string_view group) const override {
    asked.emplace_back(group);
    return group == "HF" ? hf : std::map<std::string, int>{};
  }
  void showDepartment(const std::string& department) override { shown.push_back(department); }

  std::map<std::string, int> hf;
  mutable std::vector<std::string> asked;
  std::vector<std::string> shown;
};

// A window of a station over its log, shown.
template <typename W>
struct OnLog {
  template <typename... Face>
  explicit OnLog(const QByteArray& log, const std::string& call = "F4ABC", Face... face) : logbook(call) {
    env.writeFile(call + "_KMB.log", log);
    if constexpr (std::is_constructible_v<W, AppContext&, const LogbookView&, LiveSpots&>)
      window = std::make_unique<W>(env.context, logbook, spots);
    else
      window = std::make_unique<W>(env.context, logbook, face...);
    ShowAndSettle(*window);
  }
  // The texts of labels and boxes, joined by "|".
  QString texts(const QStringList& names) const {
    QStringList all;
    for (const QString& name : names) {
      auto* label = window->template findChild<QLabel*>(name);
      all << (label ? label->text() : Find<QLineEdit>(*window, name)->text());
    }
    return all.join(u'|');
  }
  void click(const char* button) { QTest::mouseClick(Find<QPushButton>(*window, button), Qt::LeftButton); }
  bool enabled(const char* button) const { return Find<QPushButton>(*window, button)->isEnabled(); }
  QLineEdit* box(int index) { return Find<QLineEdit>(*window, u"Dep_%1"_s.arg(index, 2, 10, QLatin1Char('0'))); }
  QColor colour(int index) { return FieldColour(*box(index)); }
  // The contacted list's lines, after "Afficher" for `group`.
  QStringList listed(const QString& group) {
    Find<QComboBox>(*window, "Bande_D")->setCurrentText(group);
    click("Afficher");
    QStringList lines;
    QAbstractItemModel* model = Find<QListView>(*window, "Liste_KMB_Contacte")->model();
    for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
    return lines;
  }

  TestEnvironment env;
  FakeLogbook logbook;
  FakeSpots spots;
  std::unique_ptr<W> window;
};

}  // namespace

class AwardWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  // HF above VHF, each panel's figures one under the other, none of them typed into.
  void scoresCountEachPanelFromItsBands() {
    OnLog<ScoreWindow> w(
        LogBytes({Qso("89", "14 Mhz", true), Qso("89", "7.0 Mhz", true), Qso("77", "14 Mhz", false),
                  Qso("2A", "50 Mhz", true), Qso("2a", "18 Mhz", true), Qso("01", "10 Mhz", true),
                  Qso("02", "432 Mhz", true), Qso("03", "144 Mhz", true), Qso("04", "144 Mhz", false)}));
    // HF: 89 twice and 96 confirmed, 77 only worked; 10 and 432 MHz nowhere.
    const QStringList figures = {"HF_CT", "HF_CF", "HF_Dpt", "VHF_CT", "VHF_CF", "VHF_Dpt"};
    QCOMPARE(w.texts(figures), u"5|4|2|2|1|1"_s);
    for (const QString& name : figures) QVERIFY(Find<QLineEdit>(*w.window, name)->isReadOnly());
    QCOMPARE(w.env.messages.shown, QStringList());
    QVERIFY(Find<QWidget>(*w.window, "Cadre_HF")->y() < Find<QWidget>(*w.window, "Cadre_VHF")->y());
    QVERIFY(Find<QWidget>(*w.window, "HF_CT")->y() < Find<QWidget>(*w.window, "HF_CF")->y());
    QVERIFY(Find<QWidget>(*w.window, "HF_CF")->y() < Find<QWidget>(*w.window, "HF_Dpt")->y());
  }

  // The verdict, in red or green, then words, number and words read as one line.
  void eachDiplomaSaysItsVerdict() {
    for (const auto& [hf, confirmed, labels, shown, colour] :
         {std::tuple{true, 12, "Label4 Label18 Label5 Label6",
                     "Vous ne pouvez pas obtenir le diplome KMB HF|il vous manque |18|Lavoirs confirmés", Qt::red},
          {false, 10, "Label25 Label27 Label28 Label29",
           "Bravo vous pouvez obtenir le diplome KMB VHF|avec les QSL des|10|Lavoirs confirmés", Qt::darkGreen}}) {
      const QByteArray line = Qso("89", hf ? "14 Mhz" : "144 Mhz", true) + "\r\n";
      OnLog<DiplomaWindow> w(line.repeated(confirmed), "F4ABC", hf ? HfDiplomaFace() : VhfDiplomaFace());
      const QStringList names = QString::fromLatin1(labels).split(u' ');
      QCOMPARE(w.texts(names), QString::fromUtf8(shown));
      QCOMPARE(Find<QLabel>(*w.window, names[0])->palette().color(QPalette::WindowText), QColor(colour));
      QCOMPARE(w.env.messages.shown, QStringList());
      const QRect before = Find<QLabel>(*w.window, names[1])->geometry();
      const QRect number = Find<QLabel>(*w.window, names[2])->geometry();
      QCOMPARE(before.y(), number.y());
      QVERIFY(before.x() < number.x() && number.x() < Find<QLabel>(*w.window, names[3])->x());
    }
  }

  // Opened from the menus, the HF diploma and the scores show a QSO saved with its QSL ticked, without reopening.
  void diplomaAndScoresFollowTheLog() {
    MainSession s((Qso("89", "14 Mhz", true) + "\r\n").repeated(29));
    s.trigger("Mnu_KMB_HF");
    s.trigger("Mnu_Score");
    QWidget* diploma = TopLevels(u"Diplomes"_s).value(0);
    QWidget* scores = TopLevels(u"Score_KMB"_s).value(0);
    QVERIFY(diploma && scores);
    QTRY_COMPARE(Find<QLabel>(*diploma, "Label5")->text(), u"1"_s);
    QTRY_COMPARE(Find<QLineEdit>(*scores, "HF_CF")->text(), u"29"_s);
    s.walk({{"Ind_A", u"F4XYZ"_s}, {"Prenom_A", {}}, {"Dpt_A", u"21"_s}, {"Ref_A", u"21001"_s}});
    s.enterEach({"Mode_A", "RST_A", "RSTE_A", "Rem_A"});
    QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
    s.enter("QSL_A");
    s.save();
    QCOMPARE(Find<QLabel>(*diploma, "Label4")->text(), u"Bravo vous pouvez obtenir le diplome KMB HF"_s);
    QCOMPARE(Find<QLabel>(*diploma, "Label5")->text(), u"30"_s);
    QCOMPARE(Find<QLineEdit>(*scores, "HF_CT")->text() + Find<QLineEdit>(*scores, "HF_CF")->text(), u"3030"_s);
    QCOMPARE(TopLevels(u"Diplomes"_s), QList<QWidget*>{diploma});
  }

  // Enter on "Préparer la demande": the confirmed HF QSOs, oldest first, on a draft page and in an ADIF file the
  // program's own import reads back. A failed write leaves neither file; nothing confirmed writes nothing.
  void diplomaClaimWritesThePageAndTheAdif() {
    const QByteArray lines[] = {
        LogLine("F5BBB", "89", "89002", "01/01/00", "00:05", "14 Mhz", true, "LAVOIR NEUF", "", "CW"),
        LogLine("F1AAA", "77", "77001", "31/12/99", "23:59", "50 Mhz", true, "GRAND LAVOIR"),
        LogLine("F6CCC", "21", "21001", "02/01/00", "10:00", "7.0 Mhz", false),
        LogLine("F2DDD", "02", "02001", "15/06/26", "12:30", "144 Mhz", false)};
    OnLog<DiplomaWindow> w(LogBytes({lines[0], lines[1], lines[2], lines[3]}), "F4ABC_P", HfDiplomaFace());
    const std::string stem = "Demande_KMB_HF_F4ABC_P_2026-12-05";
    const QString name = QString::fromStdString(stem);

    FaultyFileSystem faulty(w.env.files);
    AppContext failing{w.env.folder(), faulty,         w.env.messages, *w.env.settings,
                       w.env.clock,    w.env.printers, w.env.folders};
    faulty.failAt(kmb::IoError::Step::Write, ENOSPC, 1);  // the ADIF, once the PDF is written
    DiplomaWindow broken(failing, w.logbook, HfDiplomaFace());
    Find<QPushButton>(broken, "Demande_Diplome")->click();
    QVERIFY(w.env.messages.last().endsWith(u"La demande n'a pas été préparée."_s));
    QVERIFY(!w.env.exists(stem + ".pdf") && !w.env.exists(stem + ".adi") && !w.env.hasTemporaryFiles());
    DiplomaWindow vhf(w.env.context, w.logbook, VhfDiplomaFace());
    Find<QPushButton>(vhf, "Demande_Diplome")->click();
    QCOMPARE(w.env.messages.last(),
             u"Aucun QSO confirmé ne compte encore pour le diplôme KMB VHF : aucune demande "
             u"n'a été préparée."_s);
    w.env.messages.clear();

    auto* claim = Find<QPushButton>(*w.window, "Demande_Diplome");
    QVERIFY(claim->focusPolicy() & Qt::TabFocus);
    w.env.messages.chooseAction = true;  // "Ouvrir le dossier"
    QTest::keyClick(claim, Qt::Key_Return);
    QCOMPARE(w.env.folders.opened, std::vector{w.env.folder()});
    const QString folder = QString::fromStdString(w.env.folder().string());
    QCOMPARE(w.env.messages.shown, QStringList{u"La demande du diplôme KMB HF est prête dans les fichiers :\r\n"_s +
                                               name + u".pdf\r\n"_s + name + u".adi\r\ndans le dossier : "_s + folder});
    const kmb::ImportPlan read = kmb::PlanImport(kmb::ReadAdif(w.env.readFile(stem + ".adi").toStdString()), {});
    QVERIFY(read.refused.empty());
    QCOMPARE(QsoFields(read.toAdd), QsoFields({lines[1].toStdString(), lines[0].toStdString()}));
    QVERIFY(w.env.readFile(stem + ".pdf").startsWith("%PDF-"));
    if (!HasPdfTools()) QSKIP("poppler-utils are not installed");
    QCOMPARE(PrintedLines(QString::fromStdString(w.env.file(stem + ".pdf").string())),
             QStringList({"Brouillon", "Il manque 28 QSO confirmés pour atteindre les 30 du diplôme.",
                          "Diplôme KMB HF : demande du 05/12/2026", "Station : F4ABC/P", "2 QSO confirmés",
                          "Indicatif Date Heure UTC Bande Mode KMB Nom du lavoir",
                          "F1AAA 31/12/1999 23:59 50 Mhz SSB 77001 GRAND LAVOIR",
                          "F5BBB 01/01/2000 00:05 14 Mhz CW 89002 LAVOIR NEUF"}));
  }

  void mapConfirmedIsGreenUnconfirmedPinkAndTheRestYellow() {
    OnLog<MapWindow> w(LogBytes({Qso("89", "14 Mhz", false), Qso("89", "14 Mhz", true), Qso("77", "14 Mhz", false),
                                 Qso("77", "14 Mhz", false), Qso("2A", "14 Mhz", true), Qso("2b", "14 Mhz", false)}));
    QCOMPARE(QList<QColor>({w.colour(89), w.colour(77), w.colour(96), w.colour(97), w.colour(1)}),
             QList<QColor>({kGreen, kPink, kGreen, kPink, kYellow}));
    QCOMPARE(w.box(96)->text(), u"2a"_s);
    QCOMPARE(w.texts({"NB_Dep", "Nb_Conf", "Nb_Nconf", "Nb_Ncont"}),
             u"4| 2 Dpt confirmés| 2 Dpt non confirmés| 92 Dpt non contactés"_s);
    QVERIFY(Find<QLabel>(*w.window, "Attribution")->text().contains(u"CC BY 4.0"_s));
    QCOMPARE(w.env.messages.shown, QStringList());
  }

  void mapGroupChoiceRedrawsTheMap() {
    OnLog<MapWindow> w(LogBytes({Qso("01", "14 Mhz", true), Qso("02", "144 Mhz", true), Qso("03", "432 Mhz", false),
                                 Qso("04", "10 Mhz", true)}));
    auto* group = Find<QComboBox>(*w.window, "Bande_Carte");
    QVERIFY(!group->isEditable());  // no typed group that names none
    QCOMPARE(group->count(), 3);
    QCOMPARE(group->currentText(), u"HF"_s);
    QCOMPARE(QList<QColor>({w.colour(1), w.colour(2), w.colour(4)}), QList<QColor>({kGreen, kYellow, kYellow}));
    group->setCurrentText(u"VHF"_s);
    QCOMPARE(QList<QColor>({w.colour(1), w.colour(2)}), QList<QColor>({kYellow, kGreen}));
    QCOMPARE(w.texts({"NB_Dep", "Nb_Conf", "Nb_Nconf", "Nb_Ncont"}),
             u"1| 1 Dpt confirmés| 0 Dpt non confirmés| 95 Dpt non contactés"_s);
    // The log is read again: a QSO logged meanwhile shows.
    w.env.writeFile("F4ABC_KMB.log", LogBytes({Qso("03", "432 Mhz", false), Qso("05", "432 Mhz", true)}));
    group->setCurrentText(u"UHF"_s);
    QCOMPARE(QList<QColor>({w.colour(3), w.colour(5), w.colour(2)}), QList<QColor>({kPink, kGreen, kYellow}));
    QCOMPARE(w.texts({"NB_Dep", "Nb_Conf", "Nb_Nconf", "Nb_Ncont"}),
             u"2| 1 Dpt confirmés| 1 Dpt non confirmés| 94 Dpt non contactés"_s);
  }

  // The boxes of 20 and 98, which stand for no department, show only when a QSO marks them.
  void mapHasTheBoxOfEveryDepartment() {
    OnLog<MapWindow> w(LogBytes({Qso("20", "14 Mhz", true), Qso("98", "14 Mhz", false)}));
    auto* picture = Find<QWidget>(*w.window, "Carte_Departements");
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (int index = 1; index <= 98; ++index) {
      QVERIFY2(w.box(index)->isVisible(), qPrintable(QString::number(index)));
      QVERIFY2(picture->rect().contains(w.box(index)->geometry()), qPrintable(QString::number(index)));
      QCOMPARE(w.box(index)->parentWidget(), picture);
    }
    QVERIFY(!w.box(0)->isVisible() && !w.box(99)->isVisible());
    Find<QComboBox>(*w.window, "Bande_Carte")->setCurrentText(u"VHF"_s);  // no QSO marks them there
    QVERIFY(!w.box(20)->isVisible() && !w.box(98)->isVisible());
    // Paris and its neighbours sit in the inset at the top left, Corsica at
    // the bottom right, Finistère in the west.
    const QRect area = picture->rect();
    for (int paris : {75, 92, 93, 94})
      QVERIFY2(w.box(paris)->x() < area.width() / 3 && w.box(paris)->y() < area.height() / 3,
               qPrintable(QString::number(paris)));
    QVERIFY(w.box(96)->x() > area.width() * 2 / 3 && w.box(96)->y() > area.height() * 2 / 3);
    QVERIFY(w.box(29)->x() < w.box(35)->x());
    QVERIFY(w.box(59)->y() < w.box(13)->y());
    // The map follows the window's size.
    const QPoint before = w.box(13)->pos();
    w.window->resize(w.window->width() + 200, w.window->height() + 200);
    QTRY_VERIFY(w.box(13)->pos() != before);
  }

  // Marked while a lavoir is on the air in the group shown: framed, named with its count, reached by Tab, and
  // Enter or a double click shows its spots.
  void mapMarksTheDepartmentsOnTheAir() {
    OnLog<MapWindow> w(LogBytes({Qso("89", "14 Mhz", false)}));
    auto* picture = Find<QWidget>(*w.window, "Carte_Departements");
    auto* group = Find<QComboBox>(*w.window, "Bande_Carte");
    auto framed = [&] {
      const QRect box = w.box(89)->geometry();
      return picture->grab().toImage().pixelColor(box.center().x(), box.top() - 2);
    };
    const QColor unframed = framed();
    w.spots.hf = {{"89", 2}, {"2a", 1}};
    emit w.spots.spotsChanged();
    QCOMPARE(QStringList({w.box(89)->accessibleName(), w.box(96)->accessibleName(), w.box(77)->accessibleName()}),
             QStringList({"Département 89 : contacté, non confirmé, 2 lavoirs sur l'air",
                          "Département 2a : non contacté, 1 lavoir sur l'air", "Département 77 : non contacté"}));
    QCOMPARE(framed(), QColor(192, 0, 0));

    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    group->setFocus();
    QTest::keyClick(group, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.box(89));
    QTest::keyClick(w.box(89), Qt::Key_Return);
    QTest::mouseDClick(w.box(96), Qt::LeftButton);
    QTest::keyClick(w.box(77), Qt::Key_Return);
    QCOMPARE(w.spots.shown, (std::vector<std::string>{"89", "2a"}));

    group->setCurrentText(u"VHF"_s);
    QCOMPARE(w.spots.asked.back(), std::string("VHF"));
    QCOMPARE(w.box(96)->accessibleName(), u"Département 2a : non contacté"_s);
    QCOMPARE(QApplication::focusWidget(), group);  // the keyboard leaves a box gone off the air
    group->setCurrentText(u"HF"_s);
    QVERIFY(w.box(89)->accessibleName().endsWith(u"2 lavoirs sur l'air"_s));
    w.spots.hf.clear();
    emit w.spots.spotsChanged();
    QCOMPARE(w.box(89)->accessibleName(), u"Département 89 : contacté, non confirmé"_s);
    QCOMPARE(framed(), unframed);
  }

  // The missing log of any award window, read by one reader: said once the window is on screen.
  void missingLogShowsAnEmptyMapAndSaysWhy() {
    TestEnvironment env;
    FakeLogbook logbook("F4ABC");
    FakeSpots spots;
    MapWindow window(env.context, logbook, spots);
    QVERIFY(env.messages.shown.isEmpty());
    ShowAndSettle(window);
    QCOMPARE(Find<QLabel>(window, "NB_Dep")->text(), u"0"_s);
    QCOMPARE(Find<QLineEdit>(window, "Nb_Ncont")->text(), u" 96 Dpt non contactés"_s);
    QCOMPARE(env.messages.shown.size(), 1);
    QVERIFY(env.messages.last().contains(u"F4ABC_KMB.log"_s));
  }

  // Nothing is listed, saved or printed before "Afficher"; a typed group lists only if it is a known one.
  void listsTheGroupInReferenceOrder() {
    OnLog<ContactedListWindow> w(kTwoLavoirs +
                                 LogBytes({Qso("01", "10 Mhz", true, "01001"), Qso("02", "144 Mhz", true, "02001"),
                                           Qso("03", "432 Mhz", false, "03001")}));
    auto* group = Find<QComboBox>(*w.window, "Bande_D");
    QVERIFY(group->isEditable());
    QCOMPARE(QStringList({group->itemText(0), group->itemText(1), group->currentText()}),
             QStringList({"HF", "VHF", "HF"}));
    QCOMPARE(group->count(), 2);
    QVERIFY(!w.enabled("Enregistrer") && !w.enabled("Imprimer"));
    QCOMPARE(Find<QListView>(*w.window, "Liste_KMB_Contacte")->model()->rowCount(), 0);
    QVERIFY(IsMonospaced(Find<QListView>(*w.window, "Liste_KMB_Contacte")->font()));
    QCOMPARE(w.listed("HF"), QStringList({" 77001  GRAND LAVOIR                    05/12/26  F5ZZZ         *",
                                          " 89001  LAVOIR DU PONT                  05/12/26  F1AAA          "}));
    QCOMPARE(w.texts({"Compt_C", "Compt_V"}), u"2|1"_s);
    QVERIFY(w.enabled("Enregistrer") && w.enabled("Imprimer"));
    QCOMPARE(w.listed("VHF").value(0).left(6), u" 02001"_s);
    QCOMPARE(w.texts({"Compt_C", "Compt_V"}), u"1|1"_s);
    w.listed("UHF");
    QCOMPARE(w.texts({"Compt_C", "Compt_V"}), u"1|0"_s);
  }

  void savesTheListByteForByte() {
    OnLog<ContactedListWindow> w(kTwoLavoirs);
    w.env.clock.local = {2026, 12, 5, 23, 59, 0};
    w.env.clock.utc = {2026, 12, 6, 0, 59, 0};  // the local date names the file
    w.listed("HF");
    w.click("Enregistrer");
    QCOMPARE(w.env.readFile(kHfFile), QByteArray::fromStdString(TestData(kHfFile)));
    const QString folder = QString::fromStdString(w.env.folder().string());
    QCOMPARE(w.env.messages.shown,
             QStringList({u"Fichier enregistré sous le nom : "_s + kHfFile + u"\r\ndans le dossier : "_s + folder}));
    QVERIFY(w.env.folders.opened.empty());  // OK answered: nothing opened
    QVERIFY(!w.env.hasTemporaryFiles());
  }

  void savingAnEmptyListAndReplacingAnEarlierFile() {
    OnLog<ContactedListWindow> w(kTwoLavoirs, "FXXXX");
    w.env.clock.local = {2027, 2, 1, 8, 0, 0};
    const char* const vhf = "FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt";
    w.env.writeFile(vhf, "an earlier list that is much longer than the new one, and never kept in any part of it");
    w.listed("VHF");
    w.click("Enregistrer");
    QVERIFY(w.env.readFile(vhf).startsWith(" FXXXX Liste alphanumerique des Lavoirs contact\xE9s bande VHF"));
    QVERIFY(!w.env.readFile(vhf).contains("kept"));
    // The list on screen is saved under its own group, whatever was typed since without "Afficher".
    Find<QComboBox>(*w.window, "Bande_D")->setCurrentText(u"HF"_s);
    w.click("Enregistrer");
    QVERIFY(w.env.messages.last().contains(QString::fromLatin1(vhf)));
    QVERIFY(!w.env.exists("FXXXX_Liste_Lavoirs_Bande_HF_01_02_27.txt"));

    // The typed group becomes part of a file name: nothing may lead it out of the folder.
    const auto entries = [](const std::filesystem::path& folder) {
      return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
    };
    const auto before = entries(w.env.folder().parent_path());
    for (const char* group : {"/../../evade", "..", "a\\b", "C:x"}) {
      w.listed(QString::fromLatin1(group));
      w.click("Enregistrer");
      QVERIFY2(w.env.messages.last().contains(u"ne peut pas entrer dans un nom de fichier"_s), group);
    }
    QCOMPARE(entries(w.env.folder().parent_path()), before);
    QCOMPARE(entries(w.env.folder()), 2);  // the log and the list
  }

  // The page's layout is the core's PrintedListLines test; its font the one printer's (ReportsWindowsTest).
  void printsTheList() {
    OnLog<ContactedListWindow> w(kTwoLavoirs);
    w.listed("HF");
    w.env.printers.accept = false;  // a cancelled printer choice prints nothing
    w.click("Imprimer");
    QVERIFY(!QFile::exists(w.env.printers.pdfPath));
    if (!HasPdfTools()) QSKIP("poppler-utils are not installed");
    w.env.printers.accept = true;
    w.click("Imprimer");
    QCOMPARE(w.env.printers.asked, 2);
    QCOMPARE(w.env.messages.shown, QStringList());
    const QStringList lines = PrintedLines(w.env.printers.pdfPath);
    QCOMPARE(lines.value(0), u"F4ABC Liste alphanumerique des Lavoirs contactés bande HF au 05/12/2026"_s);
    QCOMPARE(lines.filter(u"89001"_s), QStringList{"2 89001 LAVOIR DU PONT 05/12/26 F1AAA"});
  }
};

QTEST_MAIN(AwardWindowsTest)
#include "AwardWindowsTest.moc"
