// Bad keyboard input in every text field of every window: very long texts,
// control characters, characters Windows-1252 cannot hold, pasted lines.
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QStringDecoder>

#include "award/ContactedListWindow.h"
#include "award/MapWindow.h"
#include "reports/MultiQslWindow.h"
#include "search/RechercheIndicatifWindow.h"
#include "settings/StationDialog.h"
#include "support/MainSession.h"
#include "web/ClusterWindow.h"

using namespace settings_keys;

namespace {

// What a keyboard can send besides Enter and Tab; the clipboard adds those.
const QString kTypedJunk = QStringLiteral("\x01\x1b\x7f\u03A9\u4E2D\U0001F600");
const QString kPastedJunk = QStringLiteral("\t") + kTypedJunk + QStringLiteral("\r\n");
const QString kMultiLine = QStringLiteral("ligne une\r\nligne deux\nligne trois\r");

// 1,000 characters mixing letters, digits, blanks, accents and `junk`.
QString LongText(const QString& junk) {
  const QString piece = QStringLiteral("Lavoir 89 \u00e9t\u00e9 ") + junk;
  QString text;
  while (text.size() < 1000) text += piece;
  return text.left(1000);
}

// `clean` with `junk` put inside and after it.
QString Salted(const QString& clean, const QString& junk) { return clean.left(1) + junk + clean.mid(1) + junk; }

// Types every character as one key, an emoji as one key too (QTest::keyClicks
// would send Latin-1 only).
void Type(QWidget& widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, text.mid(i, width), Qt::NoModifier);
    i += width - 1;
  }
}

void Paste(QLineEdit& field, const QString& text) {
  field.clear();
  QApplication::clipboard()->setText(text);
  field.paste();
}

// The width once a long text has been laid out: it must not widen the window.
int WidthOnceLaidOut(QWidget& window) {
  QApplication::processEvents();
  return window.width();
}

void Enter(QWidget& widget) { QTest::keyClick(&widget, Qt::Key_Return); }

// The characters a log line may hold, read from the Windows-1252 table itself.
const QSet<QChar>& LogCharacters() {
  static const QSet<QChar> allowed = [] {
    QSet<QChar> set;
    QStringDecoder decode("windows-1252");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
      const QString c = decode(QByteArray(1, char(byte)));
      const char16_t u = c.at(0).unicode();
      const bool control = u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0xFFFD;
      if (c.size() == 1 && !control) set.insert(c.at(0));
    }
    return set;
  }();
  return allowed;
}

bool HoldsOnlyLogCharacters(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return LogCharacters().contains(c); });
}

// The texts shown that are none of the window's messages; a known entry
// ending in "*" stands for every text that starts with it.
QStringList Unknown(const QStringList& shown, const QStringList& known) {
  QStringList unknown;
  for (const QString& text : shown) {
    const bool matched = std::any_of(known.begin(), known.end(), [&](const QString& k) {
      return k.endsWith(u'*') ? text.startsWith(k.chopped(1)) : text == k;
    });
    if (!matched) unknown << text;
  }
  return unknown;
}

// Why a file of the program folder could break a reader: empty when sound.
QString FileFault(const QString& name, const QByteArray& bytes) {
  if (!HoldsOnlyLogCharacters(name)) return name + QStringLiteral(": bad name");
  if (bytes.contains('\x1a')) return name + QStringLiteral(": substitute byte");
  if (!bytes.isEmpty() && !bytes.endsWith("\r\n")) return name + QStringLiteral(": unended line");
  for (const QByteArray& line : bytes.split('\n')) {
    const QByteArray body = line.endsWith('\r') ? line.chopped(1) : line;
    if (std::any_of(body.begin(), body.end(), [](char c) { return uchar(c) < 0x20 || uchar(c) == 0x7F; }))
      return name + QStringLiteral(": control character in ") + QString::fromLatin1(body.toPercentEncoding());
  }
  return {};
}

QStringList FolderFaults(const TestEnvironment& env) {
  QStringList faults;
  const QDir folder(QString::fromStdString(env.folder().string()));
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
    const QString fault = FileFault(name, env.readFile(name.toStdString()));
    if (!fault.isEmpty()) faults << fault;
  }
  return faults;
}

QStringList LogLineFaults(const QByteArray& log) {
  QStringList faults;
  const QList<QByteArray> lines = log.split('\n');
  for (qsizetype i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].size() != 108 || !lines[i].endsWith('\r')) faults << QString::fromLatin1(lines[i].toPercentEncoding());
  if (!lines.last().isEmpty()) faults << QStringLiteral("no CR LF at the end");
  return faults;
}

const QStringList kMainMessages = {
    "Entrez une QRG", "7 caracteres maxi pour la QRG", "Entrez un indicatif", "12 caracteres maxi pour l'indicatif",
    "15 caracteres maxi pour le Prenom", "2 caracteres maxi pour le Departement",
    "5 caracteres pour la reference ex: 89001", "Entrez une date", "8 caracteres pour la date ex: 01/02/08",
    "Le format de la date doit etre JJ/MM/AA", "Entrez une Heure", "5 caracteres pour l'heure ex: 08:45",
    "Le format de l'heure doit etre HH:MM", "Entrez un Mode", "6 caracteres maxi pour le Mode",
    "3 caracteres maxi pour le Mode", "Entrez un Report", "3 caracteres maxi pour le Report",
    "R (de RST)doit etre compris entre 0 et 5", "30 caracteres maxi pour le nom du Lavoir",
    "Voulez vous enregistrer ces données ?"};

// One step of the entry walk: the long text is refused with `refusal`, then
// `clean` salted with junk is accepted as `clean`.
struct Step {
  const char* field;
  QString clean;
  QString refusal;
  bool typed;
};

QLineEdit* EditorOf(const MainSession& s, const char* name) {
  QWidget* w = s.widget(name);
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(w);
}

// Two QSOs already logged: F1AAA on 14 Mhz, F5ZZZ confirmed on 144 Mhz.
QByteArray TwoQsos() {
  return LogBytes({LogLine("F1AAA", "89", "89001", "01/12/26", "08:00", "14 Mhz", false, "LAVOIR DU PONT", "JEAN"),
                   LogLine("F5ZZZ", "77", "77001", "02/12/26", "08:00", "144 Mhz", true, "GRAND LAVOIR")});
}

}  // namespace

class BadInputTest : public QObject {
  Q_OBJECT
 private slots:
  void everyMainFieldTakesJunkAndTheSavedLineKeepsItsLayout();
  void fieldsChangedWithoutEnterStillCannotBreakTheLine();
  void stationDialogRefusesJunkAndNamesNoBadLog_data();
  void stationDialogRefusesJunkAndNamesNoBadLog();
  void stationDialogCleansPastedJunkAroundAGoodCall();
  void searchBoxesTakeJunk();
  void multiQslCallTakesJunkAndPrints();
  void contactedListGroupTakesJunkAndSavesACleanFile();
  void mapGroupCannotBeTypedInto();
  void clusterBandTakesJunk();
};

void BadInputTest::everyMainFieldTakesJunkAndTheSavedLineKeepsItsLayout() {
  MainSession s(TwoQsos());
  s.trigger("Mnu_Date_Man");
  s.widget("Bande_A")->setFocus();
  const QString name = QStringLiteral("\u0152UVRE DU BOURG \u00e0 \u20ac");
  const QList<Step> walk = {
      {"Bande_A", "14 Mhz", "7 caracteres maxi pour la QRG", false},
      {"Ind_A", "F4XYZ", "12 caracteres maxi pour l'indicatif", true},
      {"Prenom_A", QStringLiteral("ZO\u00c9"), "15 caracteres maxi pour le Prenom", true},
      {"Dpt_A", "21", "2 caracteres maxi pour le Departement", false},
      {"Ref_A", "21007", "5 caracteres pour la reference ex: 89001", false},
      {"Date_A", "05/12/26", "8 caracteres pour la date ex: 01/02/08", false},
      {"Heure_A", "09:07", "5 caracteres pour l'heure ex: 08:45", false},
      {"Mode_A", "CW", "6 caracteres maxi pour le Mode", false},
      {"RST_A", "579", "3 caracteres maxi pour le Report", false},
      {"RSTE_A", "559", "3 caracteres maxi pour le Report", false},
      {"Rem_A", name, "30 caracteres maxi pour le nom du Lavoir", true},
  };
  for (const Step& step : walk) {
    QLineEdit* editor = EditorOf(s, step.field);
    editor->clear();
    if (step.typed)
      Type(*editor, LongText(kTypedJunk));
    else
      Paste(*editor, LongText(kPastedJunk));
    QVERIFY2(HoldsOnlyLogCharacters(editor->text()), step.field);
    Enter(*editor);
    QCOMPARE(s.env.messages.last(), step.refusal);
    QVERIFY2(s.focusedOn(step.field), step.field);
    Paste(*editor, kMultiLine);
    QCOMPARE(editor->text(), QStringLiteral("ligne uneligne deuxligne trois"));
    editor->clear();
    if (step.typed)
      Type(*editor, Salted(step.clean, kTypedJunk));
    else
      Paste(*editor, Salted(step.clean, kPastedJunk));
    QCOMPARE(editor->text(), step.clean);
    const qsizetype shown = s.env.messages.shown.size();
    Enter(*editor);
    QCOMPARE(s.env.messages.shown.size(), shown);
    QVERIFY2(!s.focusedOn(step.field), step.field);
  }
  QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
  s.enter("QSL_A");
  s.save();
  QCOMPARE(s.env.messages.unexpectedQuestions, 0);
  QCOMPARE(Unknown(s.env.messages.shown, kMainMessages), QStringList());
  const QByteArray log = s.log();
  QCOMPARE(log.count('\n'), 3);
  QCOMPARE(LogLineFaults(log), QStringList());
  const QByteArray added = log.split('\n').at(2);
  QCOMPARE(added.left(13), QByteArray("F4XYZ        "));
  QCOMPARE(added.mid(18, 15), QByteArray("ZO\xc9") + QByteArray(12, ' '));
  QCOMPARE(added.mid(34, 5), QByteArray("21007"));
  QCOMPARE(added.mid(75, 30), QByteArray("\x8cUVRE DU BOURG \xc0 \x80") + QByteArray(12, ' '));
  QCOMPARE(added.at(106), '*');
  QCOMPARE(s.firstNames(), QByteArray("F4XYZ        21 ZO\xc9\r\n"));
  QCOMPARE(FolderFaults(s.env), QStringList());
}

void BadInputTest::fieldsChangedWithoutEnterStillCannotBreakTheLine() {
  MainSession s({});
  s.walkToValidate("F4XYZ", "89001", "PAUL");
  Paste(*s.field("Prenom_A"), LongText(kPastedJunk));
  Paste(*s.field("Rem_A"), LongText(kPastedJunk));
  s.save();
  QCOMPARE(s.env.messages.last(), QStringLiteral("15 caracteres maxi pour le Prenom"));
  QCOMPARE(s.log(), QByteArray());
  Paste(*s.field("Prenom_A"), Salted("PAUL", kPastedJunk));
  s.save();
  QCOMPARE(Unknown(s.env.messages.shown, kMainMessages), QStringList());
  QCOMPARE(s.log().size(), 109);
  QCOMPARE(LogLineFaults(s.log()), QStringList());
  QCOMPARE(s.firstNames(), QByteArray("F4XYZ        89 PAUL\r\n"));
  QCOMPARE(FolderFaults(s.env), QStringList());
}

void BadInputTest::stationDialogRefusesJunkAndNamesNoBadLog_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("long") << LongText(kPastedJunk) << "12 caracteres maximum pour l'indicatif";
  QTest::newRow("only junk") << kPastedJunk << "Vous devez entrer un indicatif";
  QTest::newRow("lines") << kMultiLine << "12 caracteres maximum pour l'indicatif";
  QTest::newRow("blank and dash") << Salted("F4 A-B", kPastedJunk) << "L'indicatif ne doit comporter que des lettres des "
                                                         "chiffres ou le signe '_' ";
  QTest::newRow("seven accents") << QStringLiteral("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9")
                                 << "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ";
  QTest::newRow("dots and slash") << QStringLiteral("../F4") << "L'indicatif ne doit comporter que des lettres des "
                                                                "chiffres ou le signe '_' ";
}

void BadInputTest::stationDialogRefusesJunkAndNamesNoBadLog() {
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  TestEnvironment env;
  StationDialog dialog(env.context);
  dialog.show();
  auto* box = dialog.findChild<QLineEdit*>("New_Indicatif");
  Paste(*box, pasted);
  QVERIFY(HoldsOnlyLogCharacters(box->text()));
  Enter(*box);
  QTest::mouseClick(dialog.findChild<QPushButton*>("Validation"), Qt::LeftButton);
  QCOMPARE(env.messages.shown, QStringList{message});
  QVERIFY(dialog.isVisible());
  QCOMPARE(QDir(QString::fromStdString(env.folder().string())).entryList(QDir::Files), QStringList());
  QCOMPARE(env.settings->read(kSetup, kIndicatifStation), QString());
}

void BadInputTest::stationDialogCleansPastedJunkAroundAGoodCall() {
  TestEnvironment env;
  StationDialog dialog(env.context);
  dialog.show();
  auto* box = dialog.findChild<QLineEdit*>("New_Indicatif");
  Type(*box, Salted("f4abc/p", kTypedJunk));
  QCOMPARE(box->text(), QStringLiteral("F4ABC_P"));
  Paste(*box, Salted("F4XYZ_P", kPastedJunk));
  QCOMPARE(box->text(), QStringLiteral("F4XYZ_P"));
  QTest::mouseClick(dialog.findChild<QPushButton*>("Validation"), Qt::LeftButton);
  QCOMPARE(env.messages.shown, QStringList());
  QCOMPARE(QDir(QString::fromStdString(env.folder().string())).entryList(QDir::Files),
           QStringList{"F4XYZ_P_KMB.log"});
  QCOMPARE(env.settings->read(kSetup, kIndicatifStation), QStringLiteral("F4XYZ_P"));
}

void BadInputTest::searchBoxesTakeJunk() {
  MainSession s(TwoQsos());
  RechercheIndicatifWindow window(s.env.context, *s.main);
  window.show();
  const int width = window.width();
  auto* results = window.findChild<QListWidget*>("QSO_Effectues");
  const struct {
    const char* box;
    QString clean;
    QString tooLong;
  } boxes[] = {{"Indica", "F1AAA", "12 caracteres maxi pour l'indicatif"},
               {"Data", "77001", QStringLiteral("5 caracteres maxi pour la référence ex: 77001")},
               {"Depa", "89", QStringLiteral("2 caracteres maxi pour le département")}};
  for (const auto& b : boxes) {
    auto* box = window.findChild<QLineEdit*>(b.box);
    QTest::mouseClick(box, Qt::LeftButton);
    Paste(*box, LongText(kPastedJunk));
    QVERIFY2(HoldsOnlyLogCharacters(box->text()), b.box);
    Enter(*box);
    QCOMPARE(s.env.messages.last(), b.tooLong);
    Paste(*box, Salted(b.clean, kPastedJunk));
    QCOMPARE(box->text(), b.clean);
    s.env.messages.clear();
    Enter(*box);
    QCOMPARE(s.env.messages.shown, QStringList());
    QCOMPARE(results->count(), 1);
  }
  auto* indica = window.findChild<QLineEdit*>("Indica");
  QTest::mouseClick(indica, Qt::LeftButton);
  Type(*indica, kTypedJunk);
  Enter(*indica);
  QCOMPARE(s.env.messages.last(), QStringLiteral("Entrez un indicatif"));
  QCOMPARE(WidthOnceLaidOut(window), width);
}

void BadInputTest::multiQslCallTakesJunkAndPrints() {
  MainSession s(TwoQsos());
  MultiQslWindow window(s.env.context, *s.main);
  window.show();
  const int width = window.width();
  auto* call = window.findChild<QLineEdit*>("Indicatif");
  auto* list = window.findChild<QListWidget*>("Liste_QSO");
  Type(*call, LongText(kTypedJunk));
  QVERIFY(HoldsOnlyLogCharacters(call->text()));
  Enter(*call);
  QCOMPARE(list->count(), 0);
  QVERIFY(window.findChild<QLabel*>("Label2")->text().startsWith(QStringLiteral("QSL's non reçues de LAVOIR 89 \u00e9T\u00e9 LAVOIR")));
  QCOMPARE(WidthOnceLaidOut(window), width);
  QTest::mouseClick(window.findChild<QPushButton*>("Imprimer"), Qt::LeftButton);
  QCOMPARE(s.env.messages.last(), QStringLiteral("Pas de QSO a imprimer"));
  Paste(*call, Salted("F1AAA", kPastedJunk));
  QCOMPARE(call->text(), QStringLiteral("F1AAA"));
  Enter(*call);
  QCOMPARE(window.findChild<QLabel*>("Label2")->text(), QStringLiteral("QSL's non reçues de F1AAA"));
  QCOMPARE(list->count(), 1);
  list->item(0)->setCheckState(Qt::Checked);
  QTest::mouseClick(window.findChild<QPushButton*>("Imprimer"), Qt::LeftButton);
  QCOMPARE(s.env.printers.asked, 1);
  QVERIFY(QFileInfo(s.env.printers.pdfPath).size() > 0);
  QCOMPARE(Unknown(s.env.messages.shown, {"Entrez un indicatif", "Pas de QSO a imprimer"}), QStringList());
}

void BadInputTest::contactedListGroupTakesJunkAndSavesACleanFile() {
  MainSession s(TwoQsos());
  ContactedListWindow window(s.env.context, *s.main);
  window.show();
  const int width = window.width();
  QLineEdit* group = window.findChild<QComboBox*>("Bande_D")->lineEdit();
  const auto click = [&](const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
  };
  Paste(*group, LongText(kPastedJunk));
  QVERIFY(HoldsOnlyLogCharacters(group->text()));
  Enter(*group);
  QCOMPARE(window.findChild<QComboBox*>("Bande_D")->count(), 2);
  click("Afficher");
  QCOMPARE(window.findChild<QLabel*>("Compt_C")->text(), QStringLiteral("0"));
  click("Enregistrer");
  click("Imprimer");
  Paste(*group, Salted("VHF", kPastedJunk));
  QCOMPARE(group->text(), QStringLiteral("VHF"));
  Enter(*group);
  click("Afficher");
  QCOMPARE(window.findChild<QLabel*>("Compt_C")->text(), QStringLiteral("1"));
  click("Enregistrer");
  QCOMPARE(s.env.messages.last(),
           QStringLiteral("Fichier enregistré sous le nom : F4ABC_Liste_Lavoirs_Bande_VHF_05_12_26.txt"));
  Paste(*group, QStringLiteral("V\nH\nF"));
  click("Enregistrer");
  click("Imprimer");
  QCOMPARE(s.env.printers.asked, 2);
  QCOMPARE(WidthOnceLaidOut(window), width);
  QCOMPARE(Unknown(s.env.messages.shown, {"La liste n'a pas été enregistrée dans le fichier *",
                                          "Fichier enregistré sous le nom : *"}),
           QStringList());
  QCOMPARE(FolderFaults(s.env), QStringList());
}

void BadInputTest::mapGroupCannotBeTypedInto() {
  MainSession s(TwoQsos());
  MapWindow window(s.env.context, *s.main);
  window.show();
  auto* group = window.findChild<QComboBox*>("Bande_Carte");
  QVERIFY(!group->isEditable());
  for (const QString& junk : {LongText(kTypedJunk), kTypedJunk, kMultiLine}) {
    Type(*group, junk);
    Enter(*group);
    QVERIFY(QStringList({"HF", "VHF", "UHF"}).contains(group->currentText()));
  }
  group->setCurrentIndex(1);
  QCOMPARE(window.findChild<QLabel*>("NB_Dep")->text(), QStringLiteral("1"));
  QCOMPARE(s.env.messages.shown, QStringList());
}

void BadInputTest::clusterBandTakesJunk() {
  MainSession s(TwoQsos());
  ClusterWindow window(s.env.context, *s.main);
  QLineEdit* band = window.findChild<QComboBox*>("Bande_CL")->lineEdit();
  Type(*band, LongText(kTypedJunk).left(200));
  QVERIFY(HoldsOnlyLogCharacters(band->text()));
  Paste(*band, LongText(kPastedJunk));
  QVERIFY(HoldsOnlyLogCharacters(band->text()));
  Enter(*band);
  QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
  QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeCluster), QStringLiteral("-1"));
  Paste(*band, kMultiLine);
  QCOMPARE(band->text(), QStringLiteral("ligne uneligne deuxligne trois"));
  QCOMPARE(s.env.messages.shown, QStringList());
}

int main(int argc, char** argv) {
  // The cluster window's web view needs shared contexts before the application exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  BadInputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "BadInputTest.moc"
