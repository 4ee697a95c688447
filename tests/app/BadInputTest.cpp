// Bad keyboard input in every text field of every window: very long texts,
// control characters, characters Windows-1252 cannot hold, pasted lines.
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QStringDecoder>

#include "support/MainSession.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/reports/MultiQslWindow.h"
#include "ui/search/RechercheIndicatifWindow.h"
#include "ui/settings/StationDialog.h"
#include "ui/web/ClusterWindow.h"

using namespace settings_keys;

namespace {

// What a keyboard can send besides Enter and Tab; the clipboard adds those.
const QString kTypedJunk = QStringLiteral("\x01\x1b\x7f\U0001F600");
const QString kPastedJunk = QStringLiteral("\t") + kTypedJunk + QStringLiteral("\r\n");
const QString kMultiLine = QStringLiteral("ligne une\r\nligne deux\nligne trois\r");
const QString kBadCall = QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");

// 1,000 characters mixing letters, digits, blanks, accents and `junk`.
QString LongText(const QString& junk) {
  QString text;
  while (text.size() < 1000) text += QStringLiteral("Lavoir 89 \u00e9t\u00e9 ") + junk;
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

// Types (or pastes) a long text, or `clean` salted, with typed (or pasted) junk.
void Put(QLineEdit& field, bool typed, const QString& clean = {}) {
  const QString& junk = typed ? kTypedJunk : kPastedJunk;
  const QString text = clean.isEmpty() ? LongText(junk) : Salted(clean, junk);
  field.clear();
  typed ? Type(field, text) : Paste(field, text);
}

void Enter(QWidget& widget) { QTest::keyClick(&widget, Qt::Key_Return); }
void Click(QWidget& window, const char* button) {
  QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}
QString Label(QWidget& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }

// The width once a long text has been laid out: it must not widen the window.
int WidthOnceLaidOut(QWidget& window) {
  QApplication::processEvents();
  return window.width();
}

// The characters a log line may hold, read from the Windows-1252 table itself.
bool HoldsOnlyLogCharacters(const QString& text) {
  static const QSet<QChar> allowed = [] {
    QSet<QChar> set;
    QStringDecoder decode("windows-1252");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
      const QString c = decode(QByteArray(1, char(byte)));
      const char16_t u = c.at(0).unicode();
      if (c.size() == 1 && u != 0x7F && (u < 0x80 || u >= 0xA0) && u != 0xFFFD) set.insert(c.at(0));
    }
    return set;
  }();
  return std::all_of(text.begin(), text.end(), [](QChar c) { return allowed.contains(c); });
}

// The texts shown that are none of the window's messages; a known entry
// ending in "*" stands for every text that starts with it.
QStringList Unknown(const QStringList& shown, const QStringList& known) {
  QStringList unknown;
  for (const QString& text : shown)
    if (std::none_of(known.begin(), known.end(),
                     [&](const QString& k) { return k.endsWith(u'*') ? text.startsWith(k.chopped(1)) : text == k; }))
      unknown << text;
  return unknown;
}

QStringList FolderFiles(const TestEnvironment& env) {
  return QDir(QString::fromStdString(env.folder().string())).entryList(QDir::Files | QDir::Hidden);
}

// Why files of the program folder could break a reader: empty when sound.
QStringList FolderFaults(const TestEnvironment& env) {
  QStringList faults;
  for (const QString& name : FolderFiles(env)) {
    const QByteArray bytes = env.readFile(name.toStdString());
    if (!HoldsOnlyLogCharacters(name)) faults << name + ": bad name";
    if (bytes.contains('\x1a')) faults << name + ": substitute byte";
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n")) faults << name + ": unended line";
    for (const QByteArray& line : bytes.split('\n')) {
      const QByteArray body = line.endsWith('\r') ? line.chopped(1) : line;
      if (std::any_of(body.begin(), body.end(), [](char c) { return uchar(c) < 0x20 || uchar(c) == 0x7F; }))
        faults << name + ": control character in " + QString::fromLatin1(body.toPercentEncoding());
    }
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

const QStringList kMainMessages = {"Entrez une QRG",
                                   "7 caracteres maxi pour la QRG",
                                   "Entrez un indicatif",
                                   "12 caracteres maxi pour l'indicatif",
                                   "15 caracteres maxi pour le Prenom",
                                   "2 caracteres maxi pour le Departement",
                                   "5 caracteres pour la reference ex: 89001",
                                   "Entrez une date",
                                   "8 caracteres pour la date ex: 01/02/08",
                                   "Le format de la date doit etre JJ/MM/AA",
                                   "Entrez une Heure",
                                   "5 caracteres pour l'heure ex: 08:45",
                                   "Le format de l'heure doit etre HH:MM",
                                   "Entrez un Mode",
                                   "6 caracteres maxi pour le Mode",
                                   "3 caracteres maxi pour le Mode",
                                   "Entrez un Report",
                                   "3 caracteres maxi pour le Report",
                                   "R (de RST)doit etre compris entre 0 et 5",
                                   "30 caracteres maxi pour le nom du Lavoir",
                                   "Voulez vous enregistrer ces données ?"};

// Two QSOs already logged: F1AAA on 14 Mhz, F5ZZZ confirmed on 144 Mhz.
QByteArray TwoQsos() {
  return LogBytes({LogLine("F1AAA", "89", "89001", "01/12/26", "08:00", "14 Mhz", false, "LAVOIR DU PONT", "JEAN"),
                   LogLine("F5ZZZ", "77", "77001", "02/12/26", "08:00", "144 Mhz", true, "GRAND LAVOIR")});
}

struct OpenStationDialog {
  OpenStationDialog() : dialog(env.context), accepted(&dialog, &StationDialog::stationAccepted) { dialog.show(); }
  TestEnvironment env;
  StationDialog dialog;
  QSignalSpy accepted;
  QLineEdit* box = dialog.findChild<QLineEdit*>("New_Indicatif");
};

}  // namespace

class BadInputTest : public QObject {
  Q_OBJECT
 private slots:
  // A call sign or a file name holding markup is shown as typed, never rendered.
  void messageBoxesShowTheirTextAsTyped() {
    BoxMessenger boxes;
    const QString text = QStringLiteral("Impossible de lire le fichier <h1>F4ABC</h1>_KMB.log");
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shown = box->text();
      format = box->textFormat();
      QTest::keyClick(box, Qt::Key_Return);
    });
    boxes.inform(nullptr, text);
    QCOMPARE(shown, text);
    QCOMPARE(format, Qt::PlainText);
  }

  // Each field refuses a long text with its message and keeps the focus, joins
  // pasted lines, then takes its clean value out of junk and moves on.
  void everyMainFieldTakesJunkAndTheSavedLineKeepsItsLayout() {
    MainSession s(TwoQsos());
    s.trigger("Mnu_Date_Man");
    s.widget("Bande_A")->setFocus();
    const std::tuple<const char*, QString, QString, bool> walk[] = {
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
        {"Rem_A", QStringLiteral("\u0152UVRE DU BOURG \u00e0 \u20ac"), "30 caracteres maxi pour le nom du Lavoir",
         true},
    };
    for (const auto& [field, clean, refusal, typed] : walk) {
      QWidget* w = s.widget(field);
      auto* combo = qobject_cast<QComboBox*>(w);
      QLineEdit* editor = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
      Put(*editor, typed);
      QVERIFY2(HoldsOnlyLogCharacters(editor->text()), field);
      Enter(*editor);
      QCOMPARE(s.env.messages.last(), refusal);
      QVERIFY2(s.focusedOn(field), field);
      Paste(*editor, kMultiLine);
      QCOMPARE(editor->text(), QStringLiteral("ligne uneligne deuxligne trois"));
      Put(*editor, typed, clean);
      QCOMPARE(editor->text(), clean);
      const qsizetype shown = s.env.messages.shown.size();
      Enter(*editor);
      QCOMPARE(s.env.messages.shown.size(), shown);
      QVERIFY2(!s.focusedOn(field), field);
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

  void fieldsChangedWithoutEnterStillCannotBreakTheLine() {
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

  void stationDialogRefusesJunkAndNamesNoBadLog_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("kept");  // the refused text stays in the box
    QTest::newRow("long") << LongText(kPastedJunk) << "12 caracteres maximum pour l'indicatif" << true;
    QTest::newRow("13 characters") << "F4ABCDEFGHIJK"
                                   << "12 caracteres maximum pour l'indicatif" << true;
    QTest::newRow("lines") << kMultiLine << "12 caracteres maximum pour l'indicatif" << true;
    QTest::newRow("only junk") << kPastedJunk << "Vous devez entrer un indicatif" << true;
    QTest::newRow("blank") << Salted("F4 ABC", kPastedJunk) << kBadCall << false;
    QTest::newRow("dash") << "F4-ABC" << kBadCall << false;
    QTest::newRow("seven accents") << QStringLiteral("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9") << kBadCall << false;
    QTest::newRow("dots and slash") << "../F4" << kBadCall << false;
  }

  void stationDialogRefusesJunkAndNamesNoBadLog() {
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    QFETCH(bool, kept);
    OpenStationDialog d;
    Paste(*d.box, pasted);
    QVERIFY(HoldsOnlyLogCharacters(d.box->text()));
    const QString before = d.box->text();
    Enter(*d.box);
    Click(d.dialog, "Validation");
    QCOMPARE(d.env.messages.shown, QStringList{message});
    QCOMPARE(d.box->text(), kept ? before : QString());
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.accepted.count(), 0);
    QCOMPARE(FolderFiles(d.env), QStringList());
    QCOMPARE(d.env.settings->read(kSetup, kIndicatifStation, "absent"), QStringLiteral("absent"));
  }

  void stationDialogCleansPastedJunkAroundAGoodCall() {
    OpenStationDialog d;
    Type(*d.box, Salted("f4abc/p", kTypedJunk));
    QCOMPARE(d.box->text(), QStringLiteral("F4ABC_P"));
    Paste(*d.box, Salted("F4XYZ_P", kPastedJunk));
    QCOMPARE(d.box->text(), QStringLiteral("F4XYZ_P"));
    Click(d.dialog, "Validation");
    QCOMPARE(d.env.messages.shown, QStringList());
    QCOMPARE(FolderFiles(d.env), QStringList{"F4XYZ_P_KMB.log"});
    QCOMPARE(d.env.settings->read(kSetup, kIndicatifStation), QStringLiteral("F4XYZ_P"));
  }

  void searchBoxesTakeJunk() {
    MainSession s(TwoQsos());
    RechercheIndicatifWindow window(s.env.context, *s.main);
    window.show();
    const int width = window.width();
    auto* results = window.findChild<QListWidget*>("QSO_Effectues");
    const std::tuple<const char*, QString, QString> boxes[] = {
        {"Indica", "F1AAA", "12 caracteres maxi pour l'indicatif"},
        {"Data", "77001", QStringLiteral("5 caracteres maxi pour la référence ex: 77001")},
        {"Depa", "89", QStringLiteral("2 caracteres maxi pour le département")}};
    for (const auto& [name, clean, tooLong] : boxes) {
      auto* box = window.findChild<QLineEdit*>(name);
      QTest::mouseClick(box, Qt::LeftButton);
      Put(*box, false);
      QVERIFY2(HoldsOnlyLogCharacters(box->text()), name);
      Enter(*box);
      QCOMPARE(s.env.messages.last(), tooLong);
      Put(*box, false, clean);
      QCOMPARE(box->text(), clean);
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

  void multiQslCallTakesJunkAndPrints() {
    MainSession s(TwoQsos());
    MultiQslWindow window(s.env.context, *s.main);
    window.show();
    const int width = window.width();
    auto* call = window.findChild<QLineEdit*>("Indicatif");
    auto* list = window.findChild<QListWidget*>("Liste_QSO");
    Put(*call, true);
    QVERIFY(HoldsOnlyLogCharacters(call->text()));
    Enter(*call);
    QCOMPARE(list->count(), 0);
    QVERIFY(Label(window, "Label2").startsWith(QStringLiteral("QSL's non reçues de LAVOIR 89 \u00e9T\u00e9 LAVOIR")));
    QCOMPARE(WidthOnceLaidOut(window), width);
    Click(window, "Imprimer");
    QCOMPARE(s.env.messages.last(), QStringLiteral("Pas de QSO a imprimer"));
    Put(*call, false, "F1AAA");
    QCOMPARE(call->text(), QStringLiteral("F1AAA"));
    Enter(*call);
    QCOMPARE(Label(window, "Label2"), QStringLiteral("QSL's non reçues de F1AAA"));
    QCOMPARE(list->count(), 1);
    list->item(0)->setCheckState(Qt::Checked);
    Click(window, "Imprimer");
    QCOMPARE(s.env.printers.asked, 1);
    QVERIFY(QFileInfo(s.env.printers.pdfPath).size() > 0);
    QCOMPARE(Unknown(s.env.messages.shown, {"Entrez un indicatif", "Pas de QSO a imprimer"}), QStringList());
  }

  void contactedListGroupTakesJunkAndSavesACleanFile() {
    MainSession s(TwoQsos());
    ContactedListWindow window(s.env.context, *s.main);
    window.show();
    const int width = window.width();
    auto* groups = window.findChild<QComboBox*>("Bande_D");
    QLineEdit* group = groups->lineEdit();
    Put(*group, false);
    QVERIFY(HoldsOnlyLogCharacters(group->text()));
    Enter(*group);
    QCOMPARE(groups->count(), 2);
    Click(window, "Afficher");
    QCOMPARE(Label(window, "Compt_C"), QStringLiteral("0"));
    Click(window, "Enregistrer");
    Click(window, "Imprimer");
    Put(*group, false, "VHF");
    QCOMPARE(group->text(), QStringLiteral("VHF"));
    Enter(*group);
    Click(window, "Afficher");
    QCOMPARE(Label(window, "Compt_C"), QStringLiteral("1"));
    Click(window, "Enregistrer");
    QCOMPARE(s.env.messages.last(),
             QStringLiteral("Fichier enregistré sous le nom : F4ABC_Liste_Lavoirs_Bande_VHF_05_12_26.txt"));
    Paste(*group, QStringLiteral("V\nH\nF"));
    Click(window, "Enregistrer");
    Click(window, "Imprimer");
    QCOMPARE(s.env.printers.asked, 2);
    QCOMPARE(WidthOnceLaidOut(window), width);
    QCOMPARE(Unknown(s.env.messages.shown,
                     {"La liste n'a pas été enregistrée dans le fichier *", "Fichier enregistré sous le nom : *"}),
             QStringList());
    QCOMPARE(FolderFaults(s.env), QStringList());
  }

  void mapGroupCannotBeTypedInto() {
    MainSession s(TwoQsos());
    MapWindow window(s.env.context, *s.main);
    ShowAndSettle(window);
    window.show();
    auto* group = window.findChild<QComboBox*>("Bande_Carte");
    QVERIFY(!group->isEditable());
    for (const QString& junk : {LongText(kTypedJunk), kTypedJunk, kMultiLine}) {
      Type(*group, junk);
      Enter(*group);
      QVERIFY(QStringList({"HF", "VHF", "UHF"}).contains(group->currentText()));
    }
    group->setCurrentIndex(1);
    QCOMPARE(Label(window, "NB_Dep"), QStringLiteral("1"));
    QCOMPARE(s.env.messages.shown, QStringList());
  }

  void clusterBandTakesJunk() {
    MainSession s(TwoQsos());
    ClusterWindow window(s.env.context, *s.main);
    QLineEdit* band = window.findChild<QComboBox*>("Bande_CL")->lineEdit();
    Type(*band, LongText(kTypedJunk).left(200));
    QVERIFY(HoldsOnlyLogCharacters(band->text()));
    Put(*band, false);
    QVERIFY(HoldsOnlyLogCharacters(band->text()));
    Enter(*band);
    Click(window, "Afficher");
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeCluster), QStringLiteral("-1"));
    Paste(*band, kMultiLine);
    QCOMPARE(band->text(), QStringLiteral("ligne uneligne deuxligne trois"));
    QCOMPARE(s.env.messages.shown, QStringList());
  }
};

int main(int argc, char** argv) {
  // The cluster window's web view needs shared contexts before the application exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  BadInputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "BadInputTest.moc"
