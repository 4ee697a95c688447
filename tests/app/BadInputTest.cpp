// Bad input in every text field of every window: long texts, control and foreign characters, pasted lines.

#include "support/MainSession.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/reports/MultiQslWindow.h"
#include "ui/search/RechercheIndicatifWindow.h"
#include "ui/settings/StationDialog.h"
#include "ui/web/ClusterWindow.h"

using namespace settings_keys;

namespace {

// What a keyboard can send besides Enter and Tab; the clipboard adds those.
const QString kTypedJunk = u"\x01\x1b\x7f\U0001F600"_s;
const QString kPastedJunk = u"\t"_s + kTypedJunk + u"\r\n"_s;
const QString kMultiLine = u"ligne une\r\nligne deux\nligne trois\r"_s;
const QString kBadCall = u"L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "_s;
const QString kSaveQuestion = u"Voulez vous enregistrer ces données ?"_s;

// 1,000 characters mixing letters, digits, blanks, accents and `junk`.
QString LongText(const QString& junk) { return (u"Lavoir 89 \u00e9t\u00e9 "_s + junk).repeated(80).left(1000); }

// `clean` with `junk` put inside and after it.
QString Salted(const QString& clean, const QString& junk) { return clean.left(1) + junk + clean.mid(1) + junk; }

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
  typed ? TypeKeys(field, text) : Paste(field, text);
}

void Enter(QWidget& widget) { QTest::keyClick(&widget, Qt::Key_Return); }
void Click(QWidget& window, const char* button) {
  QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

// The characters a log line may hold: Windows-1252's, control characters aside.
bool HoldsOnlyLogCharacters(const QString& text) {
  const bool control =
      std::any_of(text.begin(), text.end(), [](QChar c) { return c < u' ' || (c >= u'\x7f' && c < u'\xa0'); });
  return !control && QStringDecoder("windows-1252")(QStringEncoder("windows-1252")(text)) == text;
}

QStringList FolderFiles(const TestEnvironment& env) {
  return QDir(QString::fromStdString(env.folder().string())).entryList(QDir::Files | QDir::Hidden);
}

// Why files of the program folder could break a reader: empty when sound.
QStringList FolderFaults(const TestEnvironment& env) {
  QStringList faults;
  for (const QString& name : FolderFiles(env)) {
    const QByteArray bytes = env.readFile(name.toStdString());
    if (!HoldsOnlyLogCharacters(name) || bytes.contains('\x1a') || (!bytes.isEmpty() && !bytes.endsWith("\r\n")))
      faults << name;
    for (const QByteArray& line : bytes.split('\n'))
      if (std::any_of(line.begin(), line.end() - line.endsWith('\r'),
                      [](char c) { return uchar(c) < 0x20 || c == 0x7F; }))
        faults << name + ": " + QString::fromLatin1(line.toPercentEncoding());
  }
  return faults;
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
  // A call sign or a file name holding markup is shown as typed, never rendered.
  void messageBoxesShowTheirTextAsTyped() {
    BoxMessenger boxes;
    const QString text = u"Impossible de lire le fichier <h1>F4ABC</h1>_KMB.log"_s;
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

  // Each field refuses a long text with its message and keeps the focus, joins pasted lines, takes its clean
  // value out of junk and hands over to the next; in manual date mode the QSO goes in date order, its date stays.
  void everyMainFieldTakesJunkAndTheSavedLineKeepsItsLayout() {
    MainSession s(TwoQsos());
    s.trigger("Mnu_Date_Man");
    s.widget("Bande_A")->setFocus();
    const std::tuple<const char*, QString, QString, bool> walk[] = {
        {"Bande_A", "14 Mhz", "7 caracteres maxi pour la QRG", false},
        {"Ind_A", "F4XYZ", "12 caracteres maxi pour l'indicatif", true},
        {"Prenom_A", u"ZO\u00c9"_s, "15 caracteres maxi pour le Prenom", true},
        {"Dpt_A", "21", "2 caracteres maxi pour le Departement", false},
        {"Ref_A", "21007", "5 caracteres pour la reference ex: 89001", false},
        {"Date_A", "01/12/26", "8 caracteres pour la date ex: 01/02/08", false},
        {"Heure_A", "09:07", "5 caracteres pour l'heure ex: 08:45", false},
        {"Mode_A", "CW", "6 caracteres maxi pour le Mode", false},
        {"RST_A", "579", "3 caracteres maxi pour le Report", false},
        {"RSTE_A", "559", "3 caracteres maxi pour le Report", false},
        {"Rem_A", u"\u0152UVRE DU BOURG \u00c0 \u20ac"_s, "30 caracteres maxi pour le nom du Lavoir", true},
    };
    for (std::size_t i = 0; i < std::size(walk); ++i) {
      const auto& [field, clean, refusal, typed] = walk[i];
      QWidget* w = s.widget(field);
      auto* combo = qobject_cast<QComboBox*>(w);
      QLineEdit* editor = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
      Put(*editor, typed);
      QVERIFY2(HoldsOnlyLogCharacters(editor->text()), field);
      Enter(*editor);
      QCOMPARE(s.env.messages.last(), refusal);
      QVERIFY2(s.focusedOn(field), field);
      Paste(*editor, kMultiLine);
      QCOMPARE(editor->text(), u"ligne uneligne deuxligne trois"_s);
      Put(*editor, typed, clean);
      QCOMPARE(editor->text(), clean);
      const qsizetype shown = s.env.messages.shown.size();
      Enter(*editor);
      QCOMPARE(s.env.messages.shown.size(), shown);
      QVERIFY2(s.focusedOn(i + 1 < std::size(walk) ? std::get<0>(walk[i + 1]) : "QSL_A"), field);
    }
    QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
    s.enter("QSL_A");
    s.save();
    QCOMPARE(s.env.messages.last(), kSaveQuestion);
    const QByteArray log = s.log();
    QCOMPARE(log.left(109) + log.mid(2 * 109), TwoQsos());
    QCOMPARE(log.size(), 3 * 109);
    QCOMPARE(log.count('\n'), 3);
    const QByteArray added = log.mid(109, 109);
    QCOMPARE(added.left(13), QByteArray("F4XYZ        "));
    QCOMPARE(added.mid(18, 15), QByteArray("ZO\xc9") + QByteArray(12, ' '));
    QCOMPARE(added.mid(34, 5), QByteArray("21007"));
    QCOMPARE(added.mid(75, 30), QByteArray("\x8cUVRE DU BOURG \xc0 \x80") + QByteArray(12, ' '));
    QCOMPARE(added.mid(106), QByteArray("*\r\n"));
    QCOMPARE(s.firstNames(), QByteArray("F4XYZ        21 ZO\xc9\r\n"));
    QCOMPARE(FolderFaults(s.env), QStringList());
    QCOMPARE(s.text("Date_A"), u"02/12/26"_s);  // the last row's, shown by the return
  }

  void fieldsChangedWithoutEnterStillCannotBreakTheLine() {
    MainSession s({});
    s.walkToValidate("F4XYZ", "89001", "PAUL");
    Paste(*s.field("Prenom_A"), LongText(kPastedJunk));
    Paste(*s.field("Rem_A"), LongText(kPastedJunk));
    s.save();
    QCOMPARE(s.env.messages.last(), u"15 caracteres maxi pour le Prenom"_s);
    QCOMPARE(s.log(), QByteArray());
    Paste(*s.field("Prenom_A"), Salted("PAUL", kPastedJunk));
    s.save();
    QCOMPARE(s.env.messages.last(), kSaveQuestion);
    QCOMPARE(s.log().size(), 109);
    QCOMPARE(s.log().mid(75, 34), QByteArray("LAVOIR 89 \xc9T\xc9 LAVOIR 89 \xc9T\xc9 LA  \r\n"));
    QCOMPARE(s.firstNames(), QByteArray("F4XYZ        89 PAUL\r\n"));
    QCOMPARE(FolderFaults(s.env), QStringList());
  }

  void stationDialogRefusesJunkAndNamesNoBadLog() {
    const std::tuple<QString, QString, bool> cases[] = {
        {LongText(kPastedJunk), "12 caracteres maximum pour l'indicatif", true},  // the refused text stays
        {kPastedJunk, "Vous devez entrer un indicatif", true},
        {"../F4", kBadCall, false},
        {u"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"_s, kBadCall, false},  // one byte a letter, not two
    };
    for (const auto& [pasted, message, kept] : cases) {
      TestEnvironment env;
      StationDialog dialog(env.context);
      QSignalSpy accepted(&dialog, &StationDialog::stationAccepted);
      dialog.show();
      auto* box = Find<QLineEdit>(dialog, u"New_Indicatif"_s);
      Paste(*box, pasted);
      QVERIFY(HoldsOnlyLogCharacters(box->text()));
      const QString before = box->text();
      Enter(*box);
      Click(dialog, "Validation");
      QCOMPARE(env.messages.shown, QStringList{message});
      QCOMPARE(box->text(), kept ? before : QString());
      QVERIFY(dialog.isVisible() && accepted.isEmpty());
      QCOMPARE(FolderFiles(env), QStringList());
      QCOMPARE(env.settings->read(kSetup, kIndicatifStation, "absent"), u"absent"_s);
    }
  }

  // Every text box of the other windows keeps to log characters; no list item added, no window widened.
  void everyBoxOfTheOtherWindowsTakesJunk() {
    MainSession s(TwoQsos());
    RechercheIndicatifWindow search(s.env.context, *s.main);
    MultiQslWindow qsl(s.env.context, *s.main);
    ContactedListWindow contacted(s.env.context, *s.main);
    ClusterWindow cluster(s.env.context, *s.main);
    int boxes = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{&search, &qsl, &contacted, &cluster}) {
      window->show();
      const int width = window->width();
      for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        ++boxes;
        const QString name = window->objectName() + u'/' + box->parentWidget()->objectName() + box->objectName();
        auto* combo = qobject_cast<QComboBox*>(box->parentWidget());
        const int items = combo ? combo->count() : 0;
        for (const bool typed : {true, false}) {
          Put(*box, typed);
          QVERIFY2(HoldsOnlyLogCharacters(box->text()), qPrintable(name));
          Enter(*box);
        }
        Paste(*box, kMultiLine);
        QCOMPARE(box->text(), u"ligne uneligne deuxligne trois"_s);
        Put(*box, false, "F1AAA");
        QCOMPARE(box->text(), u"F1AAA"_s);
        if (combo) QCOMPARE(combo->count(), items);
      }
      QApplication::processEvents();
      QVERIFY2(window->width() == width, qPrintable(window->objectName()));
    }
    QCOMPARE(boxes, 6);  // three search boxes, the QSL call sign, the group, the cluster band
    // A long junk group is listed, saved and printed without leaving a bad file.
    Put(*contacted.findChild<QComboBox*>("Bande_D")->lineEdit(), false);
    for (const char* button : {"Afficher", "Enregistrer", "Imprimer"}) Click(contacted, button);
    QCOMPARE(s.env.printers.asked, 1);
    QVERIFY(s.env.messages.last().startsWith(u"La liste n'a pas été enregistrée dans le fichier"_s));
    QVERIFY(s.env.messages.last().contains(u"nom de fichier trop long"_s));
    QVERIFY(!s.env.messages.shown.join(u'|').contains(u"Fichier enregistré"_s));
    QCOMPARE(FolderFaults(s.env), QStringList());
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
